#include "platform/Paths.h"

#include "platform/posix/UserFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace zarnet {

namespace {

bool Stat(const std::string& path, struct stat& status) {
    return stat(path.c_str(), &status) == 0;
}

}  // namespace

std::string ExecutablePath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) {
            return {};  // no /proc: the files beside the program are then looked for here
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string FolderPart(std::string_view fileName) {
    // "\" is an ordinary character in a file name here.
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string_view::npos ? std::string()
                                           : std::string(fileName.substr(0, slash + 1));
}

// Installed when the program's folder may not be written to, or when the
// desktop entry its installer leaves is there.
AppPaths AppPaths::ForProgramAt(const std::string& exePath) {
    const std::string folder = FolderPart(exePath);
    const bool installed = access(folder.empty() ? "." : folder.c_str(), W_OK) != 0 ||
                           FileExists(folder + "../share/applications/org.zarnet.Zarnet.desktop");
    if (!installed) {
        return ForExecutable(exePath);
    }
    return AppPaths{exePath, folder, UserConfigFolder() + "/zarnet/", UserDocumentsFolder()};
}

bool DirectoryExists(const std::string& path) {
    struct stat status {};
    return Stat(path, status) && S_ISDIR(status.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat status {};
    return Stat(path, status) && !S_ISDIR(status.st_mode);
}

void CreateFolders(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
}

}  // namespace zarnet
