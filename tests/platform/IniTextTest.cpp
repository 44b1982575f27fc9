#include "platform/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zarnet {
namespace {

// Code page 932 names whose second byte is a letter or a bracket.
const std::string kA = "\x83\x41";    // ア
const std::string kDi = "\x83\x61";   // ヂ
const std::string kSo = "\x83\x5C";   // ソ
const std::string kZo = "\x83\x5D";   // ゾ
const std::string kHyo = "\x95\x5C";  // 表

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniTextTest, FindsValuesAsThePlatformReadsThem) {
    const ReadCase cases[] = {
        {"plain", "[s]\r\nk=v\r\n", "s", "k", "v"},
        {"blanks around name and value", "[s]\r\n  key \t=\t value \r\n", "s", "key", "value"},
        {"vertical tabs are blanks", "[s]\r\n\vk\v=\vv\v\r\n", "s", "k", "v"},
        {"blanks inside the brackets", "  [ x ]\r\nk=v\r\n", "x", "k", "v"},
        {"rest of header line ignored", "[S]k=v\r\n", "S", "k", std::nullopt},
        {"header without closing bracket", "[S\r\nk=v\r\n", "S", "k", "v"},
        {"closing bracket alone is no header", "S]\r\nk=v\r\n", "S", "k", std::nullopt},
        {"names ignore case", "[SeC]\r\nKeY=VaL\r\n", "sEc", "kEy", "VaL"},
        {"argument spaces dropped", "[s]\r\nk=v\r\n", "  s ", " k  ", "v"},
        {"double quotes dropped", "[s]\r\nk=  \"   v   \"  \r\n", "s", "k", "   v   "},
        {"single quotes dropped", "[s]\r\nk='v'\r\n", "s", "k", "v"},
        {"only the outer pair", "[s]\r\nk=\"'x'\"\r\n", "s", "k", "'x'"},
        {"mismatched pair stays", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
        {"quotes in names are plain", "[s]\r\n\"k\"=v\r\n", "s", "\"k\"", "v"},
        {"comment", "[s]\r\n;k=v\r\n", "s", "k", std::nullopt},
        {"hash is no comment", "[s]\r\n#k=v\r\n", "s", "#k", "v"},
        {"no inline comments", "[s]\r\nk=v ;c\r\n", "s", "k", "v ;c"},
        {"key before the first section", "k=v\r\n[s]\r\n", "s", "k", std::nullopt},
        {"line without equals sign", "[s]\r\nk\r\n", "s", "k", std::nullopt},
        {"empty value is present", "[s]\r\nk=\r\n", "s", "k", ""},
        {"empty file", "", "s", "k", std::nullopt},
        {"first of two keys", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"repeated section ignored", "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=2\r\n", "s", "b", std::nullopt},
        {"CR alone ends lines", "[s]\rk=v\rj=w", "s", "j", "w"},
        {"LF alone ends lines", "[s]\nk=v\nj=w", "s", "j", "w"},
        {"byte-order mark hides the header", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", std::nullopt},
        {"backslash second bytes", "[" + kSo + "]\r\n" + kHyo + "=v\r\n", kSo, kHyo, "v"},
        {"bracket second byte", "[" + kZo + "]\r\nk=v\r\n", kZo, "k", "v"},
        {"letter second byte: A", "[s]\r\n" + kA + "=a\r\n" + kDi + "=d\r\n", "s", kA, "a"},
        {"letter second byte: a", "[s]\r\n" + kA + "=a\r\n" + kDi + "=d\r\n", "s", kDi, "d"},
        {"no key of the other case", "[s]\r\n" + kA + "=a\r\n", "s", kDi, std::nullopt},
        {"ASCII folds beside double bytes", "[s]\r\n" + kA + "X=v\r\n", "s", kA + "x", "v"},
    };
    for (const ReadCase& c : cases) {
        IniText text(c.file);
        std::optional<std::string_view> value = text.Find(c.section, c.key);
        std::optional<std::string> got;
        if (value) {
            got = std::string(*value);
        }
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* name;
    std::string file;
    std::vector<Write> writes;
    std::string expected;
};

TEST(IniTextTest, SetEditsOnlyTheKeyLine) {
    const WriteCase cases[] = {
        {"replace in place keeping the case",
         "[S]\r\nKey=old\r\nz=1\r\n",
         {{"s", "KEY", "new"}},
         "[S]\r\nKey=new\r\nz=1\r\n"},
        {"replaced line loses its blanks",
         "[S]\r\n \tKey = old \r\n",
         {{"S", "key", "new"}},
         "[S]\r\nKey=new\r\n"},
        {"replaced line keeps its line end",
         "[S]\nk=old\nj=1\n",
         {{"S", "k", "new"}},
         "[S]\nk=new\nj=1\n"},
        {"new key after the last key line",
         "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\nb=2\r\n",
         {{"S", "c", "3"}},
         "[S]\r\na=1\r\nc=3\r\n; note\r\n\r\n[T]\r\nb=2\r\n"},
        {"new keys keep their order",
         "[S]\r\na=1\r\n\r\n[T]\r\n",
         {{"S", "b", "2"}, {"S", "c", "3"}, {"S", "b", "4"}},
         "[S]\r\na=1\r\nb=4\r\nc=3\r\n\r\n[T]\r\n"},
        {"section without keys",
         "[S]\r\n; c\r\n[T]\r\n",
         {{"S", "k", "v"}},
         "[S]\r\nk=v\r\n; c\r\n[T]\r\n"},
        {"commented key is no key line",
         "[S]\r\n;k=1\r\n",
         {{"S", "k", "v"}},
         "[S]\r\nk=v\r\n;k=1\r\n"},
        {"key at the end without line end",
         "[S]\r\na=1",
         {{"S", "k", "v"}},
         "[S]\r\na=1\r\nk=v\r\n"},
        {"new section after a line end",
         "[S]\r\na=1\r\n",
         {{"T", "k", "v"}},
         "[S]\r\na=1\r\n[T]\r\nk=v\r\n"},
        {"new section without a line end",
         "[S]\r\na=1",
         {{"T", "k", "v"}},
         "[S]\r\na=1\r\n[T]\r\nk=v\r\n"},
        {"empty file", "", {{"App", "key", "value"}}, "[App]\r\nkey=value\r\n"},
        {"value verbatim",
         "",
         {{"S", "k", "  \"quoted\" ; x\t"}},
         "[S]\r\nk=  \"quoted\" ; x\t\r\n"},
        {"names lose their spaces", "", {{" T ", " k ", " v "}}, "[T]\r\nk= v \r\n"},
        {"value cut at its line end",
         "[S]\r\nk=1\r\n",
         {{"S", "k", "a\r\n[Default]\r\nIniFile=1"}},
         "[S]\r\nk=a\r\n"},
        {"first of repeated sections",
         "[S]\r\na=1\r\n[S]\r\nb=2\r\n",
         {{"S", "b", "3"}},
         "[S]\r\na=1\r\nb=3\r\n[S]\r\nb=2\r\n"},
        {"first of repeated keys",
         "[S]\r\nk=1\r\nk=2\r\n",
         {{"S", "k", "9"}},
         "[S]\r\nk=9\r\nk=2\r\n"},
        {"letter second bytes are distinct keys",
         "[S]\r\n" + kA + "=a\r\n",
         {{"S", kDi, "d"}},
         "[S]\r\n" + kA + "=a\r\n" + kDi + "=d\r\n"},
        {"other lines byte for byte",
         "\xEF\xBB\xBFjunk\r\n[S]\r\n\tx = 1 \n#y\r; z\r\n[T]\r\n\x81",
         {{"S", "x", "2"}, {"T", "k", kZo}},
         "\xEF\xBB\xBFjunk\r\n[S]\r\nx=2\n#y\r; z\r\n[T]\r\nk=" + kZo + "\r\n\x81"},
    };
    for (const WriteCase& c : cases) {
        IniText text(c.file);
        for (const Write& w : c.writes) {
            text.Set(w.section, w.key, w.value);
        }
        EXPECT_EQ(text.Bytes(), c.expected) << c.name;
    }
}

// Whatever the names, an edited text must answer as the same bytes read
// afresh, or a batch would read differently from a later load.
TEST(IniTextTest, EditsIndexAsAFreshRead) {
    const WriteCase cases[] = {
        {"bracket in a section name", "[a]\r\nk=1\r\n", {{"a]b", "k", "2"}}, ""},
        {"key that opens an earlier section",
         "[a]\r\nk=1\r\n[b]\r\n",
         {{"a", "[b]", "2"}, {"b", "k", "3"}},
         ""},
        {"key that is a comment", "[a]\r\nk=1\r\n", {{"a", ";k", "3"}, {"a", "m", "4"}}, ""},
        {"equals sign in a key", "[a]\r\nk=1\r\n", {{"a", "k=x", "5"}, {"a", "n=y", "6"}}, ""},
        {"tab before a key", "[a]\r\n", {{"a", "\tk", "7"}, {"a", "k", "8"}}, ""},
        {"empty names", "", {{"", "", "9"}, {"", "k", "10"}}, ""},
    };
    const std::vector<std::pair<std::string, std::string>> probes = {
        {"a", "k"}, {"a", "m"}, {"a", "n"}, {"a", "\tk"}, {"a", "k=x"},
        {"b", "k"}, {"", ""},   {"", "k"},  {"a]b", "k"},
    };
    for (const WriteCase& c : cases) {
        IniText text(c.file);
        for (const Write& w : c.writes) {
            text.Set(w.section, w.key, w.value);
        }
        IniText fresh(text.Bytes());
        for (const auto& [section, key] : probes) {
            EXPECT_EQ(text.Find(section, key), fresh.Find(section, key))
                << c.name << ": " << section << "/" << key;
        }
    }
}

}  // namespace
}  // namespace zarnet
