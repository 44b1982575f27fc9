#include "platform/Cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/SystemCodePage.h"
#include "platform/Utf8.h"

namespace zarnet::cp932 {

namespace {

constexpr char16_t kNoChar = SystemCodePage::kNoChar;
constexpr std::uint16_t kNoCode = SystemCodePage::kNoCode;

// The input methods' look-alikes and the code page's characters they mean.
constexpr std::pair<char16_t, std::uint16_t> kLookAlikes[] = {
    {0x301C, 0x8160}, {0x2016, 0x8161}, {0x2212, 0x817C},
    {0x00A2, 0x8191}, {0x00A3, 0x8192}, {0x00AC, 0x81CA},
};

// Single bytes the platform maps to characters of their own, which other
// converters reject; they must survive a round trip.
constexpr std::pair<std::uint16_t, char16_t> kExtraSingleBytes[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3},
};

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

std::size_t CodeSize(std::uint16_t code) {
    return code < 0x100 ? 1 : 2;
}

std::size_t AsciiRunEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && ByteAt(text, pos) < 0x80) {
        ++pos;
    }
    return pos;
}

// Indexed by a single byte or by lead byte << 8 | second byte (no two-byte
// code is below 0x8140, so the two never meet), and by UTF-16 unit.
struct Tables {
    std::array<char16_t, 0x10000> ToUnicode;
    std::array<std::uint16_t, 0x10000> FromUnicode;
};

// The system's converter gives the tables; the platform's quirks (look-alikes,
// the five extra single bytes, duplicates) are settled here, so both
// platforms convert with the same tables.
std::unique_ptr<Tables> BuildTables() {
    auto tables = std::make_unique<Tables>();
    tables->ToUnicode.fill(kNoChar);
    tables->FromUnicode.fill(kNoCode);
    const SystemCodePage system;

    for (unsigned first = 0; first < 0x100; ++first) {
        const char lead = static_cast<char>(first);
        if (!IsLeadByte(static_cast<unsigned char>(first))) {
            tables->ToUnicode[first] = system.ToUnicode(std::string_view(&lead, 1));
            continue;
        }
        for (unsigned second = 0x40; second <= 0xFC; ++second) {
            if (IsTrailByte(static_cast<unsigned char>(second))) {
                const char pair[2] = {lead, static_cast<char>(second)};
                tables->ToUnicode[first << 8 | second] =
                    system.ToUnicode(std::string_view(pair, 2));
            }
        }
    }
    for (const auto& [byte, ch] : kExtraSingleBytes) {
        tables->ToUnicode[byte] = ch;
    }

    for (char32_t ch = 0; ch < 0x10000; ++ch) {
        if (ch >= 0xD800 && ch <= 0xDFFF) {
            continue;
        }
        // Only a code that reads back as the same character: a converter may
        // offer a substitute (the yen sign as "\") that is not what was typed.
        // Duplicated characters come back with the code the system prefers.
        const std::uint16_t code = system.FromUnicode(static_cast<char16_t>(ch));
        if (code != kNoCode && tables->ToUnicode[code] == ch) {
            tables->FromUnicode[ch] = code;
        }
    }
    for (const auto& [byte, ch] : kExtraSingleBytes) {
        tables->FromUnicode[ch] = byte;
    }
    for (const auto& [ch, code] : kLookAlikes) {
        tables->FromUnicode[ch] = code;
    }
    return tables;
}

// Built on first use, which is the first character beyond ASCII: text made of
// ASCII alone, as most addresses are, never pays for building them.
const Tables& GetTables() {
    static const std::unique_ptr<Tables> tables = BuildTables();
    return *tables;
}

void AppendUtf8(std::string& out, char16_t ch) {
    if (ch == kNoChar) {
        out.push_back('?');
    } else {
        utf8::AppendCodePoint(out, ch);
    }
}

// The walk both directions share: ascii(begin, end) for each run of ASCII,
// which both forms keep as it is, and other(pos) for each other character,
// which moves `pos` past it. Either returns false to stop the walk.
template <class AsciiRun, class Other>
void WalkRuns(std::string_view text, AsciiRun&& ascii, Other&& other) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (const std::size_t end = AsciiRunEnd(text, pos); end > pos) {
            if (!ascii(pos, end)) {
                return;
            }
            pos = end;
        } else if (!other(pos)) {
            return;
        }
    }
}

