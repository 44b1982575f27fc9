#pragma once

#include <string>
#include <string_view>

#include "store/TRegData.h"

namespace zarnet {

class Registry;
struct AppPaths;

// Where the settings live between runs.
enum class DefaultStore { Registry, IniFile };

// A new record with its DefaultSaveFname: "Download.html" beside the program.
TRegData NewSettings(const AppPaths& paths);

// Start-up: the switch in `iniFileName` chooses the store; the record is
// loaded from it and the choice returned.
DefaultStore LoadFromDefaultStore(TRegData& data, const std::string& iniFileName,
                                  Registry& registry);

// Shut-down: saves the record to the chosen store.
void SaveToDefaultStore(const TRegData& data, DefaultStore store, const std::string& iniFileName,
                        Registry& registry);

// The command-line program's starting settings. `source` is "registry" for
// the current user's registry, or else the path of an INI file ("./registry"
// for a file of that name). A store that does not exist gives its defaults and
// is not created; a failing load raises ZarnetError.
TRegData LoadSettingsForCli(std::string_view source, const AppPaths& paths);

}  // namespace zarnet
