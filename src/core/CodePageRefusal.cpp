#include "core/CodePageRefusal.h"

#include <cstdio>

#include "platform/Utf8.h"
#include "platform/ZarnetError.h"

namespace zarnet {

std::string NotInCodePageMessage(char32_t character) {
    std::string name = "「";
    utf8::AppendCodePoint(name, character);
    char code[16];
    std::snprintf(code, sizeof code, "」U+%04X", static_cast<unsigned>(character));
    return FormatMessage("コードページ932にない文字%s は使えません", name + code);
}

}  // namespace zarnet
