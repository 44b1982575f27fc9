#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarnet {

// Reserved values that mark a failed conversion, so that the value itself
// counts as "not a number" wherever it is used.
inline constexpr std::int32_t kReservedCount = -9999;   // start, end, step
inline constexpr std::int32_t kReservedRange = -99999;  // bounds of a value range

// The whole text as a signed 32-bit number: leading blanks, an optional sign
// and decimal digits; or, without a sign, hexadecimal digits of at most 32 bits
// after "$", "x", "X", "0x" or "0X". Anything else, trailing blanks included,
// is no number.
std::optional<std::int32_t> ParseNumber(std::string_view text);

// ParseNumber, with `fallback` for text that is no number.
std::int32_t NumberOr(std::string_view text, std::int32_t fallback);

// The trim of the pattern rules: the text without the characters of code 0
// to 32 (blanks and control characters) at either end.
std::string_view Trimmed(std::string_view text);

// The zero-fill width a number text sets: the length of its trimmed text in
// code page 932 bytes, as the stored texts count it.
std::size_t NumberWidth(std::string_view text);

// The decimal text of n, filled with leading zeros to `width` characters. A
// text longer than the width raises the width, which is the caller's: the
// raised width holds for the numbers that follow. A negative number keeps its
// sign in front of the zeros (-5 at width 3 is "-05").
std::string PadNumber(std::int64_t n, std::size_t& width);

}  // namespace zarnet
