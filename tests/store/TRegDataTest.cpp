#include "store/TRegData.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/Cp932.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

TURLItem Entry(const std::string& dir, const std::string& tag = "") {
    return {dir, "c" + tag, "f" + tag, "r" + tag, "1" + tag, "2" + tag, ".e" + tag};
}

std::vector<std::string> Dirs(const TRegData& data) {
    std::vector<std::string> dirs;
    for (const TURLItem& item : data.Items) {
        dirs.push_back(item.Dir);
    }
    return dirs;
}

// Slots 0 to 19 hold u0 ... u19; `dir` is recorded; the result lists the
// slots by their old numbers ("new" for the recorded entry).
std::vector<std::string> PushedIntoFullHistory(const std::string& dir) {
    TRegData data;
    for (std::size_t slot = 0; slot < TRegData::kHistorySize; ++slot) {
        data.Items[slot] = Entry("u" + std::to_string(slot), std::to_string(slot));
    }
    data.Items[7].Dir = "HTTP://Example.com/X/";
    data.Items[5].Dir = "//例/ＡΓДЁⅣ/";
    const TRegData before = data;
    if (!data.AddToHistory(Entry(dir, "new"))) {
        return {"not recorded"};
    }
    EXPECT_EQ(data.Items[0], Entry(dir, "new"));
    std::vector<std::string> order{"new"};
    for (std::size_t slot = 1; slot < TRegData::kHistorySize; ++slot) {
        for (std::size_t old = 0; old < TRegData::kHistorySize; ++old) {
            if (data.Items[slot] == before.Items[old]) {
                order.push_back(std::to_string(old));
            }
        }
    }
    return order;
}

// The order PushedIntoFullHistory reports when old slot `moved` went to the top.
std::vector<std::string> Moved(std::size_t moved) {
    std::vector<std::string> order{"new"};
    for (std::size_t slot = 0; slot < TRegData::kHistorySize; ++slot) {
        if (slot != moved) {
            order.push_back(std::to_string(slot));
        }
    }
    return order;
}

TEST(TRegDataTest, AddToHistoryMovesTheEntryToTheTop) {
    struct Case {
        const char* dir;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"http://example.COM/x/", Moved(7)},  // case ignored
        {"U3", Moved(3)},
        {"new", Moved(19)},                        // the oldest drops out
        {" HTTP://Example.com/X/", Moved(19)},     // blanks kept and compared
        {"ｈｔｔｐ://example.com/x/", Moved(19)},  // width is not case
        {"//例/ａγдёⅳ/", Moved(5)},                // full-width, Greek, Cyrillic, Roman
        {"//例/ａγдеⅳ/", Moved(19)},               // е is not ё
        {"//例/aγдёⅳ/", Moved(19)},                // nor a ａ
        {" \t ", {"not recorded"}},
        {"", {"not recorded"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PushedIntoFullHistory(c.dir), c.order) << '"' << c.dir << '"';
    }
}

TEST(TRegDataTest, HistoryListSkipsEmptySlotsAndTheLookupNamesTheSlot) {
    TRegData data;
    data.AddToHistory(Entry("a"));
    data.AddToHistory(Entry("b"));
    EXPECT_EQ(data.HistoryList(), (std::vector<std::string>{"b", "a"}));

    // A gap, as only a hand-edited store has it.
    data.Items[0].Dir.clear();
    data.Items[3] = Entry("d", "d");
    EXPECT_EQ(data.HistoryList(), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(data.FindHistory("D"), 3u);
    EXPECT_EQ(data.FindHistory(""), std::nullopt);
    data.AddToHistory(Entry("D", "new"));
    EXPECT_EQ(data.HistoryList(), (std::vector<std::string>{"D", "a"}));

    data.ClearHistory();
    EXPECT_EQ(Dirs(data), std::vector<std::string>(20));
    EXPECT_EQ(data.Items[0].ContStr, "cnew");
}

TEST(TRegDataTest, GetSaveFnameFallsBackUnlessTheFolderExists) {
    testing::TempDir dir;
    dir.Write("file.txt", "x");
    struct Case {
        std::string last;
        bool keepsLast;
    };
    const Case cases[] = {
        {"", false},
        {"out.html", false},
        {dir.File("missing/out.html"), false},
        {dir.File("file.txt/out.html"), false},
        {dir.File("new.html"), true},  // the file itself need not exist
    };
    for (const Case& c : cases) {
        TRegData data;
        data.DefaultSaveFname = "/default/Download.html";
        data.LastSaveFname = c.last;
        EXPECT_EQ(data.GetSaveFname(), c.keepsLast ? c.last : data.DefaultSaveFname) << c.last;
    }
}

TEST(TViewFontTest, SizeAndHeightRoundToNearest) {
    struct Case {
        int pixelsPerInch;
        std::int32_t size;
        std::int32_t height;
    };
    const Case setSize[] = {
        {96, 12, -16}, {96, 10, -13}, {96, 11, -15},          {120, 9, -15},
        {108, 1, -2},  {96, -9, 12},  {96, INT_MAX, INT_MIN}, {0, 12, -16},  // 0: stays 96
    };
    for (const Case& c : setSize) {
        TViewFont font;
        font.SetPixelsPerInch(c.pixelsPerInch);
        font.SetSize(c.size);
        EXPECT_EQ(font.Height, c.height) << c.size << " pt at " << c.pixelsPerInch;
    }
    const Case getSize[] = {
        {96, 9, -12}, {96, 10, -13}, {96, 11, -14}, {144, 1, -1}, {1, INT_MAX, INT_MIN},
    };
    for (const Case& c : getSize) {
        TViewFont font;
        font.SetPixelsPerInch(c.pixelsPerInch);
        font.Height = c.height;
        EXPECT_EQ(font.Size(), c.size) << c.height << " px at " << c.pixelsPerInch;
    }
}

TEST(TViewFontTest, NameIsCutTo31BytesWithoutSplittingACharacter) {
    std::string katakana16;
    for (int i = 0; i < 16; ++i) {
        katakana16 += "ソ";  // 83 5C: its second byte is a backslash
    }
    struct Case {
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"a" + katakana16, "a" + katakana16.substr(3)},  // 1 + 15 x 2 bytes
        {"ab" + katakana16, "ab" + katakana16.substr(6)},
        {std::string(40, 'x'), std::string(31, 'x')},
        {"", "ＭＳ Ｐゴシック"},  // empty: unchanged
    };
    for (const Case& c : cases) {
        TViewFont font;
        font.SetName(c.name);
        EXPECT_EQ(font.Name(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zarnet
