#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace zarnet {
namespace {

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
    EXPECT_NE(path.find("PathsTest"), std::string::npos) << path;
    EXPECT_TRUE(FileExists(path));
}

}  // namespace
}  // namespace zarnet
