#include "platform/LocalFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/TempDir.h"

namespace zarnet {
namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

TEST(LocalFilesTest, FileAddressesNameTheirLocalPaths) {
    struct Case {
        const char* Url;
        std::optional<std::string> Posix;
        std::optional<std::string> Windows;
    };
    const Case cases[] = {
        {"file:///tmp/a%20b.jpg", "/tmp/a b.jpg", "\\tmp\\a b.jpg"},
        {"file://LocalHost/x", "/x", "\\x"},
        {"FILE:/x/y.png?q#f", "/x/y.png", "\\x\\y.png"},
        {"file:///C:/d/x.jpg", "/C:/d/x.jpg", "C:\\d\\x.jpg"},
        {"file:///%E5%86%99/%zz%4", "/写/%zz%4", "\\写\\%zz%4"},
        {"file://server/share/x", std::nullopt, "\\\\server\\share\\x"},
        {"file:x", std::nullopt, std::nullopt},
        {"file://server", std::nullopt, std::nullopt},
        {"http://h/x", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocalPathOfFileUrl(c.Url), kWindows ? c.Windows : c.Posix) << c.Url;
    }
}

TEST(LocalFilesTest, OnlyARegularFileIsFound) {
    testing::TempDir dir;
    dir.Write("file.jpg", "x");
    std::filesystem::create_directory(dir.File("folder.jpg"));
    struct Case {
        std::string Path;
        LocalFileState State;
    };
    const Case cases[] = {
        {dir.File("file.jpg"), LocalFileState::Found},
        {dir.File("folder.jpg"), LocalFileState::Missing},
        {dir.File("none.jpg"), LocalFileState::Missing},
        {dir.File("file.jpg/under.jpg"), LocalFileState::Missing},
        {dir.File("none/under.jpg"), LocalFileState::Missing},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(CheckLocalFile(c.Path, reason), c.State) << c.Path;
        EXPECT_EQ(reason, "") << c.Path;
    }
}

}  // namespace
}  // namespace zarnet
