// tracelle-cli starts with the core's own libraries only, in a few milliseconds. What needs
// more lives in tracelle-cli-full, which holds every command: metafiles and PDF pages drawn
// with Qt and Poppler, the GIS formats with PROJ, shapelib, dxflib and GDAL, GeoTIFF tags
// with libgeotiff, pictures with their codecs, .xlsx and .ods with libzip. tracelle-cli hands
// it the whole command line and is replaced by it, so that the output and the exit status are
// the full program's.
#pragma once

#include "files/Workbook.h"
#include "georef/Georef.h"

#include <optional>
#include <string>

namespace tracelle::cli {

class Arguments;

// The command line as main received it, for the hand-over.
void keepCommandLine(char** argv);

// In tracelle-cli: runs the command line in tracelle-cli-full and never returns. In
// tracelle-cli-full: returns at once, the command being its own.
void handOver();

// The parts of commands that tracelle-cli hands over.
// export --format: the lines and points for a GIS or CAD program.
int exportForGis(const Arguments& args, const std::string& file, const std::string& format);
// The reader of the calibration a picture carries (GeoTIFF tags, else a world file beside).
using OwnCalibrationReader = std::optional<georef::Calage> (*)(const std::string& picture,
                                                               int width, int height);
OwnCalibrationReader ownCalibrationReader();
// A workbook opened as the import reads it: .xlsx and .ods need the zip and XML libraries.
// (chargeImage, which needs the picture codecs, is one of these parts too.)
std::unique_ptr<files::Workbook> openWorkbook(const std::string& path, std::string& error);

} // namespace tracelle::cli
