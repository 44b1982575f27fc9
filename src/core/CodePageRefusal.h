#pragma once

#include <string>

namespace zarnet {

// A character the code page lacks as the refusal names it: 「é」U+00E9.
std::string RefusedCharacterName(char32_t character);
// "コードページ932にない文字「é」U+00E9 は使えません".
std::string NotInCodePageMessage(char32_t character);

}  // namespace zarnet
