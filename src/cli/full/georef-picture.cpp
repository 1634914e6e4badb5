// tracelle-cli georef-picture: the project's picture placed for GIS programs, as the window's
// "Enregistrer l'image géoréférencée" places it.
#include "cli/Command.h"
#include "gis/GeoTiffExport.h"
#include "gis/GeoreferencedPicture.h"
#include "model/Project.h"

#include <iostream>

namespace tracelle::cli {

namespace {

int georefPicture(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "PROJET.trc"));
    args.atMost(1);
    const auto system = args.value("crs");
    if (!system) throw UsageError(platform::translate("cli", "--crs SYSTÈME est obligatoire"));
    model::Project project;
    chargeProjet(file, project);
    const auto geotiff = args.value("geotiff");
    if (geotiff) {
        if (const std::string error = gis::ecritGeoTiff(project, *system, *geotiff); !error.empty())
            throw InputError(error);
        std::cout << *geotiff << '\n';
    }
    if (geotiff && !args.flag("world")) return 0;
    const gis::GeoreferencedPicture r = gis::ecritCalageImage(project, *system);
    if (!r.error.empty()) throw InputError(r.error);
    for (const std::string& written : r.written)
        std::cout << written << '\n';
    return 0;
}

const Registration registration({
    "georef-picture",
    QT_TRANSLATE_NOOP(
        "cli", "géoréférence l'image d'un projet calé : fichier de calage et .prj, ou GeoTIFF"),
    QT_TRANSLATE_NOOP(
        "cli",
        "PROJET.trc --crs SYSTÈME [--world] [--geotiff SORTIE.tif]\n\n"
        "  --crs SYSTÈME  le système des coordonnées réelles, comme pour export : un code EPSG\n"
        "                 (« EPSG:2154 »), une chaîne PROJ, ou « aucun » (pas de .prj)\n"
        "  --world        le fichier de calage (.jgw, .tfw, .pgw, .wld... d'après l'extension de\n"
        "                 l'image ; la valeur au centre du pixel en haut à gauche) et le .prj\n"
        "                 écrits à côté de l'image (ce que fait la commande sans --geotiff)\n"
        "  --geotiff SORTIE.tif  les pixels de l'image en GeoTIFF, placés et munis du système ;\n"
        "                 rééchantillonnés sur une grille orientée au nord pour un calage\n"
        "                 projectif ou polynomial\n\n"
        "Le fichier de calage demande un calage affine ou Helmert. Affiche les fichiers écrits.\n"
        "Des axes logarithmiques ou polaires, un système inconnu, un fichier de calage pour un\n"
        "calage projectif ou polynomial : sortie 1, rien n'est écrit.\n"),
    {{"crs", true}, {"world"}, {"geotiff", true}},
    georefPicture,
});

} // namespace

} // namespace tracelle::cli
