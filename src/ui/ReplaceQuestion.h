// The question asked before files already there are replaced.
#pragma once

#include <string>
#include <vector>

namespace tracelle::ui {

// Names those of `paths` that exist, once; true when none does or the user agrees.
bool mayReplace(const std::vector<std::string>& paths);

} // namespace tracelle::ui
