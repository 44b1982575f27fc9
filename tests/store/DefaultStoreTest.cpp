#include "store/DefaultStore.h"

#include <gtest/gtest.h>

#include <filesystem>

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
        SaveToDefaultStore(data, store, ini_, *OpenUserRegistry());
        TRegData fromIni = NewSettings(paths_);
        fromIni.LoadFromIni(ini_);
        TRegData fromRegistry = NewSettings(paths_);
        fromRegistry.LoadFromRegistry(*OpenUserRegistry());
        EXPECT_EQ(fromIni.LastItem.Dir, ini ? "saved" : "from ini");
        EXPECT_EQ(fromRegistry.LastItem.Dir, ini ? "" : "saved");
        EXPECT_EQ(TRegData::ReadIniDefault(ini_), ini);
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
