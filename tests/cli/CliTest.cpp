#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliInvoke.h"
#include "cli/CliMessages.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"
#include "support/UserRegistry.h"

namespace zarnet::cli {
namespace {

using testing::Args;
using testing::Invoke;
using testing::Outcome;
using zarnet::testing::TempDir;

TEST(CliTest, WritesTheDocumentAsTheSaveCommandDoes) {
    TempDir folder;
    struct Case {
        Args args;
        std::string out;
    };
    const Case cases[] = {
        {{"-b", "photos/%%", "-l", "cats,dogs", "-f", "p", "-s", "01", "-e", "03", "-r", "_s", "-x",
          "jpg", "-k", "list"},
         "photos/cats/p01_s.jpg\r\nphotos/cats/p02_s.jpg\r\nphotos/cats/p03_s.jpg\r\n"
         "photos/dogs/p01_s.jpg\r\nphotos/dogs/p02_s.jpg\r\nphotos/dogs/p03_s.jpg\r\n"},
        {{"--base=photos", "--front=img", "--start=01", "--end=02", "--ext=.jpg", "--kind=0"},
         "photos/img01.jpg\r\nphotos/img02.jpg\r\n"},
        {{"-b", "写真/%%", "-l", "猫", "-k", "list"}, "\x8e\xca\x90\x5e/\x94\x4c/\r\n"},
        {{"-b", "写真", "-k", "list", "--utf8"}, "写真/\r\n"},
        {{"-b", "café😀", "-k", "list", "--utf8"}, "café😀/\r\n"},
    };
    for (const Case& c : cases) {
        Outcome o = Invoke(c.args, folder);
        EXPECT_EQ(o.status, kWritten) << o.err;
        EXPECT_EQ(o.out, c.out) << c.args.front();
    }
}

TEST(CliTest, HtmlKindsAreFramedByTheTemplatesBesideTheProgramOrTheBuiltInOnes) {
    TempDir folder;
    Outcome builtIn = Invoke(
        {"-b", "photos/2001", "-k", "html", "-s", "9", "-e", "10", "--no-click-view"}, folder);
    EXPECT_EQ(builtIn.status, kWritten);
    EXPECT_NE(builtIn.out.find("<FONT SIZE=4 COLOR=000000>photos/2001/</FONT></CENTER>\r\n"),
              std::string::npos);
    EXPECT_NE(builtIn.out.find("<CENTER>\r\n<HR>\r\n<A HREF=\"photos/2001/9\">9</A>\r\n"
                               "<A HREF=\"photos/2001/10\">10</A>\r\n<BR>\r\n</CENTER>\r\n"
                               "</BODY>\r\n</HTML>\r\n"),
              std::string::npos);

    // A duplicate code and a byte outside the code page go out as they are;
    // UTF-8 output takes the templates' reading.
    folder.Write("Header.txt", "H\xED\x40 %%title%%\x81\n");
    folder.Write("Footer.txt", "F\n");
    folder.Write("Other.txt", "O\n");
    // Without options the pattern texts are empty: one unnumbered address.
    Outcome beside = Invoke({"-b", "p", "--click-view", "--no-separator"}, folder);
    EXPECT_EQ(beside.out,
              "H\xED\x40 p/\x81\r\n<A HREF=\"p/\" TARGET=\"ZarNET\"><IMG SRC=\"p/\"Border=\"1\" "
              "WIDTH=\"40\" HEIGHT=\"60\"ALT=\"\"></A>\r\nF\r\n");
    EXPECT_TRUE(Invoke({"-b", "p", "--utf8"}, folder).out.starts_with("H纊 p/?\r\n"));
    Outcome chosen = Invoke({"-b", "p", "-k", "1", "--footer", folder.File("Other.txt")}, folder);
    EXPECT_NE(chosen.out.find("\r\nO\r\n"), std::string::npos);
}

TEST(CliTest, FailuresGiveTheirStatusAndWriteNothing) {
    TempDir folder;
    folder.Write("out.txt", "old");
    struct Case {
        Args args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"-b", "p", "-s", "10", "-e", "9", "-o", folder.File("out.txt")},
         kCheckFailed,
         "zarnet-cli: 開始番号と終了番号が逆転しています\n"},
        {{"-b", "p/%%", "-o", folder.File("out.txt")},
         kCheckFailed,
         "zarnet-cli: 連続生成モードです。連続生成文字を入力してください\n"},
        {{}, kCheckFailed, "zarnet-cli: アドレスを入力してください\n"},
        // Not written as "?": refused, naming the character and the option.
        {{"-b", "café", "-o", folder.File("out.txt")},
         kCheckFailed,
         "zarnet-cli: コードページ932にない文字「é」U+00E9 は使えません (-b)\n"},
        {{"-b", "p", "--front=x\xff", "--utf8"},
         kCheckFailed,
         "zarnet-cli: UTF-8 として読めない文字があります (--front)\n"},
        {{"--bogus"}, kUsageOrFileError, "zarnet-cli: unknown option '--bogus'\n"},
        {{"-b"}, kUsageOrFileError, "zarnet-cli: -b needs a value\n"},
        {{"stray"}, kUsageOrFileError, "zarnet-cli: unexpected argument 'stray'\n"},
        {{"-k", "pdf"},
         kUsageOrFileError,
         "zarnet-cli: unknown kind 'pdf' (list, html or image)\n"},
        {{"--width", "wide"},
         kUsageOrFileError,
         "zarnet-cli: --width needs a whole number, not 'wide'\n"},
        {{"--utf8=yes"}, kUsageOrFileError, "zarnet-cli: --utf8 takes no value\n"},
        {{"-b", "p", "-k", "html", "--header", folder.File("missing.txt")},
         kUsageOrFileError,
         // A reason follows, in the system's words.
         "zarnet-cli: ファイル " + folder.File("missing.txt") + " は開けません ("},
        {{"-b", "p", "-o", folder.Path()},
         kUsageOrFileError,
         "zarnet-cli: ファイル " + folder.Path() + " を作成できません ("},
    };
    for (const Case& c : cases) {
        Outcome o = Invoke(c.args, folder);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_EQ(o.out, "");
        EXPECT_TRUE(o.err.starts_with(c.err)) << o.err;
    }
    EXPECT_EQ(folder.Read("out.txt"), "old");
}

