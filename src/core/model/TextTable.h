// A table of text cells whose row 0 holds the column headers; the text is the stored value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {

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
};

class TextTable {
public:
    explicit TextTable(std::vector<std::string> headers);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }

    // Empty text outside the table.
    const std::string& cell(int row, int column) const;
    // Writes a cell of an existing row; writes outside the table are ignored.
    void setCell(int row, int column, std::string text);
    // Grows with empty rows or drops the last rows; row 0 always stays.
    void setRowCount(int count);
    // Removes a data row; the rows below move up by one.
    void removeRow(int row);
    // Exchanges the two rows' cells except those of the columns listed.
    void exchangeRows(int a, int b, const std::vector<int>& keptColumns);

    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);

private:
    bool inside(int row, int column) const;

    int columns_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<TableListener*> listeners_;
};

} // namespace tracelle::model
