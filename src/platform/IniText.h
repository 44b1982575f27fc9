#pragma once

#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zarnet {

// The bytes of an INI file in code page 932, read and edited by the rules of
// the platform's private-profile functions. Edits touch one line (or append
// a few) and keep every other byte of the file as it was; an index of the
// sections and keys keeps each read and edit independent of the file's size.
//
// Names and values here are code page 932 bytes; the caller encodes. Names
// and values given are first cut by OneLine, names then lose their spaces.
class IniText {
  public:
    explicit IniText(std::string_view bytes = {});
    IniText(const IniText&) = delete;
    IniText& operator=(const IniText&) = delete;

    // The value as the platform hands it out: blanks around it and one
    // enclosing pair of matching quotes dropped, not yet cut to any buffer.
    // Nothing when the section or the key is missing. The view lasts until
    // the next Set.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Writes the line `key=value`: in place of the key's line when it exists,
    // after the last key line of the section when only the section exists,
    // else in a new section at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Bytes() const;

    // What one line of the file can hold of `text`: everything before its
    // first NUL, CR or LF. The platform's functions take C strings, and a
    // line end written into a value would forge lines of its own.
    static std::string_view OneLine(std::string_view text);

  private:
    struct Line {
        std::string text;
        std::string end;  // "\r\n", "\r", "\n", or "" for a last line without one
    };
    using LineIter = std::list<Line>::iterator;
    struct Section {
        LineIter lastKey;  // the header while the section has no key line
        std::unordered_map<std::string, LineIter> keys;  // folded name -> first line
    };

    void Index();
    void IndexLine(LineIter line, Section*& current);
    LineIter InsertAfter(LineIter at, std::string text);

    std::list<Line> lines_;
    std::unordered_map<std::string, Section> sections_;  // folded name -> first of that name
};

}  // namespace zarnet
