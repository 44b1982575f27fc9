#include "core/RunLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/ZarnetError.h"

namespace zarnet {
namespace {

PreparedRun RunOf(const char* values, const char* start, const char* end) {
    PatternRequest request;
    request.Texts.Dir = "p/%%";
    request.Texts.ContStr = values;
    request.Texts.StCount = start;
    request.Texts.EdCount = end;
    return PrepareRun(request);
}

TEST(RunLimitTest, RunsUpToTheLimitPassAndLargerOnesNameTheirCount) {
    struct Case {
        const char* values;
        const char* start;
        const char* end;
        const char* error;  // none when the run passes
    };
    // 1,000 numbers a group: 1,000 values reach the limit exactly.
    const Case cases[] = {
        {"1-100,101-200,201-300,301-400,401-500,501-600,601-700,701-800,801-900,901-1000", "1",
         "1000", nullptr},
        {"1-100,101-200,201-300,301-400,401-500,501-600,601-700,701-800,801-900,901-1001", "1",
         "1000", "作成するアドレスが多すぎます（1,001,000件、上限は1,000,000件です）"},
        {"a", "", "", nullptr},
    };
    for (const Case& c : cases) {
        const PreparedRun run = RunOf(c.values, c.start, c.end);
        if (c.error == nullptr) {
            EXPECT_NO_THROW(CheckRunSize(run)) << c.values;
            continue;
        }
        try {
            CheckRunSize(run);
            ADD_FAILURE() << "no error for " << c.values;
        } catch (const ZarnetError& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
}

TEST(RunLimitTest, TheCallerMaySetTheLimit) {
    const PreparedRun run = RunOf("a,b", "1", "3");  // 6 entries
    EXPECT_NO_THROW(CheckRunSize(run, 6));
    EXPECT_THROW(CheckRunSize(run, 5), ZarnetError);
}

PatternTexts Texts(std::string dir, std::string values, std::string front, std::string rear = {},
                   std::string start = {}, std::string end = {}, std::string ext = {}) {
    return {std::move(dir),   std::move(values), std::move(front), std::move(rear),
            std::move(start), std::move(end),    std::move(ext)};
}

std::string Repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// The longest address the run builds, built.
std::size_t LongestBuilt(const PreparedRun& run) {
    struct Longest : ExpansionSink {
        void BeginGroup(const std::string&) override {}
        void Entry(const AddressEntry& entry) override {
            Length = std::max(Length, entry.Address.size());
        }
        std::size_t Length = 0;
    } longest;
    run.Expand(longest);
    return longest.Length;
}

// Each row's longest address is worked out by hand and built too, so both
// the count and the rule are held to what a run really makes.
TEST(RunLimitTest, AddressesUpToTheLimitPassAndLongerOnesNameTheirLength) {
    struct Case {
        const char* name;
        PatternTexts texts;
        std::size_t length;  // of the longest address
        std::string error;   // none when the run passes
    };
    const std::string tooLong = "アドレスが長すぎます（65,537バイト、上限は65,536バイトです）";
    const Case cases[] = {
        {"front at the limit", Texts("p", "", std::string(65'534, 'a')), 65'536, ""},
        {"front past it", Texts("p", "", std::string(65'535, 'a')), 65'537, tooLong},
        // The value "--" of a base without a marker.
        {"markers of the front", Texts("p", "", Repeated("%%", 32'767)), 65'536, ""},
        {"markers of the rear, a long value", Texts("%%", std::string(21'846, 'v'), "", "%%%%"),
         3 * 21'846 + 1, "アドレスが長すぎます（65,539バイト、上限は65,536バイトです）"},
        {"the longest value at the limit", Texts("%%", "a," + std::string(65'535, 'v'), ""), 65'536,
         ""},
        {"the longest value past it", Texts("%%", "a," + std::string(65'536, 'v'), ""), 65'537,
         tooLong},
        // "ab%" ends in "%": each "%" after a marker makes one more.
        {"a value that joins the next %", Texts("%%", "ab%", std::string(32'767, '%')),
         4 + 2 * 32'767 - 1, tooLong},
        // "a%%" holds a marker: it joins nothing, and "%%" is one marker.
        {"a value that holds a marker", Texts("%%", "a%%", std::string(43'688, '%')),
         4 + 43'688 + 43'688 / 2, ""},
        {"the start's width", Texts("p", "", "", "", std::string(65'533, '0') + "1", "2"), 65'536,
         ""},
        {"numbers wider than the start", Texts(std::string(65'532, 'a'), "", "", "", "1", "1000"),
         65'537, tooLong},
        {"the dot the extension gets", Texts(std::string(65'532, 'a'), "", "", "", "", "", "jpg"),
         65'537, tooLong},
        {"many markers, a long value",
         Texts("%%", std::string(2'000, 'x'), std::string(2'000, '%')), 2'000 + 1 + 1'000 * 2'000,
         "アドレスが長すぎます（2,002,001バイト、上限は65,536バイトです）"},
    };
    for (const Case& c : cases) {
        PatternRequest request;
        request.Texts = c.texts;
        const PreparedRun run = PrepareRun(request);
        EXPECT_EQ(LongestBuilt(run), c.length) << c.name;
        if (c.error.empty()) {
            EXPECT_NO_THROW(CheckAddressLength(run)) << c.name;
            continue;
        }
        try {
            CheckAddressLength(run);
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const ZarnetError& error) {
            EXPECT_EQ(error.what(), c.error) << c.name;
        }
    }
}

// A header too long is refused in the HTML kinds only: the list has none.
TEST(RunLimitTest, HeaderLinesUpToTheLimitPass) {
    struct LongHeader : DocumentFrame {
        void InsertHeader(LineSink&, const std::string&) const override {}
        void AppendFooter(LineSink&) const override {}
        std::uint64_t LongestHeaderLine(const std::string& title) const override {
            return Length + title.size();
        }
        std::uint64_t Length = 0;
    };
    struct Case {
        MakeType kind;
        std::uint64_t length;  // besides the title "p/"
        const char* error;
    };
    const Case cases[] = {
        {MakeType::Html, 65'534, nullptr},
        {MakeType::ImageSrc, 65'535,
         "ヘッダの行が長すぎます（65,537バイト、上限は65,536バイトです）"},
        {MakeType::ListText, 1'000'000, nullptr},
    };
    for (const Case& c : cases) {
        PatternRequest request;
        request.Texts.Dir = "p";
        request.Kind = c.kind;
        LongHeader frame;
        frame.Length = c.length;
        const PreparedRun run = PrepareRun(request);
        if (c.error == nullptr) {
            EXPECT_NO_THROW(CheckHeaderLength(run, frame)) << c.length;
            continue;
        }
        try {
            CheckHeaderLength(run, frame);
            ADD_FAILURE() << "no error for " << c.length;
        } catch (const ZarnetError& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
}

}  // namespace
}  // namespace zarnet
