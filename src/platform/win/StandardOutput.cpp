#include "platform/StandardOutput.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include <cstdio>
#include <string>

#include "platform/win/WideText.h"
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
        const std::wstring wide = ToWide(utf8);
        DWORD written = 0;
        WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

}  // namespace zarnet
