#include "platform/posix/RegFileDocument.h"

#include <cstdint>
#include <iterator>
#include <utility>

#include "platform/AsciiText.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace zarnet {

namespace {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

using cp932::CharSizeAt;

// Position of the single-byte character `ch`, never a second byte that
// happens to equal it.
std::size_t FindSingleByte(std::string_view text, char ch, std::size_t from = 0) {
    for (std::size_t pos = from; pos < text.size(); pos += CharSizeAt(text, pos)) {
        if (text[pos] == ch && CharSizeAt(text, pos) == 1) {
            return pos;
        }
    }
    return std::string_view::npos;
}

bool EndsWithSingleByte(std::string_view text, char ch) {
    std::size_t last = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += CharSizeAt(text, pos)) {
        last = pos;
    }
    return last != std::string_view::npos && last + 1 == text.size() && text[last] == ch;
}

// The blanks of a REGEDIT4 line.
bool IsRegBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    return ascii::TrimIf(text, IsRegBlank);
}

bool IsBlankLine(std::string_view line) {
    return Trim(line).empty();
}

bool IsHeader(std::string_view line) {
    return Trim(line).starts_with('[');
}

bool IsPlainText(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharSizeAt(text, pos)) {
        const char c = text[pos];
        if (c == '\r' || c == '\n' || c == '\0' ||
            (CharSizeAt(text, pos) == 1 && cp932::IsLeadByte(static_cast<unsigned char>(c)))) {
            return false;
        }
    }
    return true;
}

// A quoted text starting at `pos`; \\ and \" are the escapes. Any other
// backslash stands for itself.
bool ParseQuoted(std::string_view text, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < text.size()) {
        const std::size_t length = CharSizeAt(text, pos);
        if (length == 1 && text[pos] == '"') {
            ++pos;
            return true;
        }
        if (length == 1 && text[pos] == '\\' && pos + 1 < text.size() &&
            (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
            out += text[pos + 1];
            pos += 2;
            continue;
        }
        out.append(text.substr(pos, length));
        pos += length;
    }
    return false;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharSizeAt(text, pos);
        if (length == 1 && (text[pos] == '\\' || text[pos] == '"')) {
            out += '\\';
        }
        out.append(text.substr(pos, length));
        pos += length;
    }
    out += '"';
    return out;
}

bool ParseHex(std::string_view digits, std::size_t maxDigits, std::uint32_t& number) {
    if (digits.empty() || digits.size() > maxDigits) {
        return false;
    }
    number = 0;
    for (char c : digits) {
        const int digit = ascii::HexDigitValue(c);
        if (digit < 0) {
            return false;
        }
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

void AppendHex(std::string& out, std::uint32_t number, int minDigits) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[number % 16]);
        number /= 16;
    } while (number != 0 || static_cast<int>(digits.size()) < minDigits);
    out += digits;
}

bool ParseByteList(std::string_view list, std::string& bytes) {
    bytes.clear();
    if (Trim(list).empty()) {
        return true;
    }
    for (;;) {
        const std::size_t comma = list.find(',');
        std::uint32_t byte = 0;
        if (!ParseHex(Trim(list.substr(0, comma)), 2, byte)) {
            return false;
        }
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos) {
            return true;
        }
        list.remove_prefix(comma + 1);
    }
}

// What follows the "=" of a value line: "text", dword:, hex: or hex(N):.
bool ParseData(std::string_view data, Registry::Value& value) {
    if (data.starts_with('"')) {
        std::size_t pos = 0;
        std::string text;
        if (!ParseQuoted(data, pos, text) || pos != data.size()) {
            return false;
        }
        value.Type = Registry::kSz;
        value.Data = text + '\0';
        return true;
    }
    if (ascii::StartsWithIgnoringCase(data, "dword:")) {
        std::uint32_t number = 0;
        if (!ParseHex(data.substr(6), 8, number)) {
            return false;
        }
        value.Type = Registry::kDword;
        value.Data.clear();
        for (int i = 0; i < 4; ++i, number >>= 8) {
            value.Data += static_cast<char>(number & 0xFF);
        }
        return true;
    }
    std::string_view list;
    if (ascii::StartsWithIgnoringCase(data, "hex:")) {
        value.Type = Registry::kBinary;
        list = data.substr(4);
    } else if (ascii::StartsWithIgnoringCase(data, "hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos ||
            !ParseHex(data.substr(4, close - 4), 8, value.Type)) {
            return false;
        }
        list = data.substr(close + 2);
    } else {
        return false;
    }
    return ParseByteList(list, value.Data);
}

struct ValueHead {
    std::string Name;
    std::string_view Data;
};

// `"name"=data` or `@=data`, the line already trimmed.
std::optional<ValueHead> SplitValueLine(std::string_view line) {
    ValueHead head;
    std::size_t pos = 0;
    if (line.starts_with('@')) {
        pos = 1;
    } else if (!line.starts_with('"') || !ParseQuoted(line, pos, head.Name)) {
        return std::nullopt;
    }
    const std::string_view assigned = ascii::TrimFrontIf(line.substr(pos), IsRegBlank);
    if (!assigned.starts_with('=')) {
        return std::nullopt;
    }
    head.Data = Trim(assigned.substr(1));
    return head;
}

