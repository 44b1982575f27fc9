#pragma once

#include <string>

// The current user's registry as the tests prepare it: the registry file of
// the configuration folder elsewhere, the system's registry on Windows.
namespace zarnet::testing {

// Removes the program's store key and everything below it.
void ClearUserRegistry();

// Sets typed values below the program's store key, `section` naming the
// subkey; `values` are REGEDIT4 value lines ("\"Dir\"=\"x\"",
// "\"Width\"=dword:00000028", "\"Path\"=hex(2):25,00" ...), CR LF after each.
// The other values stay.
void StoreRegistryValues(const std::string& section, const std::string& values);

}  // namespace zarnet::testing
