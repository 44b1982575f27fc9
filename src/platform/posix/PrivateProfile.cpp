#include "platform/PrivateProfile.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/IniText.h"
#include "platform/TextFile.h"
#include "platform/ZarnetError.h"

namespace zarnet {

namespace {

// What identifies one version of the file: a rename puts a new inode in
// place, an edit in place changes the size or the time.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

}  // namespace

// The file is read once and kept as an IniText. Outside a batch every call
// first checks the file's stamp and reads it again when someone else changed
// it, so each call sees the file as it is, as the platform's functions do,
// for the price of one stat. Inside a batch the copy in memory is the truth.
class PrivateProfile::Impl {
  public:
    explicit Impl(std::string fileName) : fileName_(std::move(fileName)) {}

    const IniText& Text() {
        if (!batch_) {
            Refresh();
        }
        return *text_;
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) {
        if (!batch_) {
            Refresh();
        }
        text_->Set(section, key, value);
        if (batch_) {
            dirty_ = true;
        } else {
            Store();
        }
    }

    void BeginBatch() {
        if (!batch_) {
            Refresh();
            batch_ = true;
        }
    }

    void Commit() {
        bool dirty = dirty_;
        batch_ = false;
        dirty_ = false;
        if (dirty) {
            Store();
        }
    }

  private:
    // Nothing for a path that exists but is no regular file, or that cannot
    // be looked at, and `whyNot` says why; an empty stamp for a missing file.
    std::optional<FileStamp> Stat(std::optional<std::string>& whyNot) const {
        struct stat info {};
        if (stat(fileName_.c_str(), &info) != 0) {
            if (errno == ENOENT || errno == ENOTDIR) {
                return FileStamp{};
            }
            whyNot = ErrnoReason(errno);
            return std::nullopt;
        }
        if (!S_ISREG(info.st_mode)) {
            whyNot = S_ISDIR(info.st_mode) ? ErrnoReason(EISDIR) : std::string(kNotRegularFile);
            return std::nullopt;
        }
        return FileStamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }

    void Refresh() {
        unwritable_.reset();
        std::optional<FileStamp> stamp = Stat(unwritable_);
        if (current_ && stamp && *stamp == stamp_) {
            return;
        }
        text_.emplace();
        current_ = stamp.has_value();
        stamp_ = stamp.value_or(FileStamp{});
        if (current_ && stamp_.exists) {
            try {
                text_.emplace(ReadFileBytes(fileName_));
            } catch (const FileError& error) {
                // Reading never fails: the file reads as empty. But a write
                // must not then replace whatever it holds by one key.
                current_ = false;
                unwritable_ = error.Reason();
            }
        }
    }

    void Store() {
        std::optional<std::string> failure = unwritable_;
        if (!failure) {
            try {
                ReplaceFile(fileName_, text_->Bytes());
            } catch (const FileError& error) {
                failure = error.Reason();
            }
        }
        if (failure) {
            // The edit never reached the disk; the next call reads the file again.
            current_ = false;
            throw ZarnetError(messages::kCannotWriteIni, {fileName_}, *failure);
        }
        std::optional<std::string> ignored;
        std::optional<FileStamp> stamp = Stat(ignored);
        current_ = stamp && stamp->exists;
        stamp_ = stamp.value_or(FileStamp{});
    }

    std::string fileName_;
    std::optional<IniText> text_;
    FileStamp stamp_;
    bool current_ = false;  // text_ is the file of stamp_
    // Why the file may not be replaced: it could not be looked at or read.
    std::optional<std::string> unwritable_;
    bool batch_ = false;
    bool dirty_ = false;
};

PrivateProfile::PrivateProfile(std::string fileName)
    : fileName_(std::move(fileName)), impl_(std::make_unique<Impl>(fileName_)) {}

PrivateProfile::~PrivateProfile() = default;

std::string PrivateProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) {
    std::optional<std::string_view> value =
        impl_->Text().Find(cp932::Encode(section), cp932::Encode(key));
    if (!value) {
        return std::string(fallback);
    }
    // The platform hands out C strings in a buffer of kBufferSize bytes.
    return Received(*value);
}

void PrivateProfile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    impl_->Write(cp932::Encode(section), cp932::Encode(key), cp932::Encode(value));
}

void PrivateProfile::BeginBatch() {
    impl_->BeginBatch();
}

void PrivateProfile::Commit() {
    impl_->Commit();
}

}  // namespace zarnet
