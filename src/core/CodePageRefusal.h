#pragma once

#include <string>

namespace zarnet {

// What the program stores and writes is code page 932, so a text box or an
// argument refuses a character the code page lacks rather than have it
// become "?" unseen. The message (messages::kNotInCodePage) names the
// character and its code: 「é」U+00E9.
std::string RefusedCharacterName(char32_t character);
// "コードページ932にない文字「é」U+00E9 は使えません".
std::string NotInCodePageMessage(char32_t character);

}  // namespace zarnet
