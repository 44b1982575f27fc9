#include "platform/SystemCodePage.h"

#include "platform/win/WinApi.h"

namespace zarnet::cp932 {

namespace {
constexpr UINT kCodePage = 932;
}

// The system's functions need no state.
class SystemCodePage::Impl {};

SystemCodePage::SystemCodePage() : impl_(std::make_unique<Impl>()) {}
SystemCodePage::~SystemCodePage() = default;

char16_t SystemCodePage::ToUnicode(std::string_view bytes) const {
    wchar_t out[4] = {};
    // MB_ERR_INVALID_CHARS: an undefined code must fail, not become the
    // default character.
    const int count = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                          static_cast<int>(bytes.size()), out, 4);
    return count == 1 ? static_cast<char16_t>(out[0]) : kNoChar;
}

std::uint16_t SystemCodePage::FromUnicode(char16_t ch) const {
    const wchar_t in = static_cast<wchar_t>(ch);
    unsigned char out[4] = {};
    BOOL usedDefault = FALSE;
    // No best fit: a character the code page lacks must show as "?", not as
    // some other character.
    const int count = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1,
                                          reinterpret_cast<char*>(out), 4, nullptr, &usedDefault);
    if (usedDefault) {
        return kNoCode;
    }
    return CodeOf(out, count);
}

}  // namespace zarnet::cp932
