#include "platform/Registry.h"

#include "platform/win/WinApi.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/Cp932.h"

namespace zarnet {

namespace {

// The system's registry through its ANSI functions, names in code page 932.
class SystemRegistry final : public Registry {
  public:
    // Existing keys open with `openAccess`: KEY_READ for a registry that is
    // only read.
    explicit SystemRegistry(REGSAM openAccess) : openAccess_(openAccess) {}

    Status CreateKey(Key parent, std::string_view path, Key& key) override;
    Status OpenKey(Key parent, std::string_view path, Key& key) override;
    Status QueryValue(Key key, std::string_view name, Value& value) override;
    Status SetStringValue(Key key, std::string_view name, std::string_view text) override;
    void CloseKey(Key key) override;

  private:
    REGSAM openAccess_;
};

HKEY ToHandle(Registry::Key key) {
    return key == Registry::kCurrentUser ? HKEY_CURRENT_USER : reinterpret_cast<HKEY>(key);
}

Registry::Key FromHandle(HKEY handle) {
    return reinterpret_cast<Registry::Key>(handle);
}

// The name as the ANSI functions take it; nullopt for a name with a zero
// byte, which they would cut short.
std::optional<std::string> AnsiName(std::string_view utf8) {
    if (utf8.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return cp932::Encode(utf8);
}

Registry::Status StatusOf(LONG result) {
    if (result == ERROR_SUCCESS) {
        return Registry::Status::Ok;
    }
    return result == ERROR_FILE_NOT_FOUND ? Registry::Status::NotFound : Registry::Status::Failed;
}

Registry::Status SystemRegistry::CreateKey(Key parent, std::string_view path, Key& key) {
    const auto name = AnsiName(path);
    if (!name) {
        return Status::Failed;
    }
    HKEY handle = nullptr;
    const LONG result =
        RegCreateKeyExA(ToHandle(parent), name->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (result != ERROR_SUCCESS) {
        return Status::Failed;
    }
    key = FromHandle(handle);
    return Status::Ok;
}

Registry::Status SystemRegistry::OpenKey(Key parent, std::string_view path, Key& key) {
    const auto name = AnsiName(path);
    if (!name) {
        return Status::Failed;
    }
    HKEY handle = nullptr;
    const LONG result = RegOpenKeyExA(ToHandle(parent), name->c_str(), 0, openAccess_, &handle);
    if (result == ERROR_SUCCESS) {
        key = FromHandle(handle);
    }
    return StatusOf(result);
}

Registry::Status SystemRegistry::QueryValue(Key key, std::string_view name, Value& value) {
    const auto valueName = AnsiName(name);
    if (!valueName) {
        return Status::Failed;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG result =
        RegQueryValueExA(ToHandle(key), valueName->c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) {
        return StatusOf(result);
    }
    // The value may grow between asking its size and fetching it.
    std::string data;
    do {
        data.resize(size);
        result = RegQueryValueExA(ToHandle(key), valueName->c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
    } while (result == ERROR_MORE_DATA);
    if (result != ERROR_SUCCESS) {
        return Status::Failed;
    }
    data.resize(size);
    value.Type = type;
    value.Data = std::move(data);
    return Status::Ok;
}

Registry::Status SystemRegistry::SetStringValue(Key key, std::string_view name,
                                                std::string_view text) {
    const auto valueName = AnsiName(name);
    if (!valueName || text.size() >= MAXDWORD) {
        return Status::Failed;
    }
    std::string data(text);
    data += '\0';
    const LONG result =
        RegSetValueExA(ToHandle(key), valueName->c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    return result == ERROR_SUCCESS ? Status::Ok : Status::Failed;
}

// The system writes its registry itself: nothing to raise here.
void SystemRegistry::CloseKey(Key key) {
    if (key != kCurrentUser) {
        RegCloseKey(ToHandle(key));
    }
}

}  // namespace

std::unique_ptr<Registry> OpenUserRegistry(RegistryAccess access) {
    return std::make_unique<SystemRegistry>(access == RegistryAccess::ReadOnly ? KEY_READ
                                                                               : KEY_ALL_ACCESS);
}

}  // namespace zarnet
