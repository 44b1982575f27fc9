#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Cp932.h"
#include "platform/FileTestHelpers.h"

namespace zarnet {
namespace {

namespace fs = std::filesystem;
using testing::ErrorOf;
using testing::FolderEntries;
using testing::Lines;
using testing::ManyLines;
using testing::TempDir;

TEST(TextFileTest, SplitLinesFollowsTheReadingRules) {
    const struct {
        const char* name;
        std::string text;
        Lines lines;
    } cases[] = {
        {"Empty", "", {}},
        {"NoLineEnd", "a", {"a"}},
        {"CrLf", "a\r\nb\r\n", {"a", "b"}},
        {"LoneCr", "a\rb\r", {"a", "b"}},
        {"LoneLf", "a\nb\n", {"a", "b"}},
        {"Mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
        {"EmptyLines", "\r\n\r\n", {"", ""}},
        {"OnlyFinalLineEndIsDropped", "a\r\n\r\n", {"a", ""}},
        {"NulInTheMiddle", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"NulFirst", std::string("\0a", 2), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.name;
    }
}

TEST(TextFileTest, LinesAreWrittenWithCrLfAndReadBack) {
    const TempDir dir;
    const Lines lines = {"ソ表ｱ", "", "a\u301C"};
    WriteTextLines(dir.File("sjis.txt"), lines);
    EXPECT_EQ(dir.Read("sjis.txt"), "\x83\x5C\x95\x5C\xB1\r\n\r\na\x81\x60\r\n");
    // The look-alike comes back as the code page's own character.
    EXPECT_EQ(SplitLines(cp932::Decode(ReadFileBytes(dir.File("sjis.txt")))),
              (Lines{"ソ表ｱ", "", "a\uFF5E"}));
    WriteTextLines(dir.File("utf8.txt"), lines, TextEncoding::Utf8);
    EXPECT_EQ(dir.Read("utf8.txt"), "ソ表ｱ\r\n\r\na\u301C\r\n");
    WriteTextLines(dir.File("empty.txt"), {});
    EXPECT_EQ(dir.Read("empty.txt"), "");
}

TEST(TextFileTest, WriterBuffersManyLinesIntoOneFile) {
    const TempDir dir;
    dir.Write("out.txt", "old");
    std::string expected;
    {
        TextFileWriter writer(dir.File("out.txt"));
        for (int i = 0; i < 50000; ++i) {
            const std::string number = std::to_string(i);
            writer.WriteLine("行" + number);
            expected += "\x8D\x73" + number + "\r\n";
        }
        EXPECT_EQ(dir.Read("out.txt"), "old");  // nothing in place before Commit
        writer.Commit();
    }
    EXPECT_EQ(dir.Read("out.txt"), expected);
    EXPECT_EQ(FolderEntries(dir), Lines{"out.txt"});
}

TEST(TextFileTest, WriterWithoutCommitLeavesOldFileAndNoTrace) {
    const TempDir dir;
    dir.Write("out.txt", "old");
    {
        TextFileWriter writer(dir.File("out.txt"));
        for (int i = 0; i < 20000; ++i) {
            writer.WriteLine("new line");
        }
    }
    EXPECT_EQ(dir.Read("out.txt"), "old");
    EXPECT_EQ(FolderEntries(dir), Lines{"out.txt"});
}

TEST(TextFileTest, ReadFailuresNameTheFile) {
    const TempDir dir;
    dir.Write("file", "x");
    for (const std::string& path :
         {dir.File("missing.txt"), dir.Path(), dir.File("file/under-a-file.txt")}) {
        EXPECT_EQ(ErrorOf([&] { ReadFileBytes(path); }), "ファイル " + path + " は開けません");
    }
}

TEST(TextFileTest, ReplacementThatCannotBeCreatedNamesTheFileAndLeavesNothing) {
    const TempDir dir;
    dir.Write("file", "old");
    fs::create_directory(dir.File("folder"));
    for (const std::string& path :
         {dir.File("folder"), dir.File("file/under-a-file.txt"), dir.File("missing/x.txt")}) {
        const std::string expected = "ファイル " + path + " を作成できません";
        EXPECT_EQ(ErrorOf([&] { ReplaceFile(path, "new"); }), expected);
        EXPECT_EQ(ErrorOf([&] { WriteTextLines(path, {"new"}); }), expected);
    }
    EXPECT_EQ(dir.Read("file"), "old");
    EXPECT_TRUE(fs::is_empty(dir.File("folder")));
    EXPECT_EQ(FolderEntries(dir), (Lines{"file", "folder"}));
}

}  // namespace
}  // namespace zarnet
