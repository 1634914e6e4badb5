// The copy of the work in progress kept against a crash, in the configuration folder: the
// project file as the save writes it, and beside it the name of the project it copies.
#pragma once

#include <optional>
#include <string>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

// The project a copy was left for.
struct SecoursLaisse {
    std::string name;        // as the question at the next start calls it
    std::string projectFile; // its file; empty for a project never saved
};

std::string cheminSecours();
// "" on success, else the reason.
std::string ecritSecours(const model::Project& project, const std::string& name,
                         const std::string& projectFile = {});
void effaceSecours();
// Nothing when no copy was left.
std::optional<SecoursLaisse> secoursLaisse();

} // namespace tracelle::files
