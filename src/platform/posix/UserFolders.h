#pragma once

#include <string>

// The user's own folders as the XDG base and user directories name them.
namespace zarnet {

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; no trailing
// "/".
std::string UserConfigFolder();

// The documents folder of $XDG_CONFIG_HOME/user-dirs.dirs (XDG_DOCUMENTS_DIR)
// when it names a folder that exists, else the home folder; with a trailing
// "/".
std::string UserDocumentsFolder();

}  // namespace zarnet
