#include "store/SettingsReader.h"

#include "core/NumberText.h"

namespace zarnet {

std::int32_t SettingsReader::ReadInteger(std::string_view section, std::string_view name,
                                         std::int32_t fallback) {
    return NumberOr(ReadString(section, name, ""), fallback);
}

bool SettingsReader::ReadBool(std::string_view section, std::string_view name, bool fallback) {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

}  // namespace zarnet
