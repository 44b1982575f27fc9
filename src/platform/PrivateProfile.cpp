#include "platform/PrivateProfile.h"

#include "platform/Cp932.h"

namespace zarnet {

// Both systems' implementations: outside a batch each write replaces the file
// at once; either way every write keeps the per-key rules, and a crash leaves
// the old file or the new one, never a mix. Reads inside a batch see its
// writes; outside one they see the file as it is now. Names and values are
// cut by IniText::OneLine.

std::string PrivateProfile::Received(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    return cp932::Decode(cp932::CutBytes(text, kMaxValueBytes));
}

}  // namespace zarnet
