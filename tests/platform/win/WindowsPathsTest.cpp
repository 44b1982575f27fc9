// Paths as Windows has them: "\\", "/" and the drive colon all end a folder.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"

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

TEST(WindowsPathsTest, ACopyAlwaysKeepsItsFilesBesideItself) {
    const AppPaths paths = AppPaths::ForProgramAt("C:\\Program Files\\Zarnet\\zarnet.exe");
    EXPECT_EQ(paths.SettingsFolder, "C:\\Program Files\\Zarnet\\");
    EXPECT_EQ(paths.IniFileName(), "C:\\Program Files\\Zarnet\\zarnet.ini");
    EXPECT_EQ(paths.DefaultOutputFile(), "C:\\Program Files\\Zarnet\\Download.html");
}

}  // namespace
}  // namespace zarnet
