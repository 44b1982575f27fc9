#pragma once

#include <string>

// The user's own folders as Windows knows them.
namespace zarnet {

// The installed program's settings folder, %APPDATA%\Zarnet\.
std::string UserSettingsFolder();

// The user's Documents folder, with a trailing "\".
std::string UserDocumentsFolder();

}  // namespace zarnet
