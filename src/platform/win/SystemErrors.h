#pragma once

#include <string>

namespace zarnet {

// The system's own words for an error code of GetLastError(), in the
// program's UTF-8 and without the final full stop; empty for 0.
std::string SystemReason(unsigned long error);

}  // namespace zarnet
