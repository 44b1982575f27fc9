#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <thread>
#include <utility>

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/Registry.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/RegFileDocument.h"
#include "platform/posix/RegistryFile.h"
#include "platform/posix/UserFolders.h"

namespace zarnet {

namespace {

// How long a program waits for another to finish its save.
constexpr std::chrono::seconds kLockWait{5};
constexpr std::chrono::milliseconds kLockPoll{20};

// The registry as a file. Between the first key opened from kCurrentUser and
// the last key closed (one load or save of the store) the file is locked and
// held in memory; the last close writes it back if anything changed.
// - Its folder is created when needed.
// - A lock file `path` + ".lock" beside it keeps two programs from saving at
//   once. Reading needs no lock, since the file is only ever replaced whole;
//   a lock that cannot be had within a few seconds (held by another program,
//   or in a folder the user may not write) leaves the registry readable, and
//   a save then fails naming the lock and why.
// - A file that is not a registry file (its first non-blank line is not
//   "REGEDIT4") is moved aside to `path` + ".bad" (".bad.1", ".bad.2" ...
//   when that is taken), the registry starts empty, and TakeNotice() says so.
// Read-only, it does none of this: a file that cannot be read or is no
// registry file makes the first key fail to open.
class RegistryFile final : public Registry {
  public:
    RegistryFile(std::string path, RegistryAccess access)
        : path_(std::move(path)), lockPath_(path_ + ".lock"), access_(access) {}
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
    std::string FailureDetail() const override { return failure_; }
    std::string TakeNotice() override { return std::exchange(notice_, std::string()); }

  private:
    bool ReadOnly() const { return access_ == RegistryAccess::ReadOnly; }
    Status Open(Key parent, std::string_view path, Key& key, bool create);
    std::optional<RegFileDocument::KeyPath> PathOf(Key key);
    bool BeginSession();
    void TakeLock();
    std::optional<RegFileDocument> ReadDocument();
    // The name the file was moved to, or empty when it could not be.
    std::string MoveAside() const;
    void EndSession();

    std::string path_;
    std::string lockPath_;
    RegistryAccess access_;
    // The lock file's descriptor, open only while it holds the lock: closing
    // it releases the lock.
    Descriptor lock_;
    // Why this session holds no lock, in words: its save fails with this.
    std::string lockProblem_;
    std::string failure_;
    std::string notice_;
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
        } catch (...) {
            // Nobody is left to hear of a failed write; the old file stays whole.
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
        if (create && ReadOnly()) {
            failure_ = path_ + ": opened for reading only";
            status = Status::Failed;
        } else if (create) {
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
    if (found == openKeys_.end() || ReadOnly() || !RegFileDocument::IsWritableName(storedName)) {
        return Status::Failed;
    }
    Value value{kSz, std::string(text)};
    value.Data += '\0';
    changed_ = document_->SetValue(found->second, storedName, value) || changed_;
    return Status::Ok;
}

// The last key closed writes the file back. Should that write fail, the key is
// closed all the same, the old file stays whole, and the file's error
// ("ファイル %s を作成できません" or "ストリームへの書き込みエラー") is raised,
// so a save never passes for done when nothing was written.
void RegistryFile::CloseKey(Key key) {
    if (openKeys_.erase(key) != 0 && openKeys_.empty()) {
        EndSession();
    }
}

bool RegistryFile::BeginSession() {
    failure_.clear();
    if (!ReadOnly()) {
        const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
        std::error_code error;
        if (!folder.empty()) {
            std::filesystem::create_directories(folder, error);
        }
        if (error) {
            failure_ = FileDetail(folder.string(), error.value());
            return false;
        }
        TakeLock();
    }
    document_ = ReadDocument();
    if (!document_) {
        lock_.Close();
        return false;
    }
    changed_ = false;
    return true;
}

void RegistryFile::TakeLock() {
    // A lock file of its own: the registry file itself is replaced by rename,
    // which would leave a lock on it behind with the old file. Another
    // user's lock file can still be locked through a descriptor for reading.
    Descriptor opened(::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!opened.Open()) {
        // Why it could not be made, unless it exists and was only not ours.
        const int createError = errno;
        opened = Descriptor(::open(lockPath_.c_str(), O_RDONLY | O_CLOEXEC));
        if (!opened.Open()) {
            lockProblem_ = std::strerror(errno == ENOENT ? createError : errno);
            return;
        }
    }
    const auto giveUp = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(opened.Get(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) {
            continue;
        }
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= giveUp) {
            lockProblem_ = error == EWOULDBLOCK ? "held by another program for " +
                                                      std::to_string(kLockWait.count()) + " seconds"
                                                : std::strerror(error);
            return;
        }
        std::this_thread::sleep_for(kLockPoll);
    }
    lockProblem_.clear();
    lock_ = std::move(opened);
}

std::optional<RegFileDocument> RegistryFile::ReadDocument() {
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return RegFileDocument{};  // a fresh installation
        }
        failure_ = FileDetail(path_, errno);
        return std::nullopt;
    }
    std::string bytes;
    try {
        // A folder, a pipe or a device is refused before it is opened.
        bytes = ReadFileBytes(path_, Waiting::Never);
    } catch (const FileError& error) {
        failure_ = error.Path() + ": " + error.Reason();
        return std::nullopt;
    }
    if (auto document = RegFileDocument::Parse(bytes)) {
        return document;
    }
    // Only a session holding the lock may move the file, or another
    // program's good file could be the one set aside.
    if (ReadOnly() || !lock_.Open()) {
        failure_ = path_ + ": not a registry file";
        return std::nullopt;
    }
    // Not ours: keep it for its owner rather than write over it.
    const std::string movedTo = MoveAside();
    if (movedTo.empty()) {
        failure_ = path_ + ": not a registry file, and it could not be moved aside";
        return std::nullopt;
    }
    notice_ = FormatMessage(messages::kMovedAside.Text, {path_, movedTo});
    return RegFileDocument{};
}

std::string RegistryFile::MoveAside() const {
    std::string target = path_ + ".bad";
    struct stat status {};
    for (int n = 1; ::lstat(target.c_str(), &status) == 0; ++n) {
        target = path_ + ".bad." + std::to_string(n);
    }
    return errno == ENOENT && ::rename(path_.c_str(), target.c_str()) == 0 ? target : std::string();
}

void RegistryFile::EndSession() {
    // The lock and the text go whether the write succeeds or not; when it
    // fails, the old file stays whole.
    const std::optional<RegFileDocument> document = std::exchange(document_, std::nullopt);
    const bool changed = std::exchange(changed_, false);
    const Descriptor lock = std::move(lock_);
    // Without the lock another program's save could be lost under this one.
    if (changed && !lock.Open()) {
        throw FileError(messages::kCannotCreateFile, path_, lockPath_, lockProblem_);
    }
    if (changed) {
        ReplaceFile(path_, document->Text());
    }
}

}  // namespace

std::unique_ptr<Registry> OpenRegistryFile(const std::string& path, RegistryAccess access) {
    return std::make_unique<RegistryFile>(path, access);
}

std::unique_ptr<Registry> OpenUserRegistry(RegistryAccess access) {
    return OpenRegistryFile(UserConfigFolder() + "/zarnet/registry.reg", access);
}

}  // namespace zarnet
