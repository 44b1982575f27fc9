// zarnet-cli on odd targets: inputs that never end, folders where files
// should be.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliInvoke.h"
#include "cli/CliRun.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

namespace zarnet::cli {
namespace {

using testing::Invoke;
using testing::Outcome;
using zarnet::testing::TempDir;

// Every read failure names the true reason, and nothing is read without
// end.
TEST(CliOddFilesTest, InputThatCannotBeReadNamesTheReason) {
    TempDir folder;
    folder.Write("huge.txt", "");
    // Past the limit without taking the disk space.
    std::filesystem::resize_file(folder.File("huge.txt"), kMaxReadBytes + 1);
    struct Case {
        const char* option;
        std::string file;
        const char* reason;
    };
    const Case cases[] = {
        {"--header", folder.Path(), "Is a directory"},
        {"--header", "/dev/zero", "too large"},
        {"--footer", folder.File("huge.txt"), "too large"},
        {"--settings", "/dev/zero", "too large"},
        {"--settings", folder.File("huge.txt"), "too large"},
    };
    for (const Case& c : cases) {
        const Outcome o = Invoke({"-b", "p", "-k", "html", c.option, c.file}, folder);
        EXPECT_EQ(o.status, kUsageOrFileError) << c.file;
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "zarnet-cli: ファイル " + c.file + " は開けません (" + c.reason + ")\n");
    }
}

}  // namespace
}  // namespace zarnet::cli
