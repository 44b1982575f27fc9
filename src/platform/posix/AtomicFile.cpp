#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/FileErrors.h"
#include "platform/Paths.h"

namespace zarnet {

namespace {

// As many as the system itself follows before giving up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 100;

// The file `path` names once symbolic links are followed: the link's target
// is what gets replaced, not the link.
std::string FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::string link(4096, '\0');
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            ThrowCannotCreate(path);
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.starts_with('/') ? link : FolderPart(current) + link;
    }
    ThrowCannotCreate(path);
}

void SyncFolder(const std::string& folder) {
    // Makes the rename itself durable; where a folder cannot be synced the
    // file is in place all the same.
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

class AtomicFile::Impl {
  public:
    ~Impl() { Discard(); }

    void Discard() {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
        if (!temp.empty()) {
            unlink(temp.c_str());
            temp.clear();
        }
    }

    std::string shownPath;  // as the caller named it, for messages
    std::string target;
    std::string temp;  // empty when the target is written in place
    int fd = -1;
};

namespace {

// A device or a pipe (/dev/null, /dev/stdout, a FIFO) cannot be replaced by
// a regular file without destroying it; it is written in place, as the
// shell's ">" does.
bool IsDeviceOrPipe(const struct stat& status) {
    return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) || S_ISFIFO(status.st_mode) ||
           S_ISSOCK(status.st_mode);
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path) : impl_(std::make_unique<Impl>()) {
    impl_->shownPath = path;
    impl_->target = FollowLinks(path);
    struct stat status {};
    const bool exists = stat(impl_->target.c_str(), &status) == 0;
    // A file the user may not write stays as it is, as it would if it were
    // opened for writing in place.
    if (exists && (S_ISDIR(status.st_mode) || access(impl_->target.c_str(), W_OK) != 0)) {
        ThrowCannotCreate(path);
    }
    if (exists && IsDeviceOrPipe(status)) {
        impl_->fd = open(impl_->target.c_str(), O_WRONLY | O_CLOEXEC);
        if (impl_->fd < 0) {
            ThrowCannotCreate(path);
        }
        ReportStep("created");
        return;
    }
    const std::string folder = FolderPart(impl_->target);
    for (int attempt = 0; attempt < kMaxNameTries && impl_->fd < 0; ++attempt) {
        std::string temp = TemporaryPathIn(folder);
        // 0666 lets the umask decide a new file's permissions, as for any file.
        impl_->fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (impl_->fd >= 0) {
            impl_->temp = std::move(temp);
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (impl_->fd < 0) {
        ThrowCannotCreate(path);
    }
    if (exists) {
        // Best effort: some file systems keep no permissions, and the content
        // matters more than its mode there.
        fchmod(impl_->fd, status.st_mode & 07777);
    }
    ReportStep("created");
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::Write(std::string_view bytes) {
    if (impl_->fd < 0) {
        ThrowWriteError();
    }
    while (!bytes.empty()) {
        const std::string_view chunk = bytes.substr(0, std::min(bytes.size(), kChunkSize));
        std::size_t done = 0;
        while (done < chunk.size()) {
            const ssize_t written = write(impl_->fd, chunk.data() + done, chunk.size() - done);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                impl_->Discard();
                ThrowWriteError();
            }
            done += static_cast<std::size_t>(written);
        }
        bytes.remove_prefix(chunk.size());
        ReportStep("written");
    }
}

void AtomicFile::Commit() {
    if (impl_->fd < 0) {
        ThrowWriteError();
    }
    if (impl_->temp.empty()) {
        // Written in place: nothing to sync or rename.
        if (close(std::exchange(impl_->fd, -1)) != 0) {
            ThrowWriteError();
        }
        return;
    }
    if (fsync(impl_->fd) != 0) {
        impl_->Discard();
        ThrowWriteError();
    }
    ReportStep("synced");
    if (close(std::exchange(impl_->fd, -1)) != 0) {
        impl_->Discard();
        ThrowWriteError();
    }
    if (rename(impl_->temp.c_str(), impl_->target.c_str()) != 0) {
        impl_->Discard();
        ThrowCannotCreate(impl_->shownPath);
    }
    impl_->temp.clear();
    ReportStep("renamed");
    SyncFolder(FolderPart(impl_->target));
}

}  // namespace zarnet
