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

// What the markers, the numbers and the extension add, at the limit or one
// byte past it: each row's longest address is worked out by hand and built
// too, so both the count and the rule are held to what a run really makes.
// The messages, and the front, the rear and the header, are zarnet-cli's
// tests'.
TEST(RunLimitTest, AddressesUpToTheLimitPassAndLongerOnesAreRefused) {
    struct Case {
        const char* name;
        PatternTexts texts;
        std::size_t length;  // of the longest address
    };
    const Case cases[] = {
        // The value "--" of a base without a marker.
        {"markers of the front", Texts("p", "", Repeated("%%", 32'767)), 65'536},
        // "ab%" ends in "%": each "%" after a marker makes one more.
        {"a value that joins the next %", Texts("%%", "ab%", std::string(32'767, '%')),
         4 + 2 * 32'767 - 1},
        // "a%%" holds a marker: it joins nothing, and "%%" is one marker.
        {"a value that holds a marker", Texts("%%", "a%%", std::string(43'688, '%')),
         4 + 43'688 + 43'688 / 2},
        {"the start's width", Texts("p", "", "", "", std::string(65'533, '0') + "1", "2"), 65'536},
        {"numbers wider than the start", Texts(std::string(65'532, 'a'), "", "", "", "1", "1000"),
         65'537},
        {"the dot the extension gets", Texts(std::string(65'532, 'a'), "", "", "", "", "", "jpg"),
         65'537},
    };
    for (const Case& c : cases) {
        PatternRequest request;
        request.Texts = c.texts;
        const PreparedRun run = PrepareRun(request);
        EXPECT_EQ(LongestBuilt(run), c.length) << c.name;
        if (c.length <= kMaxLineBytes) {
            EXPECT_NO_THROW(CheckAddressLength(run)) << c.name;
        } else {
            EXPECT_THROW(CheckAddressLength(run), ZarnetError) << c.name;
        }
    }
}

}  // namespace
}  // namespace zarnet
