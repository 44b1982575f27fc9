#include "store/TRegData.h"

#include <algorithm>

#include "core/NumberText.h"
#include "platform/Paths.h"
#include "store/SettingsReader.h"
#include "store/SettingsWriter.h"

namespace zarnet {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only ASCII letters fold: in UTF-8 every byte of a multibyte character is
// above 0x7F, so this never matches part of one character with another.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

void TRegData::ClearHistory() {
    for (TURLItem& item : Items) {
        item.Dir.clear();
    }
}

std::string TRegData::GetSaveFname() const {
    const std::string folder = FolderPart(LastSaveFname);
    return DirectoryExists(folder) ? LastSaveFname : DefaultSaveFname;
}

std::vector<std::string> TRegData::HistoryList() const {
    std::vector<std::string> list;
    for (const TURLItem& item : Items) {
        if (!item.Dir.empty()) {
            list.push_back(item.Dir);
        }
    }
    return list;
}

std::optional<std::size_t> TRegData::FindHistory(std::string_view dir) const {
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        const std::string& listed = Items[slot].Dir;
        if (!listed.empty() && EqualIgnoringAsciiCase(listed, dir)) {
            return slot;
        }
    }
    return std::nullopt;
}

bool TRegData::AddToHistory(const TURLItem& item) {
    if (Trimmed(item.Dir).empty()) {
        return false;
    }
    // A new address pushes the oldest slot out.
    const std::size_t slot = FindHistory(item.Dir).value_or(kHistorySize - 1);
    std::rotate(Items.begin(), Items.begin() + static_cast<std::ptrdiff_t>(slot),
                Items.begin() + static_cast<std::ptrdiff_t>(slot) + 1);
    Items[0] = item;
    return true;
}

std::string TRegData::HistorySection(std::size_t slot) {
    return "URL" + std::to_string(slot);
}

void TRegData::ReadItem(SettingsReader& in, std::string_view section, TURLItem& item,
                        const URLItemDefaults& defaults) {
    for (std::size_t i = 0; i < kURLItemFields.size(); ++i) {
        item.*kURLItemFields[i].Member =
            in.ReadString(section, kURLItemFields[i].Name, defaults[i]);
    }
}

void TRegData::ReadPatterns(SettingsReader& in, const URLItemDefaults& defaults) {
    ClearHistory();
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        ReadItem(in, HistorySection(slot), Items[slot], defaults);
    }
    ReadItem(in, kLastSection, LastItem, defaults);
}

void TRegData::ReadOutputSettings(SettingsReader& in) {
    ImageWidth = in.ReadInteger(kLastSection, "ImageWidth", 40);
    ImageHeight = in.ReadInteger(kLastSection, "ImageHeight", 60);
    MakeType = in.ReadInteger(kLastSection, "MakeType", 2);  // ImageSrc
    LastSaveFname = in.ReadString(kLastSection, "LastSaveFname", DefaultSaveFname);
}

// Each value takes effect as soon as it is read, so Size, applied last,
// decides the height.
void TRegData::ReadFont(SettingsReader& in) {
    const std::int32_t charSet = in.ReadInteger(kFontSection, "CharSet", ViewFont.CharSet);
    if (charSet >= 0 && charSet <= 255) {
        ViewFont.CharSet = static_cast<std::uint8_t>(charSet);
    }
    ViewFont.Color = in.ReadInteger(kFontSection, "Color", TViewFont::kWindowTextColor);
    ViewFont.Height = in.ReadInteger(kFontSection, "Height", TViewFont::kDefaultHeight);
    ViewFont.SetName(in.ReadString(kFontSection, "Name", TViewFont::kDefaultName));
    ViewFont.SetSize(in.ReadInteger(kFontSection, "Size", TViewFont::kDefaultSize));
}

void TRegData::WriteTo(SettingsWriter& out) const {
    const auto writeItem = [&out](std::string_view section, const TURLItem& item) {
        for (const URLItemField& field : kURLItemFields) {
            out.WriteString(section, field.Name, item.*field.Member);
        }
    };
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        writeItem(HistorySection(slot), Items[slot]);
    }
    writeItem(kLastSection, LastItem);
    out.WriteInteger(kLastSection, "ImageWidth", ImageWidth);
    out.WriteInteger(kLastSection, "ImageHeight", ImageHeight);
    out.WriteInteger(kLastSection, "MakeType", MakeType);
    out.WriteString(kLastSection, "LastSaveFname", LastSaveFname);
    out.WriteBool(kLastSection, "Separator", Separator);
    out.WriteBool(kLastSection, "Border", Border);
    out.WriteBool(kLastSection, "OWNoCheck", OWNoCheck);
    out.WriteBool(kLastSection, "ClickView", ClickView);
    out.WriteBool(kLastSection, "Compact", Compact);
    out.WriteBool(kLastSection, "AutoSave", AutoSave);
    out.WriteBool(kLastSection, "HideMenu", HideMenu);
    out.WriteInteger(kFontSection, "CharSet", ViewFont.CharSet);
    out.WriteInteger(kFontSection, "Color", ViewFont.Color);
    out.WriteInteger(kFontSection, "Height", ViewFont.Height);
    out.WriteString(kFontSection, "Name", ViewFont.Name());
    out.WriteInteger(kFontSection, "Size", ViewFont.Size());
}

}  // namespace zarnet
