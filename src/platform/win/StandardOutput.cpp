#include "platform/StandardOutput.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <cstdio>
#include <string>

#include "platform/win/WinApi.h"

namespace zarnet {

void UseBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

void WriteMessages(std::string_view utf8) {
    const HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        // The console takes UTF-16 and shows it in its own code page's
        // characters; raw UTF-8 bytes would show as mojibake.
        const int size = static_cast<int>(utf8.size());
        std::wstring wide(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
                          L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(),
                            static_cast<int>(wide.size()));
        DWORD written = 0;
        WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

}  // namespace zarnet
