#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zarnet {
namespace {

TEST(NumberTextTest, ParseNumberAcceptsOnlyWholeNumbers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"007", 7},
        {"  42", 42},
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x1", 1},
        {"0XfF", 255},
        {"$FFFFFFFF", -1},
        {"$80000008", -2147483640},
        {"$000000001", 1},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"7 ", std::nullopt},
        {"\t7", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"1e3", std::nullopt},
        {"12a", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$100000000", std::nullopt},
        {"-$10", std::nullopt},
        {"$G", std::nullopt},
        {"１２", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberTextTest, TrimmedDropsControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trimmed(" \t\r\n 05 \x01"), "05");
    EXPECT_EQ(Trimmed("a b"), "a b");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed("日本 "), "日本");
}

TEST(NumberTextTest, PadNumberFillsAndRaisesTheWidth) {
    struct Case {
        std::int64_t n;
        std::size_t width;
        const char* text;
        std::size_t widthAfter;
    };
    const Case cases[] = {
        {7, 3, "007", 3},     {42, 3, "042", 3}, {1234, 3, "1234", 4}, {9, 1, "9", 1},
        {10, 1, "10", 2},     {0, 0, "0", 1},    {-5, 3, "-05", 3},    {-5, 1, "-5", 2},
        {-123, 3, "-123", 4}, {0, 4, "0000", 4},
    };
    for (const Case& c : cases) {
        std::size_t width = c.width;
        EXPECT_EQ(PadNumber(c.n, width), c.text) << c.n << " at width " << c.width;
        EXPECT_EQ(width, c.widthAfter) << c.n << " at width " << c.width;
    }
}

// Each step gives PadNumber's text with the width carried on, and names
// every character that differs from the text before.
TEST(NumberTextTest, PaddedNumbersStepAsPadNumberDoes) {
    struct Case {
        std::int64_t first;
        std::int64_t last;
        std::size_t width;
    };
    const Case cases[] = {
        {8, 11, 1},      // "9" to "10" raises the width
        {98, 1001, 2},   // carries through several digits, twice a new digit
        {0, 12, 3},      // leading zeros take the carry
        {-12, 3, 1},     // "-10" raises the width to 3 for "-09" to "003"
        {-3, 2, 0},      // the sign goes at zero
        {-100, -95, 5},  // zeros after the sign
        {2147483640, 2147483647, 1},
        {-2147483648, -2147483640, 0},
    };
    for (const Case& c : cases) {
        std::size_t width = c.width;
        PaddedNumbers numbers(c.first, c.width);
        std::string before;
        for (std::int64_t n = c.first;; ++n) {
            const std::string text = PadNumber(n, width);
            ASSERT_EQ(numbers.Number(), n);
            ASSERT_EQ(numbers.Text(), text) << c.first << ".." << c.last << " at width " << c.width;
            const std::size_t kept = text.size() - numbers.Changed();
            if (n == c.first || before.size() != text.size()) {
                EXPECT_EQ(kept, 0u) << text;
            } else {
                EXPECT_EQ(before.substr(0, kept), text.substr(0, kept)) << text;
            }
            before = text;
            if (n == c.last) {
                break;
            }
            numbers.Next();
        }
    }
}

}  // namespace
}  // namespace zarnet
