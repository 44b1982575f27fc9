#include "core/OutputDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zarnet {
namespace {

using Strings = std::vector<std::string>;

// A frame that marks where header and footer go.
struct MarkerFrame : DocumentFrame {
    void InsertHeader(LineSink& lines, const std::string& title) const override {
        lines.AddLine("HEAD " + title);
    }
    void AppendFooter(LineSink& lines) const override { lines.AddLine("FOOT"); }
};

PatternRequest Request(MakeType kind, std::string dir, std::string values, std::string start,
                       std::string end) {
    PatternRequest request;
    request.Kind = kind;
    request.Texts.Dir = std::move(dir);
    request.Texts.ContStr = std::move(values);
    request.Texts.StCount = std::move(start);
    request.Texts.EdCount = std::move(end);
    request.Output.Separator = false;
    return request;
}

Strings Document(const PatternRequest& request) {
    LineListSink out;
    WriteDocument(PrepareRun(request), MarkerFrame{}, out);
    return out.Lines;
}

std::string LineOf(const AddressEntry& entry, const PatternRequest& request) {
    std::string line;
    ComposeLine(line, entry, request);
    return line;
}

std::size_t Count(const Strings& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(OutputDocumentTest, LineFormsOfTheThreeKinds) {
    AddressEntry entry{"--", 1, "img01.jpg", "photos/img01.jpg"};
    struct Case {
        MakeType kind;
        bool clickView;
        bool border;
        const char* line;
    };
    const Case cases[] = {
        {MakeType::ListText, true, true, "photos/img01.jpg"},
        {MakeType::Html, true, false,
         "<A HREF=\"photos/img01.jpg\" TARGET=\"Zarnet\">img01.jpg</A>"},
        {MakeType::Html, false, true, "<A HREF=\"photos/img01.jpg\">img01.jpg</A>"},
        {MakeType::ImageSrc, true, true,
         "<A HREF=\"photos/img01.jpg\" TARGET=\"ZarNET\"><IMG SRC=\"photos/img01.jpg\"Border=\"1\" "
         "WIDTH=\"60\" HEIGHT=\"80\"ALT=\"img01.jpg\"></A>"},
        {MakeType::ImageSrc, false, false,
         "<IMG SRC=\"photos/img01.jpg\" WIDTH=\"60\" HEIGHT=\"80\"ALT=\"img01.jpg\">"},
        {MakeType::ImageSrc, false, true,
         "<IMG SRC=\"photos/img01.jpg\"Border=\"1\" WIDTH=\"60\" HEIGHT=\"80\"ALT=\"img01.jpg\">"},
    };
    for (const Case& c : cases) {
        PatternRequest request;
        request.Kind = c.kind;
        request.Output.ClickView = c.clickView;
        request.Output.Border = c.border;
        request.Output.ImageWidth = 60;
        request.Output.ImageHeight = 80;
        EXPECT_EQ(LineOf(entry, request), c.line);
    }
}

TEST(OutputDocumentTest, QuotesAreDoubledInAttributesOnly) {
    AddressEntry entry{"--", 0, "a\"b", "d/a\"b"};
    PatternRequest request;
    request.Kind = MakeType::Html;
    request.Output.ClickView = false;
    EXPECT_EQ(LineOf(entry, request), "<A HREF=\"d/a\"\"b\">a\"b</A>");
    request.Kind = MakeType::ImageSrc;
    request.Output.Border = false;
    request.Output.ImageWidth = 0;
    request.Output.ImageHeight = -3;
    EXPECT_EQ(LineOf(entry, request),
              "<IMG SRC=\"d/a\"\"b\" WIDTH=\"0\" HEIGHT=\"-3\"ALT=\"a\"\"b\">");
}

TEST(OutputDocumentTest, ListKindHasOnlyItsLines) {
    PatternRequest request = Request(MakeType::ListText, "photos", "", "01", "02");
    request.Texts.FrontStr = "img";
    request.Texts.ExtStr = ".jpg";
    request.Output.Separator = true;
    EXPECT_EQ(Document(request), (Strings{"photos/img01.jpg", "photos/img02.jpg"}));
}

TEST(OutputDocumentTest, BreaksFollowMultiplesOfTenInTheHtmlKindOnly) {
    struct Case {
        MakeType kind;
        const char* start;
        const char* end;
        std::size_t breaks;
    };
    const Case cases[] = {
        {MakeType::Html, "1", "25", 2},     {MakeType::Html, "0", "10", 2},
        {MakeType::Html, "-20", "-1", 2},   {MakeType::ImageSrc, "1", "25", 0},
        {MakeType::ListText, "1", "25", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Count(Document(Request(c.kind, "d", "", c.start, c.end)), "<BR>"), c.breaks)
            << static_cast<int>(c.kind) << " " << c.start << ".." << c.end;
    }
    Strings html = Document(Request(MakeType::Html, "d", "", "1", "25"));
    auto at = std::find(html.begin(), html.end(), "<BR>");
    ASSERT_NE(at, html.end());
    EXPECT_EQ(*(at - 1), "<A HREF=\"d/10\">10</A>");
}

TEST(OutputDocumentTest, UnnumberedHtmlBreaksAfterEveryLink) {
    PatternRequest request = Request(MakeType::Html, "d/%%", "a,b", "", "");
    request.Output.ClickView = false;
    EXPECT_EQ(Document(request), (Strings{"HEAD d/%%/", "<A HREF=\"d/a/\"></A>", "<BR>",
                                          "<A HREF=\"d/b/\"></A>", "<BR>", "FOOT"}));
}

TEST(OutputDocumentTest, SeparatorStandsBeforeEveryGroupOfTheHtmlKinds) {
    for (MakeType kind : {MakeType::Html, MakeType::ImageSrc, MakeType::ListText}) {
        PatternRequest request = Request(kind, "d/%%", "a,b,c", "1", "2");
        request.Output.Separator = true;
        Strings lines = Document(request);
        const std::size_t expected = kind == MakeType::ListText ? 0 : 3;
        EXPECT_EQ(Count(lines, "<HR>"), expected) << static_cast<int>(kind);
        if (kind != MakeType::ListText) {
            EXPECT_EQ(lines[1], "<HR>");
        }
    }
}

TEST(OutputDocumentTest, EmptyValueListGivesFrameAlone) {
    EXPECT_EQ(Document(Request(MakeType::Html, "d/%%", ",", "1", "3")),
              (Strings{"HEAD d/%%/", "FOOT"}));
    EXPECT_EQ(Document(Request(MakeType::ListText, "d/%%", ",", "1", "3")), Strings{});
}

}  // namespace
}  // namespace zarnet
