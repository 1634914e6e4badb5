// One table row as one line of comma-separated cells, quoted when needed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tracelle::files {

// A cell holding a blank or control character, a double quote or a comma is quoted, its
// quotes doubled; an empty cell is written as nothing.
std::string encodeRow(const std::vector<std::string>& cells);
// Appends one cell as `encodeRow` writes it.
void appendCell(std::string& line, const std::string& cell);

// Fills `columns` cells from the left; an empty field is kept as one space so that it counts
// as filled; fields beyond the last column are dropped, cells no field reaches stay empty.
std::vector<std::string> decodeRow(std::string_view line, int columns);
// The same appended to `cells`: exactly `columns` cells more.
void appendDecodedRow(std::string_view line, std::vector<std::string>& cells, int columns);

} // namespace tracelle::files
