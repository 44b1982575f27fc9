// The registry store on the registry file that stands in for the registry:
// failures name the file and the system's reason.
#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"
#include "platform/ZarnetError.h"
#include "store/SampleSettings.h"
#include "store/StoreTestHelpers.h"
#include "store/TRegData.h"
#include "support/TempDir.h"

namespace zarnet {
namespace {

const TURLItem kDefaultItem = testing::kRegistryDefaultItem;
using testing::ErrorOf;

// Off Windows a failed save names the registry file and the reason, and says
// that the settings were not saved.
TEST(RegistryFileStoreTest, FailedSaveNamesTheFileAndTheReason) {
    const testing::TempDir dir_;
    const testing::ScopedConfigHome home(dir_.Path());
    dir_.Write("zarnet", "a file where the folder belongs");
    const std::string message =
        ErrorOf([] { testing::SampleSettings().SaveToRegistry(*OpenUserRegistry()); });
    EXPECT_EQ(message, "キー Software\\t-velka\\Zarnet の作成に失敗しました (" +
                           dir_.File("zarnet") + ": Not a directory)\n設定は保存されていません");

    // A load of the same reports the key and every value keeps its default.
    TRegData data = testing::SampleSettings();
    EXPECT_EQ(ErrorOf([&] { data.LoadFromRegistry(*OpenUserRegistry()); }),
              "キー Software\\t-velka\\Zarnet を開けません (" + dir_.File("zarnet") +
                  ": Not a directory)");
    EXPECT_EQ(data.LastItem, kDefaultItem);
}

}  // namespace
}  // namespace zarnet
