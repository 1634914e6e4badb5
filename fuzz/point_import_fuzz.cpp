// The point import text and the calibration values pasted from the clipboard.
#include "CalibratedProject.h"
#include "FuzzFile.h"
#include "files/PointImport.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzz::text(data, size));
    model::Project project;
    fuzz::calibrate(project);
    (void)files::bilanImport(files::ajoutePointsTexte(project, text));
    (void)files::colleValeursCalage(project, text);
    return 0;
}
