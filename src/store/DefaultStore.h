#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/StoreKind.h"
#include "store/TRegData.h"

namespace zarnet {

class Registry;
struct AppPaths;

// A new record with its DefaultSaveFname: "Download.html" in the layout's
// documents folder (beside the program, or the user's documents).
TRegData NewSettings(const AppPaths& paths);

// Start-up: the switch in `iniFileName` chooses the store; the record is
// loaded from it and the choice returned. A value the registry cannot give
// keeps its default and the load goes on; the messages of what was passed
// over come back in `notices`, for the program to show once.
StoreKind LoadFromDefaultStore(TRegData& data, const std::string& iniFileName, Registry& registry,
                               std::vector<std::string>& notices);

// Loads the record from the given store; a value the registry cannot give
// keeps its default, and what was passed over comes back as messages.
std::vector<std::string> LoadFromStore(TRegData& data, StoreKind store,
                                       const std::string& iniFileName, Registry& registry);

// Shut-down: saves the record to the chosen store.
void SaveToDefaultStore(const TRegData& data, StoreKind store, const std::string& iniFileName,
                        Registry& registry);

// The command-line program's starting settings. `source` is "registry" for
// the current user's registry, or else the path of an INI file ("./registry"
// for a file of that name). Nothing is created or changed. A registry that
// does not exist yet gives its defaults; an INI file that cannot be read, a
// registry file that cannot be read or is none, and a bad value raise
// ZarnetError naming the file and the reason.
TRegData LoadSettingsForCli(std::string_view source, const AppPaths& paths);

}  // namespace zarnet
