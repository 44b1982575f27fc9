#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zarnet {

// Every failure the user may see: the message is the program's own Japanese
// text (UTF-8) with any name already filled in.
class ZarnetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The message with its first "%s" replaced by `arg`.
std::string FormatMessage(std::string_view pattern, std::string_view arg);

}  // namespace zarnet
