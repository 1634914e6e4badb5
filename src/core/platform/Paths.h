// Where the program's files live: writable state in the per-user configuration folder,
// read-only resources beside the executable or in the installed share folder.
#pragma once

#include <string>

namespace tracelle::platform {

// $XDG_CONFIG_HOME/tracelle, else ~/.config/tracelle; created on demand.
std::string configDir();
// A file of the configuration folder (the folder is created, the file is not).
std::string configFile(const std::string& name);
// The first of: beside the executable, the share/tracelle folder of the executable's own
// prefix, the share folder of the configured prefix; empty when absent.
std::string resourceFile(const std::string& name);
// A file of the current directory, as an absolute path.
std::string currentDirFile(const std::string& name);

} // namespace tracelle::platform
