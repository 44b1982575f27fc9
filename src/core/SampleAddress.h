#pragma once

#include <string>

#include "core/PatternRequest.h"

namespace zarnet {

struct Sample {
    std::string Text;
    // Whether the substitution list applies: the base address holds "%%".
    // Meaningless when the base address is empty (the list keeps its state).
    bool ValuesEnabled = false;
    bool DirEmpty = false;
};

// The sample address the main window shows for the pattern as typed.
Sample MakeSample(const PatternTexts& pattern);

}  // namespace zarnet
