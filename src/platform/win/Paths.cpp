#include "platform/Paths.h"

#include "platform/win/UserFolders.h"
#include "platform/win/WideText.h"
#include "platform/win/WinApi.h"

#include <filesystem>
#include <system_error>

#include "platform/Cp932.h"

namespace zarnet {

namespace {

DWORD Attributes(const std::string& path) {
    return GetFileAttributesA(cp932::Encode(path).c_str());
}

// Whether a file may be made in the folder: the rights of the folder and of
// the user together, as only the system knows them. The probe leaves nothing
// behind.
bool FolderWritable(const std::string& folder) {
    const std::string probe = cp932::Encode(folder) + "zarnet-write-probe.tmp";
    const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A probe left by a crash still proves the folder writable.
        return GetLastError() == ERROR_FILE_EXISTS;
    }
    CloseHandle(file);
    return true;
}

}  // namespace

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the path was cut.
        if (length < path.size()) {
            path.resize(length);
            return cp932::Decode(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string FolderPart(std::string_view fileName) {
    // "/" too: the system takes it for "\", and so do the file choosers.
    const std::size_t separator = fileName.find_last_of("\\/:");
    return separator == std::string_view::npos ? std::string()
                                               : std::string(fileName.substr(0, separator + 1));
}

// Installed when the uninstaller its installer leaves is beside it, or when
// its folder may not be written to.
AppPaths AppPaths::ForProgramAt(const std::string& exePath) {
    const std::string folder = FolderPart(exePath);
    // The uninstaller is asked first, so an installed program never probes
    // its own folder.
    const bool installed = FileExists(folder + "Uninstall.exe") || !FolderWritable(folder);
    if (!installed) {
        return ForExecutable(exePath);
    }
    return AppPaths{exePath, folder, UserSettingsFolder(), UserDocumentsFolder()};
}

void CreateFolders(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(ToWide(path)), ignored);
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace zarnet
