#include "files/Recovery.h"

#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "platform/Language.h"
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

std::string ecritSecours(const model::Project& project, const std::string& name,
                         const std::string& projectFile) {
    // The name first: a copy is never found without the project it belongs to. The bytes as
    // they are, so that any file name comes back whole.
    const std::string named = projectFile.empty() ? name : name + '\n' + projectFile;
    if (std::string error = writeBytesFile(cheminNom(), named); !error.empty()) return error;
    return sauve_projet(project, cheminSecours());
}

void effaceSecours() {
    std::error_code ec;
    std::filesystem::remove(cheminSecours(), ec);
    std::filesystem::remove(cheminNom(), ec);
}

std::optional<SecoursLaisse> secoursLaisse() {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(cheminSecours(), ec)) return std::nullopt;
    std::string error;
    const std::string named =
        readTextFile(cheminNom(), &error).value_or(platform::translate("Recovery", "sans nom"));
    const auto end = named.find('\n');
    if (end == std::string::npos) return SecoursLaisse{named, {}};
    return SecoursLaisse{named.substr(0, end), named.substr(end + 1)};
}

} // namespace tracelle::files
