// "Projets récents": the projects last opened or saved, newest first, kept in the
// configuration folder from one run to the next.
#pragma once

#include <string>
#include <vector>

namespace tracelle::files {

inline constexpr std::size_t kRecentProjects = 8;

std::vector<std::string> projetsRecents();
// Puts the project first in the list (once), keeping the newest eight.
void noteProjetRecent(const std::string& path);
void oublieProjetRecent(const std::string& path);

} // namespace tracelle::files
