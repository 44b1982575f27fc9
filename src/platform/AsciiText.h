#pragma once

#include <string_view>

// Byte-wise helpers for the ASCII part of a text. In UTF-8 every byte of a
// multibyte character is above 0x7F, so none of them ever matches part of a
// character; code page 932 text needs its own scan for second bytes.
namespace zarnet::ascii {

constexpr char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char ToLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// 0-15 for a hexadecimal digit, -1 for anything else.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpper(a[i]) != ToUpper(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The text without the characters `isBlank` accepts at its front, at its
// back, or at either end. Only for blanks below 0x40, which are never the
// second byte of a code page 932 character.
template <class IsBlank>
constexpr std::string_view TrimFrontIf(std::string_view text, IsBlank isBlank) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

template <class IsBlank>
constexpr std::string_view TrimBackIf(std::string_view text, IsBlank isBlank) {
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

template <class IsBlank>
constexpr std::string_view TrimIf(std::string_view text, IsBlank isBlank) {
    return TrimBackIf(TrimFrontIf(text, isBlank), isBlank);
}

// Spaces (0x20) only, no other blank: around the names given to the INI
// functions, and before a number.
constexpr bool IsSpace(char c) {
    return c == ' ';
}

constexpr std::string_view TrimSpaces(std::string_view text) {
    return TrimIf(text, IsSpace);
}

constexpr std::string_view TrimLeadingSpaces(std::string_view text) {
    return TrimFrontIf(text, IsSpace);
}

}  // namespace zarnet::ascii
