// The copy of the work in progress kept against a crash, in the configuration folder: the
// project file as the save writes it, and beside it the name of the project it copies.
#pragma once

#include <optional>
#include <string>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

std::string cheminSecours();
// "" on success, else the reason.
std::string ecritSecours(const model::Project& project, const std::string& name);
void effaceSecours();
// The name of the project a copy was left for; nothing when none was.
std::optional<std::string> secoursLaisse();

} // namespace tracelle::files
