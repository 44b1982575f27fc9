#pragma once

#include <memory>
#include <string>

#include "platform/Registry.h"

namespace zarnet {

// The registry file at `path`, which OpenUserRegistry uses where there is no
// system registry, and tests point at a folder of their own.
std::unique_ptr<Registry> OpenRegistryFile(const std::string& path,
                                           RegistryAccess access = RegistryAccess::ReadWrite);

}  // namespace zarnet
