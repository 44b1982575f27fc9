#include "store/DefaultStore.h"

#include "platform/Paths.h"
#include "platform/Registry.h"

namespace zarnet {

TRegData NewSettings(const AppPaths& paths) {
    TRegData data;
    data.DefaultSaveFname = paths.InFolder("Download.html");
    return data;
}

DefaultStore LoadFromDefaultStore(TRegData& data, const std::string& iniFileName,
                                  Registry& registry) {
    if (TRegData::ReadIniDefault(iniFileName)) {
        data.LoadFromIni(iniFileName);
        return DefaultStore::IniFile;
    }
    data.LoadFromRegistry(registry);
    return DefaultStore::Registry;
}

void SaveToDefaultStore(const TRegData& data, DefaultStore store, const std::string& iniFileName,
                        Registry& registry) {
    if (store == DefaultStore::Registry) {
        data.SaveToRegistry(registry);
    } else {
        data.SaveToIni(iniFileName);
    }
}

TRegData LoadSettingsForCli(std::string_view source, const AppPaths& paths) {
    TRegData data = NewSettings(paths);
    if (source == "registry") {
        // A script reading settings should not leave a store key behind.
        data.LoadFromRegistry(*OpenUserRegistry(), TRegData::KeyAccess::ExistingOnly);
    } else {
        data.LoadFromIni(std::string(source));
    }
    return data;
}

}  // namespace zarnet
