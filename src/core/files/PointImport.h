// Points whose real coordinates come from a text file, and calibration values pasted from
// the clipboard.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

class SheetCells;

// What an import did: the points added, and the lines passed over because their X or Y is
// not a number (their count, and the first ten of their 1-based numbers in the text).
struct ImportResult {
    int added = 0;
    int passedOver = 0;
    std::vector<int> firstPassedOver;
};

// The closing message: "nombre de points rajoutés : N", then the lines passed over if any.
std::string bilanImport(const ImportResult& result);

// The lines of a text of "X Y label" (tab-separated when the line holds a tab, else
// space-separated), each added to the current line at the image position of its real
// coordinates. Empty lines and lines starting with an apostrophe are skipped; lines whose X
// or Y is not a number are passed over. The real values of every point are then made again
// from its pixel. `beforeFirstPoint` runs once, just before the first point is added (a new
// line): an import that adds nothing changes nothing.
ImportResult ajoutePointsTexte(model::Project& project, const std::string& text,
                               const std::function<void()>& beforeFirstPoint = {});

// Columns (1 = A) and first row of a worksheet of "X Y label Z" rows.
struct SheetColumns {
    int label = 3;
    int X = 1;
    int Y = 2;
    int Z = 12; // 0 or less: no altitude column
    int firstRow = 5;
};

// Why these columns cannot be read, told to the user; empty when they can.
std::string colonnesIllisibles(const SheetColumns& columns);

// The rows from the first one down to the first whose X cell is empty, each whose X and Y
// cells are numbers added to the current line, the others passed over (their 1-based row
// numbers named); `progress` is told the count after each point. The real values of every
// point are then made again from its pixel; `beforeFirstPoint` as for a text.
ImportResult ajoutePointsTableur(model::Project& project, const SheetCells& cells,
                                 const SheetColumns& columns,
                                 const std::function<void(int)>& progress = {},
                                 const std::function<void()>& beforeFirstPoint = {});

// The first three lines that are not empty give the X, Y and Z of calibration rows 1 to 3
// (tab-separated when the line holds a tab, else space-separated); an absent Z leaves its
// cell. Every point is then recomputed. When a line's X or Y (or a Z given) is not a number,
// or no line is given, nothing changes and the reason is returned; empty on success.
std::string colleValeursCalage(model::Project& project, const std::string& text);

} // namespace tracelle::files
