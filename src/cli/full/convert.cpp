// tracelle-cli convert: the picture conversion window's steps 1 to 4 without a window, a
// metafile, a bitmap or a PDF page made into a TIFF, JPEG or BMP file of a chosen width.
#include "cli/Command.h"
#include "measure/RasterSurface.h"
#include "model/NumberText.h"
#include "picture/ConversionOutput.h"
#include "picture/ConversionSize.h"
#include "render/ConversionSource.h"
#include "render/RgbImage.h"

#include <filesystem>

namespace tracelle::cli {

namespace {

// The format asked for, else the one the output's extension names, else BMP.
picture::OutputFormat formatOf(const Arguments& args, const std::string& out) {
    const auto asked = args.value("format");
    std::string name = asked ? *asked : std::filesystem::path(out).extension().string();
    if (!asked && !name.empty()) name = model::minuscules(name.substr(1));
    if (name == "tif" || name == "tiff") return picture::OutputFormat::Tif;
    if (name == "jpeg" || name == "jpg") return picture::OutputFormat::Jpeg;
    if (name == "bmp" || !asked) return picture::OutputFormat::Bmp;
    throw UsageError(
        platform::fill(platform::translate("cli", "--format : '%1' (tif, jpeg ou bmp)"), {*asked}));
}

int convertCommand(const Arguments& args) {
    const std::string& file = args.positional(0, QT_TRANSLATE_NOOP("cli", "SOURCE"));
    args.atMost(1);
    const auto out = args.value("output");
    if (!out) throw UsageError(platform::translate("cli", "-o SORTIE est obligatoire"));
    const picture::OutputFormat format = formatOf(args, *out);
    const picture::TargetWidth target =
        picture::calc_res(args.value("width-cm").value_or("18"), args.value("dpi").value_or("150"));
    if (!target.error.empty()) throw UsageError(target.error);
    if (!target.computed || target.pixels < 1)
        throw UsageError(
            platform::translate("cli", "--width-cm et --dpi donnent une largeur nulle"));
    const measure::Rgb fill = couleur(args, "background", {255, 255, 255});

    std::string error;
    render::ConversionSource source = render::ConversionSource::load(file, &error);
    if (!error.empty()) throw InputError(error);
    const int page = args.integer("page", 1);
    if (page != 1 && !source.setPage(page - 1, &error)) throw InputError(aboutFile(file, error));

    // As the window: a metafile or a page zoomed to near the width, a picture at its size.
    const int zoom = source.zoomFor(target.pixels);
    if (zoom == 0)
        throw InputError(
            aboutFile(file, platform::translate("cli", "le dessin n'a pas de largeur")));
    const QSize size(picture::zoomedSize(source.size().width(), zoom),
                     picture::zoomedSize(source.size().height(), zoom));
    const QImage bitmap = source.draw(size, QColor(fill.r, fill.g, fill.b), &error);
    if (bitmap.isNull())
        throw InputError(aboutFile(
            file, error.empty() ? platform::translate("cli", "rien à convertir") : error));
    const std::string path = picture::savedOutputName(*out, format);
    if (const std::string why = picture::writeConverted(render::rowsOf(bitmap), format, path);
        !why.empty())
        throw InputError(why);
    return 0;
}

const Registration registration({
    "convert",
    QT_TRANSLATE_NOOP(
        "cli", "une image vectorielle (emf, wmf), bitmap ou une page PDF en TIFF, JPEG ou BMP"),
    QT_TRANSLATE_NOOP(
        "cli",
        "SOURCE -o SORTIE [--width-cm 18] [--dpi 150] [--background R,G,B]\n"
        "        [--format tif|jpeg|bmp] [--page N]\n\n"
        "Fait ce que font les étapes 1 à 4 de la fenêtre « e m f » : un métafichier (.emf, .wmf)\n"
        "ou une page PDF est dessiné sur la couleur de fond à la largeur la plus proche de\n"
        "largeur × résolution (à 1 % près), une image (.bmp, .jpg, .ico) garde sa taille.\n\n"
        "  -o, --output SORTIE  le fichier écrit ; sans point dans le nom, l'extension du\n"
        "                       format est ajoutée ; en tif, l'extension devient .tif\n"
        "  --width-cm CM        largeur de la figure en centimètres (défaut 18)\n"
        "  --dpi DPI            résolution souhaitée (défaut 150)\n"
        "  --background R,G,B   la couleur de fond (défaut 255,255,255)\n"
        "  --format FORMAT      tif, jpeg ou bmp (défaut : celui de l'extension de SORTIE,\n"
        "                       sinon bmp)\n"
        "  --page N             la page d'un PDF (défaut 1)\n"),
    {{"output", true, 'o'},
     {"width-cm", true},
     {"dpi", true},
     {"background", true},
     {"format", true},
     {"page", true}},
    convertCommand,
});

} // namespace

} // namespace tracelle::cli
