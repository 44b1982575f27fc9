#include "platform/ProgramArguments.h"

#include "platform/win/WideText.h"
#include "platform/win/WinApi.h"

#include <shellapi.h>

namespace zarnet {

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
