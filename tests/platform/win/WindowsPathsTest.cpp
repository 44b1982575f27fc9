// Paths as Windows has them: "\\", "/" and the drive colon all end a folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

TEST(WindowsPathsTest, FolderPartEndsAtTheLastSeparatorOrDriveColon) {
    const struct {
        const char* fileName;
        const char* folder;
    } cases[] = {
        {"C:\\out\\list.txt", "C:\\out\\"},
        {"C:list.txt", "C:"},
        {"C:\\", "C:\\"},
        {"a/b\\c.txt", "a/b\\"},
        {"a\\b/c.txt", "a\\b/"},
        {"list.txt", ""},
        {"", ""},
        // Code page 932 characters whose second byte is a backslash stay whole.
        {"C:\\\u30bd\u8868\\x.html", "C:\\\u30bd\u8868\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderPart(c.fileName), c.folder) << c.fileName;
    }
}

// A copy in a folder of the user's keeps its files beside itself; an installed
// one (its uninstaller beside it, or a folder it may not write) keeps them in
// %APPDATA%\Zarnet and writes its list into Documents, and its check leaves
// nothing in its folder.
TEST(WindowsPathsTest, TheLayoutFollowsTheInstaller) {
    const struct {
        const char* name;
        bool uninstaller;
        const char* folder;  // below the temporary folder
        bool installed;
    } cases[] = {
        {"portable copy", false, "portable\\", false},
        {"installed", true, "Program Files\\Zarnet\\", true},
        {"folder that cannot be written", false, "missing\\", true},
    };
    for (const auto& c : cases) {
        const testing::TempDir dir;
        const std::string folder = dir.File(c.folder);
        if (c.uninstaller || !c.installed) {
            CreateFolders(folder);
        }
        if (c.uninstaller) {
            dir.Write(std::string(c.folder) + "Uninstall.exe", "");
        }
        const AppPaths paths = AppPaths::ForProgramAt(folder + "zarnet.exe");
        EXPECT_EQ(paths.ExeFolder, folder) << c.name;
        if (c.installed) {
            EXPECT_NE(paths.SettingsFolder.find("\\Zarnet\\"), std::string::npos) << c.name;
            EXPECT_NE(paths.SettingsFolder, folder) << c.name;
            EXPECT_EQ(paths.IniFileName(), paths.SettingsFolder + "zarnet.ini") << c.name;
            EXPECT_NE(paths.DocumentsFolder, folder) << c.name;
            EXPECT_TRUE(DirectoryExists(paths.DocumentsFolder)) << c.name;
        } else {
            EXPECT_EQ(paths.SettingsFolder, folder) << c.name;
            EXPECT_EQ(paths.DefaultOutputFile(), folder + "Download.html") << c.name;
        }
        EXPECT_FALSE(FileExists(folder + "zarnet-write-probe.tmp")) << c.name;
    }
}

}  // namespace
}  // namespace zarnet
