#include "files/Recovery.h"

#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "platform/Paths.h"

#include <filesystem>

namespace tracelle::files {

namespace {

std::string cheminNom() {
    return platform::configFile("secours.nom");
}

} // namespace

std::string cheminSecours() {
    return platform::configFile("secours.trc");
}

std::string ecritSecours(const model::Project& project, const std::string& name) {
    // The name first: a copy is never found without the project it belongs to.
    if (std::string error = writeTextFile(cheminNom(), name); !error.empty()) return error;
    return sauve_projet(project, cheminSecours());
}

void effaceSecours() {
    std::error_code ec;
    std::filesystem::remove(cheminSecours(), ec);
    std::filesystem::remove(cheminNom(), ec);
}

std::optional<std::string> secoursLaisse() {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(cheminSecours(), ec)) return std::nullopt;
    std::string error;
    const auto name = readTextFile(cheminNom(), &error);
    return name ? *name : std::string("sans nom");
}

} // namespace tracelle::files
