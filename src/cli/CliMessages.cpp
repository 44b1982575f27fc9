#include "cli/CliMessages.h"

#include <cstdlib>
#include <new>
#include <string_view>

#include "core/Messages.h"

namespace zarnet::cli {

namespace {

bool IsJapanese(std::string_view locale) {
    return locale.starts_with("ja");
}

}  // namespace

bool IsOutOfMemory(const std::exception& error) {
    return dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set decides, as for any
// program's messages.
bool WantsEnglish(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* variable : {lcAll, lcMessages, lang}) {
        if (variable != nullptr && variable[0] != '\0') {
            return !IsJapanese(variable);
        }
    }
    return true;  // the C locale
}

bool WantsEnglish() {
    return WantsEnglish(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

// "zarnet-cli: ", the message as the program writes it, and in parentheses
// what it leaves out (a file error's reason) with, where wanted, the English
// meaning first. Memory that ran out is told in words; any other exception
// gives its own text.
std::string ErrorLine(const std::exception& error, bool english) {
    if (IsOutOfMemory(error)) {
        return ErrorLine(ZarnetError(messages::kOutOfMemory), english);
    }
    std::string line = std::string("zarnet-cli: ") + error.what();
    const auto* own = dynamic_cast<const ZarnetError*>(&error);
    if (own == nullptr) {
        return line;
    }
    std::string said = english ? own->English() : std::string();
    if (!said.empty() && !own->Detail().empty()) {
        said += ": ";
    }
    said += own->Detail();
    return said.empty() ? line : line + " (" + said + ")";
}

}  // namespace zarnet::cli