TEST(CliTest, OutputFileIsReplacedWhole) {
    TempDir folder;
    folder.Write("out.txt", "old contents that are longer than the new ones");
    Outcome o = Invoke({"-b", "a", "-k", "list", "-o", folder.File("out.txt")}, folder);
    EXPECT_EQ(o.status, kWritten);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(folder.Read("out.txt"), "a/\r\n");
}

// Lines are written from pieces put in code page 932 apart: they must come
// out as the whole line encoded, to standard output and to a file alike.
TEST(CliTest, CodePageOutputIsTheUtf8OutputEncoded) {
    TempDir folder;
    const Args cases[] = {
        {"-b", "表/%%", "-l", "ソ,能", "-f", "予表", "-s", "8", "-e", "12", "-r", "ソ表", "-x",
         "表"},
        {"-b", "ｱ%%", "-l", "\"a\"\"b\"", "-f", "\"", "-s", "-11", "-e", "1", "-r", "～－"},
        {"-b", "写真", "-f", "%%", "-r", "表"},
    };
    for (const Args& pattern : cases) {
        for (const char* kind : {"list", "html", "image"}) {
            Args args = pattern;
            args.insert(args.end(), {"-k", kind, "--click-view"});
            const Outcome codePage = Invoke(args, folder);
            args.push_back("--utf8");
            const Outcome utf8 = Invoke(args, folder);
            ASSERT_EQ(codePage.status, kWritten) << codePage.err;
            EXPECT_EQ(codePage.out, cp932::Encode(utf8.out)) << pattern[1] << " " << kind;
            args.pop_back();
            args.insert(args.end(), {"-o", folder.File("out.txt")});
            ASSERT_EQ(Invoke(args, folder).status, kWritten);
            EXPECT_EQ(folder.Read("out.txt"), codePage.out) << pattern[1] << " " << kind;
        }
    }
}

TEST(CliTest, OutputThatCannotBeWrittenIsAFileError) {
    TempDir folder;
    std::ostream broken(nullptr);
    std::ostringstream err;
    zarnet::testing::ScopedEnvironment locale("LC_ALL", "C");
    EXPECT_EQ(RunCli({"-b", "p", "-k", "list"}, broken, err,
                     AppPaths::ForExecutable(folder.File("zarnet-cli"))),
              kUsageOrFileError);
    EXPECT_EQ(err.str(), "zarnet-cli: ストリームへの書き込みエラー (write error)\n");
}

