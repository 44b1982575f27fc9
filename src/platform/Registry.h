#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zarnet {

// The registry operations the settings store needs, below HKEY_CURRENT_USER:
// the system's on Windows, a registry file elsewhere. Names are UTF-8; value
// data are the bytes as stored.
class Registry {
  public:
    using Key = std::uintptr_t;
    static constexpr Key kCurrentUser = 1;

    // Registry value types, numbered as the system numbers them.
    enum Type : std::uint32_t {
        kNone = 0,
        kSz = 1,
        kExpandSz = 2,
        kBinary = 3,
        kDword = 4,
    };

    struct Value {
        std::uint32_t Type = kNone;
        // Code page 932 text with its terminating zero byte for the string types.
        std::string Data;
    };

    enum class Status { Ok, NotFound, Failed };

    virtual ~Registry() = default;

    // Opens `path` below `parent`, creating it and the keys on its way.
    virtual Status CreateKey(Key parent, std::string_view path, Key& key) = 0;
    // Opens an existing key; creates nothing.
    virtual Status OpenKey(Key parent, std::string_view path, Key& key) = 0;
    // NotFound when the value does not exist, Failed when it cannot be fetched.
    virtual Status QueryValue(Key key, std::string_view name, Value& value) = 0;
    // Sets a REG_SZ value: `text` in code page 932, the zero byte added here.
    virtual Status SetStringValue(Key key, std::string_view name, std::string_view text) = 0;
    // Closes the key even when it raises: closing the last key of a registry
    // file writes the file back, and a write that fails raises its error.
    virtual void CloseKey(Key key) = 0;

    // Where and why the last call that returned Failed failed, as "file:
    // reason", for messages that say more than the key's name; empty where
    // there is nothing to add.
    virtual std::string FailureDetail() const { return {}; }
    // What the user should hear of that did not stop the calls: a registry
    // file that was no registry file and was set aside. Empty when there is
    // nothing; taking it clears it.
    virtual std::string TakeNotice() { return {}; }
};

// A registry that is only read never changes anything: no key, no file, no
// folder, no lock.
enum class RegistryAccess { ReadWrite, ReadOnly };

// The current user's registry: the system's on Windows, elsewhere the file
// $XDG_CONFIG_HOME/zarnet/registry.reg (~/.config when the variable is unset
// or not an absolute path).
std::unique_ptr<Registry> OpenUserRegistry(RegistryAccess access = RegistryAccess::ReadWrite);

}  // namespace zarnet
