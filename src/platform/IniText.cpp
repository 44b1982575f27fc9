#include "platform/IniText.h"

#include <iterator>

#include "platform/AsciiText.h"
#include "platform/Cp932.h"

namespace zarnet {

// Edits touch one line (or append a few) and keep every other byte of the
// file as it was; an index of the sections and keys keeps each read and edit
// independent of the file's size. Names and values given are first cut by
// OneLine, names then lose their spaces.

namespace {

// The blanks the INI rules drop around names and values.
bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

// A second byte may be "]" or a letter, so every scan for those steps by
// characters.
using cp932::CharSizeAt;

std::string_view TrimBlanks(std::string_view text) {
    return ascii::TrimIf(text, IsIniBlank);
}

// Names given by the caller lose only their spaces, as with the platform.
using ascii::TrimSpaces;

// The form under which names are looked up: single-byte ASCII letters in
// lower case, double-byte characters untouched (ア 83 41 is not ヂ 83 61).
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t at = 0; at < folded.size();) {
        std::size_t length = CharSizeAt(folded, at);
        if (length == 1) {
            folded[at] = ascii::ToLower(folded[at]);
        }
        at += length;
    }
    return folded;
}

struct ParsedLine {
    enum class Kind { Other, Header, Key };
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;  // keys only; blanks dropped, quotes kept
};

ParsedLine Parse(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() == ';') {
        return {};
    }
    if (text.front() == '[') {
        // The first "]" ends the name; without one the name runs to the end.
        std::size_t at = 1;
        while (at < text.size() && text[at] != ']') {
            at += CharSizeAt(text, at);
        }
        return {ParsedLine::Kind::Header, TrimBlanks(text.substr(1, at - 1)), {}};
    }
    // "=" is never a second byte.
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return {ParsedLine::Kind::Key, TrimBlanks(text.substr(0, equals)),
            TrimBlanks(text.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A key line's value as reading gives it.
std::string_view ValueRead(std::string_view text) {
    return Unquote(TrimBlanks(text));
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    return line;
}

}  // namespace

IniText::IniText(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            lines_.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::size_t endLength = bytes.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
        lines_.push_back({std::string(bytes.substr(start, stop - start)),
                          std::string(bytes.substr(stop, endLength))});
        start = stop + endLength;
    }
    Index();
}

// The platform's functions take C strings, and a line end written into a
// value would forge lines of its own.
std::string_view IniText::OneLine(std::string_view text) {
    return text.substr(0, text.find_first_of(std::string_view("\0\r\n", 3)));
}

void IniText::Index() {
    sections_.clear();
    Section* current = nullptr;
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
        IndexLine(line, current);
    }
}

// `current` is the section the line belongs to, or null before the first
// header and inside a repeated section, whose lines nobody can reach.
void IniText::IndexLine(LineIter line, Section*& current) {
    ParsedLine parsed = Parse(line->text);
    if (parsed.kind == ParsedLine::Kind::Header) {
        auto [entry, added] = sections_.try_emplace(Fold(parsed.name), Section{line, {}});
        current = added ? &entry->second : nullptr;
    } else if (parsed.kind == ParsedLine::Kind::Key && current != nullptr) {
        current->keys.try_emplace(Fold(parsed.name), line);
        current->lastKey = line;
    }
}

IniText::LineIter IniText::InsertAfter(LineIter at, std::string text) {
    if (at->end.empty()) {
        at->end = "\r\n";
    }
    return lines_.insert(std::next(at), Line{std::move(text), "\r\n"});
}

// Blanks around the value and one enclosing pair of matching quotes dropped.
std::optional<std::string_view> IniText::Find(std::string_view section,
                                              std::string_view key) const {
    auto foundSection = sections_.find(Fold(TrimSpaces(OneLine(section))));
    if (foundSection == sections_.end()) {
        return std::nullopt;
    }
    const auto& keys = foundSection->second.keys;
    auto foundKey = keys.find(Fold(TrimSpaces(OneLine(key))));
    if (foundKey == keys.end()) {
        return std::nullopt;
    }
    return ValueRead(Parse(foundKey->second->text).value);
}

// Quoted, the value reads back whole: its first character is then a quote,
// no blank, and that pair is all reading drops.
std::string IniText::QuotedForReading(std::string_view value) {
    value = OneLine(value);
    if (ValueRead(value) == value) {
        return std::string(value);
    }
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.append("\"").append(value).append("\"");
    return quoted;
}

// In place of the key's line when it exists, after the last key line of the
// section when only the section exists, else in a new section at the end.
void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimSpaces(OneLine(section));
    key = TrimSpaces(OneLine(key));
    value = OneLine(value);
    auto foundSection = sections_.find(Fold(section));
    if (foundSection == sections_.end()) {
        if (!lines_.empty() && lines_.back().end.empty()) {
            lines_.back().end = "\r\n";
        }
        std::string header;
        header.append("[").append(section).append("]");
        auto first = lines_.insert(lines_.end(), Line{std::move(header), "\r\n"});
        lines_.push_back({KeyLine(key, value), "\r\n"});
        // Odd names ("a]b", "[k") must index as a fresh read of the file
        // would; at the end of the file that is simply line by line.
        Section* current = nullptr;
        for (auto line = first; line != lines_.end(); ++line) {
            IndexLine(line, current);
        }
        return;
    }
    Section& found = foundSection->second;
    if (auto foundKey = found.keys.find(Fold(key)); foundKey != found.keys.end()) {
        // Keep the name as the file spells it; the new line parses to the same key.
        LineIter line = foundKey->second;
        line->text = KeyLine(Parse(line->text).name, value);
        return;
    }
    LineIter line = InsertAfter(found.lastKey, KeyLine(key, value));
    if (Parse(line->text).kind == ParsedLine::Kind::Header) {
        // A key name starting with "[" opens a section, which may come before
        // another of its name and take that one's place.
        Index();
    } else {
        Section* current = &found;
        IndexLine(line, current);
    }
}

std::string IniText::Bytes() const {
    std::size_t size = 0;
    for (const Line& line : lines_) {
        size += line.text.size() + line.end.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Line& line : lines_) {
        bytes.append(line.text).append(line.end);
    }
    return bytes;
}

}  // namespace zarnet
