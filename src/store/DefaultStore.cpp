#include "store/DefaultStore.h"

#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"

namespace zarnet {

TRegData NewSettings(const AppPaths& paths) {
    TRegData data;
    data.DefaultSaveFname = paths.DefaultOutputFile();
    return data;
}

// A value the registry cannot give keeps its default and the load goes on; the
// messages of what was passed over are for the program to show once.
StoreKind LoadFromDefaultStore(TRegData& data, const std::string& iniFileName, Registry& registry,
                               std::vector<std::string>& notices) {
    const StoreKind store =
        TRegData::ReadIniDefault(iniFileName) ? StoreKind::IniFile : StoreKind::Registry;
    notices = LoadFromStore(data, store, iniFileName, registry);
    return store;
}

std::vector<std::string> LoadFromStore(TRegData& data, StoreKind store,
                                       const std::string& iniFileName, Registry& registry) {
    if (store == StoreKind::IniFile) {
        data.LoadFromIni(iniFileName);
        return {};
    }
    return data.LoadFromRegistry(registry, TRegData::KeyAccess::CreateIfMissing,
                                 TRegData::BadValue::UseDefault);
}

void SaveToDefaultStore(const TRegData& data, StoreKind store, const std::string& iniFileName,
                        Registry& registry, TRegData::StoredHistory history) {
    if (store == StoreKind::Registry) {
        data.SaveToRegistry(registry, history);
    } else {
        data.SaveToIni(iniFileName, history);
    }
}

// "./registry" names a file of that name. A registry that does not exist yet
// gives its defaults; an INI file that cannot be read, a registry file that
// cannot be read or is none, and a bad value raise ZarnetError naming the file
// and the reason.
TRegData LoadSettingsForCli(std::string_view source, const AppPaths& paths) {
    TRegData data = NewSettings(paths);
    if (source == "registry") {
        // A script reading settings leaves the store as it found it.
        data.LoadFromRegistry(*OpenUserRegistry(RegistryAccess::ReadOnly),
                              TRegData::KeyAccess::ExistingOnly);
        return data;
    }
    const std::string fileName(source);
    // The INI reader takes a file it cannot read for an empty one; a store
    // named on purpose must be there.
    CheckReadable(fileName);
    data.LoadFromIni(fileName);
    return data;
}

}  // namespace zarnet
