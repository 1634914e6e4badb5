// Control points as text, one a line: "x y X Y [Z]", the pixel then the real values, with tabs
// or spaces between: the command-line tool's control file and the rows pasted into the
// calibration grid.
#pragma once

#include "model/Real.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::files {

struct ControlPointLine {
    std::int32_t x = 0;
    std::int32_t y = 0;
    model::Real X = 0;
    model::Real Y = 0;
    model::Real Z = 0;
};

struct ControlPointLines {
    std::vector<ControlPointLine> points;
    std::string error; // the first unreadable line, told to the user; no points then
};

// Blank lines are passed over; `source` names the text in the message.
ControlPointLines readControlPoints(std::string_view text, const std::string& source);

} // namespace tracelle::files
