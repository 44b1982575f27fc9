#pragma once

#include <exception>
#include <string>

#include "platform/ZarnetError.h"

namespace zarnet::messages {

inline constexpr Message kNotUtf8{"UTF-8 として読めない文字があります",
                                  "the text is not valid UTF-8"};

}  // namespace zarnet::messages

namespace zarnet::cli {

// Whether the messages should carry their English meaning: true unless the
// locale's language is Japanese. The variables are LC_ALL, LC_MESSAGES and
// LANG, the first one set deciding, as for any program's messages.
bool WantsEnglish(const char* lcAll, const char* lcMessages, const char* lang);
bool WantsEnglish();  // from the environment

// The error line zarnet-cli prints: "zarnet-cli: ", the program's message as
// the program writes it, and in parentheses what it leaves out (a file
// error's reason) with, where wanted, the English meaning first. Any other
// exception gives its own text.
std::string ErrorLine(const std::exception& error, bool english);

}  // namespace zarnet::cli
