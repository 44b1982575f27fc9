#include "core/CodePageRefusal.h"

#include <cstdio>

#include "core/Messages.h"
#include "platform/Utf8.h"

namespace zarnet {

// What the program stores and writes is code page 932, so a text box or an
// argument refuses a character the code page lacks rather than have it
// become "?" unseen; the refusal names the character and its code.
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
