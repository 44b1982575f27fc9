#include "platform/IniText.h"
#include "platform/PrivateProfile.h"
#include "platform/TextFile.h"
#include "store/SettingsReader.h"
#include "store/SettingsWriter.h"
#include "store/StoredFields.h"
#include "store/TRegData.h"

namespace zarnet {

namespace {

class IniReader : public SettingsReader {
  public:
    explicit IniReader(PrivateProfile& profile) : profile_(profile) {}

    std::string ReadString(std::string_view section, std::string_view name,
                           std::string_view fallback) override {
        return profile_.ReadString(section, name, fallback);
    }

  private:
    PrivateProfile& profile_;
};

class IniWriter : public SettingsWriter {
  public:
    explicit IniWriter(PrivateProfile& profile) : profile_(profile) {}

    // Quoted where the reading rules would change it, so it comes back as
    // typed.
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        profile_.WriteString(section, name, IniText::QuotedForReading(value));
    }

  private:
    PrivateProfile& profile_;
};

constexpr std::string_view kUserSection = "User";
constexpr std::string_view kDefaultSection = "Default";
constexpr std::string_view kIniFileKey = "IniFile";

}  // namespace

void TRegData::LoadFromIni(const std::string& fileName) {
    // The reader would take a file too large to read, a folder, a pipe or a
    // device for an empty one; a load the user asked for says why it brings
    // nothing.
    CheckKindAndSize(fileName);
    PrivateProfile profile(fileName);
    IniReader in(profile);

    ReadFrom(in, StoreKind::IniFile);
    Header = in.ReadString(kUserSection, "Header", "");
    Footer = in.ReadString(kUserSection, "Footer", "");
}

void TRegData::SaveToIni(const std::string& fileName, StoredHistory history) const {
    PrivateProfile profile(fileName);
    IniReader stored(profile);
    IniWriter out(profile);
    // The whole record reaches the file at once, or nothing does. The batch
    // reads the file as it is now, and the stored history comes from that.
    profile.BeginBatch();
    WriteTo(out, HistoryToSave(stored, StoreKind::IniFile, history));
    out.WriteString(kUserSection, "Header", Header);
    out.WriteString(kUserSection, "Footer", Footer);
    profile.Commit();
}

bool TRegData::ReadIniDefault(const std::string& fileName) {
    PrivateProfile profile(fileName);
    return IniReader(profile).ReadBool(kDefaultSection, kIniFileKey, false);
}

void TRegData::WriteIniDefault(const std::string& fileName, bool useIniFile) {
    PrivateProfile profile(fileName);
    IniWriter(profile).WriteBool(kDefaultSection, kIniFileKey, useIniFile);
}

}  // namespace zarnet
