#include "platform/Paths.h"

namespace zarnet {

AppPaths AppPaths::ForExecutable(const std::string& exePath) {
    const std::string folder = FolderPart(exePath);
    return AppPaths{exePath, folder, folder, folder};
}

std::string AppPaths::IniFileName() const {
    // Only the file name's own dot starts an extension, not one in a folder.
    const std::string name = ExePath.substr(FolderPart(ExePath).size());
    const std::size_t dot = name.rfind('.');
    return SettingsFolder + name.substr(0, dot) + ".ini";
}

}  // namespace zarnet
