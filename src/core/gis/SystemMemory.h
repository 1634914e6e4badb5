// The coordinate system last chosen for each project file, kept in the configuration folder
// rather than in the project file, which older versions must keep reading.
#pragma once

#include <string>

namespace tracelle::gis {

// The system remembered for the project file `project`; empty when none.
std::string systemeRetenu(const std::string& project);
// Remembers `system` for `project` (the most recent projects are kept).
void retientSysteme(const std::string& project, const std::string& system);

} // namespace tracelle::gis
