#pragma once

namespace zarnet {

// The two stores of the settings record: the registry (a registry file where
// the system has none) and an INI file.
enum class StoreKind { Registry, IniFile };

}  // namespace zarnet
