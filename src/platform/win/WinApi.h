#pragma once

// The Win32 API as every platform file here includes it: without the min and
// max macros, without the rarely used parts, and without the FormatMessage
// and ReplaceFile macros, which would rename zarnet::FormatMessage and
// zarnet::ReplaceFile.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#undef FormatMessage
#undef ReplaceFile
