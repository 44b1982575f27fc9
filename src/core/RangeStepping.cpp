#include "core/RangeStepping.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/PatternExpansion.h"
#include "platform/ZarnetError.h"

namespace zarnet {

// Up: the new start follows the old end, the new end lies a step beyond it.
// Down: the new end lies right below the old start, the new start a step below
// the new end. A result outside 32 bits is refused as a bad end.
SteppedRange StepRange(std::string_view stCount, std::string_view edCount, std::string_view step,
                       StepDirection direction) {
    const std::int32_t by = NumberOr(step, kReservedCount);
    if (by == kReservedCount) {
        throw ZarnetError(messages::kStepNotNumber);
    }
    std::int64_t newStart = 0;
    std::int64_t newEnd = 0;
    if (direction == StepDirection::Up) {
        const std::int32_t end = NumberOr(edCount, kReservedCount);
        if (end == kReservedCount) {
            throw ZarnetError(messages::kCheckEnd);
        }
        newStart = static_cast<std::int64_t>(end) + 1;
        newEnd = newStart + by;
    } else {
        const std::int32_t start = NumberOr(stCount, kReservedCount);
        if (start == kReservedCount) {
            throw ZarnetError(messages::kStartNotNumber);
        }
        newEnd = static_cast<std::int64_t>(start) - 1;
        // No numbered series goes below zero: a block that would pass it
        // starts at zero, and from zero there is no block to go back to.
        if (newEnd < 0) {
            throw ZarnetError(messages::kNothingBelowZero);
        }
        newStart = std::max<std::int64_t>(newEnd - by, 0);
    }
    auto fits = [](std::int64_t n) {
        return n >= std::numeric_limits<std::int32_t>::min() &&
               n <= std::numeric_limits<std::int32_t>::max();
    };
    if (!fits(newStart) || !fits(newEnd)) {
        throw ZarnetError(messages::kCheckEnd);
    }
    std::size_t width = NumberWidth(stCount);
    SteppedRange range;
    range.StCount = PadNumber(newStart, width);
    range.EdCount = PadNumber(newEnd, width);
    return range;
}

}  // namespace zarnet
