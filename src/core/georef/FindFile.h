// Files found beside a picture or a descriptor by name, whatever the case of the letters: the
// files come from systems that do not tell "CARTE.TIF" from "carte.tif".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tracelle::georef {

// `folder`/`name` when it exists, else a file of the folder whose name differs only in the
// case of its ASCII letters; empty when none.
std::string trouveSansCasse(const std::filesystem::path& folder, const std::string& name);

// The files of `folder` named `stem` + "." + an extension, whatever the case of either.
std::vector<std::filesystem::path> memeNom(const std::filesystem::path& folder,
                                           const std::string& stem);

} // namespace tracelle::georef
