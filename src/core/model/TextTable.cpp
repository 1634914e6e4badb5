#include "model/TextTable.h"

#include "platform/LargePages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace tracelle::model {

const std::vector<TableListener*>& TextTable::notified() const {
    static const std::vector<TableListener*> nobody;
    return bulkDepth_ > 0 ? nobody : listeners_;
}

namespace {

CellSpan appendText(std::string& text, std::string_view cell) {
    if (cell.empty()) return {};
    if (text.size() + cell.size() > UINT32_MAX) throw std::length_error("TextRows");
    const CellSpan span{static_cast<std::uint32_t>(text.size()),
                        static_cast<std::uint32_t>(cell.size())};
    text.append(cell);
    return span;
}

} // namespace

CellSpan TextRows::append(std::string_view cell) {
    return appendText(text, cell);
}

TextTable::TextTable(std::vector<std::string> headers)
    : columns_(static_cast<int>(headers.size())), headers_(std::move(headers)),
      cells_(headers_.size()) {}

TextTable::Bulk::Bulk(TextTable& table) : table_(table) {
    if (table_.bulkDepth_++ == 0)
        for (auto* l : table_.listeners_)
            l->aboutToReset(table_);
}

TextTable::Bulk::~Bulk() {
    if (--table_.bulkDepth_ == 0)
        for (auto* l : table_.listeners_)
            l->reset(table_);
}

void TextTable::put(std::size_t index, std::string_view cell) {
    CellSpan& span = cells_[index];
    if (!cell.empty() && cell.size() <= span.size) {
        // The cell's own bytes, written over: a recomputation rewrites numbers of one width.
        std::memmove(text_.data() + span.at, cell.data(), cell.size());
        used_ -= span.size - cell.size();
        span.size = static_cast<std::uint32_t>(cell.size());
        return;
    }
    used_ -= span.size;
    span = {};
    if (cell.empty()) return;
    // Writes append: compacting once they have left as much behind as the cells use keeps
    // the text under twice its need, at a cost shared among those writes.
    if (text_.size() > 2 * used_ + (std::size_t{1} << 16) ||
        text_.size() + cell.size() > UINT32_MAX)
        compact();
    // Grown twice as large each time, in 2 MB pages once large: a conversion of every row
    // appends megabytes.
    if (text_.size() + cell.size() > text_.capacity())
        platform::reserveInLargePages(text_, 2 * (text_.size() + cell.size()));
    cells_[index] = appendText(text_, cell);
    used_ += cell.size();
}

void TextTable::putRow(int row, const std::vector<std::string>& cells) {
    for (int c = 0; c < columns_; ++c)
        put(indexOf(row, c), cells[static_cast<std::size_t>(c)]);
}

void TextTable::compact() {
    std::string text;
    text.reserve(used_);
    for (CellSpan& span : cells_) {
        const std::string_view cell(text_.data() + span.at, span.size);
        span.at = static_cast<std::uint32_t>(text.size());
        text.append(cell);
    }
    text_ = std::move(text);
}

void TextTable::setCell(int row, int column, std::string text) {
    if (!inside(row, column)) return;
    if (row == 0) {
        std::string& header = headers_[static_cast<std::size_t>(column)];
        if (header == text) return;
        if (journal_) journal_->cellChanging(*this, row, column);
        header = std::move(text);
    } else {
        const std::size_t index = indexOf(row, column);
        if (this->text(index) == text) return;
        if (journal_) journal_->cellChanging(*this, row, column);
        put(index, text);
    }
    if (changesDepth_ > 0) {
        if (changedFirst_ > changedLast_) changedFirst_ = changedLast_ = row;
        changedFirst_ = std::min(changedFirst_, row);
        changedLast_ = std::max(changedLast_, row);
        return;
    }
    for (auto* l : notified())
        l->cellsChanged(*this, row, row);
}

TextTable::CellChanges::CellChanges(TextTable& table) : table_(table) {
    ++table_.changesDepth_;
}

TextTable::CellChanges::~CellChanges() {
    if (--table_.changesDepth_ > 0 || table_.changedFirst_ > table_.changedLast_) return;
    const int first = table_.changedFirst_;
    const int last = std::min(table_.changedLast_, table_.rowCount() - 1);
    table_.changedFirst_ = 0;
    table_.changedLast_ = -1;
    if (first > last) return;
    for (auto* l : table_.notified())
        l->cellsChanged(table_, first, last);
}

void TextTable::setRow(int row, std::vector<std::string> cells) {
    if (row < 0) return;
    cells.resize(static_cast<std::size_t>(columns_));
    if (row > rowCount()) setRowCount(row);
    if (row == rowCount()) {
        if (journal_) journal_->rowCountChanging(*this, row + 1);
        // Appended as it is: no empty row made first.
        for (auto* l : notified())
            l->rowsAboutToBeInserted(*this, row, row);
        resizeRows(row + 1);
        putRow(row, cells);
        for (auto* l : notified())
            l->rowsInserted(*this, row, row);
        return;
    }
    if (journal_) journal_->rowChanging(*this, row);
    if (row == 0)
        headers_ = std::move(cells);
    else
        putRow(row, cells);
    for (auto* l : notified())
        l->cellsChanged(*this, row, row);
}

