#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/AtomicFileTesting.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"
#include "store/SampleSettings.h"
#include "store/TRegData.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

class IniStoreTest : public ::testing::Test {
  protected:
    testing::TempDir dir_;
    const std::string ini_ = dir_.File("Zarnet.ini");
};

TEST_F(IniStoreTest, SaveThenLoadGivesBackEveryField) {
    for (const bool clickView : {false, true}) {  // its default differs between the stores
        TRegData saved = testing::SampleSettings();
        saved.Output.ClickView = clickView;
        saved.SaveToIni(ini_);
        TRegData loaded;
        loaded.DefaultSaveFname = saved.DefaultSaveFname;
        loaded.LoadFromIni(ini_);
        EXPECT_EQ(loaded, saved);
    }
}

// Reading drops a value's outer blanks and one enclosing pair of matching
// quotes; the store writes the values reading would change inside double
// quotes, and the others as they are, so every text comes back as typed.
TEST_F(IniStoreTest, TextsComeBackAsTyped) {
    const struct {
        std::string value;
        std::string stored;
    } cases[] = {
        {"  sp", "\"  sp\""},
        {"end  ", "\"end  \""},
        {"\tx\v", "\"\tx\v\""},
        {"\"q\"", "\"\"q\"\""},
        {"'q'", "\"'q'\""},
        {"\"", "\""},
        {"a\"b", "a\"b"},
        {"\"x'", "\"x'"},
        {"", ""},
        {" ", "\" \""},
        // As long as a value gives back: the quotes do not count.
        {" " + std::string(2046, 'x'), "\" " + std::string(2046, 'x') + "\""},
    };
    for (const auto& c : cases) {
        TRegData saved = testing::SampleSettings();
        saved.Items[0].ContStr = saved.LastItem.FrontStr = saved.LastItem.RearStr = c.value;
        saved.Footer = c.value;
        saved.SaveToIni(ini_);
        EXPECT_TRUE(dir_.Read("Zarnet.ini").ends_with("\r\nFooter=" + c.stored + "\r\n"))
            << c.value;
        TRegData loaded;
        loaded.DefaultSaveFname = saved.DefaultSaveFname;
        loaded.LoadFromIni(ini_);
        EXPECT_EQ(loaded, saved) << c.value;
    }
}

TEST_F(IniStoreTest, MissingKeysGiveTheIniDefaults) {
    const TRegData before = testing::SampleSettings();
    TRegData expected = before;  // but for the font's character set
    expected.Items.fill({});     // no "001", "010", ".jpg" here
    expected.LastItem = {};
    expected.Output.ImageWidth = 40;
    expected.Output.ImageHeight = 60;
    expected.Kind = MakeType::ImageSrc;
    expected.LastSaveFname = before.DefaultSaveFname;
    expected.Header = expected.Footer = "";
    expected.Output.Separator = expected.Output.Border = expected.Output.ClickView = true;
    expected.OWNoCheck = expected.Compact = expected.AutoSave = expected.HideMenu = false;
    expected.Probe = {};
    expected.ViewFont.Color = static_cast<std::int32_t>(0x80000008u);
    expected.ViewFont.SetName("ＭＳ Ｐゴシック");
    expected.ViewFont.SetSize(9);

    dir_.Write("empty.ini", "");
    dir_.Write("switch.ini", "[Default]\r\nIniFile=1\r\n");
    for (const char* name : {"missing.ini", "empty.ini", "switch.ini"}) {
        TRegData data = before;
        data.LoadFromIni(dir_.File(name));
        EXPECT_EQ(data, expected) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.File("missing.ini")));
}

// A hand-edited or damaged value would give a probe no connection, or one
// that never ends.
TEST_F(IniStoreTest, ProbeSettingsOutsideTheirLimitsLoadAsTheirDefaults) {
    struct Case {
        const char* Stored;
        ProbeSettings Loaded;
    };
    const Case cases[] = {
        {"ProbeGap=0\r\nProbeConnections=16\r\nProbeTimeout=600\r\n", {0, 16, 600}},
        {"ProbeGap=999\r\nProbeConnections=1\r\nProbeTimeout=1\r\n", {999, 1, 1}},
        {"ProbeGap=1000\r\nProbeConnections=17\r\nProbeTimeout=601\r\n", {}},
        {"ProbeGap=-1\r\nProbeConnections=0\r\nProbeTimeout=0\r\n", {}},
        {"ProbeGap=x\r\nProbeConnections=\r\nProbeTimeout=0x8\r\n", {5, 4, 8}},
    };
    for (const Case& c : cases) {
        dir_.Write("Zarnet.ini", std::string("[Last]\r\n") + c.Stored);
        TRegData data = testing::SampleSettings();
        data.LoadFromIni(ini_);
        EXPECT_EQ(data.Probe, c.Loaded) << c.Stored;
    }
}

