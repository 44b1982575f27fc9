#pragma once

#include <memory>
#include <string>

#include "platform/Registry.h"

namespace zarnet {

// The registry file at `path`, which OpenUserRegistry uses where there is no
// system registry, and tests point at a folder of their own.
// - Its folder is created when needed.
// - A lock file `path` + ".lock" beside it keeps two programs from saving at
//   once. Reading needs no lock, since the file is only ever replaced whole;
//   a lock that cannot be had within a few seconds (held by another program,
//   or in a folder the user may not write) leaves the registry readable, and
//   a save then fails naming the lock and why.
// - A file that is not a registry file (its first non-blank line is not
//   "REGEDIT4") is moved aside to `path` + ".bad" (".bad.1", ".bad.2" ...
//   when that is taken), the registry starts empty, and TakeNotice() says so.
// Read-only, it does none of this: a file that cannot be read or is no
// registry file makes the first key fail to open.
std::unique_ptr<Registry> OpenRegistryFile(const std::string& path,
                                           RegistryAccess access = RegistryAccess::ReadWrite);

}  // namespace zarnet
