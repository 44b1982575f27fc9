#include "platform/AtomicFile.h"

#include "platform/win/WinApi.h"

#include <algorithm>

#include "platform/AtomicFileTesting.h"
#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/Paths.h"
#include "platform/win/SystemErrors.h"

namespace zarnet {

namespace {

constexpr int kMaxNameTries = 100;

// Attributes a replaced file keeps; read-only is refused before, and the
// rest belong to the new file.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::string Ansi(const std::string& utf8) {
    return cp932::Encode(utf8);
}

// The file `path` names once symbolic links are followed: the link's target
// is what gets replaced, not the link. A link that leads nowhere is replaced
// itself.
std::string FollowLinks(const std::string& path) {
    const std::string ansi = Ansi(path);
    const DWORD attributes = GetFileAttributesA(ansi.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return path;
    }
    const HANDLE file =
        CreateFileA(ansi.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return path;
    }
    std::string final(MAX_PATH, '\0');
    DWORD length = GetFinalPathNameByHandleA(file, final.data(), static_cast<DWORD>(final.size()),
                                             VOLUME_NAME_DOS);
    if (length >= final.size()) {
        final.resize(length);  // the size needed, with the terminating zero
        length = GetFinalPathNameByHandleA(file, final.data(), static_cast<DWORD>(final.size()),
                                           VOLUME_NAME_DOS);
    }
    CloseHandle(file);
    if (length == 0 || length >= final.size()) {
        return path;
    }
    final.resize(length);
    // The ANSI functions want the plain form, not the "\\?\" one.
    if (final.starts_with("\\\\?\\UNC\\")) {
        final = "\\\\" + final.substr(8);
    } else if (final.starts_with("\\\\?\\")) {
        final = final.substr(4);
    }
    return cp932::Decode(final);
}

}  // namespace

// Bytes go to a temporary file in the target's folder; Commit() flushes it to
// disk and moves it over the target.
class AtomicFile::Impl {
  public:
    // Without Commit() the temporary file goes.
    ~Impl() { Discard(); }

    void Discard() {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            file = INVALID_HANDLE_VALUE;
        }
        if (!temp.empty()) {
            DeleteFileA(Ansi(temp).c_str());
            temp.clear();
        }
    }

    std::string shownPath;  // as the caller named it, for messages
    std::string target;
    std::string temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD keptAttributes = 0;
};

// Nothing here is written in place, so nothing waits for a pipe's reader.
AtomicFile::AtomicFile(const std::string& path, Waiting /*waiting*/)
    : impl_(std::make_unique<Impl>()) {
    impl_->shownPath = path;
    impl_->target = FollowLinks(path);
    const DWORD attributes = GetFileAttributesA(Ansi(impl_->target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A folder cannot be replaced by a file, and a read-only file stays as
        // it is, as it would if it were opened for writing in place.
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
            ThrowCannotCreate(path, SystemReason(ERROR_ACCESS_DENIED));
        }
        impl_->keptAttributes = attributes & kKeptAttributes;
    }
    const std::string folder = FolderPart(impl_->target);
    for (int attempt = 0; attempt < kMaxNameTries && impl_->file == INVALID_HANDLE_VALUE;
         ++attempt) {
        std::string temp = TemporaryPathIn(folder);
        impl_->file = CreateFileA(Ansi(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (impl_->file != INVALID_HANDLE_VALUE) {
            impl_->temp = std::move(temp);
        } else if (const DWORD error = GetLastError();
                   error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    if (impl_->file == INVALID_HANDLE_VALUE) {
        ThrowCannotCreate(path, SystemReason(GetLastError()));
    }
    ReportReplaceStep("created");
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::Write(std::string_view bytes) {
    if (impl_->file == INVALID_HANDLE_VALUE) {
        ThrowWriteError(impl_->shownPath, std::string());  // failed before
    }
    while (!bytes.empty()) {
        const std::string_view chunk = bytes.substr(0, std::min(bytes.size(), kChunkSize));
        std::size_t done = 0;
        while (done < chunk.size()) {
            DWORD written = 0;
            if (!WriteFile(impl_->file, chunk.data() + done,
                           static_cast<DWORD>(chunk.size() - done), &written, nullptr) ||
                written == 0) {
                const DWORD error = written == 0 ? ERROR_HANDLE_DISK_FULL : GetLastError();
                impl_->Discard();
                ThrowWriteError(impl_->shownPath, SystemReason(error));
            }
            done += written;
        }
        bytes.remove_prefix(chunk.size());
        ReportReplaceStep("written");
    }
}

void AtomicFile::Commit() {
    if (impl_->file == INVALID_HANDLE_VALUE) {
        ThrowWriteError(impl_->shownPath, std::string());  // failed before
    }
    if (!FlushFileBuffers(impl_->file)) {
        const DWORD error = GetLastError();
        impl_->Discard();
        ThrowWriteError(impl_->shownPath, SystemReason(error));
    }
    ReportReplaceStep("synced");
    const HANDLE file = impl_->file;
    impl_->file = INVALID_HANDLE_VALUE;
    if (!CloseHandle(file)) {
        const DWORD error = GetLastError();
        impl_->Discard();
        ThrowWriteError(impl_->shownPath, SystemReason(error));
    }
    const std::string temp = Ansi(impl_->temp);
    if (impl_->keptAttributes != 0) {
        SetFileAttributesA(temp.c_str(), impl_->keptAttributes);
    }
    if (!MoveFileExA(temp.c_str(), Ansi(impl_->target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        impl_->Discard();
        ThrowCannotCreate(impl_->shownPath, SystemReason(error));
    }
    impl_->temp.clear();
    ReportReplaceStep("renamed");
}

void AtomicFile::FailWritesToClosedPipes() {
    // A write to a closed pipe fails here anyway; no signal ends the program.
}

}  // namespace zarnet
