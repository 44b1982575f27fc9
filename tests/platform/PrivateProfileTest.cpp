#include "platform/PrivateProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ZarnetError.h"
#include "support/TempDir.h"
#include "support/Wine.h"

namespace zarnet {
namespace {

using testing::TempDir;

class PrivateProfileTest : public ::testing::Test {
  protected:
    TempDir dir_;
};

TEST_F(PrivateProfileTest, ReadsDecodeAndFallBackOnlyWhenMissing) {
    // 設定 / 名前 / ソ表 in code page 932.
    dir_.Write("a.ini",
               "[\x90\xdd\x92\xe8]\r\n\x96\xbc\x91\x4f=\x83\x5c\x95\x5c\r\nempty=\r\n"
               "\x81\x40=  spaced  \r\n");
    PrivateProfile ini(dir_.File("a.ini"));
    EXPECT_EQ(ini.ReadString("設定", "名前", "x"), "ソ表");
    EXPECT_EQ(ini.ReadString("設定", "empty", "x"), "");
    EXPECT_EQ(ini.ReadString("設定", "\u3000", "x"), "spaced");
    EXPECT_EQ(ini.ReadString("設定", "missing", "fallback "), "fallback ");
    EXPECT_EQ(ini.ReadString("other", "名前", "x"), "x");
    EXPECT_EQ(PrivateProfile(dir_.File("none.ini")).ReadString("s", "k", "x"), "x");
    // A folder where the file should be reads as a missing file.
    EXPECT_EQ(PrivateProfile(dir_.Path()).ReadString("s", "k", "x"), "x");
}

// Wine ends the whole file at a NUL byte; Windows ends only the value.
TEST_F(PrivateProfileTest, NulEndsAValue_NotUnderWine) {
    if (testing::RunningUnderWine()) {
        GTEST_SKIP() << "Wine takes a NUL byte for the end of the file";
    }
    dir_.Write("nul.ini", std::string("[s]\r\nk=a\0b\r\n", 13));
    EXPECT_EQ(PrivateProfile(dir_.File("nul.ini")).ReadString("s", "k", "x"), "a");
}

TEST_F(PrivateProfileTest, LongValuesComeBackCutToTheBuffer) {
    const std::string ascii(3000, 'x');
    std::string wide;
    for (int i = 0; i < 1500; ++i) {
        wide += "\x83\x41";  // ア
    }
    dir_.Write("a.ini", "[s]\r\nascii=" + ascii + "\r\nquoted=\"" + ascii + "\"\r\nwide=" + wide);
    PrivateProfile ini(dir_.File("a.ini"));
    EXPECT_EQ(ini.ReadString("s", "ascii", ""), std::string(2047, 'x'));
    EXPECT_EQ(ini.ReadString("s", "quoted", ""), std::string(2047, 'x'));
    std::string expected;
    for (int i = 0; i < 1023; ++i) {
        expected += "ア";
    }
    EXPECT_EQ(ini.ReadString("s", "wide", ""), expected);
}

TEST_F(PrivateProfileTest, WritesEncodeAndCreateTheFile) {
    PrivateProfile ini(dir_.File("new.ini"));
    ini.WriteString("App", "key", "value");
    EXPECT_EQ(dir_.Read("new.ini"), "[App]\r\nkey=value\r\n");
    ini.WriteString("設定", "名前", "ソ表\u00e9");
    EXPECT_EQ(dir_.Read("new.ini"),
              "[App]\r\nkey=value\r\n[\x90\xdd\x92\xe8]\r\n\x96\xbc\x91\x4f=\x83\x5c\x95\x5c?\r\n");
    EXPECT_EQ(PrivateProfile(dir_.File("new.ini")).ReadString("設定", "名前", ""), "ソ表?");
}

// A full save in a batch must leave the same bytes as key-by-key writes.
TEST_F(PrivateProfileTest, BatchWritesTheSameBytesOnce) {
    const std::string start = "; settings\r\n[Last]\r\nDir=old\r\n\r\n[User]\nHeader=h\n";
    const std::vector<std::vector<std::string>> writes = {
        {"URL0", "Dir", "http://a/%%"}, {"Last", "dir", "new"},   {"Last", "ImageWidth", "40"},
        {"User", "Footer", "f"},        {"URL0", "ContStr", "1"}, {"ViewFont", "Name", "ＭＳ"},
        {"Last", "ImageWidth", "41"},
    };
    dir_.Write("plain.ini", start);
    dir_.Write("batch.ini", start);
    PrivateProfile plain(dir_.File("plain.ini"));
    PrivateProfile batch(dir_.File("batch.ini"));
    batch.BeginBatch();
    for (const auto& w : writes) {
        plain.WriteString(w[0], w[1], w[2]);
        batch.WriteString(w[0], w[1], w[2]);
    }
    EXPECT_EQ(dir_.Read("batch.ini"), start);
    EXPECT_EQ(batch.ReadString("last", "DIR", ""), "new");
    batch.Commit();
    const std::string expected =
        "; settings\r\n[Last]\r\nDir=new\r\nImageWidth=41\r\n\r\n[User]\nHeader=h\n"
        "Footer=f\r\n[URL0]\r\nDir=http://a/%%\r\nContStr=1\r\n"
        "[ViewFont]\r\nName=\x82\x6c\x82\x72\r\n";
    EXPECT_EQ(dir_.Read("batch.ini"), expected);
    // Wine's own writes rewrite every line of the file; Windows' keep them.
    if (!testing::RunningUnderWine()) {
        EXPECT_EQ(dir_.Read("plain.ini"), expected);
    }
}

TEST_F(PrivateProfileTest, UncommittedBatchWritesNothing) {
    dir_.Write("a.ini", "[s]\r\nk=1\r\n");
    {
        PrivateProfile ini(dir_.File("a.ini"));
        ini.BeginBatch();
        ini.WriteString("s", "k", "2");
    }
    EXPECT_EQ(dir_.Read("a.ini"), "[s]\r\nk=1\r\n");
}

// Outside a batch each call sees the file as it is now, like the platform's
// functions, so a write never undoes what another writer did meanwhile.
TEST_F(PrivateProfileTest, SeesChangesMadeByOthers) {
    dir_.Write("a.ini", "[s]\r\nk=1\r\n");
    PrivateProfile ini(dir_.File("a.ini"));
    EXPECT_EQ(ini.ReadString("s", "k", ""), "1");
    dir_.Write("a.ini", "[s]\r\nk=22\r\nj=3\r\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "22");
    PrivateProfile(dir_.File("a.ini")).WriteString("s", "m", "4");
    ini.WriteString("s", "k", "5");
    EXPECT_EQ(dir_.Read("a.ini"), "[s]\r\nk=5\r\nj=3\r\nm=4\r\n");
    std::filesystem::remove(dir_.File("a.ini"));
    EXPECT_EQ(ini.ReadString("s", "k", "gone"), "gone");
}

TEST_F(PrivateProfileTest, FailedWriteRaisesAndChangesNothing) {
    std::filesystem::create_directory(dir_.File("folder.ini"));
    dir_.Write("folder.ini/inside", "kept");
    dir_.Write("plain", "kept");
    const std::string paths[] = {dir_.File("folder.ini"), dir_.File("plain/a.ini")};
    for (const std::string& path : paths) {
        for (bool inBatch : {false, true}) {
            PrivateProfile ini(path);
            try {
                if (inBatch) {
                    ini.BeginBatch();
                    ini.WriteString("s", "k", "v");
                    ini.Commit();
                } else {
                    ini.WriteString("s", "k", "v");
                }
                ADD_FAILURE() << path << " was written";
            } catch (const ZarnetError& error) {
                EXPECT_EQ(error.what(), path + " に書き込めません");
                EXPECT_NE(error.Detail(), "") << path;  // the system's reason
            }
            // The failed edit is not served from memory afterwards.
            EXPECT_EQ(ini.ReadString("s", "k", "none"), "none") << path;
        }
    }
    EXPECT_EQ(dir_.Read("folder.ini/inside"), "kept");
    EXPECT_EQ(dir_.Read("plain"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 2);
}

}  // namespace
}  // namespace zarnet
