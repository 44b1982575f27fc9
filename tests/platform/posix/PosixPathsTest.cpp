// Paths as POSIX has them: "/" is the one separator, and the layout rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

TEST(PosixPathsTest, FolderPartEndsAtTheLastSlash) {
    const struct {
        const char* fileName;
        const char* folder;
    } cases[] = {
        {"/opt/zarnet/zarnet", "/opt/zarnet/"},
        {"/zarnet", "/"},
        {"zarnet", ""},
        {"", ""},
        {"dir/", "dir/"},
        {"a/b\\c.txt", "a/"},  // a backslash belongs to the name here
        {"a\\b", ""},
        {"C:name", ""},
        {"/写真/ソ表/x.html", "/写真/ソ表/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderPart(c.fileName), c.folder) << c.fileName;
    }
}

// One rule decides where the program keeps its files; installed, it never
// writes into its own folder.
TEST(PosixPathsTest, LayoutFollowsWhereTheProgramLives) {
    struct Case {
        const char* name;
        bool desktopEntry;     // installed beside its bin folder
        const char* userDirs;  // the user-dirs.dirs file, if any
        bool documentsExist;
        const char* settings;  // below the temporary folder
        const char* documents;
    };
    const Case cases[] = {
        {"copied folder", false, nullptr, false, "prefix/bin/", "prefix/bin/"},
        {"installed, documents folder", true, "XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n", true,
         "config/zarnet/", "home/文書/"},
        {"installed, absolute documents folder", true,
         "# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"/ABS/docs\"\n", true,
         "config/zarnet/", "ABS/docs/"},
        {"installed, documents folder gone", true, "XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n", false,
         "config/zarnet/", "home/"},
        {"installed, no user directories", true, nullptr, false, "config/zarnet/", "home/"},
    };
    for (const Case& c : cases) {
        const testing::TempDir dir;
        testing::ScopedConfigHome config(dir.File("config/"));
        testing::ScopedEnvironment home("HOME", dir.File("home"));
        std::filesystem::create_directories(dir.File("prefix/bin"));
        std::filesystem::create_directories(dir.File("config"));
        if (c.desktopEntry) {
            std::filesystem::create_directories(dir.File("prefix/share/applications"));
            dir.Write("prefix/share/applications/org.zarnet.Zarnet.desktop", "");
        }
        if (c.userDirs != nullptr) {
            std::string text = c.userDirs;
            if (const std::size_t abs = text.find("/ABS/"); abs != std::string::npos) {
                text.replace(abs, 5, dir.File("ABS/"));
            }
            dir.Write("config/user-dirs.dirs", text);
        }
        if (c.documentsExist) {
            std::filesystem::create_directories(dir.File("home/文書"));
            std::filesystem::create_directories(dir.File("ABS/docs"));
        }
        const AppPaths paths = AppPaths::ForProgramAt(dir.File("prefix/bin/zarnet"));
        EXPECT_EQ(paths.ExeFolder, dir.File("prefix/bin/")) << c.name;
        EXPECT_EQ(paths.SettingsFolder, dir.File(c.settings)) << c.name;
        EXPECT_EQ(paths.IniFileName(), dir.File(c.settings) + "zarnet.ini") << c.name;
        EXPECT_EQ(paths.DefaultOutputFile(), dir.File(c.documents) + "Download.html") << c.name;
    }
}

TEST(PosixPathsTest, FilesAndFoldersAreTold) {
    const testing::TempDir dir;
    dir.Write("file.txt", "x");
    std::filesystem::create_directory(dir.File("folder"));
    std::filesystem::create_symlink(dir.File("folder"), dir.File("link"));
    const struct {
        std::string path;
        bool file;
        bool folder;
    } cases[] = {
        {dir.File("file.txt"), true, false},    {dir.File("folder"), false, true},
        {dir.File("link"), false, true},        {dir.File("missing"), false, false},
        {dir.File("file.txt/x"), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(DirectoryExists(c.path), c.folder) << c.path;
    }
}

}  // namespace
}  // namespace zarnet