TEST_F(IniStoreTest, SaveWritesSectionsAndKeysInOrderAndOnlyOnce) {
    TRegData data;
    data.Items[0] = {"http://a/", "x,y", "f", "r", "01", "09", ".jpg"};
    data.Output = {.ImageWidth = 40, .ImageHeight = 0, .Separator = true, .Border = false};
    data.Kind = MakeType::ListText;
    data.LastSaveFname = "out.html";
    data.ViewFont.SetSize(12);
    data.Header = "<h>";
    static int replacements = 0;
    SetReplaceStepHookForTesting(
        [](const char* step) { replacements += std::strcmp(step, "renamed") == 0 ? 1 : 0; });
    data.SaveToIni(ini_);
    SetReplaceStepHookForTesting(nullptr);
    EXPECT_EQ(replacements, 1);  // the whole record in one replacement

    const std::string empty =
        "Dir=\r\nContStr=\r\nFrontStr=\r\nRearStr=\r\nStCount=\r\nEdCount=\r\nExtStr=\r\n";
    std::string expected =
        "[URL0]\r\nDir=http://a/\r\nContStr=x,y\r\nFrontStr=f\r\nRearStr=r\r\nStCount=01\r\n"
        "EdCount=09\r\nExtStr=.jpg\r\n";
    for (int slot = 1; slot < 20; ++slot) {
        expected += "[URL" + std::to_string(slot) + "]\r\n" + empty;
    }
    expected +=
        "[Last]\r\n" + empty +
        "ImageWidth=40\r\nImageHeight=0\r\nMakeType=0\r\nLastSaveFname=out.html\r\n"
        "Separator=1\r\nBorder=0\r\nOWNoCheck=0\r\nClickView=0\r\nCompact=0\r\n"
        "AutoSave=0\r\nHideMenu=0\r\nProbeGap=5\r\nProbeConnections=4\r\nProbeTimeout=15\r\n"
        "[ViewFont]\r\nCharSet=128\r\nColor=-2147483640\r\nHeight=-16\r\n"
        "Name=\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e\r\nSize=12\r\n"
        "[User]\r\nHeader=<h>\r\nFooter=\r\n";
    EXPECT_EQ(dir_.Read("Zarnet.ini"), expected);
}

TEST_F(IniStoreTest, SaveLeavesTheDefaultSwitchAndOtherLinesAlone) {
    dir_.Write("Zarnet.ini", "; mine\r\n[Default]\r\nIniFile=1\r\n[Last]\r\nOther=x\r\n");
    testing::SampleSettings().SaveToIni(ini_);
    const std::string text = dir_.Read("Zarnet.ini");
    EXPECT_EQ(text.rfind("; mine\r\n[Default]\r\nIniFile=1\r\n[Last]\r\nOther=x\r\nDir=", 0), 0u);
    EXPECT_TRUE(TRegData::ReadIniDefault(ini_));
}

TEST_F(IniStoreTest, FileThatCannotBeWrittenFailsAndStaysAsItWas) {
    std::filesystem::create_directory(dir_.File("folder.ini"));
    dir_.Write("folder.ini/inside", "old");
    dir_.Write("plain", "old");
    for (const std::string& path : {dir_.File("folder.ini"), dir_.File("plain/Zarnet.ini")}) {
        try {
            testing::SampleSettings().SaveToIni(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const ZarnetError& error) {
            EXPECT_EQ(error.what(), path + " に書き込めません");
        }
        EXPECT_THROW(TRegData::WriteIniDefault(path, true), ZarnetError) << path;
    }
    EXPECT_EQ(dir_.Read("folder.ini/inside"), "old");
    EXPECT_EQ(dir_.Read("plain"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 2);
}

TEST_F(IniStoreTest, DefaultSwitchReadsLikeAnInteger) {
    struct Case {
        const char* file;
        bool iniFile;
    };
    const Case cases[] = {
        {"[Default]\r\nIniFile=1\r\n", true},    {"[Default]\r\nIniFile=0\r\n", false},
        {"[default]\r\ninifile=2\r\n", true},    {"[Default]\r\nIniFile=0x1\r\n", true},
        {"[Default]\r\nIniFile=yes\r\n", false}, {"[Default]\r\nIniFile=\r\n", false},
        {"[Last]\r\nIniFile=1\r\n", false},      {"", false},
    };
    for (const Case& c : cases) {
        dir_.Write("Zarnet.ini", c.file);
        EXPECT_EQ(TRegData::ReadIniDefault(ini_), c.iniFile) << c.file;
    }
    EXPECT_FALSE(TRegData::ReadIniDefault(dir_.File("missing.ini")));

    dir_.Write("Zarnet.ini", "[Last]\r\nDir=x\r\n");
    TRegData::WriteIniDefault(ini_, true);
    TRegData::WriteIniDefault(ini_, false);
    EXPECT_EQ(dir_.Read("Zarnet.ini"), "[Last]\r\nDir=x\r\n[Default]\r\nIniFile=0\r\n");
}

}  // namespace
}  // namespace zarnet
