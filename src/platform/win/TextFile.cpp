#include "platform/TextFile.h"

#include "platform/win/WinApi.h"

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/win/SystemErrors.h"

namespace zarnet {

namespace {

class ClosedAtEnd {
  public:
    explicit ClosedAtEnd(HANDLE file) : file_(file) {}
    ~ClosedAtEnd() { CloseHandle(file_); }
    ClosedAtEnd(const ClosedAtEnd&) = delete;
    ClosedAtEnd& operator=(const ClosedAtEnd&) = delete;

  private:
    HANDLE file_;
};

}  // namespace

std::string ReadFileBytes(const std::string& path, Waiting waiting) {
    constexpr DWORD kReadSize = 64 * 1024;
    const HANDLE file =
        CreateFileA(cp932::Encode(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {  // a folder fails here
        ThrowCannotOpen(path, SystemReason(GetLastError()));
    }
    const ClosedAtEnd closer(file);
    // A console, a serial port or a pipe would be read until it ends.
    if (waiting == Waiting::Never && GetFileType(file) != FILE_TYPE_DISK) {
        ThrowNotRegular(path);
    }
    std::string bytes;
    if (LARGE_INTEGER size{}; GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        if (static_cast<unsigned long long>(size.QuadPart) > kMaxReadBytes) {
            ThrowTooLarge(path);
        }
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    // Devices and pipes tell no size: they are cut off once past the limit.
    while (bytes.size() <= kMaxReadBytes) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadSize);
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + had, kReadSize, &got, nullptr)) {
            ThrowCannotOpen(path, SystemReason(GetLastError()));
        }
        bytes.resize(had + got);
        if (got == 0) {
            return bytes;
        }
    }
    ThrowTooLarge(path);
}

void CheckKindAndSize(const std::string& path) {
    // Opened for no access at all: only to learn what it is. Folders open
    // only so.
    const HANDLE file = CreateFileA(cp932::Encode(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;  // missing, or for the reader to say why
    }
    const ClosedAtEnd closer(file);
    if (GetFileType(file) != FILE_TYPE_DISK) {
        ThrowNotRegular(path);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) {
        return;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        // What ReadFileBytes gives for a folder.
        ThrowCannotOpen(path, SystemReason(ERROR_ACCESS_DENIED));
    }
    if ((static_cast<unsigned long long>(info.nFileSizeHigh) << 32 | info.nFileSizeLow) >
        kMaxReadBytes) {
        ThrowTooLarge(path);
    }
}

}  // namespace zarnet
