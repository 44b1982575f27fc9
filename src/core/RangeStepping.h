#pragma once

#include <string>
#include <string_view>

namespace zarnet {

enum class StepDirection { Up, Down };

struct SteppedRange {
    std::string StCount;
    std::string EdCount;
};

// The range moved on by the step (plus button) or back (minus button), its
// numbers as wide as the start's; going down stops at zero. Raises for a text
// that is no number and for a step down from a start of zero or less.
SteppedRange StepRange(std::string_view stCount, std::string_view edCount, std::string_view step,
                       StepDirection direction);

}  // namespace zarnet
