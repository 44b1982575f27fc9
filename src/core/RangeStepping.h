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
// numbers as wide as the start's; raises for a text that is no number.
SteppedRange StepRange(std::string_view stCount, std::string_view edCount, std::string_view step,
                       StepDirection direction);

}  // namespace zarnet
