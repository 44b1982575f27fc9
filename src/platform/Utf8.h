#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarnet::utf8 {

// What NextCodePoint gives for an ill-formed sequence.
inline constexpr char32_t kIllFormed = 0xFFFFFFFF;

// The code point of the sequence starting at `pos` (inside the text),
// advancing past it; kIllFormed for an ill-formed sequence.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// True when the text holds no ill-formed sequence.
bool IsWellFormed(std::string_view utf8);

// Appends the code point's UTF-8 form.
inline void AppendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | cp >> 6));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | cp >> 12));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | cp >> 18));
        out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace zarnet::utf8
