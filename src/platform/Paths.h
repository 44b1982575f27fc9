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

// Makes the folder and the missing ones on its way. A folder that cannot be
// made is no error here: the first file written into it names the reason.
void CreateFolders(const std::string& path);

// Where the program keeps its own files: the INI store, the templates and
// the default output file. Chosen once at start and handed on, so tests can
// point it at temporary folders.
struct AppPaths {
    std::string ExePath;          // full path of the program
    std::string ExeFolder;        // its folder, with the trailing separator
    std::string SettingsFolder;   // the INI store and the templates, likewise
    std::string DocumentsFolder;  // the default output file, likewise

    // Beside the program at `exePath`.
    static AppPaths ForExecutable(const std::string& exePath);
    // Beside the program, or in the user's folders when the program at
    // `exePath` is installed.
    static AppPaths ForProgramAt(const std::string& exePath);
    static AppPaths OfRunningProgram() { return ForProgramAt(ExecutablePath()); }

    // The INI store: the program's file name with its extension replaced by
    // ".ini" (appended when it has none), in the settings folder.
    std::string IniFileName() const;
    std::string DefaultOutputFile() const { return DocumentsFolder + "Download.html"; }
};

}  // namespace zarnet
