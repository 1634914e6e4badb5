// "Z par ligne": one height for every point of a line, as a contour line carries one value.
#pragma once

#include "model/Real.h"

#include <cstdint>

namespace tracelle::model {

class Project;

// Every point of line L takes the height Z, in one undo step; the number of points changed.
int setLineHeight(Project& project, std::int32_t L, Real Z);

} // namespace tracelle::model
