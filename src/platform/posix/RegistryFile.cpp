#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

#include "platform/Cp932.h"
#include "platform/RegFileDocument.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"

namespace zarnet {

namespace {

// The registry as a file. Between the first key opened from kCurrentUser and
// the last key closed (one load or save of the store) the file is locked and
// held in memory; the last close writes it back if anything changed.
class RegistryFile final : public Registry {
  public:
    explicit RegistryFile(std::string path) : path_(std::move(path)) {}
    ~RegistryFile() override;
    RegistryFile(const RegistryFile&) = delete;
    RegistryFile& operator=(const RegistryFile&) = delete;

    Status CreateKey(Key parent, std::string_view path, Key& key) override {
        return Open(parent, path, key, true);
    }
    Status OpenKey(Key parent, std::string_view path, Key& key) override {
        return Open(parent, path, key, false);
    }
    Status QueryValue(Key key, std::string_view name, Value& value) override;
    Status SetStringValue(Key key, std::string_view name, std::string_view text) override;
    void CloseKey(Key key) override;

  private:
    Status Open(Key parent, std::string_view path, Key& key, bool create);
    std::optional<RegFileDocument::KeyPath> PathOf(Key key);
    bool BeginSession();
    std::optional<RegFileDocument> ReadDocument() const;
    bool MoveAside() const;
    void EndSession();
    void Unlock();

    std::string path_;
    int lockFd_ = -1;
    std::optional<RegFileDocument> document_;  // set while a session runs
    bool changed_ = false;
    std::map<Key, RegFileDocument::KeyPath> openKeys_;
    Key nextKey_ = kCurrentUser + 1;
};

RegistryFile::~RegistryFile() {
    // Keys left open: keep what was set, as the system's registry would.
    if (document_) {
        try {
            EndSession();
        } catch (const ZarnetError&) {
        }
    }
}

std::optional<RegFileDocument::KeyPath> RegistryFile::PathOf(Key key) {
    if (key == kCurrentUser) {
        if (!document_ && !BeginSession()) {
            return std::nullopt;
        }
        return RegFileDocument::KeyPath{};
    }
    const auto found = openKeys_.find(key);
    if (found == openKeys_.end()) {
        return std::nullopt;
    }
    return found->second;
}

Registry::Status RegistryFile::Open(Key parent, std::string_view path, Key& key, bool create) {
    std::optional<RegFileDocument::KeyPath> full = PathOf(parent);
    if (!full) {
        return Status::Failed;
    }
    Status status = Status::Ok;
    if (const auto names = RegFileDocument::SplitPath(cp932::Encode(path))) {
        full->insert(full->end(), names->begin(), names->end());
        if (create) {
            changed_ = document_->AddKey(*full) || changed_;
        } else if (!document_->KeyExists(*full)) {
            status = Status::NotFound;
        }
    } else {
        status = Status::Failed;
    }
    if (status == Status::Ok) {
        key = nextKey_++;
        openKeys_.emplace(key, std::move(*full));
    } else if (openKeys_.empty()) {
        EndSession();
    }
    return status;
}

Registry::Status RegistryFile::QueryValue(Key key, std::string_view name, Value& value) {
    const auto found = openKeys_.find(key);
    if (found == openKeys_.end()) {
        return Status::Failed;
    }
    const Value* stored = document_->FindValue(found->second, cp932::Encode(name));
    if (stored == nullptr) {
        return Status::NotFound;
    }
    value = *stored;
    return Status::Ok;
}

Registry::Status RegistryFile::SetStringValue(Key key, std::string_view name,
                                              std::string_view text) {
    const auto found = openKeys_.find(key);
    const std::string storedName = cp932::Encode(name);
    if (found == openKeys_.end() || !RegFileDocument::IsWritableName(storedName)) {
        return Status::Failed;
    }
    Value value{kSz, std::string(text)};
    value.Data += '\0';
    changed_ = document_->SetValue(found->second, storedName, value) || changed_;
    return Status::Ok;
}

void RegistryFile::CloseKey(Key key) {
    if (openKeys_.erase(key) != 0 && openKeys_.empty()) {
        EndSession();
    }
}

bool RegistryFile::BeginSession() {
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::error_code error;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    if (error) {
        return false;
    }
    // A lock file of its own: the registry file itself is replaced by rename,
    // which would leave a lock on it behind with the old file.
    lockFd_ = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lockFd_ < 0) {
        return false;
    }
    int locked;
    do {
        locked = ::flock(lockFd_, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        document_ = ReadDocument();
    }
    if (!document_) {
        Unlock();
        return false;
    }
    changed_ = false;
    return true;
}

std::optional<RegFileDocument> RegistryFile::ReadDocument() const {
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0) {
        return errno == ENOENT ? std::optional<RegFileDocument>(RegFileDocument{}) : std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes = ReadFileBytes(path_);
    } catch (const ZarnetError&) {
        return std::nullopt;
    }
    if (auto document = RegFileDocument::Parse(bytes)) {
        return document;
    }
    // Not ours: keep it for its owner rather than write over it.
    if (!MoveAside()) {
        return std::nullopt;
    }
    return RegFileDocument{};
}

bool RegistryFile::MoveAside() const {
    std::string target = path_ + ".bad";
    struct stat status {};
    for (int n = 1; ::lstat(target.c_str(), &status) == 0; ++n) {
        target = path_ + ".bad." + std::to_string(n);
    }
    return errno == ENOENT && ::rename(path_.c_str(), target.c_str()) == 0;
}

void RegistryFile::EndSession() {
    // The lock and the text go whether the write succeeds or not; when it
    // fails, the old file stays whole.
    const std::optional<RegFileDocument> document = std::exchange(document_, std::nullopt);
    const bool changed = std::exchange(changed_, false);
    try {
        if (changed) {
            ReplaceFile(path_, document->Text());
        }
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

void RegistryFile::Unlock() {
    // Closing the descriptor releases the lock.
    ::close(lockFd_);
    lockFd_ = -1;
}

std::string ConfigFolder() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        return config;
    }
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        return std::string(home) + "/.config";
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? std::string(user->pw_dir) + "/.config" : ".config";
}

}  // namespace

std::unique_ptr<Registry> OpenRegistryFile(const std::string& path) {
    return std::make_unique<RegistryFile>(path);
}

std::unique_ptr<Registry> OpenUserRegistry() {
    return OpenRegistryFile(ConfigFolder() + "/zarnet/registry.reg");
}

}  // namespace zarnet
