// A full save and a full load of the settings record's INI form: 165 keys
// over 23 sections, the way the INI store writes and reads them.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "platform/PrivateProfile.h"

namespace {

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

std::vector<Entry> SettingsEntries() {
    const std::vector<Entry> pattern = {
        {"", "Dir", "http://example.com/写真/%%/"},
        {"", "ContStr", "cats,dogs,08-12"},
        {"", "FrontStr", "img"},
        {"", "RearStr", ""},
        {"", "StCount", "001"},
        {"", "EdCount", "120"},
        {"", "ExtStr", "jpg"},
    };
    std::vector<Entry> entries;
    for (int slot = 0; slot <= 20; ++slot) {
        std::string section = slot < 20 ? "URL" + std::to_string(slot) : "Last";
        for (const Entry& e : pattern) {
            entries.push_back({section, e.key, e.value});
        }
    }
    for (const char* key : {"ImageWidth", "ImageHeight", "MakeType"}) {
        entries.push_back({"Last", key, "60"});
    }
    entries.push_back({"Last", "LastSaveFname", "/home/user/Download.html"});
    for (const char* key :
         {"Separator", "Border", "OWNoCheck", "ClickView", "Compact", "AutoSave", "HideMenu"}) {
        entries.push_back({"Last", key, "1"});
    }
    for (const char* key : {"CharSet", "Color", "Height"}) {
        entries.push_back({"ViewFont", key, "-12"});
    }
    entries.push_back({"ViewFont", "Name", "ＭＳ Ｐゴシック"});
    entries.push_back({"ViewFont", "Size", "9"});
    entries.push_back({"User", "Header", ""});
    entries.push_back({"User", "Footer", ""});
    return entries;
}

class IniFixture : public benchmark::Fixture {
  public:
    void SetUp(const benchmark::State&) override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zarnet-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create " + pattern);
        }
        folder_ = pattern;
        file_ = pattern + "/Zarnet.ini";
        entries_ = SettingsEntries();
        Save();
    }

    void TearDown(const benchmark::State&) override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

  protected:
    void Save() {
        zarnet::PrivateProfile ini(file_);
        ini.BeginBatch();
        for (const Entry& e : entries_) {
            ini.WriteString(e.section, e.key, e.value);
        }
        ini.Commit();
    }

    std::string folder_;
    std::string file_;
    std::vector<Entry> entries_;
};

BENCHMARK_DEFINE_F(IniFixture, FullSave)(benchmark::State& state) {
    for (auto _ : state) {
        Save();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries_.size()));
}
BENCHMARK_REGISTER_F(IniFixture, FullSave)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(IniFixture, FullLoad)(benchmark::State& state) {
    for (auto _ : state) {
        zarnet::PrivateProfile ini(file_);
        for (const Entry& e : entries_) {
            benchmark::DoNotOptimize(ini.ReadString(e.section, e.key, "default"));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries_.size()));
}
BENCHMARK_REGISTER_F(IniFixture, FullLoad)->Unit(benchmark::kMillisecond);

}  // namespace
