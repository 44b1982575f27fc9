#include "platform/PrivateProfile.h"

#include "platform/Cp932.h"

namespace zarnet {

std::string PrivateProfile::Received(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    return cp932::Decode(cp932::CutBytes(text, kBufferSize - 1));
}

}  // namespace zarnet
