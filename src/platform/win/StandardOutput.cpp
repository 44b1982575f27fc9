#include "platform/StandardOutput.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/win/SystemErrors.h"
#include "platform/win/WideText.h"
#include "platform/win/WinApi.h"

namespace zarnet {

// WriteFile takes the bytes as they are: no text mode of the C runtime's
// stands between.
bool StandardOutputBuffer::Put(const char* data, std::size_t size) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    while (size > 0) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(out, data, chunk, &written, nullptr) || written == 0) {
            failureReason_ = SystemReason(GetLastError());
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

void WriteMessages(std::string_view utf8) {
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        // The console takes UTF-16 and shows it in its own code page's
        // characters; raw UTF-8 bytes would show as mojibake.
        const std::wstring wide = ToWide(utf8);
        DWORD written = 0;
        WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

}  // namespace zarnet
