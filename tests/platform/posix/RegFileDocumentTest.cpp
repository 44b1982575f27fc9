#include "platform/posix/RegFileDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarnet {
namespace {

using KeyPath = RegFileDocument::KeyPath;

const KeyPath kUrl0{"Software", "t-velka", "Zarnet", "URL0"};
const std::string kUrl0Header = "[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0]\r\n";

// ソ and 表 end in 0x5C, ア and ヂ differ only in the case of their second byte.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";
const std::string kA = "\x83\x41";
const std::string kDi = "\x83\x61";

RegFileDocument ParseOrFail(const std::string& text) {
    auto document = RegFileDocument::Parse(text);
    EXPECT_TRUE(document.has_value()) << text;
    return document.value_or(RegFileDocument{});
}

std::string FileWithUrl0(const std::string& body) {
    return "REGEDIT4\r\n\r\n" + kUrl0Header + body;
}

struct ReadCase {
    const char* label;
    std::string line;
    std::string name;
    Registry::Value expected;
};

TEST(RegFileDocumentTest, ReadsEveryValueForm) {
    const std::vector<ReadCase> cases = {
        {"string", "\"Dir\"=\"http://a/\"", "Dir", {Registry::kSz, std::string("http://a/\0", 10)}},
        {"empty string", "\"Dir\"=\"\"", "Dir", {Registry::kSz, std::string(1, '\0')}},
        {"escapes", R"("Dir"="a\\b\"c")", "Dir", {Registry::kSz, std::string("a\\b\"c\0", 6)}},
        {"other backslash stands for itself",
         R"("Dir"="c:\temp")",
         "Dir",
         {Registry::kSz, std::string("c:\\temp\0", 8)}},
        {"second byte 0x5C is no escape",
         "\"Dir\"=\"" + kSo + kHyo + "\"",
         "Dir",
         {Registry::kSz, kSo + kHyo + '\0'}},
        {"second byte 0x5C before an escape",
         "\"Dir\"=\"" + kHyo + "\\\\\"",
         "Dir",
         {Registry::kSz, kHyo + "\\" + '\0'}},
        {"name with 0x5C second byte",
         "\"" + kSo + "\"=\"x\"",
         kSo,
         {Registry::kSz, std::string("x\0", 2)}},
        {"default value", "@=\"d\"", "", {Registry::kSz, std::string("d\0", 2)}},
        {"blanks around", "  \"Dir\" =\t\"x\"  ", "Dir", {Registry::kSz, std::string("x\0", 2)}},
        {"dword",
         "\"Size\"=dword:0000002a",
         "Size",
         {Registry::kDword, std::string("\x2a\0\0\0", 4)}},
        {"dword upper case",
         "\"Size\"=DWORD:FFFFFFFE",
         "Size",
         {Registry::kDword, "\xfe\xff\xff\xff"}},
        {"expand string",
         "\"Dir\"=hex(2):25,41,25,00",
         "Dir",
         {Registry::kExpandSz, std::string("%A%\0", 4)}},
        {"binary",
         "\"Bin\"=hex:00,ff,7F",
         "Bin",
         {Registry::kBinary, std::string("\0\xff\x7f", 3)}},
        {"type in hex", "\"Q\"=hex(b):01", "Q", {11, "\x01"}},
        {"no bytes", "\"N\"=hex(0):", "N", {Registry::kNone, ""}},
        {"continued hex",
         "\"Bin\"=hex:01,02,\\\r\n  03,\\\r\n  04",
         "Bin",
         {Registry::kBinary, "\x01\x02\x03\x04"}},
    };
    for (const auto& c : cases) {
        const RegFileDocument document = ParseOrFail(FileWithUrl0(c.line + "\r\n"));
        const Registry::Value* value = document.FindValue(kUrl0, c.name);
        ASSERT_NE(value, nullptr) << c.label;
        EXPECT_EQ(value->Type, c.expected.Type) << c.label;
        EXPECT_EQ(value->Data, c.expected.Data) << c.label;
    }
}

