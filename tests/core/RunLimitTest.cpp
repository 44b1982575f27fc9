#include "core/RunLimit.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zarnet
