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

// The whole text as a signed 32-bit number, decimal or hexadecimal; nothing
// for a text that is no number.
std::optional<std::int32_t> ParseNumber(std::string_view text);

// ParseNumber, with `fallback` for text that is no number.
std::int32_t NumberOr(std::string_view text, std::int32_t fallback);

// The trim of the pattern rules: the text without the characters of code 0
// to 32 (blanks and control characters) at either end.
std::string_view Trimmed(std::string_view text);

// The zero-fill width a number text sets: the length of its trimmed text in
// code page 932 bytes, as the stored texts count it.
std::size_t NumberWidth(std::string_view text);

// The decimal text of n, filled with leading zeros to `width` characters; a
// longer text raises the caller's `width` for the numbers that follow.
std::string PadNumber(std::int64_t n, std::size_t& width);
// PadNumber's texts for the numbers from `first` up, one after the other, with
// one width that a longer number raises for those that follow. Each text is
// made from the one before, so a step changes only the digits a carry
// reaches: writers of many lines put in only those.
class PaddedNumbers {
  public:
    PaddedNumbers(std::int64_t first, std::size_t width);
    std::int64_t Number() const { return n_; }
    std::string_view Text() const { return text_; }
    // How many characters at the end of Text() differ from the text before:
    // all of them for the first number and when the length changed.
    std::size_t Changed() const { return changed_; }
    void Next();

  private:
    std::int64_t n_;
    std::string text_;
    std::size_t changed_;
};

}  // namespace zarnet
