#include "files/CellGrid.h"

#include "platform/Language.h"

#include <algorithm>

namespace tracelle::files {

std::string tooManyColumns() {
    return platform::fill(platform::translate("CellGrid", "la feuille a plus de %1 colonnes"),
                          {std::to_string(kSheetMaxColumns)});
}

std::string tooManyRows() {
    return platform::fill(platform::translate("CellGrid", "la feuille a plus de %1 lignes"),
                          {std::to_string(kSheetMaxRows)});
}

std::string encryptedWorkbook() {
    return platform::translate("ZipArchive", "le classeur est protégé par un mot de passe");
}

void CellGrid::beginRows(std::int64_t first, std::int64_t count) {
    closeRows();
    open_ = {first, first + count - 1, static_cast<std::uint32_t>(cells_.size()), 0};
}

void CellGrid::closeRows() {
    open_.end = static_cast<std::uint32_t>(cells_.size());
    if (open_.end > open_.begin) rows_.push_back(open_);
    open_ = {0, -1, open_.end, open_.end};
}

bool CellGrid::place(std::int64_t first, std::int64_t count, Cell& cell) const {
    if (open_.last < open_.first || first < 1 || first > kSheetLastColumn || count < 1)
        return false;
    cell.first = static_cast<std::uint8_t>(first);
    cell.last =
        static_cast<std::uint8_t>(std::min<std::int64_t>(first + count - 1, kSheetLastColumn));
    return true;
}

void CellGrid::addText(std::int64_t first, std::int64_t count, std::string_view text) {
    if (!text.empty()) addKept(first, count, keep(text));
}

void CellGrid::addKept(std::int64_t first, std::int64_t count, Text text) {
    Cell cell;
    if (text.length == 0 || !place(first, count, cell)) return;
    cell.offset = text.offset;
    cell.length = text.length;
    cell.isText = true;
    cells_.push_back(cell);
}

void CellGrid::addNumber(std::int64_t first, std::int64_t count, double value) {
    Cell cell;
    if (!place(first, count, cell)) return;
    cell.number = value;
    cell.length = 0;
    cell.isText = false;
    cells_.push_back(cell);
}

CellGrid::Text CellGrid::keep(std::string_view text) {
    const Text kept{texts_.size(), static_cast<std::uint32_t>(text.size())};
    texts_.append(text);
    return kept;
}

std::string_view CellGrid::kept(Text text) const {
    return std::string_view(texts_).substr(text.offset, text.length);
}

void CellGrid::finish() {
    closeRows();
    const auto byFirst = [](const Rows& a, const Rows& b) { return a.first < b.first; };
    if (!std::is_sorted(rows_.begin(), rows_.end(), byFirst))
        std::stable_sort(rows_.begin(), rows_.end(), byFirst);
}

std::string CellGrid::cellText(int column, int row) const {
    if (column < 1 || column > kSheetLastColumn || row < 1) return {};
    auto after = std::upper_bound(rows_.begin(), rows_.end(), row,
                                  [](std::int64_t r, const Rows& rows) { return r < rows.first; });
    if (after == rows_.begin()) return {};
    const Rows& rows = *(after - 1);
    if (row > rows.last) return {};
    for (std::uint32_t i = rows.begin; i < rows.end; ++i) {
        const Cell& cell = cells_[i];
        if (column < cell.first || column > cell.last) continue;
        if (!cell.isText) return shownNumber(cell.number);
        return std::string(texts_, cell.offset, cell.length);
    }
    return {};
}

int CellGrid::lastRow() const {
    std::int64_t last = 0;
    for (const Rows& rows : rows_)
        last = std::max(last, rows.last);
    return static_cast<int>(std::min<std::int64_t>(last, kSheetMaxRows));
}

} // namespace tracelle::files
