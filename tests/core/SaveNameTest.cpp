#include "core/SaveName.h"

#include <gtest/gtest.h>

namespace zarnet {
namespace {

TEST(SaveNameTest, ProposedNameFitsTheKind) {
    struct Case {
        const char* name;
        MakeType kind;
        const char* proposed;
    };
    const Case cases[] = {
        {"", MakeType::Html, "Download.html"},
        {"", MakeType::ImageSrc, "Download.html"},
        {"", MakeType::ListText, "Download.txt"},
        {"/out/list.txt", MakeType::Html, "/out/list.html"},
        {"/out/page.htm", MakeType::Html, "/out/page.htm"},
        {"/out/page.HTML", MakeType::ImageSrc, "/out/page.HTML"},
        {"REPORT.HTM", MakeType::Html, "REPORT.HTM"},
        {"/out/page.html", MakeType::ListText, "/out/page.txt"},
        {"/out/a.TXT", MakeType::ListText, "/out/a.TXT"},
        {"/my.dir/result", MakeType::Html, "/my.dir/result.html"},
        {"result.", MakeType::Html, "result.html"},
        {"result", MakeType::ListText, "result.txt"},
        {"a.txt.htm", MakeType::ListText, "a.txt.txt"},
        // Only ASCII letters fold: a full-width extension is no ".txt".
        {"a.ＴＸＴ", MakeType::ListText, "a.txt"},
        {"表.html", MakeType::Html, "表.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProposeSaveName(c.name, c.kind).FileName, c.proposed) << c.name;
    }
}

TEST(SaveNameTest, FilterFollowsTheKind) {
    EXPECT_EQ(ProposeSaveName("", MakeType::Html).Filter, "HTMLファイル|*.htm;*.html");
    EXPECT_EQ(ProposeSaveName("", MakeType::ImageSrc).Filter, "HTMLファイル|*.htm;*.html");
    EXPECT_EQ(ProposeSaveName("", MakeType::ListText).Filter, "テキストファイル|*.txt");
}

}  // namespace
}  // namespace zarnet
