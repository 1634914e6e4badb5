// Cells of a worksheet addressed as in "L5": column 1 to 26 (A to Z), row from 1.
#pragma once

#include <string>

namespace tracelle::files {

class SheetCells {
public:
    virtual ~SheetCells() = default;
    // The empty text for an empty cell or one outside the sheet; a number in the notation
    // of the regional settings.
    virtual std::string cellText(int column, int row) const = 0;
};

inline constexpr int kSheetLastColumn = 26;

// A number cell's text as the spreadsheet shows it: 15 significant digits, the decimal mark of
// the regional settings. Every workbook format goes through it, so that they read alike.
std::string shownNumber(double value);

} // namespace tracelle::files
