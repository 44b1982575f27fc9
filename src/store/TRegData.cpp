#include "store/TRegData.h"

#include <algorithm>
#include <string>

#include "core/NumberText.h"
#include "platform/Paths.h"
#include "platform/Utf8.h"
#include "store/SettingsReader.h"
#include "store/SettingsWriter.h"
#include "store/StoredFields.h"

namespace zarnet {

namespace {

// Lower case for the letters that code page 932 holds in both cases: ASCII
// and full-width Latin, Greek, Cyrillic and the Roman numerals. Width stays:
// "Ａ" and "a" are different letters.
char32_t LowerCase(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (within(U'A', U'Z') || within(U'\u0391', U'\u03A9') || within(U'\u0410', U'\u042F') ||
        within(U'\uFF21', U'\uFF3A')) {
        return c + 0x20;
    }
    if (c == U'\u0401') {  // Ё
        return U'\u0451';
    }
    return within(U'\u2160', U'\u216F') ? c + 0x10 : c;
}

// Above every character, so a stray byte matches only the same byte.
constexpr char32_t kStrayByte = 0x110000;

// The characters of UTF-8 text in lower case; each byte of an ill-formed
// sequence stands for itself.
std::u32string LowerCaseChars(std::string_view text) {
    std::u32string chars;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t c = utf8::NextCodePoint(text, pos);
        if (c != utf8::kIllFormed) {
            chars.push_back(LowerCase(c));
            continue;
        }
        for (std::size_t at = start; at < pos; ++at) {
            chars.push_back(kStrayByte + static_cast<unsigned char>(text[at]));
        }
    }
    return chars;
}

}  // namespace

void TRegData::ClearHistory() {
    for (TURLItem& item : Items) {
        item.Dir.clear();
    }
}

PatternRequest TRegData::RequestFor(const PatternTexts& pattern, MakeType kind) const {
    return {.Texts = pattern, .Kind = kind, .Output = Output};
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

// While the history has no gaps the slot is also the list position; with a gap
// (a hand-edited store) it still names the entry that was found.
std::optional<std::size_t> TRegData::FindHistory(std::string_view dir) const {
    const std::u32string wanted = LowerCaseChars(dir);
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        const std::string& listed = Items[slot].Dir;
        if (!listed.empty() && LowerCaseChars(listed) == wanted) {
            return slot;
        }
    }
    return std::nullopt;
}

// The entry found under the item's Dir (or, for a new Dir, the one in the last
// slot) moves to slot 0 and takes all of `item`; the others keep their order.
bool TRegData::AddToHistory(const TURLItem& item) {
    if (Trimmed(item.Dir).empty()) {
        return false;
    }
    // A new address pushes the oldest slot out.
    const auto slot = static_cast<std::ptrdiff_t>(FindHistory(item.Dir).value_or(kHistorySize - 1));
    std::rotate(Items.begin(), Items.begin() + slot, Items.begin() + slot + 1);
    std::rotate(pushed_.begin(), pushed_.begin() + slot, pushed_.begin() + slot + 1);
    Items[0] = item;
    pushed_[0] = true;
    return true;
}

void TRegData::AdoptHistory() {
    pushed_.fill(true);
}

std::string TRegData::HistorySection(std::size_t slot) {
    return "URL" + std::to_string(slot);
}

void TRegData::ReadItem(SettingsReader& in, std::string_view section, TURLItem& item,
                        StoreKind store) {
    for (const URLItemField& field : kURLItemFields) {
        item.*field.Member = in.ReadString(section, field.Name, field.Default(store));
    }
}

void TRegData::ReadFrom(SettingsReader& in, StoreKind store) {
    ClearHistory();
    pushed_.fill(false);
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        ReadItem(in, HistorySection(slot), Items[slot], store);
    }
    ReadItem(in, kLastSection, LastItem, store);
    Output.ImageWidth = in.ReadInteger(kLastSection, "ImageWidth", kFreshOutput.ImageWidth);
    Output.ImageHeight = in.ReadInteger(kLastSection, "ImageHeight", kFreshOutput.ImageHeight);
    Kind =
        MakeTypeOf(in.ReadInteger(kLastSection, "MakeType", static_cast<std::int32_t>(kFreshKind)));
    LastSaveFname = in.ReadString(kLastSection, "LastSaveFname", DefaultSaveFname);
    for (const SwitchField& field : kSwitchFields) {
        field.Member.Of(*this) = in.ReadBool(kLastSection, field.Key, field.Default(store));
    }
    for (const ProbeField& field : kProbeFields) {
        const std::int32_t value = in.ReadInteger(kLastSection, field.Key, field.Default());
        Probe.*field.Member = field.Limit.Allows(value) ? value : field.Default();
    }
    ReadFont(in);
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

// The pushed entries are pushed again onto the stored history, the oldest
// first: the same rule as the window's, so a Dir already stored is not stored
// twice and the oldest stored entries make room.
std::array<TURLItem, TRegData::kHistorySize> TRegData::HistoryToSave(SettingsReader& stored,
                                                                     StoreKind store,
                                                                     StoredHistory history) const {
    if (history == StoredHistory::Replace) {
        return Items;
    }
    TRegData merged;
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        ReadItem(stored, HistorySection(slot), merged.Items[slot], store);
    }
    for (std::size_t slot = kHistorySize; slot-- > 0;) {
        if (pushed_[slot]) {
            merged.AddToHistory(Items[slot]);  // an empty slot adds nothing
        }
    }
    return merged.Items;
}

void TRegData::WriteTo(SettingsWriter& out,
                       const std::array<TURLItem, kHistorySize>& history) const {
    const auto writeItem = [&out](std::string_view section, const TURLItem& item) {
        for (const URLItemField& field : kURLItemFields) {
            out.WriteString(section, field.Name, item.*field.Member);
        }
    };
    for (std::size_t slot = 0; slot < kHistorySize; ++slot) {
        writeItem(HistorySection(slot), history[slot]);
    }
    writeItem(kLastSection, LastItem);
    out.WriteInteger(kLastSection, "ImageWidth", Output.ImageWidth);
    out.WriteInteger(kLastSection, "ImageHeight", Output.ImageHeight);
    out.WriteInteger(kLastSection, "MakeType", static_cast<std::int32_t>(Kind));
    out.WriteString(kLastSection, "LastSaveFname", LastSaveFname);
    for (const SwitchField& field : kSwitchFields) {
        out.WriteBool(kLastSection, field.Key, field.Member.Of(*this));
    }
    for (const ProbeField& field : kProbeFields) {
        out.WriteInteger(kLastSection, field.Key, Probe.*field.Member);
    }
    out.WriteInteger(kFontSection, "CharSet", ViewFont.CharSet);
    out.WriteInteger(kFontSection, "Color", ViewFont.Color);
    out.WriteInteger(kFontSection, "Height", ViewFont.Height);
    out.WriteString(kFontSection, "Name", ViewFont.Name());
    out.WriteInteger(kFontSection, "Size", ViewFont.Size());
}

}  // namespace zarnet
