// The cells of one worksheet read from a workbook file: only columns A to Z are kept (the
// only ones the imports address), and rows or cells repeated by the file are stored once.
#pragma once

#include "files/SheetCells.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::files {

// The largest sheet of the spreadsheet programs; a file that places anything beyond is refused
// rather than read in part.
inline constexpr std::int64_t kSheetMaxColumns = 16384;
inline constexpr std::int64_t kSheetMaxRows = 1048576;
std::string tooManyColumns();
std::string tooManyRows();
std::string encryptedWorkbook();

class CellGrid final : public SheetCells {
public:
    // A text kept once and placed in any number of cells (shared strings).
    struct Text {
        std::uint64_t offset = 0;
        std::uint32_t length = 0;
    };

    // Rows `first` to `first + count - 1` take the cells added until the next call. Rows come
    // in increasing order in every format; `finish` sorts those of a file that breaks it.
    void beginRows(std::int64_t first, std::int64_t count);
    // Columns `first` to `first + count - 1` of the current rows; an empty text adds nothing.
    void addText(std::int64_t first, std::int64_t count, std::string_view text);
    void addKept(std::int64_t first, std::int64_t count, Text text);
    void addNumber(std::int64_t first, std::int64_t count, double value);
    Text keep(std::string_view text);
    std::string_view kept(Text text) const;
    void finish();

    std::string cellText(int column, int row) const override;
    // The last row holding a cell of columns A to Z; 0 for an empty sheet.
    int lastRow() const;

private:
    struct Cell {
        union {
            double number;
            std::uint64_t offset;
        };
        std::uint32_t length;
        std::uint8_t first; // columns, 1 to 26
        std::uint8_t last;
        bool isText;
    };
    struct Rows {
        std::int64_t first;
        std::int64_t last;
        std::uint32_t begin; // cells_[begin, end)
        std::uint32_t end;
    };
    bool place(std::int64_t first, std::int64_t count, Cell& cell) const;
    void closeRows();

    std::vector<Rows> rows_;
    std::vector<Cell> cells_;
    std::string texts_;
    Rows open_{0, -1, 0, 0};
};

} // namespace tracelle::files
