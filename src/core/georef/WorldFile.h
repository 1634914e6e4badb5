// World files: six numbers beside a picture, named after it (".tfw" or ".tifw" for a
// ".tif", ".jgw" or ".jpgw" for a ".jpg", ... or ".wld").
#pragma once

#include "georef/Affine.h"

#include <string>

namespace tracelle::georef {

// The world file of a picture; empty when it has none.
std::string worldFileFor(const std::string& picture);
// Whether the name is a world file's.
bool estFichierMonde(const std::string& path);
// The picture a world file belongs to; empty when none is beside it.
std::string pictureForWorldFile(const std::string& worldFile);

struct WorldRead {
    Affine map;
    std::string error; // the message to show; empty when read
};
WorldRead lit_world(const std::string& path);

} // namespace tracelle::georef
