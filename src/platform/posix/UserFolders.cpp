#include "platform/posix/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "platform/Paths.h"

namespace zarnet {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

std::string WithoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.ends_with('/')) {
        folder.pop_back();
    }
    return folder;
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" or an absolute path, as xdg-user-dirs
// writes it; empty when the file has no such line.
std::string ConfiguredDocumentsFolder(const std::string& home) {
    std::ifstream dirs(UserConfigFolder() + "/user-dirs.dirs");
    std::string line;
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    while (std::getline(dirs, line)) {
        if (!line.starts_with(kKey) || !line.ends_with('"')) {
            continue;
        }
        std::string folder = line.substr(kKey.size(), line.size() - kKey.size() - 1);
        if (folder.starts_with("$HOME")) {
            folder.replace(0, 5, home);
        }
        return folder.starts_with('/') ? folder : std::string();
    }
    return {};
}

}  // namespace

std::string UserConfigFolder() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        // "/home/u/.config/" names the same folder; file names in messages
        // should not show "//".
        return WithoutTrailingSlashes(config);
    }
    const std::string home = HomeFolder();
    return home.empty() ? ".config" : home + "/.config";
}

std::string UserDocumentsFolder() {
    const std::string home = HomeFolder();
    const std::string documents = ConfiguredDocumentsFolder(home);
    const std::string folder = !documents.empty() && DirectoryExists(documents) ? documents : home;
    return WithoutTrailingSlashes(folder) + "/";
}

}  // namespace zarnet
