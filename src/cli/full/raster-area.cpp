// tracelle-cli raster-area: the pixels of the fill colour of a picture counted and their
// outline measured, as "-> Calcul Surf colorée" reports them.
#include "cli/Command.h"
#include "measure/RasterSurface.h"
#include "measure/VectorMeasure.h"
#include "model/Project.h"
#include "picture/Layer.h"

#include <iostream>

namespace tracelle::cli {

namespace {

int rasterArea(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "IMAGE"));
    args.atMost(1);
    const measure::Rgb fill = couleur(args, "fill", {0, 128, 0});
    long double k = 1;
    if (const auto projectFile = args.value("project")) {
        model::Project project;
        chargeProjet(*projectFile, project);
        if (const auto refusal = measure::mesureSansSens(project)) throw InputError(*refusal);
        k = measure::echelleRaster(project);
    }
    picture::Layer layer = chargeImage(file);
    const measure::RasterCounts counts =
        measure::rasterArea(layer, measure::bounds(layer, 0, 0), fill);
    if (const auto out = args.value("output")) ecritImage(layer, *out);
    for (const std::string& line : measure::rapportRaster(counts, k))
        std::cout << line << '\n';
    return 0;
}

const Registration registration({
    "raster-area",
    QT_TRANSLATE_NOOP(
        "cli", "la surface et le contour des zones coloriées d'une image (Calcul Surf colorée)"),
    QT_TRANSLATE_NOOP(
        "cli",
        "IMAGE [--project FICHIER.trc] [--fill R,G,B] [-o SORTIE]\n\n"
        "Compte les pixels de la couleur de fond dans l'image, trace leur contour en cyan et en\n"
        "mesure la longueur ; écrit les deux lignes « Surface raster » et « L raster » du panneau\n"
        "de texte. Sans projet, la surface est en pixels.\n\n"
        "  --project FICHIER.trc  l'échelle des points de calage 1 à 3 de ce projet\n"
        "  --fill R,G,B           la couleur de fond (défaut 0,128,0)\n"
        "  -o, --output SORTIE    l'image avec son contour : JPEG si le nom contient « jpg »,\n"
        "                         BMP sinon\n"),
    {{"project", true}, {"fill", true}, {"output", true, 'o'}},
    rasterArea,
});

} // namespace

} // namespace tracelle::cli
