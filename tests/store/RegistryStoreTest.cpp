#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Cp932.h"
#include "platform/PlatformMessages.h"
#include "platform/Registry.h"
#include "platform/ZarnetError.h"
#include "store/SampleSettings.h"
#include "store/StoreTestHelpers.h"
#include "store/StoredFields.h"
#include "store/TRegData.h"
#include "support/TempDir.h"
#include "support/UserRegistry.h"

namespace zarnet {
namespace {

const std::string kStoreKey(TRegData::kRegistryKey);
const TURLItem kDefaultItem = testing::kRegistryDefaultItem;
using testing::ErrorOf;

// The registry file in a temporary configuration folder.
class RegistryStoreTest : public ::testing::Test {
  protected:
    testing::TempDir dir_;
    testing::ScopedConfigHome home_{dir_.Path()};

    static TRegData Loaded(TRegData data = {}) {
        data.LoadFromRegistry(*OpenUserRegistry());
        return data;
    }

    static void SetString(const std::string& section, std::string_view name,
                          std::string_view text) {
        auto registry = OpenUserRegistry();
        Registry::Key key{};
        ASSERT_EQ(registry->CreateKey(Registry::kCurrentUser, kStoreKey + "\\" + section, key),
                  Registry::Status::Ok);
        ASSERT_EQ(registry->SetStringValue(key, name, cp932::Encode(text)), Registry::Status::Ok);
        registry->CloseKey(key);
    }

    static std::string RawData(const std::string& section, std::string_view name) {
        auto registry = OpenUserRegistry();
        Registry::Key key{};
        Registry::Value value{Registry::kNone, "missing"};
        if (registry->OpenKey(Registry::kCurrentUser, kStoreKey + "\\" + section, key) ==
            Registry::Status::Ok) {
            registry->QueryValue(key, name, value);
            registry->CloseKey(key);
        }
        return value.Data;
    }

    RegistryStoreTest() { testing::ClearUserRegistry(); }
    ~RegistryStoreTest() override { testing::ClearUserRegistry(); }

