#pragma once

#include <string>
#include <string_view>

#include "core/PatternRequest.h"

namespace zarnet {

// What the save dialog offers for an output kind: its filter, in the
// program's "name|patterns" form, and the file name it proposes.
struct ProposedSave {
    std::string Filter;
    std::string FileName;
};

// The HTML kinds want ".htm" or ".html", the list ".txt". An empty name
// becomes "Download" with that extension, a wrong extension is replaced and a
// missing one appended; a fitting extension keeps its letter case. The
// extension starts at the name's last dot after its folder part.
ProposedSave ProposeSaveName(std::string_view fileName, MakeType kind);

}  // namespace zarnet
