#include "core/RangeStepping.h"

#include <gtest/gtest.h>

#include <string_view>

#include "core/Messages.h"
#include "platform/ZarnetError.h"

namespace zarnet {
namespace {

TEST(RangeSteppingTest, StepsMoveTheRangeKeepingTheWidthRules) {
    struct Case {
        const char* start;
        const char* end;
        const char* step;
        StepDirection direction;
        const char* newStart;
        const char* newEnd;
    };
    const Case cases[] = {
        {"001", "010", "10", StepDirection::Up, "011", "021"},
        {"1", "9", "5", StepDirection::Up, "10", "15"},
        {"0001", "10", "10", StepDirection::Up, "0011", "0021"},
        {"5", "7", "0", StepDirection::Up, "8", "8"},
        {"1", " 9", "5", StepDirection::Up, "10", "15"},
        {"1", "9", " 5", StepDirection::Up, "10", "15"},
        // The width counts code page 932 bytes: two for "あ".
        {"あ", "9", "5", StepDirection::Up, "10", "15"},
        {"011", "021", "10", StepDirection::Down, "000", "010"},
        {"021", "031", "10", StepDirection::Down, "010", "020"},
        // A block that would pass below zero starts at zero.
        {"5", "9", "10", StepDirection::Down, "0", "4"},
        {"001", "012", "12", StepDirection::Down, "000", "000"},
        {"100", "x", "9", StepDirection::Down, "090", "099"},
    };
    for (const Case& c : cases) {
        SteppedRange r = StepRange(c.start, c.end, c.step, c.direction);
        EXPECT_EQ(r.StCount, c.newStart) << c.start << ".." << c.end << " by " << c.step;
        EXPECT_EQ(r.EdCount, c.newEnd) << c.start << ".." << c.end << " by " << c.step;
    }
}

TEST(RangeSteppingTest, StepsRefuseTextsThatAreNoNumbersAndResultsBeyond32Bits) {
    struct Case {
        const char* start;
        const char* end;
        const char* step;
        StepDirection direction;
        std::string_view message;
    };
    const Case cases[] = {
        {"1", "9", "5 ", StepDirection::Up, messages::kStepNotNumber.Text},
        {"1", "9", "", StepDirection::Up, messages::kStepNotNumber.Text},
        {"1", "9", "-9999", StepDirection::Down, messages::kStepNotNumber.Text},
        {"1", "x", "5", StepDirection::Up, messages::kCheckEnd.Text},
        {"1", "9 ", "5", StepDirection::Up, messages::kCheckEnd.Text},
        {"1", "2147483646", "5", StepDirection::Up, messages::kCheckEnd.Text},
        {"1", "2147483647", "0", StepDirection::Up, messages::kCheckEnd.Text},
        {"x", "9", "5", StepDirection::Down, messages::kStartNotNumber.Text},
        {"2147483647", "0", "-5", StepDirection::Down, messages::kCheckEnd.Text},
        {"000", "012", "13", StepDirection::Down, messages::kNothingBelowZero.Text},
        {"-5", "3", "1", StepDirection::Down, messages::kNothingBelowZero.Text},
    };
    for (const Case& c : cases) {
        try {
            StepRange(c.start, c.end, c.step, c.direction);
            ADD_FAILURE() << "no error for " << c.start << ".." << c.end << " by " << c.step;
        } catch (const ZarnetError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace zarnet