    // A store of nothing but these typed values, as only a hand-made
    // registry holds them.
    static void WriteRegistryValues(const std::string& section, const std::string& values) {
        testing::ClearUserRegistry();
        testing::StoreRegistryValues(section, values + "\r\n");
    }
};

TEST_F(RegistryStoreTest, EmptyRegistryLoadsTheDefaultsAndCreatesTheStoreKey) {
    const TRegData before = testing::SampleSettings();
    TRegData expected = before;  // but for Header, Footer and the font's character set
    expected.Items.fill(kDefaultItem);
    expected.LastItem = kDefaultItem;
    expected.Output.ImageWidth = 40;
    expected.Output.ImageHeight = 60;
    expected.Kind = MakeType::ImageSrc;
    expected.LastSaveFname = before.DefaultSaveFname;
    expected.Output.Separator = expected.Output.Border = true;
    expected.OWNoCheck = expected.Output.ClickView = expected.Compact = false;
    expected.AutoSave = expected.HideMenu = false;
    expected.Probe = {};
    expected.ViewFont.Color = static_cast<std::int32_t>(0x80000008u);
    expected.ViewFont.SetName("ＭＳ Ｐゴシック");
    expected.ViewFont.SetSize(9);
    EXPECT_EQ(Loaded(before), expected);

    Registry::Key key{};
    EXPECT_EQ(OpenUserRegistry()->OpenKey(Registry::kCurrentUser, kStoreKey, key),
              Registry::Status::Ok);
}

TEST_F(RegistryStoreTest, SaveThenLoadGivesBackEveryStoredField) {
    const TRegData saved = testing::SampleSettings();
    saved.SaveToRegistry(*OpenUserRegistry());
    TRegData fresh;
    fresh.DefaultSaveFname = saved.DefaultSaveFname;
    TRegData expected = saved;
    expected.Header = expected.Footer = "";  // not the registry's
    EXPECT_EQ(Loaded(fresh), expected);
}

TEST_F(RegistryStoreTest, SaveWritesEverySlotAsText) {
    TRegData data;
    data.Items[0].Dir = "表";
    data.ViewFont.Height = -16;
    data.Output.Border = true;
    data.Output.Separator = false;
    data.SaveToRegistry(*OpenUserRegistry());

    for (const std::string slot : {"URL1", "URL19"}) {
        for (const URLItemField& field : kURLItemFields) {
            EXPECT_EQ(RawData(slot, field.Name), std::string(1, '\0')) << slot << field.Name;
        }
    }
    struct Case {
        const char* section;
        const char* name;
        std::string data;
    };
    const Case cases[] = {
        {"URL0", "Dir", "\x95\x5c"},    {"ViewFont", "Color", "-2147483640"},
        {"ViewFont", "Height", "-16"},  {"ViewFont", "Size", "12"},
        {"ViewFont", "CharSet", "128"}, {"Last", "Border", "1"},
        {"Last", "Separator", "0"},     {"Last", "LastSaveFname", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RawData(c.section, c.name), c.data + '\0') << c.name;
    }
    EXPECT_EQ(RawData("Last", "Header"), "missing");
}

TEST_F(RegistryStoreTest, NumbersAndSwitchesFollowTheReadRules) {
    struct Case {
        const char* name;
        const char* text;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"ImageHeight", "", 60},
        {"ImageHeight", "abc", 60},
        {"ImageHeight", "0x1", 1},
        {"ImageHeight", " 7", 7},
        {"ImageHeight", "7 ", 60},
        {"ImageHeight", "-3", -3},
        {"ImageHeight", "$10", 16},
        {"ImageHeight", "x1f", 31},
        {"ImageHeight", "2147483648", 60},
        {"ImageHeight", "-2147483648", -2147483647 - 1},
        {"ImageHeight", "0x100000000", 60},
        // Any kind but List(Text) and HTML is ImageSrc.
        {"MakeType", "0x1", 1},
        {"MakeType", " 0", 0},
        {"MakeType", "7", 2},
        {"MakeType", "-3", 2},
        {"MakeType", "abc", 2},
        {"Separator", "2", 1},
        {"Separator", "0", 0},
        {"Separator", "", 1},
        {"OWNoCheck", "-1", 1},
        {"OWNoCheck", "", 0},
        {"OWNoCheck", "yes", 0},
    };
    for (const Case& c : cases) {
        SetString("Last", c.name, c.text);
        const TRegData data = Loaded();
        const std::string_view name = c.name;
        const std::int32_t value = name == "ImageHeight" ? data.Output.ImageHeight
                                   : name == "MakeType"  ? static_cast<std::int32_t>(data.Kind)
                                   : name == "Separator" ? data.Output.Separator
                                                         : data.OWNoCheck;
        EXPECT_EQ(value, c.expected) << c.name << "=\"" << c.text << '"';
    }
}

TEST_F(RegistryStoreTest, EmptyTextIsNotTheDefault) {
    SetString("URL0", "StCount", "");
    SetString("Last", "LastSaveFname", "");
    const TRegData data = Loaded(testing::SampleSettings());
    EXPECT_EQ(data.Items[0].StCount, "");
    EXPECT_EQ(data.Items[1].StCount, "001");
    EXPECT_EQ(data.LastSaveFname, "");
}

TEST_F(RegistryStoreTest, TextIsTakenUnexpandedUpToTheFirstZeroByte) {
    WriteRegistryValues("Last",
                        "\"Dir\"=hex(2):25,50,41,54,48,25,00\r\n"  // %PATH%, REG_EXPAND_SZ
                        "\"ContStr\"=hex(1):61,62,00,63,64,00\r\n"
                        "\"FrontStr\"=hex:\r\n"  // no data: empty whatever the type
                        "\"RearStr\"=hex(2):\r\n");
    const TURLItem item = Loaded().LastItem;
    EXPECT_EQ(item, (TURLItem{"%PATH%", "ab", "", "", "001", "010", ".jpg"}));
}

TEST_F(RegistryStoreTest, WrongValueTypeStopsTheLoadAndLaterFieldsKeepTheirValues) {
    WriteRegistryValues("Last", "\"Dir\"=\"last\"\r\n\"ImageWidth\"=dword:00000028\r\n");
    const TRegData before = testing::SampleSettings();
    TRegData data = before;
    EXPECT_EQ(ErrorOf([&] { data.LoadFromRegistry(*OpenUserRegistry()); }),
              "'ImageWidth' のデータ型が不正です");
    TRegData expected = before;
    expected.Items.fill(kDefaultItem);
    expected.LastItem = kDefaultItem;
    expected.LastItem.Dir = "last";
    EXPECT_EQ(data, expected);
}

// The desktop program's load: a value it cannot read costs only itself. It
// keeps its default, its message comes back once, and every other value is
// loaded, and saved again, as it was.
TEST_F(RegistryStoreTest, ForgivingLoadKeepsEveryOtherValue) {
    struct Case {
        const char* section;
        const char* name;
        const char* stored;  // the bad value as the file holds it
        std::function<void(TRegData&)> useDefault;
    };
    const Case cases[] = {
        {"URL0", "Dir", "dword:00000001", [](TRegData& d) { d.Items[0].Dir.clear(); }},
        {"URL19", "ExtStr", "hex:2e,6a", [](TRegData& d) { d.Items[19].ExtStr = ".jpg"; }},
        {"Last", "ContStr", "dword:00000002", [](TRegData& d) { d.LastItem.ContStr.clear(); }},
        {"Last", "ImageWidth", "dword:00000028", [](TRegData& d) { d.Output.ImageWidth = 40; }},
        {"Last", "MakeType", "hex:01", [](TRegData& d) { d.Kind = MakeType::ImageSrc; }},
        {"Last", "LastSaveFname", "dword:00000000",
         [](TRegData& d) { d.LastSaveFname = d.DefaultSaveFname; }},
        {"Last", "OWNoCheck", "dword:00000001", [](TRegData& d) { d.OWNoCheck = false; }},
        {"Last", "HideMenu", "hex:31", [](TRegData& d) { d.HideMenu = false; }},
        {"ViewFont", "Name", "dword:00000000",
         [](TRegData& d) { d.ViewFont.SetName(TViewFont::kDefaultName); }},
        {"ViewFont", "Size", "dword:0000000c",
         [](TRegData& d) { d.ViewFont.SetSize(TViewFont::kDefaultSize); }},
    };
    const TRegData sample = testing::SampleSettings();
    for (const Case& c : cases) {
        testing::ClearUserRegistry();
        sample.SaveToRegistry(*OpenUserRegistry());
        // That one value gets the bad data.
        testing::StoreRegistryValues(c.section,
                                     "\"" + std::string(c.name) + "\"=" + c.stored + "\r\n");

        // Nothing of the sample but what the registry does not hold.
        TRegData loaded;
        loaded.DefaultSaveFname = sample.DefaultSaveFname;
        loaded.Header = sample.Header;
        loaded.Footer = sample.Footer;
        const std::vector<std::string> notices =
            loaded.LoadFromRegistry(*OpenUserRegistry(), TRegData::KeyAccess::CreateIfMissing,
                                    TRegData::BadValue::UseDefault);
        EXPECT_EQ(notices,
                  std::vector<std::string>{"'" + std::string(c.name) + "' のデータ型が不正です"})
            << c.section << "/" << c.name;
        TRegData expected = sample;
        c.useDefault(expected);
        EXPECT_EQ(loaded, expected) << c.section << "/" << c.name;

        loaded.SaveToRegistry(*OpenUserRegistry());
        TRegData again = loaded;
        again.Items = {};
        EXPECT_TRUE(again.LoadFromRegistry(*OpenUserRegistry()).empty());
        EXPECT_EQ(again, expected) << c.section << "/" << c.name;
    }
}

TEST_F(RegistryStoreTest, LoadStoppedInTheHistoryLeavesUnreadEntriesEmpty) {
    WriteRegistryValues("URL3", "\"Dir\"=\"d3\"\r\n\"StCount\"=dword:00000001\r\n");
    const TRegData before = testing::SampleSettings();
    TRegData data = before;
    EXPECT_THROW(data.LoadFromRegistry(*OpenUserRegistry()), ZarnetError);
    TRegData expected = before;
    for (std::size_t slot = 0; slot < TRegData::kHistorySize; ++slot) {
        expected.Items[slot].Dir.clear();
        if (slot < 3) {
            expected.Items[slot] = kDefaultItem;
        }
    }
    expected.Items[3].Dir = "d3";  // and the three values before StCount, missing here
    expected.Items[3].ContStr = expected.Items[3].FrontStr = expected.Items[3].RearStr = "";
    EXPECT_EQ(data, expected);
}

TEST_F(RegistryStoreTest, FontValuesApplyInOrderSoSizeDecidesTheHeight) {
    SetString("ViewFont", "Size", "12");
    SetString("ViewFont", "Height", "-12");
    SetString("ViewFont", "Name", "");
    SetString("ViewFont", "CharSet", "300");
    SetString("ViewFont", "Color", "0x80000005");
    TRegData before;
    before.ViewFont.SetName("Arial");
    before.ViewFont.CharSet = 0;
    TViewFont expected = before.ViewFont;  // an empty name and a charset over 255 change nothing
    expected.Height = -16;
    expected.Color = static_cast<std::int32_t>(0x80000005u);
    EXPECT_EQ(Loaded(before).ViewFont, expected);
}

// An in-memory registry that fails where it is told to and counts open keys.
class FakeRegistry : public Registry {
  public:
    std::map<std::string, std::map<std::string, Value>> Keys;  // full path -> values
    std::string FailCreate, FailClose;                         // full paths
    std::string FailSet, FailQuery;                            // value names
    std::vector<std::string> Visits;  // "subkey/value" of every query and set, in order
    std::size_t PeakOpenKeys = 0;

