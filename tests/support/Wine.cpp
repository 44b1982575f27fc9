#include "support/Wine.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zarnet::testing {

bool RunningUnderWine() {
#ifdef _WIN32
    // Wine's ntdll has an export of its own that Windows' lacks.
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace zarnet::testing
