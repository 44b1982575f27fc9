#include "platform/Paths.h"

namespace zarnet {

AppPaths AppPaths::ForExecutable(const std::string& exePath) {
    return AppPaths{exePath, FolderPart(exePath)};
}

std::string AppPaths::IniFileName() const {
    // Only the file name's own dot starts an extension, not one in a folder.
    const std::size_t nameStart = FolderPart(ExePath).size();
    const std::size_t dot = ExePath.rfind('.');
    const std::size_t stemEnd = dot != std::string::npos && dot >= nameStart ? dot : ExePath.size();
    return ExePath.substr(0, stemEnd) + ".ini";
}

}  // namespace zarnet
