#include "ui/CellDelegate.h"

#include "model/TableEditing.h"
#include "platform/Interaction.h"
#include "ui/TextTableModel.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <memory>

namespace tracelle::ui {

CellDelegate::CellDelegate(model::TableId table, QObject* parent)
    : QStyledItemDelegate(parent), table_(table) {
    connect(this, &QStyledItemDelegate::closeEditor, this,
            [this](QWidget* editor) { emit edited(editor->property("index").toModelIndex()); });
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const QVariant swatch = index.data(Qt::BackgroundRole);
    if (swatch.canConvert<QColor>() &&
        index.model()->headerData(index.column(), Qt::Horizontal, TextTableModel::kKeyRole) ==
            QStringLiteral("couleur")) {
        painter->fillRect(option.rect, swatch.value<QColor>());
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event && event->type() == QEvent::ToolTip && index.isValid() &&
        sizeHint(option, index).width() > option.rect.width()) {
        QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(),
                           view->viewport(), option.rect);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const QVariant before = index.data(Qt::EditRole);
    QStyledItemDelegate::setModelData(editor, model, index);
    if (index.data(Qt::EditRole) != before) emit const_cast<CellDelegate*>(this)->changed();
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    const QString saved = index.data(Qt::EditRole).toString();
    const std::string header =
        index.model()
            ->headerData(index.column(), Qt::Horizontal, TextTableModel::kKeyRole)
            .toString()
            .toStdString();
    editor->setProperty("index", QVariant::fromValue(index));
    // A refused keystroke is refused alone: the text accepted before it comes back, with the
    // cursor where it was, and the next keys go on from there.
    auto accepted = std::make_shared<std::pair<QString, int>>(saved, saved.size());
    connect(editor, &QLineEdit::textEdited, this,
            [this, editor, accepted, header](const QString& text) {
                emit const_cast<CellDelegate*>(this)->typed();
                if (model::texteCelluleAccepte(table_, header, text.toStdString())) {
                    *accepted = {text, editor->cursorPosition()};
                    return;
                }
                if (table_ != model::TableId::Lines) platform::interaction().beep(1400, 250);
                editor->setText(accepted->first);
                editor->setCursorPosition(accepted->second);
            });
    return editor;
}

} // namespace tracelle::ui