TEST(RegFileDocumentTest, KeepsLinesItDoesNotUnderstandWhereTheyStand) {
    const std::vector<std::string> lines = {
        "; a comment",
        "\"Dir\"=dword:123456789",
        "\"Dir\"=\"unterminated",
        "\"Dir\"=\"x\" trailing",
        "\"Dir\"=-",
        "\"Dir\"=hex:0g",
        "\"Dir\"=hex:01,,02",
        "\"Dir\"=str(2):\"x\"",
        std::string("\"Dir\"=\"a\0b", 10),
    };
    for (const std::string& line : lines) {
        const std::string text =
            FileWithUrl0(line + "\r\n\"Other\"=\"1\"\r\n\r\n[HKEY_CURRENT_USER\\Second]\r\n");
        RegFileDocument document = ParseOrFail(text);
        EXPECT_EQ(document.FindValue(kUrl0, "Dir"), nullptr) << line;
        EXPECT_TRUE(document.SetValue(kUrl0, "Other", {Registry::kSz, std::string("2\0", 2)}));
        EXPECT_TRUE(document.SetValue(kUrl0, "New", {Registry::kSz, std::string("3\0", 2)}));
        EXPECT_EQ(document.Text(),
                  FileWithUrl0(line + "\r\n\"Other\"=\"2\"\r\n\"New\"=\"3\"\r\n\r\n" +
                               "[HKEY_CURRENT_USER\\Second]\r\n\r\n"))
            << line;
    }
}

TEST(RegFileDocumentTest, NewValueIsNotSwallowedByAContinuedLine) {
    RegFileDocument document = ParseOrFail(FileWithUrl0("\"Bad\"=hex:01,\\\r\n"));
    document.SetValue(kUrl0, "Dir", {Registry::kSz, std::string("x\0", 2)});
    const RegFileDocument reread = ParseOrFail(document.Text());
    ASSERT_NE(reread.FindValue(kUrl0, "Dir"), nullptr);
}

struct WriteCase {
    const char* label;
    Registry::Value value;
    std::string line;  // empty: only the round trip is checked
};

TEST(RegFileDocumentTest, WritesEveryValueSoThatItReadsBackTheSame) {
    const std::vector<WriteCase> cases = {
        {"string", {Registry::kSz, std::string("abc\0", 4)}, "\"V\"=\"abc\""},
        {"escapes", {Registry::kSz, std::string("a\\b\"c\0", 6)}, R"("V"="a\\b\"c")"},
        {"0x5C second bytes stay single",
         {Registry::kSz, kSo + kHyo + "\\" + '\0'},
         "\"V\"=\"" + kSo + kHyo + "\\\\\""},
        {"empty string", {Registry::kSz, std::string(1, '\0')}, "\"V\"=\"\""},
        {"line break", {Registry::kSz, std::string("a\r\nb\0", 5)}, "\"V\"=hex(1):61,0d,0a,62,00"},
        {"no zero byte", {Registry::kSz, "ab"}, "\"V\"=hex(1):61,62"},
        {"size 0", {Registry::kSz, ""}, "\"V\"=hex(1):"},
        {"zero byte inside", {Registry::kSz, std::string("a\0b\0", 4)}, ""},
        {"lead byte before a quote", {Registry::kSz, std::string("\x83\"\0", 3)}, ""},
        {"lead byte at the end", {Registry::kSz, std::string("\x83\0", 2)}, ""},
        {"expand string",
         {Registry::kExpandSz, std::string("%A%\0", 4)},
         "\"V\"=hex(2):25,41,25,00"},
        {"dword", {Registry::kDword, std::string("\x2a\0\0\0", 4)}, "\"V\"=dword:0000002a"},
        {"short dword", {Registry::kDword, "\x01\x02"}, "\"V\"=hex(4):01,02"},
        {"binary", {Registry::kBinary, std::string("\0\xff", 2)}, "\"V\"=hex:00,ff"},
        {"other type", {11, "\x01"}, "\"V\"=hex(b):01"},
        {"none", {Registry::kNone, ""}, "\"V\"=hex(0):"},
    };
    for (const auto& c : cases) {
        RegFileDocument document;
        ASSERT_TRUE(document.SetValue(kUrl0, "V", c.value)) << c.label;
        const std::string text = document.Text();
        if (!c.line.empty()) {
            EXPECT_EQ(text, "REGEDIT4\r\n\r\n" + kUrl0Header + c.line + "\r\n\r\n") << c.label;
        }
        const RegFileDocument reread = ParseOrFail(text);
        const Registry::Value* value = reread.FindValue(kUrl0, "v");
        ASSERT_NE(value, nullptr) << c.label;
        EXPECT_EQ(value->Type, c.value.Type) << c.label;
        EXPECT_EQ(value->Data, c.value.Data) << c.label;
    }
}

