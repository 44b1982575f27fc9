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

// Start-up: loads the record from the store the switch in `iniFileName`
// chooses, and returns the choice; what was passed over goes to `notices`.
StoreKind LoadFromDefaultStore(TRegData& data, const std::string& iniFileName, Registry& registry,
                               std::vector<std::string>& notices);

// Loads the record from the given store; a value the registry cannot give
// keeps its default, and what was passed over comes back as messages.
std::vector<std::string> LoadFromStore(TRegData& data, StoreKind store,
                                       const std::string& iniFileName, Registry& registry);

// Saves the record to the chosen store; `history` says what becomes of the
// history already stored there.
void SaveToDefaultStore(const TRegData& data, StoreKind store, const std::string& iniFileName,
                        Registry& registry, TRegData::StoredHistory history);

// The command-line program's starting settings, from `source`: "registry" for
// the current user's registry, else the path of an INI file. Changes nothing.
TRegData LoadSettingsForCli(std::string_view source, const AppPaths& paths);

}  // namespace zarnet
