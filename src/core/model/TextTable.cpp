#include "model/TextTable.h"

#include "platform/LargePages.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tracelle::model {

const std::vector<TableListener*>& TextTable::notified() const {
    static const std::vector<TableListener*> nobody;
    return bulkDepth_ > 0 ? nobody : listeners_;
}

TextTable::TextTable(std::vector<std::string> headers)
    : columns_(static_cast<int>(headers.size())), cells_(std::move(headers)) {}

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

bool TextTable::inside(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < columns_;
}

const std::string& TextTable::cell(int row, int column) const {
    static const std::string empty;
    return inside(row, column) ? cells_[indexOf(row, column)] : empty;
}

void TextTable::setCell(int row, int column, std::string text) {
    if (!inside(row, column)) return;
    auto& target = at(row, column);
    if (target == text) return;
    if (journal_) journal_->cellChanging(*this, row, column);
    target = std::move(text);
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
        // Appended as it is: no empty row made first (a file of 100,000 points is read so).
        for (auto* l : notified())
            l->rowsAboutToBeInserted(*this, row, row);
        std::move(cells.begin(), cells.end(), std::back_inserter(cells_));
        ++rows_;
        for (auto* l : notified())
            l->rowsInserted(*this, row, row);
        return;
    }
    if (journal_) journal_->rowChanging(*this, row);
    std::move(cells.begin(), cells.end(), &at(row, 0));
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
    cells_.resize(static_cast<std::size_t>(count) * static_cast<std::size_t>(columns_));
    rows_ = count;
}

void TextTable::replaceRows(std::vector<std::string>&& cells, int width) {
    if (journal_) journal_->allChanging(*this);
    // Told once, as a whole: the rows written below are not told again.
    TableJournal* journal = std::exchange(journal_, nullptr);
    struct Restore {
        TextTable& t;
        TableJournal* j;
        ~Restore() { t.journal_ = j; }
    } restore{*this, journal};
    Bulk bulk(*this);
    const int rows = width > 0 ? static_cast<int>(cells.size()) / width : 0;
    if (width != columns_ || rows < 1) {
        setRowCount(1);
        for (int r = 1; r < rows; ++r) {
            const auto first = cells.begin() + static_cast<std::ptrdiff_t>(r) * width;
            setRow(r, {std::make_move_iterator(first), std::make_move_iterator(first + width)});
        }
        return;
    }
    // Same layout as ours: the block is taken as it is.
    cells.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width));
    std::move(cells_.begin(), cells_.begin() + columns_, cells.begin());
    cells_.swap(cells);
    rows_ = rows;
}

void TextTable::reserveRows(int count) {
    const std::size_t wanted =
        static_cast<std::size_t>(std::max(count, rows_)) * static_cast<std::size_t>(columns_);
    if (wanted <= cells_.capacity()) return;
    cells_.reserve(wanted);
    platform::preferLargePages(cells_.data(), cells_.capacity() * sizeof(std::string));
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
    cells_.erase(begin, begin + static_cast<std::ptrdiff_t>(count) * columns_);
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
                  std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
    ++rows_;
    for (auto* l : notified())
        l->rowsInserted(*this, row, row);
    if (journal_) journal_->rowInserted(*this, row);
}

std::vector<std::string> TextTable::rowCells(int row) const {
    if (!inside(row, 0)) return std::vector<std::string>(static_cast<std::size_t>(columns_));
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(row) * columns_;
    return {first, first + columns_};
}

void TextTable::exchangeRows(int a, int b, const std::vector<int>& keptColumns) {
    if (!inside(a, 0) || !inside(b, 0) || a == b) return;
    if (journal_) journal_->rowsExchanging(*this, a, b, keptColumns);
    for (int c = 0; c < columns_; ++c) {
        if (std::find(keptColumns.begin(), keptColumns.end(), c) != keptColumns.end()) continue;
        std::swap(at(a, c), at(b, c));
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
