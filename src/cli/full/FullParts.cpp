// tracelle-cli-full's side of the hand-over: the parts of commands it runs itself.
#include "cli/Command.h"
#include "cli/HandOver.h"
#include "gis/GisExport.h"
#include "model/Project.h"
#include "picture/Decoder.h"
#include "picture/Layer.h"
#include "picture/PictureWriter.h"
#include "platform/Interaction.h"

namespace tracelle::cli {

namespace {

// The options of the text export alone, refused beside --format.
constexpr const char* kTextOptions[] = {"columns",
                                        "inter-distance",
                                        "cumulative-distance",
                                        "calibration",
                                        "decimal-mark",
                                        "separator",
                                        "first-line",
                                        "first-line-count",
                                        "first-line-text",
                                        "normalized",
                                        "step",
                                        "x-min",
                                        "x-max",
                                        "method",
                                        "extension"};

} // namespace

void keepCommandLine(char**) {}

void handOver() {}

int exportForGis(const Arguments& args, const std::string& file, const std::string& formatName) {
    const auto format = gis::formatNomme(formatName);
    if (!format)
        throw UsageError(platform::fill(
            platform::translate("cli", "--format attend geojson, kml, shp ou dxf (pas « %1 »)"),
            {formatName}));
    for (const char* option : kTextOptions)
        if (args.flag(option))
            throw UsageError(platform::fill(
                platform::translate("cli", "--%1 ne s'emploie pas avec --format"), {option}));
    const auto out = args.value("output");
    if (!out)
        throw UsageError(
            platform::translate("cli", "--format demande le fichier à écrire : -o SORTIE"));
    model::Project project;
    chargeProjet(file, project);
    const gis::GisResult result = gis::exporteSig(
        project, {*format, args.value("crs").value_or("aucun"), !args.flag("all-lines")}, *out);
    if (!result.error.empty()) throw InputError(result.error);
    // Written, but these labels are not whole in it: told as the window tells it.
    if (result.cutLabels > 0)
        platform::interaction().information(gis::cutLabelsText(result.cutLabels, *format));
    return 0;
}

OwnCalibrationReader ownCalibrationReader() {
    return georef::calagePropre;
}

std::unique_ptr<files::Workbook> openWorkbook(const std::string& path, std::string& error) {
    return files::Workbook::open(path, error);
}

picture::Layer chargeImage(const std::string& path) {
    picture::Decoded decoded = picture::decodeFile(path);
    if (!decoded.ok()) throw InputError(picture::decodeFailureMessage(path, decoded.error));
    auto raster = std::make_shared<const picture::Raster>(std::move(decoded.raster));
    const int w = raster->width(), h = raster->height();
    return picture::Layer::over(std::move(raster), w, h, 0, 0, 0);
}

void ecritImage(const picture::Layer& layer, const std::string& path) {
    const std::string error = picture::writeBmpOrJpeg(layer.rows(), path);
    if (!error.empty()) throw InputError(error);
}

} // namespace tracelle::cli
