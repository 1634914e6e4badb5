// tracelle-cli threshold: a picture in black and white by its grey level, as
// "n && b : seuil de gris ->" makes it, the isolated pixels of the border colour taken off.
#include "cli/Command.h"
#include "measure/RasterSurface.h"
#include "model/NumberText.h"
#include "picture/Layer.h"
#include "picture/Raster.h"

namespace tracelle::cli {

namespace {

int thresholdCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "IMAGE"));
    args.atMost(1);
    const auto text = args.value("threshold");
    if (!text) throw UsageError(platform::translate("cli", "--threshold SEUIL est obligatoire"));
    const auto out = args.value("output");
    if (!out) throw UsageError(platform::translate("cli", "-o SORTIE est obligatoire"));
    const auto t = measure::seuil(*text);
    if (!t) throw InputError(aboutFile("--threshold", model::texte_pas_un_reel(*text)));
    const measure::Rgb border = couleur(args, "border", {0, 255, 0});
    picture::Layer layer = chargeImage(file);
    // The pass draws into every tile: the layer then holds a copy of every pixel beside the
    // picture, which the memory left must take.
    if (const std::string refused = picture::checkFitsInMemory(
            static_cast<std::uint64_t>(layer.width()), static_cast<std::uint64_t>(layer.height()));
        !refused.empty())
        throw InputError(aboutFile(file, refused));
    measure::threshold(layer, measure::bounds(layer, 0, 0), *t, border);
    ecritImage(layer, *out);
    return 0;
}

const Registration registration({
    "threshold",
    QT_TRANSLATE_NOOP(
        "cli", "une image en noir et blanc selon son niveau de gris (n & b : seuil de gris)"),
    QT_TRANSLATE_NOOP(
        "cli",
        "IMAGE --threshold SEUIL -o SORTIE [--border R,G,B]\n\n"
        "Rend blanc chaque pixel dont le gris dépasse SEUIL millions, noir les autres, puis blanc\n"
        "chaque pixel isolé de la couleur de bordure.\n\n"
        "  --threshold SEUIL    seuil de gris en millions, « . » ou « , » comme marque (10 : gris\n"
        "                       152 et plus en blanc)\n"
        "  -o, --output SORTIE  l'image écrite : JPEG si le nom contient « jpg », BMP sinon\n"
        "  --border R,G,B       la couleur de bordure (défaut 0,255,0)\n"),
    {{"threshold", true}, {"output", true, 'o'}, {"border", true}},
    thresholdCommand,
});

} // namespace

} // namespace tracelle::cli
