#include "core/AddressPattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Messages.h"
#include "core/OutputDocument.h"
#include "core/PatternExpansion.h"
#include "platform/ZarnetError.h"

namespace zarnet {
namespace {

using Strings = std::vector<std::string>;

struct NoFrame : DocumentFrame {
    void InsertHeader(LineSink&, const std::string&) const override {}
    void AppendFooter(LineSink&) const override {}
    std::uint64_t LongestHeaderLine(const std::string&) const override { return 0; }
};

// The list the generator writes for the pattern.
Strings ListOf(const PatternTexts& pattern) {
    PatternRequest request;
    request.Texts = pattern;
    request.Kind = MakeType::ListText;
    LineListSink out;
    WriteDocument(PrepareRun(request), NoFrame{}, out);
    return out.Lines;
}

// What the window's boxes held before: the rule overwrites all of it but the
// value list of a number in the file name.
const PatternTexts kBefore{"old/%%", "keep", "f", "r", "1", "9", ".x"};

TEST(AddressPatternTest, AddressGivesThePatternWhoseOneEntryItIs) {
    struct Case {
        const char* address;
        Strings numbers;  // on offer; the last is the default
        PatternTexts pattern;
        const char* line = nullptr;  // the generated address, when not the address itself
    };
    const Case cases[] = {
        {"http://h/pics/img017_s.jpg",
         {"017"},
         {"http://h/pics/", "keep", "img", "_s", "017", "017", ".jpg"}},
        {"http://h:8080/p/5.png",
         {"8080", "5"},
         {"http://h:8080/p/", "keep", "", "", "5", "5", ".png"}},
        {"http://h/v/clip5.mp4", {"5"}, {"http://h/v/", "keep", "clip", "", "5", "5", ".mp4"}},
        // ".001" is no extension; the 7 of "7z" is outside the extension here.
        {"http://h/f/a.7z.001",
         {"7", "001"},
         {"http://h/f/", "keep", "a.7z.", "", "001", "001", ""}},
        {"http://h/IMG_20240101_0017.jpg",
         {"20240101", "0017"},
         {"http://h/", "keep", "IMG_20240101_", "", "0017", "0017", ".jpg"}},
        {"http://h/file-001-of-100.jpg",
         {"001", "100"},
         {"http://h/", "keep", "file-001-of-", "", "100", "100", ".jpg"}},
        {"http://h/vol12/cover.jpg",
         {"12"},
         {"http://h/vol%%/", "12", "cover", "", "", "", ".jpg"}},
        // 11 digits do not fit 32 bits; 13 with their zeros do.
        {"http://h/p7/img99999999999.jpg",
         {"7"},
         {"http://h/p%%/", "7", "img99999999999", "", "", "", ".jpg"}},
        {"http://h/2147483648/a2147483647.jpg",
         {"2147483647"},
         {"http://h/2147483648/", "keep", "a", "", "2147483647", "2147483647", ".jpg"}},
        {"http://h/s0000000000017.gif",
         {"0000000000017"},
         {"http://h/", "keep", "s", "", "0000000000017", "0000000000017", ".gif"}},
        {"http://h/view.php?id=0123",
         {"0123"},
         {"http://h/", "keep", "view.php?id=", "", "0123", "0123", ""}},
        {"http://h/p/img01.jpg#top",
         {"01"},
         {"http://h/p/", "keep", "img", ".jpg#top", "01", "01", ""}},
        {"http://h/a1.backup", {"1"}, {"http://h/", "keep", "a", ".backup", "1", "1", ""}},
        {"http://例え.jp/写真/猫01.jpg",
         {"01"},
         {"http://例え.jp/写真/", "keep", "猫", "", "01", "01", ".jpg"}},
        // Percent escapes are characters, their digits no numbers.
        {"http://h/my%20pics/photo%2012.jpg",
         {"12"},
         {"http://h/my%20pics/", "keep", "photo%20", "", "12", "12", ".jpg"}},
        {"http://h/%4112/a.jpg", {"12"}, {"http://h/%41%%/", "12", "a", "", "", "", ".jpg"}},
        // The marker after a "%" would be found one character early; before
        // one it is found where it is.
        {"http://h/x%5g/a1.jpg", {"1"}, {"http://h/x%5g/", "keep", "a", "", "1", "1", ".jpg"}},
        {"http://h/a%5g.jpg", {"5"}, {"http://h/", "keep", "a%", "g", "5", "5", ".jpg"}},
        {"http://h/100%/x.jpg", {"100"}, {"http://h/%%%/", "100", "x", "", "", "", ".jpg"}},
        {"http://192.168.0.1/a.jpg",
         {"192", "168", "0", "1"},
         {"http://192.168.0.%%/", "1", "a", "", "", "", ".jpg"}},
        {"http://h/vol12/", {"12"}, {"http://h/vol%%/", "12", "", "", "", "", ""}},
        {" \thttp://h/a1.jpg \r\n", {"1"}, {"http://h/", "keep", "a", "", "1", "1", ".jpg"}},
        // A "\" after the last "/" stays in the file name.
        {"http://h/cgi?path=a/b\\c01",
         {"01"},
         {"http://h/cgi?path=a/", "keep", "b\\c", "", "01", "01", ""}},
        {"C:/pics\\img01.jpg", {"01"}, {"C:/", "keep", "pics\\img", "", "01", "01", ".jpg"}},
        // Without "/" the base loses its last "\" to the generator's "/".
        {"C:\\pics\\img017.jpg",
         {"017"},
         {"C:\\pics", "keep", "img", "", "017", "017", ".jpg"},
         "C:\\pics/img017.jpg"},
        {"C:\\vol12\\cover.jpg",
         {"12"},
         {"C:\\vol%%", "12", "cover", "", "", "", ".jpg"},
         "C:\\vol12/cover.jpg"},
        {"\\\\srv\\share\\a01.png",
         {"01"},
         {"\\\\srv\\share", "keep", "a", "", "01", "01", ".png"},
         "\\\\srv\\share/a01.png"},
        // Nothing to count on.
        {"http://h/index.html", {}, {}},
        {"http://h/a.mp4", {}, {}},
        {"http://h/a%%b/img01.jpg", {}, {}},
        {"http://h/20240101123456.jpg", {}, {}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const AddressParts parts = SplitAddress(c.address);
        Strings offered;
        for (const AddressNumber& number : parts.Numbers) {
            offered.push_back(number.Digits);
        }
        EXPECT_EQ(offered, c.numbers);
        if (c.numbers.empty()) {
            try {
                PatternFromAddress(c.address, kBefore);
                ADD_FAILURE() << "no error";
            } catch (const ZarnetError& error) {
                EXPECT_EQ(error.what(),
                          FormatMessage(messages::kNoNumberInAddress.Text, {parts.Address}));
            }
            continue;
        }
        EXPECT_EQ(PatternFromAddress(c.address, kBefore), c.pattern);
        // Whichever number the user picks, the list holds the address alone.
        for (std::size_t chosen = 0; chosen < parts.Numbers.size(); ++chosen) {
            EXPECT_EQ(ListOf(PatternFromAddress(parts, chosen, kBefore)),
                      Strings{c.line != nullptr ? c.line : parts.Address})
                << "number " << parts.Numbers[chosen].Digits;
        }
    }
}

}  // namespace
}  // namespace zarnet
