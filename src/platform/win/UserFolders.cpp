#include "platform/win/UserFolders.h"

#include "platform/win/WideText.h"
#include "platform/win/WinApi.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace zarnet {

namespace {

// The known folder with a trailing "\"; empty when the system has none, so
// the files go to the current folder rather than nowhere.
std::string KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &wide))) {
        folder = ToUtf8(wide) + "\\";
    }
    CoTaskMemFree(wide);
    return folder;
}

}  // namespace

std::string UserSettingsFolder() {
    return KnownFolder(FOLDERID_RoamingAppData) + "Zarnet\\";
}

std::string UserDocumentsFolder() {
    return KnownFolder(FOLDERID_Documents);
}

}  // namespace zarnet
