#include "platform/TextFile.h"

#include "platform/win/WinApi.h"

#include "platform/Cp932.h"
#include "platform/FileErrors.h"
#include "platform/win/SystemErrors.h"

namespace zarnet {

std::string ReadFileBytes(const std::string& path) {
    constexpr DWORD kReadSize = 64 * 1024;
    const HANDLE file =
        CreateFileA(cp932::Encode(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {  // a folder fails here
        ThrowCannotOpen(path, SystemReason(GetLastError()));
    }
    std::string bytes;
    if (LARGE_INTEGER size{}; GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadSize);
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + had, kReadSize, &got, nullptr)) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            ThrowCannotOpen(path, SystemReason(error));
        }
        bytes.resize(had + got);
        if (got == 0) {
            break;
        }
    }
    CloseHandle(file);
    return bytes;
}

}  // namespace zarnet
