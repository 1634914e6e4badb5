// tracelle-cli georef: a georeferenced picture made into a project that opens calibrated, as
// the window leaves it right after importing a .TAB, a .hdr, a world file or a GeoTIFF.
#include "georef/Georef.h"

#include "cli/Command.h"
#include "cli/HandOver.h"
#include "files/ProjectFile.h"
#include "georef/Affine.h"
#include "georef/WorldFile.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "picture/Layer.h"

#include <filesystem>
#include <iostream>

namespace tracelle::cli {

namespace {

namespace fs = std::filesystem;

struct Size {
    int width = 0;
    int height = 0;
};

// Decoded whole: its size comes from the pixels the program would open, and a picture the
// program could not open is refused here rather than in the window that opens the project.
Size tailleImage(const std::string& picture) {
    const picture::Layer layer = chargeImage(picture);
    return {layer.width(), layer.height()};
}

// The file is named in the message, as a batch of pictures needs it.
georef::Calage checked(georef::Calage calage, const std::string& source) {
    if (calage.ok()) return calage;
    if (calage.error.find(fs::path(source).filename().string()) == std::string::npos)
        throw InputError(aboutFile(source, calage.error));
    throw InputError(calage.error);
}

georef::Calage calageMonde(const std::string& world, const std::optional<std::string>& named,
                           Size& size) {
    const std::string name = fs::path(world).filename().string();
    const std::string picture = named ? *named : georef::pictureForWorldFile(world);
    if (picture.empty())
        throw InputError(platform::fill(
            platform::translate(
                "cli", "<%1> : aucune image du même nom à côté (--picture IMAGE la désigne)"),
            {name}));
    // The six numbers first: a damaged world file is refused without decoding its picture.
    const georef::WorldRead read = georef::lit_world(world);
    if (!read.error.empty()) throw InputError(read.error);
    size = tailleImage(picture);
    georef::Calage calage =
        checked(georef::calageAffine(read.map, size.width, size.height, name), world);
    calage.picture = picture;
    return calage;
}

georef::Calage calageDe(const std::string& source, const std::optional<std::string>& named,
                        Size& size) {
    const bool world = georef::estFichierMonde(source);
    if (named && !world)
        throw UsageError(platform::translate(
            "cli", "--picture ne sert qu'avec un fichier de calage (.tfw, .jgw, .wld...)"));
    if (world) return calageMonde(source, named, size);
    const std::string e = model::minuscules(fs::path(source).extension().string());
    if (e == ".tab" || e == ".hdr") {
        georef::Calage calage =
            checked(e == ".tab" ? georef::lit_tab(source) : georef::lit_hdr(source), source);
        size = tailleImage(calage.picture);
        if (const std::string wrong = georef::sizeMismatch(calage, size.width, size.height);
            !wrong.empty())
            throw InputError(wrong);
        return calage;
    }
    const OwnCalibrationReader readOwn = ownCalibrationReader(); // before the decoding
    size = tailleImage(source);
    auto calage = readOwn(source, size.width, size.height);
    if (!calage)
        throw InputError(platform::fill(
            platform::translate("cli", "<%1> n'est pas calée : ni balises GeoTIFF, ni fichier de "
                                       "calage à côté (.tfw, .jgw, .wld...)"),
            {source}));
    return checked(std::move(*calage), source);
}

int georefCommand(const Arguments& args) {
    const std::string& source = args.positional(0, QT_TRANSLATE_NOOP("cli", "SOURCE"));
    args.atMost(1);
    const auto out = args.value("output");
    if (!out) throw UsageError(platform::translate("cli", "-o PROJET.trc est obligatoire"));

    Size size;
    const georef::Calage calage = calageDe(source, args.value("picture"), size);
    model::Project project;
    model::PictureState& picture = project.picture();
    picture.file = fs::absolute(calage.picture).lexically_normal().string();
    picture.canvasWidth = size.width;
    picture.canvasHeight = size.height;
    picture.ox = picture.oy = 0;
    project.setDefaultCalibration(size.width, size.height, 0, 0);
    georef::appliqueCalage(project, calage);
    if (const std::string error = files::sauve_projet(project, *out); !error.empty())
        throw InputError(error);

    std::cout << platform::fill(
                     platform::translate("cli", "Image : %1 (%2 x %3)"),
                     {picture.file, std::to_string(size.width), std::to_string(size.height)})
              << '\n'
              << platform::fill(platform::translate("cli", "Calage : %1"), {calage.source})
              << (calage.crs.empty() ? "" : ", ") << calage.crs << '\n';
    return 0;
}

const Registration registration({
    "georef",
    QT_TRANSLATE_NOOP("cli", "un projet calé d'après une image géoréférencée (*.TAB, *.hdr, "
                             "fichier de calage, GeoTIFF)"),
    QT_TRANSLATE_NOOP(
        "cli",
        "SOURCE -o PROJET.trc [--picture IMAGE]\n\n"
        "Écrit dans PROJET.trc le projet que donne l'import de SOURCE dans la fenêtre : l'image,\n"
        "sa taille et ses trois points de calage (K = 3), sans aucun point. SOURCE est :\n"
        "  - un fichier MapInfo *.TAB, qui nomme l'image et trois points d'appui ;\n"
        "  - un fichier ARC/INFO *.hdr, l'image du même nom (.BMP, .JPG ou .TIF) à côté ;\n"
        "  - un fichier de calage (*.tfw, *.jgw, *.pgw, *.wld...), l'image du même nom à côté ;\n"
        "  - une image GeoTIFF, ou une image avec son fichier de calage à côté.\n"
        "L'image est lue en entier : une image illisible est refusée. Rien n'est écrit quand le\n"
        "calage ne peut pas servir. Affiche l'image et l'origine du calage (et son système de\n"
        "coordonnées s'il est connu).\n\n"
        "  -o, --output PROJET.trc  le projet écrit (obligatoire)\n"
        "  --picture IMAGE          l'image d'un fichier de calage, quand elle n'est pas à côté\n"
        "                           sous le même nom\n"),
    {{"output", true, 'o'}, {"picture", true}},
    georefCommand,
});

} // namespace

} // namespace tracelle::cli
