#pragma once

#include <string>
#include <string_view>

namespace zarnet {

enum class StepDirection { Up, Down };

struct SteppedRange {
    std::string StCount;
    std::string EdCount;
};

// The range moved on by the step (plus button) or back (minus button).
// Up: the new start follows the old end, the new end lies a step beyond it.
// Down: the new end lies right below the old start, the new start a step below
// the new end, or at zero where that would be below it. Raises "増分数値を確認してください" for a
// step that is no number, "終了番号を確認してください" for an end that is no number or a result
// outside 32 bits, "開始番号を数値に変換できません" going down from a start that is no number and
// "0より前の番号には戻れません" going down from a start of zero or less.
SteppedRange StepRange(std::string_view stCount, std::string_view edCount, std::string_view step,
                       StepDirection direction);

}  // namespace zarnet
