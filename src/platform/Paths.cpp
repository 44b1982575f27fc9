#include "platform/Paths.h"

namespace zarnet {

// Two layouts. Beside the program: everything in the program's own folder, as
// a copy run from a folder the user may write to has it. Installed: the
// program never writes into its own folder; the INI store and the templates
// live in the user's settings folder ($XDG_CONFIG_HOME/zarnet/, on Windows
// %APPDATA%\Zarnet\), the default output file in the user's documents folder.
// ForProgramAt chooses.

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
