#include "platform/StandardOutput.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

namespace zarnet {

void UseBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace zarnet
