#include "platform/StandardOutput.h"

namespace zarnet {

void UseBinaryStandardOutput() {}

}  // namespace zarnet
