#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarnet {

// Reading one named value of one section, as both stores do it: everything is
// text, and numbers and switches are read from that text.
class SettingsReader {
  public:
    virtual ~SettingsReader() = default;

    // `fallback` when the value (or its section) is missing; a value that is
    // present but empty is the empty string.
    virtual std::string ReadString(std::string_view section, std::string_view name,
                                   std::string_view fallback) = 0;

    // `fallback` when the value is missing, empty or no 32-bit number.
    std::int32_t ReadInteger(std::string_view section, std::string_view name,
                             std::int32_t fallback);
    // True for any number but 0.
    bool ReadBool(std::string_view section, std::string_view name, bool fallback);
};

}  // namespace zarnet
