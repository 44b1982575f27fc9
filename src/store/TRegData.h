#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ProbeSettings.h"
#include "store/TURLItem.h"
#include "store/TViewFont.h"

namespace zarnet {

class Registry;
class SettingsReader;
class SettingsWriter;
enum class StoreKind;

// Everything the program remembers between runs: the pattern history, the
// current pattern, the preview font and the output settings. Kept in the
// registry or in an INI file, always as a whole.
class TRegData {
  public:
    static constexpr std::size_t kHistorySize = 20;
    // The store key below the current user's part of the registry.
    static constexpr std::string_view kRegistryKey = "Software\\t-velka\\Zarnet";

    // Slot 0 is the most recently used pattern, slot 19 the oldest.
    std::array<TURLItem, kHistorySize> Items;
    TURLItem LastItem;
    TViewFont ViewFont;
    MakeType Kind = kFreshKind;
    OutputSettings Output;
    std::string LastSaveFname;
    // Carried through the INI store unchanged; nothing else uses them.
    std::string Header;
    std::string Footer;
    bool OWNoCheck = false;
    bool Compact = false;
    bool AutoSave = false;
    bool HideMenu = false;
    ProbeSettings Probe;
    // Never stored; set at start-up.
    std::string DefaultSaveFname;

    // Empties the Dir of every entry; the other fields stay.
    void ClearHistory();

    // A generation run of `pattern` in `kind`, with the record's output
    // settings: what the window and zarnet-cli both run.
    PatternRequest RequestFor(const PatternTexts& pattern, MakeType kind) const;

    // LastSaveFname while its folder exists, else DefaultSaveFname.
    std::string GetSaveFname() const;

    // The base-address drop-down list: the Dir of every non-empty entry, in
    // slot order.
    std::vector<std::string> HistoryList() const;
    // The slot of the first listed entry whose Dir equals `dir`, letters
    // compared without regard to case.
    std::optional<std::size_t> FindHistory(std::string_view dir) const;
    // Records `item` as the most recent pattern in slot 0; false, and nothing
    // recorded, for a Dir made only of blanks and control characters. The
    // entry counts as pushed by this record until the next load.
    bool AddToHistory(const TURLItem& item);
    // Every entry of the history counts as pushed by this record: one it
    // brought from another store, which a save that keeps the stored history
    // must not lose.
    void AdoptHistory();

    enum class KeyAccess { CreateIfMissing, ExistingOnly };
    // What a load does with what it cannot read: stop there with its message
    // (Raise), or give that value its default, read on, and hand the message
    // back for the caller to show once (UseDefault).
    enum class BadValue { Raise, UseDefault };
    // What a save does with the history the store already holds: the
    // record's history replaces it, or the entries the record pushed since it
    // was loaded go in front of it, as if pushed there in the same order, so
    // what another program recorded on the same store meanwhile stays.
    enum class StoredHistory { Replace, KeepBehindPushed };

    // Replaces history, current pattern, settings and font from the store key;
    // Header and Footer stay. Returns the messages of what UseDefault passed
    // over, and the registry's notices.
    std::vector<std::string> LoadFromRegistry(Registry& registry,
                                              KeyAccess access = KeyAccess::CreateIfMissing,
                                              BadValue onBadValue = BadValue::Raise);
    // A failure names the registry file and the system's reason where there
    // is a file. The stored history is read within the save, so under the
    // registry file's lock.
    void SaveToRegistry(Registry& registry, StoredHistory history = StoredHistory::Replace) const;

    // As the registry store, plus Header and Footer. Reading fails only for a
    // file too large to read ("ファイル %s は開けません", "too large").
    void LoadFromIni(const std::string& fileName);
    // One atomic replacement of the file: on failure the old file stays whole.
    // The stored history is read from the file just before it is replaced.
    void SaveToIni(const std::string& fileName,
                   StoredHistory history = StoredHistory::Replace) const;
    // The default-store switch kept in the INI file beside the program: true
    // when that file, not the registry, is the default store.
    static bool ReadIniDefault(const std::string& fileName);
    static void WriteIniDefault(const std::string& fileName, bool useIniFile);

    bool operator==(const TRegData&) const = default;

  private:
    static constexpr std::string_view kLastSection = "Last";
    static constexpr std::string_view kFontSection = "ViewFont";

    static std::string HistorySection(std::size_t slot);
    static void ReadItem(SettingsReader& in, std::string_view section, TURLItem& item,
                         StoreKind store);
    void ReadFont(SettingsReader& in);
    // Everything both stores hold, in the order they write it, the history
    // emptied first; a missing value takes the store's default.
    void ReadFrom(SettingsReader& in, StoreKind store);
    // The history a save writes, given the store's as `stored` reads it.
    std::array<TURLItem, kHistorySize> HistoryToSave(SettingsReader& stored, StoreKind store,
                                                     StoredHistory history) const;
    void WriteTo(SettingsWriter& out, const std::array<TURLItem, kHistorySize>& history) const;

    // Which slots hold an entry pushed since the last load; they move with
    // the entries.
    std::array<bool, kHistorySize> pushed_{};
};

}  // namespace zarnet
