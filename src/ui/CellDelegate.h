// Editing a grid cell: every change of the text is checked as it is typed, and a refused
// text gives back the cell's text from before the editing began.
#pragma once

#include "model/ProjectView.h"

#include <QStyledItemDelegate>

namespace tracelle::ui {

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CellDelegate(model::TableId table, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // A line's colour is a plain swatch, selected or not.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A text cut short to "..." (a narrow column, a long number) shows whole under the mouse.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // Tells `changed` when the text written differs from the cell's.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    void typed();                          // a key was typed into a cell of this grid
    void edited(const QModelIndex& index); // the editor closed, changed or not
    void changed();                        // a cell was given another text

private:
    model::TableId table_;
};

} // namespace tracelle::ui
