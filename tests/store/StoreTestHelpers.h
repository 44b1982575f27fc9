#pragma once

#include <string>

#include "platform/ZarnetError.h"
#include "store/TURLItem.h"

namespace zarnet::testing {

// A history entry as the registry store reads it when nothing is stored.
inline const TURLItem kRegistryDefaultItem{"", "", "", "", "001", "010", ".jpg"};

// The message of the ZarnetError that `action` raises as the window shows
// it, or "no error".
template <typename Action>
std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const ZarnetError& error) {
        return error.Explained();
    }
    return "no error";
}

}  // namespace zarnet::testing