// Walks the code page 932 form of `utf8`: ascii(begin, end) for each run of
// ASCII; character(code, begin, end) for every other character, "?" standing
// in for what the code page lacks and for ill-formed input. Either returns
// false to stop the walk.
template <class AsciiRun, class Character>
void Walk(std::string_view utf8, AsciiRun&& ascii, Character&& character) {
    // The tables are built on the first character beyond ASCII, so a run of
    // ASCII addresses never waits for them.
    WalkRuns(utf8, ascii, [&](std::size_t& pos) {
        const std::size_t begin = pos;
        const char32_t cp = utf8::NextCodePoint(utf8, pos);
        std::uint16_t code = cp < 0x10000 ? GetTables().FromUnicode[cp] : kNoCode;
        if (code == kNoCode) {
            code = '?';
        }
        return character(code, begin, pos);
    });
}

// Walks code page 932 text: ascii(begin, end) for each run of ASCII,
// character(ch) for every other character, kNoChar standing for bytes that
// form none. Either returns false to stop the walk.
template <class AsciiRun, class Character>
void WalkBytes(std::string_view bytes, AsciiRun&& ascii, Character&& character) {
    WalkRuns(bytes, ascii, [&](std::size_t& pos) {
        const std::size_t size = CharSizeAt(bytes, pos);
        unsigned code = ByteAt(bytes, pos);
        if (size == 2) {
            code = code << 8 | ByteAt(bytes, pos + 1);
        }
        pos += size;
        return character(GetTables().ToUnicode[code]);
    });
}

}  // namespace

// A stray lead byte stands alone, so it never hides the quote or bracket after
// it.
std::size_t CharSizeAt(std::string_view bytes, std::size_t pos) {
    return IsLeadByte(ByteAt(bytes, pos)) && pos + 1 < bytes.size() &&
                   IsTrailByte(ByteAt(bytes, pos + 1))
               ? 2
               : 1;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string Decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    WalkBytes(
        bytes,
        [&](std::size_t begin, std::size_t end) {
            out.append(bytes, begin, end - begin);
            return true;
        },
        [&](char16_t ch) {
            AppendUtf8(out, ch);
            return true;
        });
    return out;
}

bool DecodesWhole(std::string_view bytes) {
    bool whole = true;
    WalkBytes(
        bytes, [](std::size_t, std::size_t) { return true; },
        [&](char16_t ch) { return whole = ch != kNoChar; });
    return whole;
}

bool Holds(char32_t character) {
    return character < 0x80 ||
           (character < 0x10000 && GetTables().FromUnicode[character] != kNoCode);
}

std::optional<char32_t> FirstForeignCharacter(std::string_view utf8) {
    for (std::size_t pos = AsciiRunEnd(utf8, 0); pos < utf8.size(); pos = AsciiRunEnd(utf8, pos)) {
        if (const char32_t cp = utf8::NextCodePoint(utf8, pos); !Holds(cp)) {
            return cp;
        }
    }
    return std::nullopt;
}

void AppendEncoded(std::string& out, std::string_view utf8) {
    Walk(
        utf8,
        [&](std::size_t begin, std::size_t end) {
            out.append(utf8, begin, end - begin);
            return true;
        },
        [&](std::uint16_t code, std::size_t, std::size_t) {
            if (code >= 0x100) {
                out.push_back(static_cast<char>(code >> 8));
            }
            out.push_back(static_cast<char>(code & 0xFF));
            return true;
        });
}

// The input methods' look-alikes (U+301C, U+2016, U+2212, U+00A2, U+00A3,
// U+00AC) become the code page's own characters, by the tables.
std::string Encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendEncoded(out, utf8);
    return out;
}

std::size_t ByteLength(std::string_view utf8) {
    std::size_t length = 0;
    Walk(
        utf8,
        [&](std::size_t begin, std::size_t end) {
            length += end - begin;
            return true;
        },
        [&](std::uint16_t code, std::size_t, std::size_t) {
            length += CodeSize(code);
            return true;
        });
    return length;
}

std::string_view CutBytes(std::string_view bytes, std::size_t limit) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t size = CharSizeAt(bytes, pos);
        if (pos + size > limit) {
            break;
        }
        pos += size;
    }
    return bytes.substr(0, pos);
}

std::string CutToByteLimit(std::string_view utf8, std::size_t limit) {
    std::size_t used = 0;
    std::size_t cut = 0;
    Walk(
        utf8,
        [&](std::size_t begin, std::size_t end) {
            const std::size_t take = std::min(end - begin, limit - used);
            used += take;
            cut = begin + take;
            return take == end - begin;
        },
        [&](std::uint16_t code, std::size_t, std::size_t end) {
            if (used + CodeSize(code) > limit) {
                return false;
            }
            used += CodeSize(code);
            cut = end;
            return true;
        });
    return std::string(utf8.substr(0, cut));
}

}  // namespace zarnet::cp932
