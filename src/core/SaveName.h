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

// The save dialog's filter for `kind`, and `fileName` with the extension
// the kind wants.
ProposedSave ProposeSaveName(std::string_view fileName, MakeType kind);

}  // namespace zarnet