std::string ValueLine(std::string_view name, const Registry::Value& value) {
    std::string line = name.empty() ? "@" : Quote(name);
    line += '=';
    const std::string_view data = value.Data;
    if (value.Type == Registry::kSz && data.ends_with('\0') &&
        IsPlainText(data.substr(0, data.size() - 1))) {
        line += Quote(data.substr(0, data.size() - 1));
    } else if (value.Type == Registry::kDword && data.size() == 4) {
        std::uint32_t number = 0;
        for (std::size_t i = 4; i-- > 0;) {
            number = number << 8 | static_cast<unsigned char>(data[i]);
        }
        line += "dword:";
        AppendHex(line, number, 8);
    } else {
        if (value.Type == Registry::kBinary) {
            line += "hex:";
        } else {
            line += "hex(";
            AppendHex(line, value.Type, 1);
            line += "):";
        }
        for (std::size_t i = 0; i < data.size(); ++i) {
            if (i > 0) {
                line += ',';
            }
            AppendHex(line, static_cast<unsigned char>(data[i]), 2);
        }
    }
    return line;
}

std::optional<RegFileDocument::KeyPath> HeaderPath(std::string_view header) {
    if (!EndsWithSingleByte(header, ']')) {
        return std::nullopt;
    }
    const std::string_view inner = header.substr(1, header.size() - 2);
    const std::size_t cut = FindSingleByte(inner, '\\');
    if (!RegFileDocument::NamesEqual(inner.substr(0, cut), kRoot)) {
        return std::nullopt;
    }
    if (cut == std::string_view::npos) {
        return RegFileDocument::KeyPath{};
    }
    return RegFileDocument::SplitPath(inner.substr(cut + 1));
}

std::string HeaderOf(const RegFileDocument::KeyPath& key) {
    std::string header = "[" + std::string(kRoot);
    for (const std::string& name : key) {
        header += '\\';
        header += name;
    }
    header += ']';
    return header;
}

// True when the first `length` names of `path` are those of `key`.
bool SharesPrefix(const RegFileDocument::KeyPath& path, const RegFileDocument::KeyPath& key,
                  std::size_t length) {
    if (path.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (!RegFileDocument::NamesEqual(path[i], key[i])) {
            return false;
        }
    }
    return true;
}

bool SamePath(const RegFileDocument::KeyPath& path, const RegFileDocument::KeyPath& key) {
    return path.size() == key.size() && SharesPrefix(path, key, key.size());
}

}  // namespace

// Whatever else the file holds (keys of other roots, lines this reader does not
// understand) is kept where it stands and written back as it was read, and so
// are values nobody changed.
std::optional<RegFileDocument> RegFileDocument::Parse(std::string_view bytes) {
    // Lines kept unread must be written back as they were, zero bytes and all.
    const std::vector<std::string> lines = SplitLinesKeepingNul(bytes);
    std::size_t next = 0;
    while (next < lines.size() && IsBlankLine(lines[next])) {
        ++next;
    }
    RegFileDocument document;
    if (next == lines.size()) {
        return document;
    }
    if (Trim(lines[next]) != "REGEDIT4") {
        return std::nullopt;
    }
    // Blank lines that end a key or the preamble only separate; they are
    // written anew. Blank lines within are kept.
    auto contentEnd = [&lines](std::size_t begin, std::size_t end) {
        while (end > begin && IsBlankLine(lines[end - 1])) {
            --end;
        }
        return end;
    };
    std::size_t begin = next + 1;
    while (begin < lines.size() && IsBlankLine(lines[begin])) {
        ++begin;
    }
    next = begin;
    while (next < lines.size() && !IsHeader(lines[next])) {
        ++next;
    }
    document.preamble_.assign(lines.begin() + static_cast<std::ptrdiff_t>(begin),
                              lines.begin() + static_cast<std::ptrdiff_t>(contentEnd(begin, next)));
    while (next < lines.size()) {
        Section section{lines[next], HeaderPath(Trim(lines[next])), {}};
        begin = next + 1;
        next = begin;
        while (next < lines.size() && !IsHeader(lines[next])) {
            ++next;
        }
        ParseSection(section, lines, begin, contentEnd(begin, next));
        document.sections_.push_back(std::move(section));
    }
    return document;
}

void RegFileDocument::ParseSection(Section& section, const std::vector<std::string>& lines,
                                   std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        Entry entry;
        entry.Lines.push_back(lines[i]);
        if (section.Path) {
            std::string text(Trim(lines[i]));
            std::optional<ValueHead> head = SplitValueLine(text);
            // Long hex data may go on over lines ending in a backslash.
            if (head && ascii::StartsWithIgnoringCase(head->Data, "hex")) {
                while (EndsWithSingleByte(text, '\\') && i + 1 < end &&
                       !IsBlankLine(lines[i + 1])) {
                    text.pop_back();
                    entry.Lines.push_back(lines[++i]);
                    text += Trim(lines[i]);
                }
                head = SplitValueLine(text);
            }
            if (head && ParseData(head->Data, entry.Value)) {
                entry.IsValue = true;
                entry.Name = std::move(head->Name);
            }
        }
        section.Entries.push_back(std::move(entry));
    }
}

