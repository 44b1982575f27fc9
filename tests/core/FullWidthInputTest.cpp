#include "core/FullWidthInput.h"

#include <gtest/gtest.h>

namespace zarnet {
namespace {

TEST(FullWidthInputTest, NumberBoxesTakeTheAsciiOfWhatAnInputMethodGives) {
    struct Case {
        char32_t typed;
        char32_t kept;
    };
    const Case cases[] = {
        {U'０', U'0'},
        {U'５', U'5'},
        {U'９', U'9'},
        {U'＋', U'+'},
        {U'－', U'-'},  // U+FF0D
        {U'−', U'-'},   // U+2212
        {U'ー', U'-'},  // the minus key in hiragana and katakana
        {U'ｰ', U'-'},   // and in half-width katakana
        {U'＄', U'$'},
        {U'ｘ', U'x'},
        {U'Ｘ', U'X'},
        {U'ｆ', U'f'},
        {U'　', U' '},
        // Both ends of the full-width block, and what lies just beyond it.
        {U'！', U'!'},
        {U'～', U'~'},
        {U'\uFF00', U'\uFF00'},
        {U'｟', U'｟'},
        // Dashes no minus key gives, and what is ASCII already, stay.
        {U'‐', U'‐'},
        {U'―', U'―'},
        {U'7', U'7'},
        {U'-', U'-'},
        {U'、', U'、'},
        {U'あ', U'あ'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberBoxCharacter(c.typed), c.kept) << std::hex << "U+" << unsigned(c.typed);
    }
}

}  // namespace
}  // namespace zarnet