TEST(CliTest, EnglishMeaningFollowsOutsideAJapaneseLocale) {
    struct Locale {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        bool english;
    };
    const Locale locales[] = {
        {nullptr, nullptr, nullptr, true},
        {"", "", "", true},
        {nullptr, nullptr, "ja_JP.UTF-8", false},
        {nullptr, "en_US.UTF-8", "ja_JP", true},
        {"ja_JP.eucJP", "en_US.UTF-8", "C", false},
        {"C", nullptr, "ja_JP.UTF-8", true},
        {"", "ja", "en_GB", false},
    };
    for (const Locale& l : locales) {
        EXPECT_EQ(WantsEnglish(l.lcAll, l.lcMessages, l.lang), l.english)
            << (l.lcAll ? l.lcAll : "-") << " " << (l.lcMessages ? l.lcMessages : "-") << " "
            << (l.lang ? l.lang : "-");
    }

    TempDir folder;
    zarnet::testing::ScopedEnvironment locale("LC_ALL", "en_US.UTF-8");
    std::ostringstream out;
    std::ostringstream err;
    const AppPaths paths = AppPaths::ForExecutable(folder.File("zarnet-cli"));
    EXPECT_EQ(RunCli({"-b", "p", "-s", "1", "-e", "2000"}, out, err, paths), kCheckFailed);
    EXPECT_EQ(err.str(),
              "zarnet-cli: 終了－開始番号が大きすぎます (a number range holds at most "
              "1,000 numbers)\n");
    err.str("");
    EXPECT_EQ(RunCli({"--settings", folder.File("none.ini")}, out, err, paths), kUsageOrFileError);
    EXPECT_TRUE(err.str().starts_with("zarnet-cli: ファイル " + folder.File("none.ini") +
                                      " は開けません (cannot open the file " +
                                      folder.File("none.ini") + ": "))
        << err.str();
}

TEST(CliTest, SettingsStartFromTheStoredPatternAndTheCommandLineOverrides) {
    TempDir folder;
    zarnet::testing::ScopedConfigHome configHome(folder.Path());
    zarnet::testing::ClearUserRegistry();
    folder.Write("saved.ini",
                 "[Last]\r\nDir=photos/%%\r\nContStr=cats\r\nFrontStr=p\r\nStCount=01\r\n"
                 "EdCount=02\r\nExtStr=.jpg\r\nMakeType=0\r\n");
    struct Case {
        Args args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"--settings", folder.File("saved.ini")},
         kWritten,
         "photos/cats/p01.jpg\r\nphotos/cats/p02.jpg\r\n"},
        {{"--settings", folder.File("saved.ini"), "-l", "dogs", "-e", "1"},
         kWritten,
         "photos/dogs/p01.jpg\r\n"},
        {{"--settings", "registry", "-b", "x", "-k", "list"},
         kWritten,
         "x/001.jpg\r\nx/002.jpg\r\nx/003.jpg\r\nx/004.jpg\r\nx/005.jpg\r\n"
         "x/006.jpg\r\nx/007.jpg\r\nx/008.jpg\r\nx/009.jpg\r\nx/010.jpg\r\n"},
    };
    for (const Case& c : cases) {
        Outcome o = Invoke(c.args, folder);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_EQ(o.out, c.out) << c.args[1];
    }

    zarnet::testing::StoreRegistryValues("Last",
                                         "\"Dir\"=\"stored\"\r\n\"ImageWidth\"=dword:00000028\r\n");
    Outcome broken = Invoke({"--settings", "registry"}, folder);
    EXPECT_EQ(broken.status, kUsageOrFileError);
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.err, "zarnet-cli: 'ImageWidth' のデータ型が不正です\n");
}

