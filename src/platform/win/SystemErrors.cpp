#include "platform/win/SystemErrors.h"

#include "platform/win/WinApi.h"

#include <string_view>

#include "platform/AsciiText.h"
#include "platform/Cp932.h"

namespace zarnet {

std::string SystemReason(unsigned long error) {
    if (error == 0) {
        return {};
    }
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string reason = length == 0 ? "error " + std::to_string(error) : std::string(text, length);
    LocalFree(text);
    // The sentence goes into a message of ours: without its full stop and
    // line end.
    reason.resize(ascii::TrimBackIf(reason, [](char c) {
                      return c == '\n' || c == '\r' || c == ' ' || c == '.';
                  }).size());
    // A Japanese system ends its sentence with an ideographic full stop.
    std::string words = cp932::Decode(reason);
    constexpr std::string_view kFullStop = "\u3002";
    if (words.ends_with(kFullStop)) {
        words.erase(words.size() - kFullStop.size());
    }
    return words;
}

}  // namespace zarnet
