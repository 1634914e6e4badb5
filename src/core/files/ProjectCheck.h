// A project file's rows checked before anything is replaced with them: every row its counts
// announce is there, and every cell the program reads as a number reads without a question.
#pragma once

#include "files/ProjectFile.h"
#include "model/TextTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tracelle::files {

// The refusal of what line `line` (from 1) holds, `expected` saying what should be there.
ProjectError faultAt(std::int64_t line, const std::string& expected);

// The first row missing from a file of `lineCount` lines whose header is on line `headerLine`,
// followed by K calibration rows, N points and NL lines.
std::optional<ProjectError> checkRowsPresent(std::int64_t lineCount, std::int64_t headerLine,
                                             std::int64_t k, std::int64_t n, std::int64_t nl);

// A calibration row's pixel and real cells, read by the columns of a checked `header`; the
// fault names the row as `name` and stands on `line`.
std::optional<ProjectError> checkCalibrationRow(const std::vector<std::string>& cells,
                                                const model::TextTable& header, std::int64_t line,
                                                const std::string& name);

// The first row of `tables`, read from the header line `headerLine` on, that the program could
// not read: a header without a column the program looks for, or a cell that does not read as
// the number that column holds (a line's width and colour may be blank, as a deleted line
// leaves them).
std::optional<ProjectError> checkTables(const ProjectTables& tables, std::int64_t headerLine);

} // namespace tracelle::files