TEST(RegFileDocumentTest, NamesMatchWithoutAsciiCaseOnly) {
    struct Case {
        std::string a, b;
        bool equal;
    };
    const std::vector<Case> cases = {
        {"Dir", "dIR", true},
        {"Dir", "Dirs", false},
        {"", "", true},
        {kSo, kSo, true},
        {kA, kDi, false},
        {"x" + kA, "X" + kA, true},
        {kSo, "\x83|", false},
        {"\x83", "\x83", true},
        {"\x83"
         "a",
         "\x83"
         "A",
         false},
        {"\xb1", "\xb1", true},
        {"Zarnet", "ZARNET", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegFileDocument::NamesEqual(c.a, c.b), c.equal) << c.a << " / " << c.b;
    }
}

TEST(RegFileDocumentTest, FindsKeysAndValuesWithoutRegardToCase) {
    const RegFileDocument document = ParseOrFail(
        "REGEDIT4\r\n\r\n[hkey_current_user\\SOFTWARE\\T-VELKA\\zarnet\\url0]\r\n\"dir\"=\"x\"\r\n"
        "[HKEY_CURRENT_USER\\" +
        kSo + "\\" + kA + "]\r\n\"" + kA + "\"=\"y\"\r\n");
    EXPECT_NE(document.FindValue(kUrl0, "DIR"), nullptr);
    EXPECT_TRUE(document.KeyExists({"software"}));
    EXPECT_TRUE(document.KeyExists({kSo}));
    EXPECT_FALSE(document.KeyExists({"\x83"}));
    EXPECT_NE(document.FindValue({kSo, kA}, kA), nullptr);
    EXPECT_EQ(document.FindValue({kSo, kDi}, kA), nullptr);
    EXPECT_EQ(document.FindValue({kSo, kA}, kDi), nullptr);
}

TEST(RegFileDocumentTest, KeepsOtherRootsAndBrokenHeadersUntouched) {
    const std::string other =
        "[HKEY_LOCAL_MACHINE\\Software\\t-velka\\Zarnet\\URL0]\r\n"
        "\"Dir\"=\"machine\"\r\n"
        "strange line\r\n"
        "\r\n"
        "[-HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0]\r\n"
        "\"Dir\"=\"deleted\"\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\t-velka\\Zarnet\\URL0" +
        kA.substr(0, 1) +
        "]\r\n"
        "\"Dir\"=\"unclosed\"\r\n"
        "\r\n";
    RegFileDocument document = ParseOrFail("REGEDIT4\r\n\r\n" + other);
    EXPECT_EQ(document.FindValue(kUrl0, "Dir"), nullptr);
    document.SetValue(kUrl0, "Dir", {Registry::kSz, std::string("user\0", 5)});
    EXPECT_EQ(document.Text(),
              "REGEDIT4\r\n\r\n" + other + kUrl0Header + "\"Dir\"=\"user\"\r\n\r\n");
}

