// A table of text cells whose row 0 holds the column headers; the text is the stored value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {

// Where a cell's text lies in the text of its rows.
struct CellSpan {
    std::uint32_t at = 0;
    std::uint32_t size = 0;
};

// Rows of cells whose texts lie in one string: a file's rows are taken as read, the cells
// pointing into its bytes, with no string made for each of them.
struct TextRows {
    std::string text;
    // Row after row; no two overlap, as a table writes a cell over its own bytes.
    std::vector<CellSpan> cells;

    // Appends `cell` to the text and returns where it lies; throws std::length_error past
    // 4 GB of text.
    CellSpan append(std::string_view cell);
    std::string_view operator[](std::size_t i) const {
        return {text.data() + cells[i].at, cells[i].size};
    }
};

class TextTable;

// Told of every change, so that views follow the one copy of the data.
class TableListener {
public:
    virtual ~TableListener() = default;
    virtual void cellsChanged(const TextTable&, int /*firstRow*/, int /*lastRow*/) {}
    virtual void rowsAboutToBeInserted(const TextTable&, int /*first*/, int /*last*/) {}
    virtual void rowsInserted(const TextTable&, int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(const TextTable&, int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(const TextTable&, int /*first*/, int /*last*/) {}
    // Many changes at once: nothing is told in between.
    virtual void aboutToReset(const TextTable&) {}
    virtual void reset(const TextTable&) {}
};

// Told of every change before it is made, while the old cells can still be read: the
// project's history keeps what each user action replaced.
class TableJournal {
public:
    virtual ~TableJournal() = default;
    virtual void cellChanging(TextTable&, int row, int column) = 0;
    // The row's cells are about to be replaced (an existing row).
    virtual void rowChanging(TextTable&, int row) = 0;
    virtual void rowCountChanging(TextTable&, int count) = 0;
    virtual void rowRemoving(TextTable&, int row) = 0;
    virtual void rowInserted(TextTable&, int row) = 0;
    virtual void rowsExchanging(TextTable&, int a, int b, const std::vector<int>& keptColumns) = 0;
    // Every data row is about to be replaced.
    virtual void allChanging(TextTable&) = 0;
};

class TextTable {
public:
    explicit TextTable(std::vector<std::string> headers);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    // Empty text outside the table. Valid until the table is next changed.
    std::string_view cell(int row, int column) const {
        if (!inside(row, column)) return {};
        if (row == 0) return headers_[static_cast<std::size_t>(column)];
        return text(indexOf(row, column));
    }
    // Writes a cell of an existing row; writes outside the table are ignored.
    void setCell(int row, int column, std::string text);
    // Replaces a whole row (growing the table if needed); missing cells become empty.
    void setRow(int row, std::vector<std::string> cells);
    // Grows with empty rows or drops the last rows; row 0 always stays.
    void setRowCount(int count);
    // The data rows replaced by `cells`, rows of `width` cells one after the other whose
    // first row stands for the headers (the table keeps its own). Told as a reset.
    void replaceRows(std::vector<std::string>&& cells, int width);
    // The same with the rows' texts taken as they lie.
    void replaceRows(TextRows&& rows, int width);
    // Room for `count` rows (their cells and, roughly, their text) without moving the cells
    // again while they are added.
    void reserveRows(int count);
    // Removes a data row; the rows below move up by one.
    void removeRow(int row) { removeRows(row, 1); }
    // Removes `count` data rows from `first` on, told as one change; the rows below move up.
    void removeRows(int first, int count);
    // Inserts a data row before `row` (1 to the row count); the rows from it move down by one.
    void insertRow(int row, std::vector<std::string> cells);
    // The data rows' cells, row after row (for a journal).
    std::vector<std::string> rowCells(int row) const;
    // Exchanges the two data rows' cells except those of the columns listed.
    void exchangeRows(int a, int b, const std::vector<int>& keptColumns);

    // Groups many changes (an import, a file read) into one notification; nests.
    class Bulk {
    public:
        explicit Bulk(TextTable& table);
        ~Bulk();
        Bulk(const Bulk&) = delete;
        Bulk& operator=(const Bulk&) = delete;

    private:
        TextTable& table_;
    };

    // Gathers the cell writes of a long loop (a recomputation) into one change of the rows
    // they touched; rows inserted or removed meanwhile are still told at once.
    class CellChanges {
    public:
        explicit CellChanges(TextTable& table);
        ~CellChanges();
        CellChanges(const CellChanges&) = delete;
        CellChanges& operator=(const CellChanges&) = delete;

    private:
        TextTable& table_;
    };

    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);
    // The journal told of every change; none while it is null.
    void setJournal(TableJournal* journal) { journal_ = journal; }
    TableJournal* journal() const { return journal_; }

private:
    bool inside(int row, int column) const {
        return row >= 0 && row < rows_ && column >= 0 && column < columns_;
    }
    void resizeRows(int count);
    // The listeners to tell of one change: nobody while a bulk change runs.
    const std::vector<TableListener*>& notified() const;

    std::size_t indexOf(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    std::string_view text(std::size_t index) const {
        return {text_.data() + cells_[index].at, cells_[index].size};
    }
    // Writes a data cell's text (not a header's).
    void put(std::size_t index, std::string_view text);
    // Writes a data row's cells, `columns_` of them.
    void putRow(int row, const std::vector<std::string>& cells);
    // Rewrites text_ with the cells' texts alone, once writes have left more behind than
    // they use.
    void compact();

    int columns_;
    int rows_ = 1;
    std::vector<std::string> headers_; // row 0
    // The data cells, row after row, pointing into text_ (the spans of row 0 stay empty): a
    // table of 100,000 points read from a file is one block of spans and the file's bytes.
    std::vector<CellSpan> cells_;
    std::string text_;
    std::size_t used_ = 0; // bytes of text_ the cells point to
    std::vector<TableListener*> listeners_;
    TableJournal* journal_ = nullptr;
    int bulkDepth_ = 0;
    int changesDepth_ = 0;
    int changedFirst_ = 0; // rows written during CellChanges; none while first > last
    int changedLast_ = -1;
};

} // namespace tracelle::model
