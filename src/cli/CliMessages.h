#pragma once

#include <exception>
#include <string>

#include "platform/ZarnetError.h"

namespace zarnet::messages {

inline constexpr Message kNotUtf8{"UTF-8 として読めない文字があります",
                                  "the text is not valid UTF-8"};

}  // namespace zarnet::messages

namespace zarnet::cli {

// Whether the messages should carry their English meaning: unless the
// locale's language is Japanese.
bool WantsEnglish(const char* lcAll, const char* lcMessages, const char* lang);
bool WantsEnglish();  // from the environment

// Whether `error` tells that memory ran out.
bool IsOutOfMemory(const std::exception& error);

// The error line zarnet-cli prints for `error`, its English meaning added
// when `english`.
std::string ErrorLine(const std::exception& error, bool english);

}  // namespace zarnet::cli
