#pragma once

#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zarnet {

// The bytes of an INI file, read and edited by the rules of the platform's
// private-profile functions; names and values are code page 932 bytes.
class IniText {
  public:
    explicit IniText(std::string_view bytes = {});
    IniText(const IniText&) = delete;
    IniText& operator=(const IniText&) = delete;

    // The value as the platform hands it out, not yet cut to any buffer;
    // nothing when the section or the key is missing. Valid until the next Set.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Writes the line `key=value` where the platform would put it.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Bytes() const;

    // What one line of the file can hold of `text`: everything before its
    // first NUL, CR or LF.
    static std::string_view OneLine(std::string_view text);

    // What a key line must hold for Find (and the platform's functions) to
    // give back `value`, cut by OneLine, as it is: inside one pair of double
    // quotes where reading would drop its outer blanks or its outer pair of
    // quotes, else the value itself. The same for UTF-8 as for code page 932:
    // blanks and quotes are never part of a double-byte character.
    static std::string QuotedForReading(std::string_view value);

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
