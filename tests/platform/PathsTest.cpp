#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace zarnet {
namespace {

TEST(PathsTest, FolderPartEndsAtTheLastSlash) {
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

TEST(PathsTest, IniFileNameReplacesOnlyTheFileNamesExtension) {
    const struct {
        const char* exePath;
        const char* iniFileName;
    } cases[] = {
        {"/opt/app/zarnet", "/opt/app/zarnet.ini"},
        {"/opt/app/zarnet.exe", "/opt/app/zarnet.ini"},
        {"/opt/my.app/zarnet", "/opt/my.app/zarnet.ini"},
        {"/opt/my.app/zarnet.bin", "/opt/my.app/zarnet.ini"},
        {"/opt/app/z.tar.gz", "/opt/app/z.tar.ini"},
        {"zarnet", "zarnet.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppPaths::ForExecutable(c.exePath).IniFileName(), c.iniFileName) << c.exePath;
    }
}

TEST(PathsTest, ExecutablePathIsThisTestProgram) {
    const std::string path = ExecutablePath();
    EXPECT_TRUE(path.ends_with("/PathsTest")) << path;
    EXPECT_TRUE(FileExists(path));
}

TEST(PathsTest, FilesAndFoldersAreTold) {
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
