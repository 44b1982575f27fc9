#pragma once

#include "core/PatternRequest.h"

namespace zarnet {

// One pattern of the history. An entry with an empty Dir is an empty slot.
using TURLItem = PatternTexts;

}  // namespace zarnet
