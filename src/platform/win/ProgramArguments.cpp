#include "platform/ProgramArguments.h"

#include "platform/win/WinApi.h"

#include <shellapi.h>

namespace zarnet {

namespace {

std::string ToUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    return utf8;
}

}  // namespace

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.push_back(ToUtf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}

}  // namespace zarnet
