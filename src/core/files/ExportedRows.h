// The rows of the points table that an export takes, shared by the text export and the
// exports for GIS and CAD so that both pass over the same rows and refuse the same cells.
#pragma once

#include "model/Real.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

struct ExportedRow {
    int row;
    std::int32_t L;
    model::Real X, Y;
};

// Calls `take` for each row in table order, passing over the rows of hidden lines when
// `shownLinesOnly`; stops at the first "L", "X" or "Y" cell that cannot be read and returns the
// conversion's message ("" when every row was read).
std::string forEachExportedRow(const model::Project& project, bool shownLinesOnly,
                               const std::function<void(const ExportedRow&)>& take);

} // namespace tracelle::files
