#include "ui/CellDelegate.h"

#include "model/TableEditing.h"
#include "platform/Interaction.h"

#include <QLineEdit>

namespace tracelle::ui {

CellDelegate::CellDelegate(model::TableId table, QObject* parent)
    : QStyledItemDelegate(parent), table_(table) {
    connect(this, &QStyledItemDelegate::closeEditor, this,
            [this](QWidget* editor) { emit edited(editor->property("index").toModelIndex()); });
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    const QString saved = index.data(Qt::EditRole).toString();
    const std::string header =
        index.model()->headerData(index.column(), Qt::Horizontal).toString().toStdString();
    editor->setProperty("index", QVariant::fromValue(index));
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor, saved, header](const QString& text) {
                emit const_cast<CellDelegate*>(this)->typed();
                if (model::texteCelluleAccepte(table_, header, text.toStdString())) return;
                if (table_ != model::TableId::Lines) platform::interaction().beep(1400, 250);
                editor->setText(saved);
            });
    return editor;
}

} // namespace tracelle::ui
