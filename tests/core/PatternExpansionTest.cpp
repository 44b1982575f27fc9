#include "core/PatternExpansion.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/Messages.h"
#include "platform/ZarnetError.h"

namespace zarnet {
namespace {

using Strings = std::vector<std::string>;

struct RecordedWriteBacks : WriteBackTarget {
    std::string Extension = "(unchanged)";
    std::string Step = "(unchanged)";
    void SetExtension(const std::string& ext) override { Extension = ext; }
    void SetStep(const std::string& step) override { Step = step; }
};

struct RunResult : ExpansionSink {
    std::string Error;  // empty when the run passed its checks
    Strings Addresses;
    Strings FileNames;
    RecordedWriteBacks WriteBacks;

    void BeginGroup(const std::string&) override {}
    void Entry(const AddressEntry& entry) override {
        Addresses.push_back(entry.Address);
        FileNames.push_back(entry.FileName);
    }
};

PatternRequest Pattern(std::string dir, std::string values, std::string front, std::string start,
                       std::string end, std::string rear, std::string ext) {
    PatternRequest request;
    request.Texts.Dir = std::move(dir);
    request.Texts.ContStr = std::move(values);
    request.Texts.FrontStr = std::move(front);
    request.Texts.StCount = std::move(start);
    request.Texts.EdCount = std::move(end);
    request.Texts.RearStr = std::move(rear);
    request.Texts.ExtStr = std::move(ext);
    return request;
}

RunResult RunPattern(const PatternRequest& request) {
    RunResult result;
    try {
        PrepareRun(request, &result.WriteBacks).Expand(result);
    } catch (const ZarnetError& error) {
        result.Error = error.what();
    }
    return result;
}

TEST(PatternExpansionTest, WholeRunGivesEntriesValueByValueAndNumberByNumber) {
    RunResult r = RunPattern(Pattern("photos/%%", "cats,dogs", "p", "01", "03", "_s", "jpg"));
    ASSERT_EQ(r.Error, "");
    EXPECT_EQ(r.Addresses,
              (Strings{"photos/cats/p01_s.jpg", "photos/cats/p02_s.jpg", "photos/cats/p03_s.jpg",
                       "photos/dogs/p01_s.jpg", "photos/dogs/p02_s.jpg", "photos/dogs/p03_s.jpg"}));
    EXPECT_EQ(r.FileNames.front(), "p01_s.jpg");
    EXPECT_EQ(r.WriteBacks.Extension, ".jpg");
    EXPECT_EQ(r.WriteBacks.Step, "3");
}

TEST(PatternExpansionTest, ChecksRaiseTheirMessagesInOrder) {
    struct Case {
        const char* dir;
        const char* values;
        const char* start;
        const char* end;
        std::string_view message;
    };
    const Case cases[] = {
        {"p", "", "", "5", messages::kStartNotNumber.Text},
        {"p", "", "5", "", messages::kEndNotNumber.Text},
        {"p", "", "-9999", "5", messages::kStartNotNumber.Text},
        {"p", "", "1", "-9999", messages::kEndNotNumber.Text},
        {"p", "", "abc", "x", messages::kStartNotNumber.Text},
        {"p", "", "10", "9", messages::kRangeReversed.Text},
        {"p", "", "8", "1008", messages::kRangeTooLarge.Text},
        {"p", "", "-2147483648", "2147483647", messages::kRangeTooLarge.Text},
        {"   ", "", "1", "2", messages::kAddressEmpty.Text},
        {"", "", "", "", messages::kAddressEmpty.Text},
        {"p/%%", "", "1", "2", messages::kValuesEmpty.Text},
        {"p/%%", " \t ", "1", "2", messages::kValuesEmpty.Text},
        {"", "", "x", "2", messages::kStartNotNumber.Text},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunPattern(Pattern(c.dir, c.values, "", c.start, c.end, "", "")).Error, c.message)
            << c.dir << " [" << c.start << ".." << c.end << "]";
    }
}

TEST(PatternExpansionTest, WriteBacksHappenOnlyAfterTheRangeChecksPass) {
    RunResult blankDir = RunPattern(Pattern("  ", "", "", "001", "010", "", "jpg"));
    EXPECT_EQ(blankDir.Error, messages::kAddressEmpty.Text);
    EXPECT_EQ(blankDir.WriteBacks.Extension, ".jpg");
    EXPECT_EQ(blankDir.WriteBacks.Step, "10");

    RunResult badRange = RunPattern(Pattern("p", "", "", "10", "9", "", "jpg"));
    EXPECT_EQ(badRange.Error, messages::kRangeReversed.Text);
    EXPECT_EQ(badRange.WriteBacks.Extension, "(unchanged)");
    EXPECT_EQ(badRange.WriteBacks.Step, "(unchanged)");

    RunResult dotted = RunPattern(Pattern("p", "", "", "", "", "", ".png"));
    EXPECT_EQ(dotted.WriteBacks.Extension, "(unchanged)");
    EXPECT_EQ(dotted.WriteBacks.Step, "1");
}

TEST(PatternExpansionTest, NumbersAreFilledToTheStartWidth) {
    struct Case {
        const char* start;
        const char* end;
        Strings files;
    };
    const Case cases[] = {
        {"1", "12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {" 05 ", "06", {"05", "06"}},
        {"98", "101", {"98", "99", "100", "101"}},
        {"", "", {""}},
        {"-2", "1", {"-2", "-1", "00", "01"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunPattern(Pattern("d", "", "", c.start, c.end, "", "")).FileNames, c.files)
            << c.start << ".." << c.end;
    }
    RunResult thousand = RunPattern(Pattern("d", "", "", "8", "1007", "", ""));
    ASSERT_EQ(thousand.FileNames.size(), 1000u);
    EXPECT_EQ(thousand.FileNames.back(), "1007");
    RunResult ten = RunPattern(Pattern("d", "", "", "001", "010", "", ""));
    EXPECT_EQ(ten.FileNames.front(), "001");
    EXPECT_EQ(ten.FileNames.back(), "010");
    EXPECT_EQ(ten.WriteBacks.Step, "10");
}

TEST(PatternExpansionTest, WidthRaisedInOneGroupStartsAfreshInTheNext) {
    RunResult r = RunPattern(Pattern("d/%%", "a,b", "", "9", "10", "", ""));
    EXPECT_EQ(r.FileNames, (Strings{"9", "10", "9", "10"}));
}

TEST(PatternExpansionTest, AddressesFollowTheBaseAndFileNameRules) {
    struct Case {
        PatternRequest request;
        Strings addresses;
    };
    const Case cases[] = {
        {Pattern("photos", "", "img", "01", "02", "", ".jpg"),
         {"photos/img01.jpg", "photos/img02.jpg"}},
        {Pattern("photos/%%", "cats, dogs", "", "", "", "", ""), {"photos/cats/", "photos/dogs/"}},
        {Pattern("base", "ignored", "a%%", "", "", "%%z", ""), {"base/a----z"}},
        {Pattern("x/%%%%", "y", "", "", "", "", ""), {"x/yy/"}},
        {Pattern("x/", "", "f", "", "", "", " jpg"), {"x/f. jpg"}},
        {Pattern("x/%%", "a,,b", "f", "", "", "", ""), {"x/a/f", "x//f", "x/b/f"}},
        {Pattern("x/%%", ",a", "", "", "", "", ""), {"x/a/"}},
        {Pattern("x/%%", ",", "", "1", "3", "", ""), {}},
        {Pattern(" s/%% ", "v", "", "", "", "", ""), {" s/v /"}},
    };
    for (const Case& c : cases) {
        RunResult r = RunPattern(c.request);
        EXPECT_EQ(r.Error, "") << c.request.Texts.Dir;
        EXPECT_EQ(r.Addresses, c.addresses)
            << c.request.Texts.Dir << " / " << c.request.Texts.ContStr;
    }
}

TEST(PatternExpansionTest, SplitCommaTextSeparatesByCommasBlanksAndQuotes) {
    struct Case {
        const char* text;
        Strings values;
    };
    const Case cases[] = {
        {"a,b", {"a", "b"}},
        {"a b", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"a,", {"a"}},
        {"  a ,  b  ", {"a", "b"}},
        {"\"x,y\"", {"x,y"}},
        {"\"say \"\"hi\"\"\",z", {"say \"hi\"", "z"}},
        {"\"open", {"open"}},
        {"\"a\"b,c", {"a", "b", "c"}},
        {"\x01"
         "a\x1f"
         "b\x7f",
         {"a", "b\x7f"}},
        {"\"\"", {""}},
        {"", {}},
        {"   ", {}},
        {",", {""}},
        {"猫,犬 鳥", {"猫", "犬", "鳥"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommaText(c.text), c.values) << c.text;
    }
}

TEST(PatternExpansionTest, ValueListWritesOutNumericRanges) {
    struct Case {
        const char* list;
        Strings values;
    };
    const Case cases[] = {
        {"1-3,x", {"1", "2", "3", "x"}},
        {"08-12", {"08", "09", "10", "11", "12"}},
        {"10-8", {"08", "09", "10"}},
        {"1-010", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"1-200", {"1-200"}},
        {"0-100", {}},  // filled in below: 101 values
        {"a-b", {"a-b"}},
        {"-5", {"-5"}},
        {"1 - 3", {"1", "-", "3"}},
        {"\"1 - 3\"", {"1", "2", "3"}},
        {"\"a b\",c", {"a", "b", "c"}},
        {"\"x,y\"", {"x", "y"}},
        // The width grows to 2 at "-2" and stays for the rest of the range.
        {"5--2", {"-2", "-1", "00", "01", "02", "03", "04", "05"}},
        {"$A-$C", {"10", "11", "12"}},
        {"2147483647-2147483646", {"2147483646", "2147483647"}},
    };
    for (const Case& c : cases) {
        PatternRequest request = Pattern("d/%%", c.list, "", "", "", "", "");
        Strings values = SubstitutionValues(request);
        if (std::string(c.list) == "0-100") {
            ASSERT_EQ(values.size(), 101u);
            EXPECT_EQ(values.front(), "0");
            EXPECT_EQ(values.back(), "100");
            continue;
        }
        EXPECT_EQ(values, c.values) << c.list;
    }
    EXPECT_EQ(SubstitutionValues(Pattern("no-marker", "a,b", "", "", "", "", "")), Strings{"--"});
}

// The length is counted as well as built, and the two must agree.
TEST(PatternExpansionTest, ReplaceMarkerReplacesEveryMarkerAndAlwaysEnds) {
    struct Case {
        const char* text;
        const char* value;
        const char* result;
    };
    const Case cases[] = {
        {"a%%b%%", "x", "axbx"},
        {"%%%", "x", "x%"},
        {"%%%", "5%", "55%"},
        {"%%%%", "5%", "555%"},
        {"%%%", "%", "%"},
        {"no marker", "x", "no marker"},
        {"%", "x", "%"},
        {"", "x", ""},
        {"a%%", "", "a"},
        {"%%", "%%", "%%"},
        {"%%-%%", "a%%b", "a%%b-a%%b"},
        {"%%%", "5%%", "5%%%"},
        {"%%%%", "%x%", "%x%x%x%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceMarker(c.text, c.value), c.result) << c.text << " with " << c.value;
        EXPECT_EQ(MarkerCount(c.text).ReplacedLength(c.value), std::string_view(c.result).size())
            << c.text << " with " << c.value;
    }
}

TEST(PatternExpansionTest, EntryCountIsKnownBeforeGenerating) {
    PatternRequest request = Pattern("d/%%", "1-100,a,b", "", "1", "1000", "", "");
    PreparedRun run = PrepareRun(request);
    EXPECT_EQ(run.EntryCount(), 102u * 1000u);
    PreparedRun unnumbered = PrepareRun(Pattern("d", "", "", "", "", "", ""));
    EXPECT_EQ(unnumbered.EntryCount(), 1u);
}

TEST(PatternExpansionTest, RangeAtTheTopOfThe32BitScaleEndsAndStaysExact) {
    RunResult r = RunPattern(Pattern("d", "", "", "2147483646", "2147483647", "", ""));
    EXPECT_EQ(r.FileNames, (Strings{"2147483646", "2147483647"}));
    RunResult low = RunPattern(Pattern("d", "", "", "-2147483648", "-2147483647", "", ""));
    EXPECT_EQ(low.FileNames, (Strings{"-2147483648", "-2147483647"}));
}

}  // namespace
}  // namespace zarnet