TEST(RegFileDocumentTest, KeepsValuesNobodyChangedAsTheyWereWritten) {
    const std::string text =
        "REGEDIT4\r\n"
        "; written by hand\r\n"
        "\r\n" +
        kUrl0Header +
        "\"Dir\" = \"a\"\r\n"
        "; between\r\n"
        "\r\n"
        "\"Bin\"=hex:01,\\\r\n"
        "   02\r\n"
        "\"StCount\"=\"001\"\r\n";
    RegFileDocument document = ParseOrFail(text);
    EXPECT_FALSE(document.SetValue(kUrl0, "dir", {Registry::kSz, std::string("a\0", 2)}));
    EXPECT_TRUE(document.SetValue(kUrl0, "stcount", {Registry::kSz, std::string("002\0", 4)}));
    EXPECT_EQ(document.Text(),
              "REGEDIT4\r\n\r\n; written by hand\r\n\r\n" + kUrl0Header +
                  "\"Dir\" = \"a\"\r\n; between\r\n\r\n\"Bin\"=hex:01,\\\r\n   02\r\n"
                  "\"StCount\"=\"002\"\r\n\r\n");
}

TEST(RegFileDocumentTest, NewKeysGoBesideTheirRelatives) {
    RegFileDocument document = ParseOrFail(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A\\Old]\r\n\r\n[HKEY_CURRENT_USER\\B]\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\X]\r\n\r\n");
    document.AddKey({"A", "New"});
    document.AddKey({"C"});
    document.AddKey({"B", "Child", "Deep"});
    // A key on the way gets its section ahead of its subkeys.
    EXPECT_FALSE(document.AddKey({"B", "Child"}));
    document.SetValue({"B", "Child"}, "V", {Registry::kSz, std::string("1\0", 2)});
    EXPECT_EQ(
        document.Text(),
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A\\Old]\r\n\r\n[HKEY_CURRENT_USER\\A\\New]\r\n\r\n"
        "[HKEY_CURRENT_USER\\B]\r\n\r\n[HKEY_CURRENT_USER\\B\\Child]\r\n\"V\"=\"1\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\B\\Child\\Deep]\r\n\r\n[HKEY_CURRENT_USER\\C]\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\X]\r\n\r\n");
}

TEST(RegFileDocumentTest, SplitsPathsAtSingleByteBackslashesOnly) {
    EXPECT_EQ(RegFileDocument::SplitPath("Software\\t-velka\\Zarnet"),
              (KeyPath{"Software", "t-velka", "Zarnet"}));
    EXPECT_EQ(RegFileDocument::SplitPath(kSo + "\\" + kHyo), (KeyPath{kSo, kHyo}));
    EXPECT_EQ(RegFileDocument::SplitPath(""), KeyPath{});
    const std::vector<std::string> bad = {"a\\\\b", "\\a", "a\\", "a\nb", std::string("a\0b", 3),
                                          "a\x83"};
    for (const std::string& path : bad) {
        EXPECT_FALSE(RegFileDocument::SplitPath(path).has_value()) << path;
    }
}

TEST(RegFileDocumentTest, TellsRegistryFilesFromOtherFiles) {
    struct Case {
        const char* label;
        std::string text;
        bool registry;
    };
    const std::vector<Case> cases = {
        {"empty", "", true},
        {"blank lines", " \r\n\t\n\r", true},
        {"blank lines first", "\r\n  REGEDIT4  \r\n", true},
        {"lone CR line ends", "REGEDIT4\r[HKEY_CURRENT_USER\\A]\r\"v\"=\"1\"", true},
        {"version 5", "Windows Registry Editor Version 5.00\r\n", false},
        {"UTF-16", std::string("\xff\xfeR\0E\0", 6), false},
        {"UTF-8 mark", "\xef\xbb\xbfREGEDIT4\r\n", false},
        {"lower case", "regedit4\r\n", false},
        {"INI file", "[Last]\r\nDir=x\r\n", false},
        {"text", "hello\r\nREGEDIT4\r\n", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegFileDocument::Parse(c.text).has_value(), c.registry) << c.label;
    }
    EXPECT_NE(RegFileDocument::Parse(cases[3].text)->FindValue({"a"}, "V"), nullptr);
}

}  // namespace
}  // namespace zarnet
