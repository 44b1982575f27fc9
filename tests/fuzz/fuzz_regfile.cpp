// The input is a registry file. Its text is read, edited with names found in
// it (cut byte-wise, so odd as often as not) and a few fixed ones, written,
// and read afresh: what was written must read back the same. Then the same
// bytes go through the registry file as the store uses it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/Registry.h"
#include "platform/ZarnetError.h"
#include "platform/posix/RegFileDocument.h"
#include "platform/posix/RegistryFile.h"

namespace {

using zarnet::RegFileDocument;
using zarnet::Registry;

constexpr std::size_t kMaxNames = 6;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_regfile: %s\n", what);
        std::abort();
    }
}

void AddName(std::vector<std::string>& names, std::string_view name) {
    if (names.size() < kMaxNames) {
        names.emplace_back(name);
    }
}

// Paths after the root of "[" lines and names between the first two quotes.
void Harvest(std::string_view bytes, std::vector<std::string>& paths,
             std::vector<std::string>& names) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        const std::string_view line = bytes.substr(start, stop - start);
        if (const std::size_t root = line.find("USER\\"); root != std::string_view::npos) {
            const std::string_view rest = line.substr(root + 5);
            AddName(paths, rest.substr(0, rest.rfind(']')));
        }
        if (const std::size_t open = line.find('"'); open != std::string_view::npos) {
            AddName(names, line.substr(open + 1, line.find('"', open + 1) - open - 1));
        }
        if (stop == std::string_view::npos) {
            break;
        }
        start = stop + 1;
    }
}

bool SameValue(const Registry::Value* a, const Registry::Value* b) {
    return a == nullptr ? b == nullptr : b != nullptr && a->Type == b->Type && a->Data == b->Data;
}

void CheckDocument(std::string_view bytes, const std::vector<RegFileDocument::KeyPath>& keys,
                   const std::vector<std::string>& names) {
    std::optional<RegFileDocument> document = RegFileDocument::Parse(bytes);
    if (!document) {
        return;
    }
    const std::string text = document->Text();
    const std::optional<RegFileDocument> reread = RegFileDocument::Parse(text);
    Check(reread.has_value(), "written text is no registry file");
    Check(reread->Text() == text, "written text changes when read again");
    for (const auto& key : keys) {
        for (const std::string& name : names) {
            Check(SameValue(document->FindValue(key, name), reread->FindValue(key, name)),
                  "written text reads unlike the original");
        }
    }

    // Values of every type, their data cut from the input.
    for (std::size_t i = 0; i < keys.size() * names.size(); ++i) {
        const auto& key = keys[i % keys.size()];
        const std::string& name = names[(i + bytes.size()) % names.size()];
        if (!RegFileDocument::IsWritableName(name)) {
            continue;
        }
        const Registry::Value value{static_cast<std::uint32_t>((i + bytes.size()) % 6),
                                    std::string(bytes.substr(i % (bytes.size() + 1), i % 7))};
        document->SetValue(key, name, value);
        Check(SameValue(document->FindValue(key, name), &value), "set value not found");
        Check(document->KeyExists(key), "key of a set value missing");
    }
    const std::string edited = document->Text();
    const std::optional<RegFileDocument> fresh = RegFileDocument::Parse(edited);
    Check(fresh.has_value(), "edited text is no registry file");
    Check(fresh->Text() == edited, "edited text changes when read again");
    for (const auto& key : keys) {
        Check(document->KeyExists(key) == fresh->KeyExists(key), "key lost in writing");
        for (const std::string& name : names) {
            Check(SameValue(document->FindValue(key, name), fresh->FindValue(key, name)),
                  "edited text reads unlike its bytes");
        }
    }
}

// A folder of its own for the registry file, removed when the fuzzer exits.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zarnet-fuzz-XXXXXX").string();
        Check(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
        path_ = pattern + "/";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

void CheckRegistryFile(std::string_view bytes, const std::vector<std::string>& names) {
    static const ScratchFolder folder;
    const std::string path = folder.Path() + "registry.reg";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::error_code ignored;
    std::filesystem::remove(path + ".bad", ignored);

    auto registry = zarnet::OpenRegistryFile(path);
    Registry::Key store{};
    Check(registry->CreateKey(Registry::kCurrentUser, "Software\\t-velka\\Zarnet", store) ==
              Registry::Status::Ok,
          "store key not created");
    for (const char* section : {"URL0", "Last", "ViewFont"}) {
        Registry::Key key{};
        if (registry->OpenKey(store, section, key) == Registry::Status::Ok) {
            for (const std::string& name : names) {
                Registry::Value value;
                registry->QueryValue(key, name, value);
            }
            registry->CloseKey(key);
        }
        Check(registry->CreateKey(store, section, key) == Registry::Status::Ok,
              "subkey not created");
        for (const std::string& name : names) {
            registry->SetStringValue(key, name, bytes.substr(0, name.size()));
        }
        registry->CloseKey(key);
    }
    try {
        registry->CloseKey(store);
    } catch (const zarnet::ZarnetError&) {
        Check(false, "registry file not written");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // ソ, ゾ, ア, ヂ: second bytes "\", "]", "A", "a".
    std::vector<std::string> paths = {"Software\\t-velka\\Zarnet\\URL0", "\x83\x5C\\\x83\x5D"};
    std::vector<std::string> names = {"Dir", "", "\x83\x41", "\x83\x61", "\x83\x5C"};
    Harvest(bytes, paths, names);

    std::vector<RegFileDocument::KeyPath> keys;
    for (const std::string& path : paths) {
        if (auto key = RegFileDocument::SplitPath(path)) {
            keys.push_back(std::move(*key));
        }
    }
    CheckDocument(bytes, keys, names);
    CheckRegistryFile(bytes, names);
    return 0;
}
