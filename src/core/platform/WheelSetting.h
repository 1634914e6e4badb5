// The mouse wheel's direction, kept as the presence of "~tracelle_roulette_inv.cfg".
#pragma once

#include <string>

namespace tracelle::platform {

std::string wheelSettingFile();
bool wheelInverted();
// Creates the empty file when inverted, deletes it otherwise; false when that failed.
bool saveWheelInverted(bool inverted);

} // namespace tracelle::platform
