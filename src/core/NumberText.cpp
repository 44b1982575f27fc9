#include "core/NumberText.h"

#include <array>
#include <charconv>
#include <limits>

#include "platform/AsciiText.h"
#include "platform/Cp932.h"

namespace zarnet {

namespace {

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = ascii::HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    // Hexadecimal covers all 32 bits: $FFFFFFFF is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// PadNumber's text appended to `out`.
void AppendPadNumber(std::string& out, std::int64_t n, std::size_t& width) {
    std::array<char, std::numeric_limits<std::int64_t>::digits10 + 2> digits;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    if (length > width) {
        width = length;
    }
    // Zeros go between the sign and the digits, as printf's %0*d puts them:
    // -5 at width 3 is "-05".
    const std::size_t sign = n < 0 ? 1 : 0;
    out.append(digits.data(), sign);
    out.append(width - length, '0');
    out.append(digits.data() + sign, length - sign);
}

}  // namespace

// Leading spaces, an optional sign and decimal digits; or, without a sign,
// hexadecimal digits of at most 32 bits after "$", "x", "X", "0x" or "0X".
// Anything else, trailing blanks included, is no number.
std::optional<std::int32_t> ParseNumber(std::string_view text) {
    text = ascii::TrimLeadingSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return ParseHex(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}

std::int32_t NumberOr(std::string_view text, std::int32_t fallback) {
    return ParseNumber(text).value_or(fallback);
}

std::string_view Trimmed(std::string_view text) {
    return ascii::TrimIf(text, [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

std::size_t NumberWidth(std::string_view text) {
    return cp932::ByteLength(Trimmed(text));
}

std::string PadNumber(std::int64_t n, std::size_t& width) {
    std::string text;
    AppendPadNumber(text, n, width);
    return text;
}

PaddedNumbers::PaddedNumbers(std::int64_t first, std::size_t width) : n_(first) {
    AppendPadNumber(text_, n_, width);
    changed_ = text_.size();
}

void PaddedNumbers::Next() {
    ++n_;
    if (n_ <= 0) {
        // From a negative number: the sign goes or the zeros move.
        std::size_t width = text_.size();
        text_.clear();
        AppendPadNumber(text_, n_, width);
        changed_ = text_.size();
        return;
    }
    std::size_t at = text_.size();
    while (at > 0 && text_[at - 1] == '9') {
        text_[--at] = '0';
    }
    if (at == 0) {
        // All nines: one digit more, and the width with it.
        text_.insert(text_.begin(), '1');
        changed_ = text_.size();
        return;
    }
    ++text_[at - 1];
    changed_ = text_.size() - at + 1;
}

}  // namespace zarnet
