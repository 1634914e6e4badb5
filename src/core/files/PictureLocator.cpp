#include "files/PictureLocator.h"

#include "platform/Language.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tracelle::files {

namespace {

bool usable(const fs::path& path) {
    std::error_code ec;
    return path.string().find("~tmp.") == std::string::npos && fs::is_regular_file(path, ec);
}

bool inCurrentDirectory(const std::string& name) {
    std::error_code ec;
    return fs::exists(fs::current_path(ec) / name, ec);
}

} // namespace

PictureLocation localise_image(const std::string& picture, const std::string& project) {
    PictureLocation where;
    const std::string name = fs::path(picture).filename().string();
    if (usable(picture)) {
        where.found = picture;
        return where;
    }
    std::error_code ec;
    const fs::path local = fs::current_path(ec) / name;
    if (!name.empty() && usable(local)) {
        where.found = local.string();
        return where;
    }
    where.question = platform::fill(
        platform::translate("PictureLocator",
                            "Dans le fichier %1\n    l'image <%2> est introuvable\n    ainsi que "
                            "l'image <%3> dans le répertoire courant\n           Voulez-vous la "
                            "chercher sur le poste actuel ?"),
        {project, picture, name});
    where.searchTitle =
        platform::fill(platform::translate("PictureLocator", " Rechercher le fichier %1"), {name});
    // The project's name, each picture extension added when a file so named is here.
    std::string proposed = fs::path(project).filename().string();
    proposed = proposed.substr(0, proposed.find('.'));
    for (const char* extension : {".jpg", ".bmp", ".tif"}) {
        if (inCurrentDirectory(proposed + extension)) proposed += extension;
    }
    where.proposedName = proposed;
    return where;
}

} // namespace tracelle::files