TEST(CliTest, FromAddressFillsThePatternAndThePatternOptionsWinWhereverTheyStand) {
    TempDir folder;
    zarnet::testing::ScopedConfigHome configHome(folder.Path());
    folder.Write("saved.ini", "[Last]\r\nDir=old\r\nContStr=a,b\r\nRearStr=_old\r\n");
    const std::string address = "http://h/pics/img017_s.jpg";
    struct Case {
        Args args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"--from-address", address, "-k", "list"}, kWritten, address + "\r\n", ""},
        {{"--from-address", address, "-e", "019", "-k", "list"},
         kWritten,
         "http://h/pics/img017_s.jpg\r\nhttp://h/pics/img018_s.jpg\r\n"
         "http://h/pics/img019_s.jpg\r\n",
         ""},
        {{"-e", "18", "-r", "", "--from-address=" + address, "-x", "png", "-k", "list"},
         kWritten,
         "http://h/pics/img017.png\r\nhttp://h/pics/img018.png\r\n",
         ""},
        // A number of the folder: the values; -l widens them.
        {{"-k", "list", "-l", "3-4", "--from-address", "http://h/vol2/cover.jpg"},
         kWritten,
         "http://h/vol3/cover.jpg\r\nhttp://h/vol4/cover.jpg\r\n",
         ""},
        // The stored values stay where the number is in the file name;
        // everything else is the address's.
        {{"--settings", folder.File("saved.ini"), "-b", "http://h/%%/", "--from-address",
          "http://h/p/x1.jpg", "-k", "list"},
         kWritten,
         "http://h/a/x1.jpg\r\nhttp://h/b/x1.jpg\r\n",
         ""},
        // A "%%" of the address's own would be taken for the marker.
        {{"--from-address", "http://h/%%/x1.jpg"},
         kUsageOrFileError,
         "",
         "zarnet-cli: アドレス http://h/%%/x1.jpg には連番にできる数字がありません\n"},
        {{"--from-address", " http://h/index.html "},
         kUsageOrFileError,
         "",
         "zarnet-cli: アドレス http://h/index.html には連番にできる数字がありません\n"},
        {{"--from-address", "http://h/café1.jpg"},
         kCheckFailed,
         "",
         "zarnet-cli: コードページ932にない文字「é」U+00E9 は使えません (--from-address)\n"},
    };
    for (const Case& c : cases) {
        Outcome o = Invoke(c.args, folder);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
    }
}

// A store that cannot be read is an error naming it.
TEST(CliTest, StoreThatCannotBeReadExitsTwo) {
    TempDir folder;
    zarnet::testing::ScopedConfigHome configHome(folder.Path());
    zarnet::testing::ClearUserRegistry();
    const Outcome missing = Invoke({"--settings", folder.File("none.ini"), "-b", "x"}, folder);
    EXPECT_EQ(missing.status, kUsageOrFileError);
    EXPECT_TRUE(missing.err.starts_with("zarnet-cli: ファイル " + folder.File("none.ini") +
                                        " は開けません ("))
        << missing.err;

    zarnet::testing::StoreRegistryValues("Last", "\"ImageWidth\"=dword:00000028\r\n");
    const Outcome bad = Invoke({"--settings", "registry", "-b", "x"}, folder);
    EXPECT_EQ(bad.status, kUsageOrFileError);
    EXPECT_EQ(bad.err, "zarnet-cli: 'ImageWidth' のデータ型が不正です\n");
    EXPECT_EQ(bad.out, "");
    zarnet::testing::ClearUserRegistry();
}

TEST(CliTest, HelpAndVersionGoToStandardOutput) {
    TempDir folder;
    Outcome help = Invoke({"--help"}, folder);
    EXPECT_EQ(help.status, kWritten);
    EXPECT_TRUE(help.out.starts_with("Usage: zarnet-cli"));
    // A newcomer's terminal: 80 columns.
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LT(line.size(), 80u) << line;
    }
    EXPECT_NE(help.out.find("at most 1,000 numbers"), std::string::npos);
    EXPECT_NE(help.out.find("Japanese texts"), std::string::npos);
    // What it says of quotes holds: they keep no blank inside a value.
    EXPECT_NE(help.out.find("-l '\"new york\",paris' gives the three values new, york and paris."),
              std::string::npos);
    EXPECT_EQ(Invoke({"-b", "%%", "-l", "\"new york\",paris", "-k", "list"}, folder).out,
              "new/\r\nyork/\r\nparis/\r\n");
    Outcome version = Invoke({"--version"}, folder);
    EXPECT_TRUE(version.out.starts_with("zarnet-cli "));
}

}  // namespace
}  // namespace zarnet::cli
