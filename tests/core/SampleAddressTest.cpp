#include "core/SampleAddress.h"

#include <gtest/gtest.h>

namespace zarnet {
namespace {

TEST(SampleAddressTest, SampleShowsThePatternAsTyped) {
    struct Case {
        const char* dir;
        const char* front;
        const char* start;
        const char* rear;
        const char* ext;
        const char* text;
        bool valuesEnabled;
    };
    const Case cases[] = {
        {"photos/%%", "img", "001", "", ".jpg", "photos/##/img001.jpg", true},
        {"a%%b%%", "", "", "", "", "a##b%%/", true},
        {"photos", "f", "1", "r", "jpg", "photos/f1rjpg", false},
        {"d/", "x%%", " 7", "", "", "d/x%% 7", false},
        {"  ", "", "", "", "", "  /", false},
        {"p/%%", "", "1", "", "", "p/##/1", true},
    };
    for (const Case& c : cases) {
        PatternTexts pattern;
        pattern.Dir = c.dir;
        pattern.FrontStr = c.front;
        pattern.StCount = c.start;
        pattern.RearStr = c.rear;
        pattern.ExtStr = c.ext;
        // The values and the end number play no part.
        pattern.ContStr = "a,b";
        pattern.EdCount = "999";
        Sample sample = MakeSample(pattern);
        EXPECT_EQ(sample.Text, c.text);
        EXPECT_EQ(sample.ValuesEnabled, c.valuesEnabled) << c.text;
        EXPECT_FALSE(sample.DirEmpty);
    }
    PatternTexts emptyBase;
    emptyBase.FrontStr = "front";
    emptyBase.StCount = "001";
    Sample empty = MakeSample(emptyBase);
    EXPECT_TRUE(empty.DirEmpty);
    EXPECT_EQ(empty.Text, "");
}

}  // namespace
}  // namespace zarnet
