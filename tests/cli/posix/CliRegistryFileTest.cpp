// zarnet-cli reading stores where the registry is a file: what cannot be
// read is named with the system's reason, and reading changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliInvoke.h"
#include "cli/CliRun.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

namespace zarnet::cli {
namespace {

using testing::Args;
using testing::Invoke;
using testing::Outcome;
using zarnet::testing::TempDir;

// Every entry below `root` with its bytes ("<folder>" for a folder), to see
// that nothing changed.
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string path = entry.path().string();
        entries[path] = entry.is_regular_file() ? ReadFileBytes(path) : "<folder>";
    }
    return entries;
}

// A store that cannot be read is an error naming the file and the reason,
// and reading it changes nothing on disk.
TEST(CliRegistryFileTest, StoreThatCannotBeReadExitsTwoAndChangesNothing) {
    struct Case {
        const char* name;
        const char* settings;  // "registry", or an INI file in the folder
        std::function<void(const TempDir&)> prepare;
        const char* file;  // the file the message names, if any
        const char* reason;
    };
    const auto registryFile = [](const std::string& bytes) {
        return [bytes](const TempDir& dir) {
            std::filesystem::create_directories(dir.File("zarnet"));
            dir.Write("zarnet/registry.reg", bytes);
        };
    };
    const Case cases[] = {
        {"missing INI file", "none.ini", [](const TempDir&) {}, "none.ini",
         "No such file or directory"},
        {"INI file that is a folder", "dir.ini",
         [](const TempDir& dir) { std::filesystem::create_directory(dir.File("dir.ini")); },
         "dir.ini", "Is a directory"},
        {"registry file that is a folder", "registry",
         [](const TempDir& dir) {
             std::filesystem::create_directories(dir.File("zarnet/registry.reg"));
         },
         "zarnet/registry.reg", "Is a directory"},
        {"no registry file", "registry", registryFile("Windows Registry Editor Version 5.00\r\n"),
         "zarnet/registry.reg", "not a registry file"},
        {"wrong value type", "registry",
         registryFile("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\"
                      "Last]\r\n\"ImageWidth\"=dword:00000028\r\n"),
         nullptr, "'ImageWidth' のデータ型が不正です"},
    };
    for (const Case& c : cases) {
        TempDir folder;
        zarnet::testing::ScopedConfigHome configHome(folder.Path());
        c.prepare(folder);
        const auto before = Snapshot(folder.Path());
        const std::string settings = c.settings == std::string("registry")
                                         ? std::string("registry")
                                         : folder.File(c.settings);
        const Outcome o = Invoke({"--settings", settings, "-b", "x", "-k", "list"}, folder);
        EXPECT_EQ(o.status, kUsageOrFileError) << c.name;
        EXPECT_EQ(o.out, "") << c.name;
        if (c.file != nullptr) {
            EXPECT_NE(o.err.find(folder.File(c.file)), std::string::npos)
                << c.name << ": " << o.err;
        }
        EXPECT_NE(o.err.find(c.reason), std::string::npos) << c.name << ": " << o.err;
        EXPECT_EQ(Snapshot(folder.Path()), before) << c.name;
    }
}

// A registry file that does not exist yet is a fresh installation, and
// reading it creates nothing, not even its folder.
TEST(CliRegistryFileTest, MissingRegistryIsAFreshInstallation) {
    TempDir folder;
    zarnet::testing::ScopedConfigHome configHome(folder.Path());
    const Outcome o =
        Invoke({"--settings", "registry", "-b", "x", "-e", "1", "-k", "list"}, folder);
    EXPECT_EQ(o.status, kWritten) << o.err;
    EXPECT_EQ(o.out, "x/001.jpg\r\n");
    EXPECT_TRUE(Snapshot(folder.Path()).empty());
}

}  // namespace
}  // namespace zarnet::cli