    Status CreateKey(Key parent, std::string_view path, Key& key) override {
        const std::string full = Join(parent, path);
        if (full == FailCreate) {
            return Status::Failed;
        }
        Keys[full];
        return Open(full, key);
    }
    Status OpenKey(Key parent, std::string_view path, Key& key) override {
        const std::string full = Join(parent, path);
        return Keys.contains(full) ? Open(full, key) : Status::NotFound;
    }
    Status QueryValue(Key key, std::string_view name, Value& value) override {
        Visit(key, name);
        const auto& values = Keys[open_.at(key)];
        const auto found = values.find(std::string(name));
        if (name == FailQuery || found == values.end()) {
            return name == FailQuery ? Status::Failed : Status::NotFound;
        }
        value = found->second;
        return Status::Ok;
    }
    Status SetStringValue(Key key, std::string_view name, std::string_view text) override {
        Visit(key, name);
        Keys[open_.at(key)][std::string(name)] = {kSz, std::string(text) + '\0'};
        return name == FailSet ? Status::Failed : Status::Ok;
    }
    void CloseKey(Key key) override {
        const std::string path = open_.at(key);
        open_.erase(key);
        if (path == FailClose) {  // as a registry file that cannot be written back
            throw ZarnetError(messages::kCannotCreateFile, {"registry.reg"});
        }
    }
    std::size_t OpenKeys() const { return open_.size(); }

