#pragma once

#include <string>
#include <string_view>

namespace zarnet {

// The running program's full path.
std::string ExecutablePath();

// The folder part of a file name: everything up to and including the last
// path separator ("/" on POSIX; "\" and the drive colon on Windows); empty
// when there is none.
std::string FolderPart(std::string_view fileName);

// True for an existing folder.
bool DirectoryExists(const std::string& path);

// True for an existing file that is not a folder.
bool FileExists(const std::string& path);

// Where the program keeps the files that live beside it. Given to whoever
// reads them, so tests can point it at a temporary folder.
struct AppPaths {
    std::string ExePath;    // full path of the program
    std::string ExeFolder;  // its folder, with the trailing separator

    static AppPaths ForExecutable(const std::string& exePath);
    static AppPaths OfRunningProgram() { return ForExecutable(ExecutablePath()); }

    // The program's path with its extension replaced by ".ini" (appended
    // when it has none).
    std::string IniFileName() const;
    std::string InFolder(std::string_view fileName) const {
        return ExeFolder + std::string(fileName);
    }
};

}  // namespace zarnet