std::string RegFileDocument::Text() const {
    std::string out = "REGEDIT4\r\n\r\n";
    auto put = [&out](std::string_view line) {
        out += line;
        out += kLineEnd;
    };
    if (!preamble_.empty()) {
        for (const std::string& line : preamble_) {
            put(line);
        }
        put("");
    }
    for (const Section& section : sections_) {
        put(section.Header);
        for (const Entry& entry : section.Entries) {
            if (entry.Lines.empty()) {
                put(ValueLine(entry.Name, entry.Value));
            }
            for (const std::string& line : entry.Lines) {
                put(line);
            }
        }
        put("");
    }
    return out;
}

// A lead byte without its second byte would swallow the quote or bracket
// after it.
bool RegFileDocument::IsWritableName(std::string_view name) {
    return IsPlainText(name);
}

std::optional<RegFileDocument::KeyPath> RegFileDocument::SplitPath(std::string_view path) {
    KeyPath names;
    if (path.empty()) {
        return names;
    }
    for (std::size_t start = 0;;) {
        const std::size_t cut = FindSingleByte(path, '\\', start);
        const std::string_view name = path.substr(start, cut - start);
        if (name.empty() || !IsWritableName(name)) {
            return std::nullopt;
        }
        names.emplace_back(name);
        if (cut == std::string_view::npos) {
            return names;
        }
        start = cut + 1;
    }
}

bool RegFileDocument::NamesEqual(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t length = CharSizeAt(a, i);
        if (CharSizeAt(b, j) != length) {
            return false;
        }
        if (length == 2 ? a.substr(i, 2) != b.substr(j, 2)
                        : ascii::ToUpper(a[i]) != ascii::ToUpper(b[j])) {
            return false;
        }
        i += length;
        j += length;
    }
    return i == a.size() && j == b.size();
}

bool RegFileDocument::KeyExists(const KeyPath& key) const {
    if (key.empty()) {
        return true;
    }
    for (const Section& section : sections_) {
        if (section.Path && SharesPrefix(*section.Path, key, key.size())) {
            return true;
        }
    }
    return false;
}

bool RegFileDocument::AddKey(const KeyPath& key) {
    if (KeyExists(key)) {
        return false;
    }
    sections_.insert(sections_.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(key)),
                     Section{HeaderOf(key), key, {}});
    return true;
}

// Before the key's own subkeys, else after the last key that shares the
// longest part of its path, so that related keys stay together.
std::size_t RegFileDocument::InsertionPoint(const KeyPath& key) const {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].Path && SharesPrefix(*sections_[i].Path, key, key.size())) {
            return i;
        }
    }
    for (std::size_t length = key.size(); length-- > 0;) {
        for (std::size_t i = sections_.size(); i-- > 0;) {
            if (sections_[i].Path && SharesPrefix(*sections_[i].Path, key, length)) {
                return i + 1;
            }
        }
    }
    return sections_.size();
}

// The last one wins, as when the file is imported line by line.
const RegFileDocument::Entry* RegFileDocument::FindEntry(const KeyPath& key,
                                                         std::string_view name) const {
    for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
        if (!section->Path || !SamePath(*section->Path, key)) {
            continue;
        }
        for (auto entry = section->Entries.rbegin(); entry != section->Entries.rend(); ++entry) {
            if (entry->IsValue && NamesEqual(entry->Name, name)) {
                return &*entry;
            }
        }
    }
    return nullptr;
}

const Registry::Value* RegFileDocument::FindValue(const KeyPath& key, std::string_view name) const {
    const Entry* entry = FindEntry(key, name);
    return entry ? &entry->Value : nullptr;
}

bool RegFileDocument::SetValue(const KeyPath& key, std::string_view name,
                               const Registry::Value& value) {
    if (auto* entry = const_cast<Entry*>(FindEntry(key, name))) {
        if (entry->Value.Type == value.Type && entry->Value.Data == value.Data) {
            return false;
        }
        entry->Value = value;
        entry->Lines.clear();
        return true;
    }
    Section* target = nullptr;
    for (Section& section : sections_) {
        if (section.Path && SamePath(*section.Path, key)) {
            target = &section;
        }
    }
    if (target == nullptr) {
        target =
            &*sections_.insert(sections_.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(key)),
                               Section{HeaderOf(key), key, {}});
    }
    // After the key's last value, ahead of lines it does not understand: one
    // of those might end in a backslash and take the new line in as its own.
    auto at = target->Entries.end();
    while (at != target->Entries.begin() && !std::prev(at)->IsValue) {
        --at;
    }
    Entry entry;
    entry.IsValue = true;
    entry.Name = std::string(name);
    entry.Value = value;
    target->Entries.insert(at, std::move(entry));
    return true;
}

}  // namespace zarnet
