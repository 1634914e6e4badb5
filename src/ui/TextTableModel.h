// A Qt table model over one of the project's text tables: the grids show the one copy of
// the data, and follow its changes.
#pragma once

#include "model/TextTable.h"

#include <QAbstractTableModel>

namespace tracelle::ui {

class TextTableModel : public QAbstractTableModel, private model::TableListener {
    Q_OBJECT
public:
    TextTableModel(model::TextTable& table, QObject* parent = nullptr);
    ~TextTableModel() override;

    // The role under which a column's header is its key: the table's own French header, as
    // files and the core name the column, whatever the language shown.
    static constexpr int kKeyRole = Qt::UserRole;

    // Data rows are the table's rows 1 and up; its row 0 gives the column headers.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The columns the user may type into, by header text.
    void setEditableColumns(const QStringList& headers) { editable_ = headers; }
    // Columns shown as fixed: never selected.
    void setFixedColumns(const QStringList& headers) { fixed_ = headers; }
    model::TextTable& table() const { return table_; }

    // A header as the window shows it: words in the window's language.
    static QString shownHeader(std::string_view header);

private:
    void cellsChanged(const model::TextTable&, int firstRow, int lastRow) override;
    void rowsAboutToBeInserted(const model::TextTable&, int first, int last) override;
    void rowsInserted(const model::TextTable&, int first, int last) override;
    void rowsAboutToBeRemoved(const model::TextTable&, int first, int last) override;
    void rowsRemoved(const model::TextTable&, int first, int last) override;
    void aboutToReset(const model::TextTable&) override;
    void reset(const model::TextTable&) override;

    model::TextTable& table_;
    QStringList editable_;
    QStringList fixed_;
};

} // namespace tracelle::ui