void TextTable::setRowCount(int count) {
    count = std::max(count, 1);
    const int old = rowCount();
    if (journal_ && count != old) journal_->rowCountChanging(*this, count);
    if (count > old) {
        for (auto* l : notified())
            l->rowsAboutToBeInserted(*this, old, count - 1);
        resizeRows(count);
        for (auto* l : notified())
            l->rowsInserted(*this, old, count - 1);
    } else if (count < old) {
        for (auto* l : notified())
            l->rowsAboutToBeRemoved(*this, count, old - 1);
        resizeRows(count);
        for (auto* l : notified())
            l->rowsRemoved(*this, count, old - 1);
    }
}

void TextTable::resizeRows(int count) {
    const std::size_t size = static_cast<std::size_t>(count) * static_cast<std::size_t>(columns_);
    for (std::size_t i = size; i < cells_.size(); ++i)
        used_ -= cells_[i].size;
    cells_.resize(size);
    rows_ = count;
}

void TextTable::replaceRows(std::vector<std::string>&& cells, int width) {
    TextRows rows;
    rows.cells.reserve(cells.size());
    for (const std::string& cell : cells)
        rows.cells.push_back(rows.append(cell));
    cells.clear();
    replaceRows(std::move(rows), width);
}

void TextTable::replaceRows(TextRows&& rows, int width) {
    if (journal_) journal_->allChanging(*this);
    // Told once, as a whole: the rows written below are not told again.
    TableJournal* journal = std::exchange(journal_, nullptr);
    struct Restore {
        TextTable& t;
        TableJournal* j;
        ~Restore() { t.journal_ = j; }
    } restore{*this, journal};
    Bulk bulk(*this);
    const int count = width > 0 ? static_cast<int>(rows.cells.size()) / width : 0;
    if (width != columns_ || count < 1) {
        setRowCount(1);
        for (int r = 1; r < count; ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < width; ++c)
                row.emplace_back(rows[static_cast<std::size_t>(r) * width + c]);
            setRow(r, std::move(row));
        }
        return;
    }
    // Same layout as ours: the block is taken as it is, row 0 standing for our headers.
    rows.cells.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(width));
    std::fill(rows.cells.begin(), rows.cells.begin() + columns_, CellSpan{});
    cells_ = std::move(rows.cells);
    text_ = std::move(rows.text);
    used_ = 0;
    for (const CellSpan& span : cells_)
        used_ += span.size;
    rows_ = count;
}

void TextTable::reserveRows(int count) {
    const std::size_t wanted =
        static_cast<std::size_t>(std::max(count, rows_)) * static_cast<std::size_t>(columns_);
    // The text too, at 8 bytes a cell: a point's row, its numbers padded, holds about 80.
    platform::reserveInLargePages(text_, text_.size() + (wanted - cells_.size()) * 8);
    platform::reserveInLargePages(cells_, wanted);
}

void TextTable::removeRows(int first, int count) {
    if (first < 1 || first >= rowCount()) return;
    count = std::min(count, rowCount() - first);
    if (count < 1) return;
    const int last = first + count - 1;
    // Journalled from the bottom up: each removal as it would be made one after the other.
    if (journal_)
        for (int row = last; row >= first; --row)
            journal_->rowRemoving(*this, row);
    for (auto* l : notified())
        l->rowsAboutToBeRemoved(*this, first, last);
    const auto begin = cells_.begin() + static_cast<std::ptrdiff_t>(first) * columns_;
    const auto end = begin + static_cast<std::ptrdiff_t>(count) * columns_;
    for (auto span = begin; span != end; ++span)
        used_ -= span->size;
    cells_.erase(begin, end);
    rows_ -= count;
    for (auto* l : notified())
        l->rowsRemoved(*this, first, last);
}

void TextTable::insertRow(int row, std::vector<std::string> cells) {
    if (row < 1 || row > rowCount()) return;
    cells.resize(static_cast<std::size_t>(columns_));
    for (auto* l : notified())
        l->rowsAboutToBeInserted(*this, row, row);
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(row) * columns_,
                  static_cast<std::size_t>(columns_), CellSpan{});
    ++rows_;
    putRow(row, cells);
    for (auto* l : notified())
        l->rowsInserted(*this, row, row);
    if (journal_) journal_->rowInserted(*this, row);
}

std::vector<std::string> TextTable::rowCells(int row) const {
    if (!inside(row, 0)) return std::vector<std::string>(static_cast<std::size_t>(columns_));
    if (row == 0) return headers_;
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(columns_));
    for (int c = 0; c < columns_; ++c)
        cells.emplace_back(text(indexOf(row, c)));
    return cells;
}

void TextTable::exchangeRows(int a, int b, const std::vector<int>& keptColumns) {
    if (a < 1 || b < 1 || !inside(a, 0) || !inside(b, 0) || a == b) return;
    if (journal_) journal_->rowsExchanging(*this, a, b, keptColumns);
    for (int c = 0; c < columns_; ++c) {
        if (std::find(keptColumns.begin(), keptColumns.end(), c) != keptColumns.end()) continue;
        std::swap(cells_[indexOf(a, c)], cells_[indexOf(b, c)]);
    }
    for (auto* l : notified()) {
        l->cellsChanged(*this, a, a);
        l->cellsChanged(*this, b, b);
    }
}

void TextTable::addListener(TableListener* listener) {
    listeners_.push_back(listener);
}

void TextTable::removeListener(TableListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

} // namespace tracelle::model
