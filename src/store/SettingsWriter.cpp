#include "store/SettingsWriter.h"

#include <string>

namespace zarnet {

void SettingsWriter::WriteInteger(std::string_view section, std::string_view name,
                                  std::int32_t value) {
    WriteString(section, name, std::to_string(value));
}

void SettingsWriter::WriteBool(std::string_view section, std::string_view name, bool value) {
    WriteString(section, name, value ? "1" : "0");
}

}  // namespace zarnet
