#include "platform/Utf8.h"

namespace zarnet::utf8 {

// An ill-formed sequence advances past its maximal valid prefix, at least one
// byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto first = static_cast<unsigned char>(utf8[pos++]);
    if (first < 0x80) {
        return first;
    }
    int more = 0;
    char32_t cp = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        more = 1;
        cp = first & 0x1Fu;
    } else if (first >= 0xE0 && first <= 0xEF) {
        more = 2;
        cp = first & 0x0Fu;
        low = first == 0xE0 ? 0xA0 : 0x80;   // overlong
        high = first == 0xED ? 0x9F : 0xBF;  // surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        more = 3;
        cp = first & 0x07u;
        low = first == 0xF0 ? 0x90 : 0x80;   // overlong
        high = first == 0xF4 ? 0x8F : 0xBF;  // beyond U+10FFFF
    } else {
        return kIllFormed;
    }
    for (; more > 0; --more) {
        if (pos >= utf8.size() || static_cast<unsigned char>(utf8[pos]) < low ||
            static_cast<unsigned char>(utf8[pos]) > high) {
            return kIllFormed;
        }
        cp = cp << 6 | (static_cast<unsigned char>(utf8[pos++]) & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return cp;
}

bool IsWellFormed(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (NextCodePoint(utf8, pos) == kIllFormed) {
            return false;
        }
    }
    return true;
}

}  // namespace zarnet::utf8
