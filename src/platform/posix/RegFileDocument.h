#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace zarnet {

// The text of a registry file (REGEDIT4, code page 932) seen as the keys below
// HKEY_CURRENT_USER and their typed values; names are code page 932 bytes.
class RegFileDocument {
  public:
    // Key names below HKEY_CURRENT_USER, outermost first; empty for the root.
    using KeyPath = std::vector<std::string>;

    // nullopt when `bytes` are not a registry file: the first non-blank line
    // is not "REGEDIT4". An empty or blank file is an empty registry.
    static std::optional<RegFileDocument> Parse(std::string_view bytes);

    // The whole file: "REGEDIT4", a blank line, then every key with its lines
    // and a blank line after it; CR LF after each line.
    std::string Text() const;

    // True for a name the file can hold: no line break, no zero byte, no lead
    // byte without its second byte.
    static bool IsWritableName(std::string_view name);
    // `path` split at its backslashes; nullopt when a name is empty or not
    // writable. An empty path is the key itself.
    static std::optional<KeyPath> SplitPath(std::string_view path);
    // Equal but for the case of ASCII letters; the second byte of a
    // double-byte character is never folded.
    static bool NamesEqual(std::string_view a, std::string_view b);

    // True for a key that has a section of its own or lies on the way to one.
    bool KeyExists(const KeyPath& key) const;
    // Adds a section for a key that does not exist; true when it did.
    bool AddKey(const KeyPath& key);
    // The value, or nullptr when the key or the value is missing.
    const Registry::Value* FindValue(const KeyPath& key, std::string_view name) const;
    // Sets the value, adding a section for its key if need be; true when
    // anything changed. `name` must be writable; "" is the default value.
    bool SetValue(const KeyPath& key, std::string_view name, const Registry::Value& value);

  private:
    // A line of a key, or a value spread over continued lines.
    struct Entry {
        std::vector<std::string> Lines;  // as read; empty when the value was set here
        bool IsValue = false;
        std::string Name;
        Registry::Value Value;
    };
    struct Section {
        std::string Header;           // the header line as read, or built for a new key
        std::optional<KeyPath> Path;  // nullopt: not ours to read, kept as it is
        std::vector<Entry> Entries;
    };

    const Entry* FindEntry(const KeyPath& key, std::string_view name) const;
    std::size_t InsertionPoint(const KeyPath& key) const;
    static void ParseSection(Section& section, const std::vector<std::string>& lines,
                             std::size_t begin, std::size_t end);

    std::vector<std::string> preamble_;  // lines between "REGEDIT4" and the first key
    std::vector<Section> sections_;
};

}  // namespace zarnet
