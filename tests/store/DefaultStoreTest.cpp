#include "store/DefaultStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/ZarnetError.h"
#include "store/SampleSettings.h"
#include "support/TempDir.h"
#include "support/UserRegistry.h"

namespace zarnet {
namespace {

class DefaultStoreTest : public ::testing::Test {
  protected:
    testing::TempDir config_;
    testing::ScopedConfigHome home_{config_.Path()};
    testing::TempDir program_;
    const AppPaths paths_ = AppPaths::ForExecutable(program_.File("zarnet"));
    const std::string ini_ = paths_.IniFileName();
    DefaultStoreTest() { testing::ClearUserRegistry(); }
    ~DefaultStoreTest() override { testing::ClearUserRegistry(); }

    static bool StoreKeyExists() {
        Registry::Key key{};
        auto registry = OpenUserRegistry(RegistryAccess::ReadOnly);
        if (registry->OpenKey(Registry::kCurrentUser, TRegData::kRegistryKey, key) !=
            Registry::Status::Ok) {
            return false;
        }
        registry->CloseKey(key);
        return true;
    }
};

TEST_F(DefaultStoreTest, FirstStartUsesTheRegistryAndCreatesNoIniFile) {
    TRegData data = NewSettings(paths_);
    std::vector<std::string> notices;
    EXPECT_EQ(LoadFromDefaultStore(data, ini_, *OpenUserRegistry(), notices), StoreKind::Registry);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(data.LastItem.StCount, "001");
    EXPECT_EQ(data.LastSaveFname, program_.File("Download.html"));
    EXPECT_FALSE(std::filesystem::exists(ini_));
}

TEST_F(DefaultStoreTest, SwitchChoosesTheStoreForStartAndShutDown) {
    const std::pair<const char*, StoreKind> cases[] = {
        {"1", StoreKind::IniFile}, {"0", StoreKind::Registry}, {"on", StoreKind::Registry}};
    for (const auto& [switchText, store] : cases) {
        testing::ClearUserRegistry();
        program_.Write("zarnet.ini", std::string("[Default]\r\nIniFile=") + switchText +
                                         "\r\n[Last]\r\nDir=from ini\r\n");
        const bool ini = store == StoreKind::IniFile;
        TRegData data = NewSettings(paths_);
        std::vector<std::string> notices;
        ASSERT_EQ(LoadFromDefaultStore(data, ini_, *OpenUserRegistry(), notices), store)
            << switchText;
        EXPECT_EQ(data.LastItem.Dir, ini ? "from ini" : "");

        data.LastItem.Dir = "saved";
        SaveToDefaultStore(data, store, ini_, *OpenUserRegistry(),
                           TRegData::StoredHistory::KeepBehindPushed);
        TRegData fromIni = NewSettings(paths_);
        fromIni.LoadFromIni(ini_);
        TRegData fromRegistry = NewSettings(paths_);
        fromRegistry.LoadFromRegistry(*OpenUserRegistry());
        EXPECT_EQ(fromIni.LastItem.Dir, ini ? "saved" : "from ini");
        EXPECT_EQ(fromRegistry.LastItem.Dir, ini ? "" : "saved");
        EXPECT_EQ(TRegData::ReadIniDefault(ini_), ini);
    }
}

// Two windows on one store, each recording patterns, each saving at its
// shut-down: the later save keeps what the earlier one recorded, behind its
// own, as if both had pushed into one history.
TEST_F(DefaultStoreTest, ShutDownSaveKeepsWhatAnotherWindowRecorded) {
    // An entry as "Dir:ContStr", ContStr naming who recorded it.
    const auto item = [](const std::string& entry) {
        const std::size_t colon = entry.find(':');
        return TURLItem{entry.substr(0, colon), entry.substr(colon + 1), "f", "r", "1", "9", ".e"};
    };
    const auto numbered = [](const std::string& prefix, int count) {
        std::vector<std::string> entries;
        for (int n = 0; n < count; ++n) {
            entries.push_back(prefix + std::to_string(n) + ":" + prefix);
        }
        return entries;
    };
    const auto joined = [](std::vector<std::string> front, const std::vector<std::string>& back) {
        front.insert(front.end(), back.begin(), back.end());
        return front;
    };
    struct Case {
        const char* name;
        std::vector<std::string> stored;                // slot 0 first
        std::vector<std::string> pushedByA, pushedByB;  // in the order pushed
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"both kept, the later first",
         {"old:s"},
         {"a1:A", "a2:A"},
         {"b1:B"},
         {"b1:B", "a2:A", "a1:A", "old:s"}},
        {"nothing pushed by the later", {"old:s"}, {"a1:A"}, {}, {"a1:A", "old:s"}},
        {"one address pushed by both, case aside",
         {"old:s"},
         {"http://x/:A", "a1:A"},
         {"HTTP://X/:B"},
         {"HTTP://X/:B", "a1:A", "old:s"}},
        {"a stored entry pushed again moves up",
         {"old:s", "older:s"},
         {"a1:A"},
         {"older:B"},
         {"older:B", "a1:A", "old:s"}},
        {"twenty at most, the oldest stored go",
         numbered("s", 18),
         {"a0:A", "a1:A"},
         {"b0:B", "b1:B", "b2:B"},
         joined({"b2:B", "b1:B", "b0:B", "a1:A", "a0:A"}, numbered("s", 15))},
    };
    for (const StoreKind store : {StoreKind::Registry, StoreKind::IniFile}) {
        for (const Case& c : cases) {
            const std::string what =
                std::string(c.name) + (store == StoreKind::Registry ? ", registry" : ", INI file");
            testing::ClearUserRegistry();
            std::filesystem::remove(ini_);
            TRegData initial = NewSettings(paths_);
            for (std::size_t slot = 0; slot < c.stored.size(); ++slot) {
                initial.Items[slot] = item(c.stored[slot]);
            }
            SaveToDefaultStore(initial, store, ini_, *OpenUserRegistry(),
                               TRegData::StoredHistory::Replace);

            const auto started = [&] {
                TRegData data = NewSettings(paths_);
                LoadFromStore(data, store, ini_, *OpenUserRegistry());
                return data;
            };
            TRegData a = started();
            TRegData b = started();
            for (const std::string& entry : c.pushedByA) {
                a.AddToHistory(item(entry));
            }
            for (const std::string& entry : c.pushedByB) {
                b.AddToHistory(item(entry));
            }
            a.LastItem.Dir = "last of A";
            b.LastItem.Dir = "last of B";
            for (const TRegData* window : {&a, &b}) {
                SaveToDefaultStore(*window, store, ini_, *OpenUserRegistry(),
                                   TRegData::StoredHistory::KeepBehindPushed);
            }

            const TRegData saved = started();
            std::vector<std::string> history;
            for (const TURLItem& entry : saved.Items) {
                if (!entry.Dir.empty()) {
                    history.push_back(entry.Dir + ":" + entry.ContStr);
                    EXPECT_EQ(entry, item(history.back())) << what;
                }
            }
            EXPECT_EQ(history, c.expected) << what;
            EXPECT_EQ(saved.LastItem.Dir, "last of B") << what;  // the rest is the later's
        }
    }
}

TEST_F(DefaultStoreTest, CliReadsTheRegistryWithoutCreatingIt) {
    const TRegData data = LoadSettingsForCli("registry", paths_);
    EXPECT_EQ(data.LastItem.ExtStr, ".jpg");
    EXPECT_EQ(data.LastSaveFname, program_.File("Download.html"));
    EXPECT_FALSE(StoreKeyExists());

    testing::SampleSettings().SaveToRegistry(*OpenUserRegistry());
    EXPECT_EQ(LoadSettingsForCli("registry", paths_).Items, testing::SampleSettings().Items);

    testing::StoreRegistryValues("Last", "\"MakeType\"=dword:00000001\r\n");
    EXPECT_THROW(LoadSettingsForCli("registry", paths_), ZarnetError);
}

TEST_F(DefaultStoreTest, CliReadsAnIniFile) {
    program_.Write("empty.ini", "");
    const TRegData defaults = LoadSettingsForCli(program_.File("empty.ini"), paths_);
    EXPECT_EQ(defaults.LastItem, TURLItem{});
    EXPECT_TRUE(defaults.Output.ClickView);

    testing::SampleSettings().SaveToIni(program_.File("mine.ini"));
    const TRegData data = LoadSettingsForCli(program_.File("mine.ini"), paths_);
    EXPECT_EQ(data.Items, testing::SampleSettings().Items);
    EXPECT_EQ(data.DefaultSaveFname, program_.File("Download.html"));
}

}  // namespace
}  // namespace zarnet
