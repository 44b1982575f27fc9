#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <utility>

#include "platform/AtomicFileTesting.h"
#include "platform/FileErrors.h"
#include "platform/Paths.h"
#include "platform/posix/TemporaryFileTesting.h"

namespace zarnet {

namespace {

// As many as the system itself follows before giving up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameTries = 100;

// The descriptor number when `path` names one of this process's open
// descriptors through the system's folder of them (/dev/fd/N,
// /proc/self/fd/N); -1 for any other path.
int DescriptorNamed(const std::string& path) {
    const std::string name = path.substr(FolderPart(path).size());
    if (name.empty() || name.size() > 9 ||
        name.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    char* own = realpath("/proc/self/fd", nullptr);
    char* folder = realpath(FolderPart(path).c_str(), nullptr);
    const bool ours = own != nullptr && folder != nullptr && std::string_view(own) == folder;
    free(own);
    free(folder);
    return ours ? std::stoi(name) : -1;
}

struct LinkEnd {
    std::string Path;
    int Descriptor = -1;  // when the path names an open descriptor
};

// Where `path` leads once symbolic links are followed: the link's target is
// what gets replaced, not the link. A link into the folder of open
// descriptors (/dev/stdout) ends at that descriptor: its own link names a
// file it may have opened for appending, or no file at all (a pipe).
LinkEnd FollowLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        if (const int fd = DescriptorNamed(current); fd >= 0) {
            return {current, fd};
        }
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return {current};
        }
        std::string link(4096, '\0');
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            ThrowCannotCreate(path);
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.starts_with('/') ? link : FolderPart(current) + link;
    }
    ThrowCannotCreate(path, ELOOP);
}

// 1 when `path` is the very file standard output writes to, else -1.
int StandardOutputAt(const std::string& path) {
    struct stat file {};
    struct stat output {};
    return stat(path.c_str(), &file) == 0 && fstat(STDOUT_FILENO, &output) == 0 &&
                   file.st_dev == output.st_dev && file.st_ino == output.st_ino
               ? STDOUT_FILENO
               : -1;
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

std::atomic<bool> namedOnly{false};

// The named temporary files being written, for the signal handler: it may
// only unlink, so the names wait here ready made.
std::array<std::atomic<const char*>, 8> pendingNames{};

// Every signal that can be caught and that ends the program unless handled
// (the real-time signals and SIGTRAP, a debugger's, aside).
constexpr std::array kEndingSignals = {
    SIGHUP,  SIGINT,  SIGQUIT, SIGILL,  SIGABRT, SIGBUS,  SIGFPE,    SIGUSR1, SIGSEGV,
    SIGUSR2, SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
};

// A fault: the program cannot go on, whoever handles it.
bool IsFault(int signal) {
    return signal == SIGSEGV || signal == SIGBUS || signal == SIGILL || signal == SIGFPE ||
           signal == SIGABRT || signal == SIGSYS;
}

// What each signal did before the handler was installed, while it is: set
// before the handler goes in, read by the handler.
std::array<struct sigaction, NSIG> previousActions{};
std::array<bool, NSIG> installed{};
std::mutex installing;
int namesTracked = 0;  // under `installing`

bool IsHandler(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) != 0 ||
           (action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN);
}

void RemovePending() {
    for (std::atomic<const char*>& slot : pendingNames) {
        if (const char* name = slot.exchange(nullptr)) {
            unlink(name);
        }
    }
}

// Where the signal ends the program, the temporary files go first: on a
// fault always, else only where the signal does what it does by default.
// A handler of the program's own is passed the signal as it would have been:
// it may end the program in order, or let it go on, and the write with it.
extern "C" void RemovePendingAndPassOn(int signal, siginfo_t* info, void* context) {
    const struct sigaction& previous = previousActions[static_cast<std::size_t>(signal)];
    const bool handled = IsHandler(previous);
    if (!handled || IsFault(signal)) {
        RemovePending();
    }
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(signal, info, context);
    } else if (handled) {
        previous.sa_handler(signal);
    } else {
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        sigaction(signal, &fallback, nullptr);
        raise(signal);  // delivered as the handler returns
    }
}

