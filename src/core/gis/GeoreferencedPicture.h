// The project's picture placed for GIS programs: a world file beside it, the value at the
// centre of its upper-left pixel, and a .prj naming the coordinate system.
#pragma once

#include "georef/Affine.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {
class Project;
enum class TransformMethod;
} // namespace tracelle::model

namespace tracelle::gis {

// The world file's name for a picture: first and last letters of its extension and "w"
// (".jgw", ".tfw", ".pgw"), ".wld" for a picture without extension.
std::string worldFileName(const std::string& picture);
// The .prj beside the picture, naming its coordinate system.
std::string prjFileName(const std::string& picture);

// Why the project's picture cannot be placed for GIS programs (no picture, not calibrated,
// logarithmic or polar axes); "" when it can.
std::string whyNotGeoreferenced(const model::Project& project);
// Affine and Helmert fits keep the picture's pixels a parallelogram on the ground.
bool affineInPixels(model::TransformMethod method);

// The pixels of the picture (from the centre of its upper-left pixel) to the project's real
// values; nothing, and the reason in `why`, when the picture is not there or no
// affine map holds its values.
std::optional<georef::Affine> pictureMap(const model::Project& project, std::string* why);

// The six lines of a world file, in the order GIS programs read them.
std::string worldFileText(const georef::Affine& map);

struct GeoreferencedPicture {
    std::vector<std::string> written;
    std::string error; // the message to show; nothing is written then
};

// The world file and .prj beside the project's picture, for `system` as the GIS export takes
// it (an EPSG code, a PROJ string, or "aucun": no .prj, and an earlier one is removed).
GeoreferencedPicture ecritCalageImage(const model::Project& project, std::string_view system);

} // namespace tracelle::gis