  private:
    std::string Join(Key parent, std::string_view path) const {
        return (parent == kCurrentUser ? "" : open_.at(parent) + "\\") + std::string(path);
    }
    Status Open(const std::string& full, Key& key) {
        key = next_++;
        open_[key] = full;
        PeakOpenKeys = std::max(PeakOpenKeys, open_.size());
        return Status::Ok;
    }
    void Visit(Key key, std::string_view name) {
        Visits.push_back(open_.at(key).substr(kStoreKey.size() + 1) + "/" + std::string(name));
    }
    std::map<Key, std::string> open_;
    Key next_ = 100;
};

// The order decides what an interrupted load or save leaves behind.
TEST(RegistryStoreOrderTest, LoadAndSaveVisitTheValuesInTheirOrder) {
    std::vector<std::string> expected;
    const auto add = [&expected](const std::string& subkey,
                                 std::initializer_list<const char*> names) {
        for (const char* name : names) {
            expected.push_back(subkey + "/" + name);
        }
    };
    const auto item = {"Dir", "ContStr", "FrontStr", "RearStr", "StCount", "EdCount", "ExtStr"};
    for (int slot = 0; slot < 20; ++slot) {
        add("URL" + std::to_string(slot), item);
    }
    add("Last", item);
    add("Last", {"ImageWidth", "ImageHeight", "MakeType", "LastSaveFname", "Separator", "Border",
                 "OWNoCheck", "ClickView", "Compact", "AutoSave", "HideMenu", "ProbeGap",
                 "ProbeConnections", "ProbeTimeout"});
    add("ViewFont", {"CharSet", "Color", "Height", "Name", "Size"});

    FakeRegistry registry;
    testing::SampleSettings().SaveToRegistry(registry);
    EXPECT_EQ(registry.Visits, expected);
    registry.Visits.clear();
    TRegData data;
    data.LoadFromRegistry(registry);
    EXPECT_EQ(registry.Visits, expected);
    EXPECT_EQ(registry.PeakOpenKeys, 2u);  // every subkey closed right after its value
}

TEST(RegistryStoreFailureTest, EveryFailureIsReportedAndEveryKeyClosed) {
    struct Case {
        std::string failCreate, failClose, failSet, failQuery;
        bool save;
        std::string message;
    };
    const Case cases[] = {
        {"", "", "ImageWidth", "", true, "'ImageWidth' の設定に失敗しました"},
        {kStoreKey + "\\URL0", "", "", "", true, "キー URL0 の作成に失敗しました"},
        {kStoreKey, "", "", "", true, "キー Software\\t-velka\\Zarnet の作成に失敗しました"},
        {kStoreKey, "", "", "", false, "キー Software\\t-velka\\Zarnet を開けません"},
        {"", "", "", "MakeType", false, "'MakeType' の取得に失敗しました"},
        {"", kStoreKey, "", "", true, "ファイル registry.reg を作成できません"},
        {"", kStoreKey, "", "", false, "no error"},  // a load has nothing to lose
        {"", kStoreKey, "Dir", "", true, "'Dir' の設定に失敗しました"},  // the first error wins
    };
    for (const Case& c : cases) {
        FakeRegistry registry;
        registry.Keys[kStoreKey + "\\Last"]["MakeType"] = {Registry::kSz, "1"};
        registry.FailCreate = c.failCreate;
        registry.FailClose = c.failClose;
        registry.FailSet = c.failSet;
        registry.FailQuery = c.failQuery;
        TRegData data;
        EXPECT_EQ(ErrorOf([&] {
                      c.save ? data.SaveToRegistry(registry)
                             : (void)data.LoadFromRegistry(registry);
                  }),
                  c.message);
        EXPECT_EQ(registry.OpenKeys(), 0u) << c.message;
    }
}

TEST(RegistryStoreFailureTest, FailedSaveKeepsWhatWasWrittenAndFailedKeyLoadsDefaults) {
    FakeRegistry registry;
    registry.FailSet = "ImageHeight";
    EXPECT_THROW(testing::SampleSettings().SaveToRegistry(registry), ZarnetError);
    EXPECT_EQ(registry.Keys[kStoreKey + "\\URL19"].size(), 7u);
    EXPECT_EQ(registry.Keys[kStoreKey + "\\Last"].size(), 9u);  // ImageHeight, set or not
    EXPECT_FALSE(registry.Keys.contains(kStoreKey + "\\ViewFont"));

    // Every value takes its default, then the load reports the key.
    registry.FailCreate = kStoreKey;
    TRegData data = testing::SampleSettings();
    EXPECT_THROW(data.LoadFromRegistry(registry), ZarnetError);
    EXPECT_EQ(data.LastItem, kDefaultItem);
    EXPECT_EQ(data.Output.ImageWidth, 40);
}

}  // namespace
}  // namespace zarnet