// Only while a named temporary file exists, so the handlers the program
// sets for itself stay in place the rest of the time. A signal the program
// ignores (nohup, a background job) stays ignored.
void InstallHandlers() {
    for (const int signal : kEndingSignals) {
        const auto at = static_cast<std::size_t>(signal);
        struct sigaction old {};
        installed[at] =
            sigaction(signal, nullptr, &old) == 0 && (IsHandler(old) || old.sa_handler == SIG_DFL);
        if (!installed[at]) {
            continue;
        }
        previousActions[at] = old;
        struct sigaction action {};
        action.sa_sigaction = RemovePendingAndPassOn;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// What the program set meanwhile stays.
void RestoreHandlers() {
    for (const int signal : kEndingSignals) {
        const auto at = static_cast<std::size_t>(signal);
        struct sigaction now {};
        if (installed[at] && sigaction(signal, nullptr, &now) == 0 &&
            (now.sa_flags & SA_SIGINFO) != 0 && now.sa_sigaction == RemovePendingAndPassOn) {
            sigaction(signal, &previousActions[at], nullptr);
        }
        installed[at] = false;
    }
}

// The handler only ever empties slots, so a free one stays free here.
void Track(const std::string& name) {
    const std::lock_guard<std::mutex> lock(installing);
    for (std::atomic<const char*>& slot : pendingNames) {
        if (slot.load() == nullptr) {
            if (namesTracked++ == 0) {
                InstallHandlers();
            }
            slot.store(name.c_str());
            return;
        }
    }
}

void Untrack(const std::string& name) {
    const std::lock_guard<std::mutex> lock(installing);
    for (std::atomic<const char*>& slot : pendingNames) {
        const char* mine = name.c_str();
        if (slot.compare_exchange_strong(mine, nullptr) && --namesTracked == 0) {
            RestoreHandlers();
        }
    }
}

// An unnamed file in the folder, where the file system offers them.
int OpenUnnamed(const std::string& folder) {
    // The file gets its name through /proc at Commit(); without /proc (a
    // chroot, a sandbox) it needs a name from the start.
    if (namedOnly.load() || access("/proc/self/fd", X_OK) != 0) {
        return -1;
    }
    return open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

}  // namespace

// Bytes go to a temporary file in the target's folder; Commit() flushes it to
// disk and renames it over the target. Where the system offers unnamed
// temporary files, the file gets its name only at Commit(), so an interrupted
// write leaves nothing.
class AtomicFile::Impl {
  public:
    // Without Commit() the temporary file goes.
    ~Impl() { Discard(); }

    void Discard() {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
        DropName();
    }

    // A named temporary file: the signal handler knows of it until it
    // is renamed or removed.
    void Name(std::string name) {
        temp = std::move(name);
        Track(temp);
    }
    // A fresh name beside the target, known to the signal handler
    // before `make` brings the file into being under it. False, with errno
    // as `make` left it, when no name could be used.
    template <typename Make>
    bool TakeName(Make make) {
        for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
            Name(AtomicFile::TemporaryPathIn(folder));
            if (make(temp.c_str())) {
                return true;
            }
            const int error = errno;
            Untrack(temp);  // not ours to remove
            temp.clear();
            errno = error;
            if (error != EEXIST) {
                break;
            }
        }
        return false;
    }

    void DropName() {
        if (!temp.empty()) {
            // Removed before the handler forgets it, so a signal in between
            // leaves nothing either.
            unlink(temp.c_str());
            Untrack(temp);
            temp.clear();
        }
    }

    // Writes through `descriptor`, opened on the file where it is: nothing is
    // renamed. Raises for a descriptor that could not be had.
    void WriteInPlace(int descriptor) {
        fd = descriptor;
        if (fd < 0) {
            ThrowCannotCreate(shownPath);
        }
        inPlace = true;
        ReportReplaceStep("created");
    }

    std::string shownPath;  // as the caller named it, for messages
    std::string target;
    std::string folder;
    std::string temp;      // the temporary file's name while it has one
    bool unnamed = false;  // written to an unnamed file, named at Commit()
    bool inPlace = false;  // a device, a pipe or an open descriptor
    int fd = -1;
};

void AtomicFile::FailWritesToClosedPipes() {
    signal(SIGPIPE, SIG_IGN);
}

void UseNamedTemporaryFilesForTesting(bool named) {
    namedOnly.store(named);
}

namespace {

// A device or a pipe (/dev/null, /dev/stdout, a FIFO) cannot be replaced by
// a regular file without destroying it; it is written in place, as the
// shell's ">" does.
bool IsDeviceOrPipe(const struct stat& status) {
    return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) || S_ISFIFO(status.st_mode) ||
           S_ISSOCK(status.st_mode);
}

// Opening a pipe for writing waits for a reader, as the shell's ">" does.
// Never waiting, a pipe that no program reads fails at once (ENXIO); once a
// reader is there the writes wait for it as they would anyway.
int OpenInPlace(const std::string& path, Waiting waiting) {
    if (waiting == Waiting::LikeTheShell) {
        return open(path.c_str(), O_WRONLY | O_CLOEXEC);
    }
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return fd;
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path, Waiting waiting) : impl_(std::make_unique<Impl>()) {
    impl_->shownPath = path;
    const LinkEnd end = FollowLinks(path);
    // An open stream (/dev/stdout, /dev/fd/3, the file standard output goes
    // to) is written through its own descriptor: it appends where it was
    // opened for appending, and nothing is renamed over the file behind it.
    if (const int stream = end.Descriptor >= 0 ? end.Descriptor : StandardOutputAt(end.Path);
        stream >= 0) {
        impl_->WriteInPlace(fcntl(stream, F_DUPFD_CLOEXEC, 0));
        return;
    }
    impl_->target = end.Path;
    struct stat status {};
    const bool exists = stat(impl_->target.c_str(), &status) == 0;
    // A file the user may not write stays as it is, as it would if it were
    // opened for writing in place.
    if (exists && S_ISDIR(status.st_mode)) {
        ThrowCannotCreate(path, EISDIR);
    }
    if (exists && access(impl_->target.c_str(), W_OK) != 0) {
        ThrowCannotCreate(path);
    }
    if (exists && IsDeviceOrPipe(status)) {
        const int fd = OpenInPlace(impl_->target, waiting);
        if (fd < 0 && errno == ENXIO && S_ISFIFO(status.st_mode)) {
            ThrowCannotCreate(path, std::string("no program reads the pipe"));
        }
        impl_->WriteInPlace(fd);
        return;
    }
    impl_->folder = FolderPart(impl_->target);
    impl_->fd = OpenUnnamed(impl_->folder);
    impl_->unnamed = impl_->fd >= 0;
    if (!impl_->unnamed && !impl_->TakeName([this](const char* name) {
            // 0666 lets the umask decide a new file's permissions, as for any file.
            impl_->fd = open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return impl_->fd >= 0;
        })) {
        ThrowCannotCreate(path);
    }
    if (exists) {
        // Best effort: some file systems keep no owners or permissions, and
        // the content matters more. The owner goes first, as a change of
        // owner may clear the mode's set-id bits.
        if (fchown(impl_->fd, status.st_uid, status.st_gid) != 0 &&
            fchown(impl_->fd, static_cast<uid_t>(-1), status.st_gid) != 0) {
            // Only root may give a file away (root saving a user's file);
            // anyone else's new file stays their own, in the old file's group
            // where they belong to it, else in their own.
        }
        fchmod(impl_->fd, status.st_mode & 07777);
    }
    ReportReplaceStep("created");
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::Write(std::string_view bytes) {
    if (impl_->fd < 0) {
        ThrowWriteError(impl_->shownPath, 0);
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
                const int error = written < 0 ? errno : ENOSPC;
                impl_->Discard();
                ThrowWriteError(impl_->shownPath, error);
            }
            done += static_cast<std::size_t>(written);
        }
        bytes.remove_prefix(chunk.size());
        ReportReplaceStep("written");
    }
}

