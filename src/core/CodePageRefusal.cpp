#include "core/CodePageRefusal.h"

#include <cstdio>

#include "core/Messages.h"
#include "platform/Utf8.h"

namespace zarnet {

std::string RefusedCharacterName(char32_t character) {
    std::string name = "「";
    utf8::AppendCodePoint(name, character);
    char code[16];
    std::snprintf(code, sizeof code, "」U+%04X", static_cast<unsigned>(character));
    return name + code;
}

std::string NotInCodePageMessage(char32_t character) {
    return FormatMessage(messages::kNotInCodePage.Text, {RefusedCharacterName(character)});
}

}  // namespace zarnet
