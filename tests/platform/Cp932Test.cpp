#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zarnet::cp932 {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string bytes;
};

// gtest names the case by its name, never by its bytes.
void PrintTo(const RoundTrip& trip, std::ostream* out) {
    *out << trip.name;
}

class Cp932RoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTripTest, DecodesEncodesAndCountsAlike) {
    const RoundTrip& c = GetParam();
    EXPECT_EQ(Decode(c.bytes), c.utf8);
    EXPECT_EQ(Encode(c.utf8), c.bytes);
    EXPECT_EQ(ByteLength(c.utf8), c.bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932RoundTripTest,
    ::testing::Values(
        RoundTrip{"Empty", "", ""},
        RoundTrip{"Ascii", "http://a.b/c?d=1&e=~\\", "http://a.b/c?d=1&e=~\\"},
        RoundTrip{"Hiragana", "あいう", "\x82\xA0\x82\xA2\x82\xA4"},
        RoundTrip{"Kanji", "漢字", "\x8A\xBF\x8E\x9A"},
        RoundTrip{"HalfWidthKatakana", "ｱｲﾟ", "\xB1\xB2\xDF"},
        // Second bytes that are ASCII characters must not be read as such.
        RoundTrip{"SecondByteBackslash", "ソ表", "\x83\x5C\x95\x5C"},
        RoundTrip{"SecondByteBracket", "ゾ", "\x83\x5D"},
        RoundTrip{"SecondByteLetters", "アヂ", "\x83\x41\x83\x61"},
        RoundTrip{"MixedWithAscii", "a/ソ/b", "a/\x83\x5C/b"},
        // The platform's own characters for these codes.
        RoundTrip{"PlatformCodes", "＼～∥－￠￡￢",
                  "\x81\x5F\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA"},
        RoundTrip{"ExtraSingleBytes", "\u0080\uF8F0\uF8F1\uF8F2\uF8F3", "\x80\xA0\xFD\xFE\xFF"},
        RoundTrip{"UserDefinedArea", "\uE000", "\xF0\x40"},
        RoundTrip{"ControlCharacters", std::string("\0\t\r\n", 4), std::string("\0\t\r\n", 4)}),
    [](const auto& param) { return param.param.name; });

TEST(Cp932Test, LookAlikesEncodeAsTheCodePageCharacters) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"\u301C", "\x81\x60"}, {"\u2016", "\x81\x61"}, {"\u2212", "\x81\x7C"},
        {"\u00A2", "\x81\x91"}, {"\u00A3", "\x81\x92"}, {"\u00AC", "\x81\xCA"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(ByteLength(c.utf8), 2u) << c.utf8;
    }
}

TEST(Cp932Test, WhatTheCodePageLacksBecomesOneQuestionMarkEach) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"é", "?"},
        {"€", "?"},
        {"a😀b", "a?b"},  // beyond the BMP: one mark, not two
        // Converters offer substitutes for these, which would change the text.
        {"¥", "?"},
        {"\u203E", "?"},
        {"\u2014", "?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(ByteLength(c.utf8), std::string(c.bytes).size()) << c.utf8;
    }
}

TEST(Cp932Test, IllFormedUtf8BecomesQuestionMarks) {
    const struct {
        const char* name;
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"LoneContinuation", "a\x80z", "a?z"},
        {"TruncatedAtEnd", "a\xE3\x81", "a?"},
        {"TruncatedBeforeAscii", "\xE3\x81Z", "?Z"},
        {"Overlong", "\xC0\xAF", "??"},
        {"OverlongThreeBytes", "\xE0\x80\xAF", "???"},
        {"Surrogate", "\xED\xA0\x80", "???"},
        {"BeyondUnicode", "\xF4\x90\x80\x80", "????"},
        {"InvalidLeadByte",
         "\xFF"
         "a",
         "?a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(c.utf8), c.bytes) << c.name;
        EXPECT_EQ(ByteLength(c.utf8), c.bytes.size()) << c.name;
    }
}

TEST(Cp932Test, InvalidCodePageBytesDecodeAsQuestionMarks) {
    const struct {
        const char* name;
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"LeadByteAtEnd", "a\x82", "a?"},
        // Only the lead byte is lost; what follows is read on its own.
        {"LeadByteBeforeSpace", "\x82 a", "? a"},
        {"LeadByteBeforeLineEnd", "\x82\r\n", "?\r\n"},
        {"LeadByteBeforeSingleByte", "\x82\xFD", "?\uF8F1"},
        {"LeadByteBeforeNul", std::string("\x82\0", 2), std::string("?\0", 2)},
        {"UnassignedCode",
         "\x85\x40"
         "a",
         "?a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(c.bytes), c.utf8) << c.name;
    }
}

TEST(Cp932Test, DuplicateCodesEncodeAsThePlatformPrefers) {
    EXPECT_EQ(Encode(Decode("\x87\x90")), "\x81\xE0");  // ≒
    EXPECT_EQ(Encode(Decode("\xED\x40")), "\xFA\x5C");  // NEC-selected IBM extension
    EXPECT_EQ(Encode(Decode("\x87\x54")), "\x87\x54");  // Roman numeral one stays in row 13
}

// Every character the code page reads must be written back to a code that
// reads as the same character, or the tables disagree with each other.
TEST(Cp932Test, EveryDecodedCharacterSurvivesEncoding) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (unsigned second = 0x40; second <= 0xFC; ++second) {
            if (second == 0x7F) {
                continue;
            }
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(second)};
            const std::string text = Decode(std::string(pair, 2));
            if (text == "?") {
                continue;
            }
            ASSERT_EQ(Decode(Encode(text)), text) << std::hex << lead << ' ' << second;
            ASSERT_EQ(ByteLength(text), 2u) << std::hex << lead << ' ' << second;
        }
    }
}

TEST(Cp932Test, CutBytesNeverSplitsADoubleByteCharacter) {
    const std::string text =
        "a\x82\xA0"
        "b\x83\x5C";  // aあbソ
    const struct {
        std::size_t limit;
        std::string expected;
    } cases[] = {
        {0, ""},
        {1, "a"},
        {2, "a"},
        {3, "a\x82\xA0"},
        {4,
         "a\x82\xA0"
         "b"},
        {5,
         "a\x82\xA0"
         "b"},
        {6, text},
        {100, text},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutBytes(text, c.limit), c.expected) << c.limit;
    }
    // A lead byte without a valid second byte stands alone.
    EXPECT_EQ(CutBytes("\x82 ", 1), "\x82");
    EXPECT_EQ(CutBytes("a\x82", 2), "a\x82");
}

TEST(Cp932Test, CutToByteLimitKeepsWholeCharacters) {
    const struct {
        const char* name;
        std::string utf8;
        std::size_t limit;
        std::string expected;
    } cases[] = {
        {"AsciiRun", "abcdef", 4, "abcd"},
        {"BeforeDoubleByte", "aあb", 2, "a"},
        {"AfterDoubleByte", "aあb", 3, "aあ"},
        {"HalfWidthKanaIsOneByte", "ｱｲｳ", 2, "ｱｲ"},
        {"LookAlikeIsTwoBytes", "a\u301C", 2, "a"},
        {"UnmappableIsOneByte", "😀a", 1, "😀"},
        {"ZeroLimit", "あ", 0, ""},
        {"Fits", "あい", 4, "あい"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutToByteLimit(c.utf8, c.limit), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zarnet::cp932