void AtomicFile::Commit() {
    // On failure the temporary file goes, and the old file stays.
    const auto fail = [this](bool created) {
        const int error = errno;
        impl_->Discard();
        if (created) {
            ThrowCannotCreate(impl_->shownPath, error);
        }
        ThrowWriteError(impl_->shownPath, error);
    };
    if (impl_->fd < 0) {
        ThrowWriteError(impl_->shownPath, 0);
    }
    if (impl_->inPlace) {
        // Written in place: nothing to sync or rename.
        if (close(std::exchange(impl_->fd, -1)) != 0) {
            ThrowWriteError(impl_->shownPath);
        }
        return;
    }
    if (fsync(impl_->fd) != 0) {
        fail(false);
    }
    ReportReplaceStep("synced");
    if (impl_->unnamed) {
        // A name of its own first: a link cannot replace the target. The
        // signal handler knows the name before it exists.
        const std::string self = "/proc/self/fd/" + std::to_string(impl_->fd);
        if (!impl_->TakeName([&self](const char* name) {
                return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
            })) {
            fail(true);
        }
    }
    if (close(std::exchange(impl_->fd, -1)) != 0) {
        fail(false);
    }
    if (rename(impl_->temp.c_str(), impl_->target.c_str()) != 0) {
        fail(true);
    }
    Untrack(impl_->temp);
    impl_->temp.clear();
    ReportReplaceStep("renamed");
    SyncFolder(impl_->folder);
}

}  // namespace zarnet
