#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/Registry.h"
#include "platform/ZarnetError.h"
#include "store/SettingsReader.h"
#include "store/SettingsWriter.h"
#include "store/StoreMessages.h"
#include "store/StoredFields.h"
#include "store/TRegData.h"

namespace zarnet {

namespace {

// Closes a key however the call that opened it ends. Closing the store key
// may write the registry file and fail: Close() reports that; closing on the
// way out of another error, or after a load, which has nothing to lose, does
// not.
class OpenedKey {
  public:
    OpenedKey(Registry& registry, Registry::Key key) : registry_(registry), key_(key) {}
    ~OpenedKey() {
        if (open_) {
            try {
                registry_.CloseKey(key_);
            } catch (...) {
                // Dropped: another error is on its way out, or a load wrote nothing.
            }
        }
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    Registry::Key Get() const { return key_; }

    void Close() {
        open_ = false;
        registry_.CloseKey(key_);
    }

  private:
    Registry& registry_;
    Registry::Key key_;
    bool open_ = true;
};

// Sections are subkeys of the store key; each is opened for one value only.
class RegistryReader : public SettingsReader {
  public:
    // Without a store key every value reads as missing. With `skipped`, a
    // value that cannot be read gets its fallback and its message goes there.
    RegistryReader(Registry& registry, std::optional<Registry::Key> storeKey,
                   std::vector<std::string>* skipped)
        : registry_(registry), storeKey_(storeKey), skipped_(skipped) {}

    std::string ReadString(std::string_view section, std::string_view name,
                           std::string_view fallback) override {
        if (skipped_ == nullptr) {
            return Read(section, name, fallback);
        }
        try {
            return Read(section, name, fallback);
        } catch (const ZarnetError& error) {
            skipped_->push_back(error.Explained());
            return std::string(fallback);
        }
    }

  private:
    std::string Read(std::string_view section, std::string_view name, std::string_view fallback) {
        Registry::Key key{};
        if (!storeKey_ || registry_.OpenKey(*storeKey_, section, key) != Registry::Status::Ok) {
            return std::string(fallback);
        }
        OpenedKey subkey(registry_, key);
        Registry::Value value;
        switch (registry_.QueryValue(subkey.Get(), name, value)) {
            case Registry::Status::NotFound:
                return std::string(fallback);
            case Registry::Status::Failed:
                throw ZarnetError(messages::kCannotGetData, {name});
            case Registry::Status::Ok:
                break;
        }
        if (value.Data.empty()) {
            return {};  // no data is empty text, whatever the type
        }
        // Expandable text is taken as it stands: nothing is expanded.
        if (value.Type != Registry::kSz && value.Type != Registry::kExpandSz) {
            throw ZarnetError(messages::kInvalidDataType, {name});
        }
        const std::string_view data = value.Data;
        return cp932::Decode(data.substr(0, data.find('\0')));
    }

    Registry& registry_;
    std::optional<Registry::Key> storeKey_;
    std::vector<std::string>* skipped_;
};

class RegistryWriter : public SettingsWriter {
  public:
    RegistryWriter(Registry& registry, Registry::Key storeKey)
        : registry_(registry), storeKey_(storeKey) {}

    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override {
        Registry::Key key{};
        if (registry_.CreateKey(storeKey_, section, key) != Registry::Status::Ok) {
            throw ZarnetError(messages::kCannotCreateKey, {section});
        }
        OpenedKey subkey(registry_, key);
        if (registry_.SetStringValue(subkey.Get(), name, cp932::Encode(value)) !=
            Registry::Status::Ok) {
            throw ZarnetError(messages::kCannotSetData, {name});
        }
    }

  private:
    Registry& registry_;
    Registry::Key storeKey_;
};

}  // namespace

// Without a store key every value is its default; ExistingOnly then leaves the
// registry as it was. A store key that exists but cannot be opened (the
// registry file is unreadable, say) gives every value its default and is
// reported like a bad value.
std::vector<std::string> TRegData::LoadFromRegistry(Registry& registry, KeyAccess access,
                                                    BadValue onBadValue) {
    Registry::Key key{};
    const Registry::Status opened =
        access == KeyAccess::CreateIfMissing
            ? registry.CreateKey(Registry::kCurrentUser, kRegistryKey, key)
            : registry.OpenKey(Registry::kCurrentUser, kRegistryKey, key);
    std::optional<OpenedKey> storeKey;
    std::optional<Registry::Key> readFrom;
    if (opened == Registry::Status::Ok) {
        storeKey.emplace(registry, key);
        readFrom = key;
    }
    std::vector<std::string> notices;
    if (std::string notice = registry.TakeNotice(); !notice.empty()) {
        notices.push_back(std::move(notice));
    }
    const bool raise = onBadValue == BadValue::Raise;
    RegistryReader in(registry, readFrom, raise ? nullptr : &notices);

    ReadFrom(in, StoreKind::Registry);
    if (opened == Registry::Status::Failed) {
        const ZarnetError error(messages::kCannotOpenKey, {kRegistryKey}, registry.FailureDetail());
        if (raise) {
            throw error;
        }
        notices.push_back(error.Explained());
    }
    return notices;
}

void TRegData::SaveToRegistry(Registry& registry, StoredHistory history) const {
    // Where a registry file is behind the failure, the message names it and
    // the system's reason, and says that nothing was saved.
    Registry::Key key{};
    if (registry.CreateKey(Registry::kCurrentUser, kRegistryKey, key) != Registry::Status::Ok) {
        const ZarnetError error(messages::kCannotCreateKey, {kRegistryKey},
                                registry.FailureDetail());
        if (error.Detail().empty()) {
            throw error;
        }
        throw error.FollowedBy(messages::kNotSaved);
    }
    try {
        OpenedKey storeKey(registry, key);
        // A stored entry that cannot be read is taken as its defaults: the
        // record's own values are saved all the same.
        std::vector<std::string> unreadable;
        RegistryReader stored(registry, storeKey.Get(), &unreadable);
        RegistryWriter out(registry, storeKey.Get());
        WriteTo(out, HistoryToSave(stored, StoreKind::Registry, history));
        // A save that did not reach the disk must not pass for done.
        storeKey.Close();
    } catch (const FileError& error) {
        throw error.FollowedBy(messages::kNotSaved);
    }
}

}  // namespace zarnet
