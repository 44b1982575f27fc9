#include "support/UserRegistry.h"

#include <filesystem>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/TextFile.h"
#include "platform/posix/RegFileDocument.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace zarnet::testing {

namespace {

constexpr std::string_view kStoreKey = "Software\\t-velka\\Zarnet";

// The values of the lines, as the registry file reader takes them.
RegFileDocument ValuesOf(const std::string& section, const std::string& values) {
    const std::string key = "[HKEY_CURRENT_USER\\" + std::string(kStoreKey) + "\\" + section + "]";
    std::optional<RegFileDocument> document =
        RegFileDocument::Parse("REGEDIT4\r\n\r\n" + key + "\r\n" + values);
    if (!document) {
        throw std::runtime_error("not registry values: " + values);
    }
    return std::move(*document);
}

RegFileDocument::KeyPath PathOf(const std::string& section) {
    return *RegFileDocument::SplitPath(std::string(kStoreKey) + "\\" + section);
}

// The names the lines give their values to.
std::vector<std::string> NamesIn(const std::string& values) {
    std::vector<std::string> names;
    const std::regex line("^\"([^\"]*)\"=", std::regex::multiline);
    for (std::sregex_iterator it(values.begin(), values.end(), line), end; it != end; ++it) {
        names.push_back((*it)[1]);
    }
    return names;
}

#ifndef _WIN32
std::string RegistryFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config == nullptr) {
        throw std::runtime_error("tests keep the registry file in XDG_CONFIG_HOME");
    }
    return std::string(config) + "/zarnet/registry.reg";
}
#endif

}  // namespace

void ClearUserRegistry() {
#ifdef _WIN32
    RegDeleteTreeA(HKEY_CURRENT_USER, std::string(kStoreKey).c_str());
#else
    std::filesystem::remove(RegistryFile());
#endif
}

void StoreRegistryValues(const std::string& section, const std::string& values) {
    const RegFileDocument given = ValuesOf(section, values);
    const RegFileDocument::KeyPath path = PathOf(section);
#ifdef _WIN32
    HKEY key = nullptr;
    const std::string subkey = std::string(kStoreKey) + "\\" + section;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + subkey);
    }
    for (const std::string& name : NamesIn(values)) {
        const Registry::Value* value = given.FindValue(path, name);
        RegSetValueExA(key, name.c_str(), 0, value->Type,
                       reinterpret_cast<const BYTE*>(value->Data.data()),
                       static_cast<DWORD>(value->Data.size()));
    }
    RegCloseKey(key);
#else
    const std::string file = RegistryFile();
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::optional<RegFileDocument> document = std::filesystem::exists(file)
                                                  ? RegFileDocument::Parse(ReadFileBytes(file))
                                                  : RegFileDocument::Parse("");
    for (const std::string& name : NamesIn(values)) {
        document->SetValue(path, name, *given.FindValue(path, name));
    }
    ReplaceFile(file, document->Text());
#endif
}

}  // namespace zarnet::testing
