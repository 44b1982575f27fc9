#include "templates/HtmlTemplates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Cp932.h"
#include "platform/ZarnetError.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

using Strings = std::vector<std::string>;
using testing::TempDir;

Strings Framed(const HtmlTemplates& templates, const std::string& title) {
    LineListSink out;
    templates.InsertHeader(out, title);
    templates.AppendFooter(out);
    return out.Lines;
}

TEST(HtmlTemplatesTest, MissingFilesGiveTheBuiltInTemplates) {
    TempDir dir;
    HtmlTemplates templates(dir.Path());
    templates.LoadHeader(dir.File("Header.txt"));
    templates.LoadFooter(dir.File("Footer.txt"));
    EXPECT_EQ(Framed(templates, "photos/2001/"),
              (Strings{
                  "<HTML>",
                  "<HEAD>",
                  "<TITLE>DownLoad files</TITLE>",
                  "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=x-sjis\">",
                  "</HEAD>",
                  "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#FF00FF\" "
                  "ALINK=\"#FF0000\">",
                  "<FONT SIZE=4 COLOR=000000>photos/2001/</FONT></CENTER>",
                  "<BR>",
                  "<FONT SIZE=2>",
                  "<CENTER>",
                  "</CENTER>",
                  "</BODY>",
                  "</HTML>",
              }));
}

// The length of the longest line is counted as well, and must be what the
// header really holds.
TEST(HtmlTemplatesTest, TitleMarkerIsReplacedInHeaderLinesOnly) {
    struct Case {
        const char* line;
        const char* title;
        const char* result;
    };
    const Case cases[] = {
        {"%%TITLE%%", "t", "t"},
        {"a%%TITLE%%b%%title%%c", "T", "aTbTc"},
        {"<%%Title%%>", "x&<\"y", "<x&<\"y>"},
        {"%%%TITLE%%%", "t", "%t%"},
        {"%%TITLE%", "t", "%%TITLE%"},
        {"%%TITLE%%", "p/%%TITLE%%/", "p/%%TITLE%%/"},
        {"%%TITLE%%", "p/%%/", "p/%%/"},
        {"見出し%%TITLE%%", "写真/", "見出し写真/"},
        {"ｱ%%TITLE%%", "ｲ", "ｱｲ"},  // one byte in code page 932, three as text
    };
    for (const Case& c : cases) {
        HtmlTemplates templates("/nowhere/");
        templates.HeaderLines = {cp932::Encode(c.line)};
        templates.FooterLines = {"%%TITLE%%"};
        EXPECT_EQ(Framed(templates, c.title), (Strings{c.result, "%%TITLE%%"})) << c.line;
        EXPECT_EQ(templates.LongestHeaderLine(c.title), std::string_view(c.result).size())
            << c.line;
    }
    HtmlTemplates empty("/nowhere/");
    EXPECT_EQ(Framed(empty, "t"), Strings{});
    EXPECT_EQ(empty.LongestHeaderLine("t"), 0u);
    HtmlTemplates lines("/nowhere/");
    lines.HeaderLines = {"%%TITLE%%%%TITLE%%", "a long line, no title"};
    EXPECT_EQ(lines.LongestHeaderLine("t"), 21u);
    EXPECT_EQ(lines.LongestHeaderLine(std::string(20, 't')), 40u);
}

TEST(HtmlTemplatesTest, FilesAreReadByTheLineRules) {
    struct Case {
        const char* bytes;
        std::size_t size;
        Strings lines;
    };
    const Case cases[] = {
        {"a\nb\n", 4, {"a", "b"}},
        {"a\r\nb", 4, {"a", "b"}},
        {"a\rb\r\n\r\nc", 8, {"a", "b", "", "c"}},
        {"a\nb\0c\nd", 7, {"a", "b"}},
        {"", 0, {}},
        {"\x83\x5c\x95\x5c", 4, {"\x83\x5c\x95\x5c"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("Header.txt", std::string(c.bytes, c.size));
        HtmlTemplates templates(dir.Path());
        templates.LoadHeader(dir.File("Header.txt"));
        EXPECT_EQ(templates.HeaderLines, c.lines);
    }
}

TEST(HtmlTemplatesTest, SaveWritesCodePage932WithCrLfBesideTheProgram) {
    TempDir dir;
    dir.Write("Header.txt", "one\ntwo");
    HtmlTemplates templates(dir.Path());
    templates.LoadHeader(dir.File("Header.txt"));
    templates.HeaderLines.push_back(cp932::Encode("ソ"));
    templates.SaveHeader();
    EXPECT_EQ(dir.Read("Header.txt"), "one\r\ntwo\r\n\x83\x5c\r\n");
    templates.FooterLines.clear();
    templates.SaveFooter();
    EXPECT_EQ(dir.Read("Footer.txt"), "");
}

TEST(HtmlTemplatesTest, FailuresKeepTheTemplateAndNameTheFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("Header.txt"));
    HtmlTemplates templates(dir.Path());
    templates.HeaderLines = {"kept"};
    // A folder of that name is no file: the default comes in.
    templates.LoadHeader(dir.File("Header.txt"));
    EXPECT_EQ(templates.HeaderLines, HtmlTemplates::DefaultHeader());

    templates.HeaderLines = {"edited"};
    try {
        templates.SaveHeader();
        ADD_FAILURE() << "saving over a folder succeeded";
    } catch (const ZarnetError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "ファイル " + dir.File("Header.txt") + " を作成できません");
    }
    EXPECT_EQ(templates.HeaderLines, Strings{"edited"});
}

}  // namespace
}  // namespace zarnet
