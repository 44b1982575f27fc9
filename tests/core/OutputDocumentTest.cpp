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
    std::uint64_t LongestHeaderLine(const std::string& title) const override {
        return 5 + title.size();
    }
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

// The document line by line as each entry's own line, with the rules and
// breaks where they go: what the lines composed once a group must equal.
struct PerEntryDocument : ExpansionSink {
    explicit PerEntryDocument(const PatternRequest& r) : request(r) {}
    void BeginGroup(const std::string&) override {
        if (request.Kind != MakeType::ListText && request.Output.Separator) {
            Lines.emplace_back("<HR>");
        }
    }
    void Entry(const AddressEntry& entry) override {
        Lines.push_back(LineOf(entry, request));
        if (request.Kind == MakeType::Html && entry.Number % 10 == 0) {
            Lines.emplace_back("<BR>");
        }
    }
    const PatternRequest& request;
    Strings Lines;
};

TEST(OutputDocumentTest, LinesOfAGroupAreEachEntrysOwnLine) {
    struct Case {
        PatternTexts texts;  // base, values, front, rear, start, end, extension
        const char* about;
    };
    const Case cases[] = {
        {{"d/%%", "a,b", "f", "r", "1", "12", "x"}, "9 to 10 at width 1, afresh per group"},
        {{"d", "", "", "", "-12", "3", ""}, "negative numbers raise the width to 3"},
        {{"d", "", "", "", "", "", ""}, "no numbers"},
        {{"d/%%", "a,,b", "<%%>", "%%", "", "", "e"}, "no numbers, an empty value"},
        {{"d/%%%", "5%", "%%%", "r%%%%", "98", "101", "%%"}, "markers that join up"},
        {{"d/\"q\"", "", "f\"", "\"r", "0", "2", ".\""}, "quotes beside the number"},
        {{"表/%%", "ソ,能", "予表", "ソ表", "009", "011", ".jpg"}, "double-byte text beside it"},
        {{"d/%%", "1-3", "", "", "2147483646", "2147483647", ""}, "the last numbers"},
    };
    for (const Case& c : cases) {
        for (MakeType kind : {MakeType::ListText, MakeType::Html, MakeType::ImageSrc}) {
            for (int switches = 0; switches < 8; ++switches) {
                PatternRequest request;
                request.Texts = c.texts;
                request.Kind = kind;
                request.Output.Separator = (switches & 1) != 0;
                request.Output.Border = (switches & 2) != 0;
                request.Output.ClickView = (switches & 4) != 0;
                request.Output.ImageWidth = -1;
                const PreparedRun run = PrepareRun(request);
                PerEntryDocument expected(run.Request);
                const bool framed = kind != MakeType::ListText;
                if (framed) {
                    expected.Lines.push_back("HEAD " + run.Title);
                }
                run.Expand(expected);
                if (framed) {
                    expected.Lines.emplace_back("FOOT");
                }
                LineListSink out;
                WriteDocument(run, MarkerFrame{}, out);
                EXPECT_EQ(out.Lines, expected.Lines)
                    << c.about << ", kind " << static_cast<int>(kind) << ", switches " << switches;
            }
        }
    }
}

}  // namespace
}  // namespace zarnet
