#pragma once

#include <cstdint>
#include <string_view>

namespace zarnet {

// Writing one named value of one section, as both stores do it: integers as
// decimal text, switches as "1" or "0".
class SettingsWriter {
  public:
    virtual ~SettingsWriter() = default;

    virtual void WriteString(std::string_view section, std::string_view name,
                             std::string_view value) = 0;

    void WriteInteger(std::string_view section, std::string_view name, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view name, bool value);
};

}  // namespace zarnet
