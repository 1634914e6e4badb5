#include "ui/TextTableModel.h"

#include "model/NumberText.h"
#include "ui/QtText.h"

#include <QColor>
#include <algorithm>

namespace tracelle::ui {

namespace {

// The headers of the project's tables and of the converter's worksheet that are words.
const char* const kWordHeaders[] = {
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Libellé"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "épaisseur"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "couleur"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Est (X)"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Nord (Y)"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "UTM lettre"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Hémisphère"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Ellipsoïde"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "°latitude"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "°longitude"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "n°"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Zone"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Latitude"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "Longitude"),
    QT_TRANSLATE_NOOP("tracelle::ui::TextTableModel", "OK"),
};

} // namespace

TextTableModel::TextTableModel(model::TextTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    table_.addListener(this);
}

TextTableModel::~TextTableModel() {
    table_.removeListener(this);
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount() - 1;
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::string_view text = table_.cell(index.row() + 1, index.column());
    if (role == Qt::DisplayRole || role == Qt::EditRole) return q(text);
    // A line's colour shows as a plain swatch: the cell and its text in that colour.
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && !text.empty() &&
        table_.cell(0, index.column()) == "couleur") {
        const auto c = static_cast<std::uint32_t>(model::lit_entier(text).value);
        return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                      static_cast<int>((c >> 16) & 0xFF));
    }
    return {};
}

QString TextTableModel::shownHeader(std::string_view header) {
    for (const char* word : kWordHeaders)
        if (header == word) return tr(word);
    return q(header);
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == kKeyRole) return q(table_.cell(0, section));
    if (role == Qt::DisplayRole) return shownHeader(table_.cell(0, section));
    return {};
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const QString header = q(table_.cell(0, index.column())).trimmed();
    if (editable_.contains(header)) f |= Qt::ItemIsEditable;
    if (fixed_.contains(header)) f &= ~Qt::ItemIsSelectable;
    return f;
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    table_.setCell(index.row() + 1, index.column(), value.toString().toStdString());
    return true;
}

void TextTableModel::cellsChanged(const model::TextTable&, int firstRow, int lastRow) {
    if (firstRow == 0) {
        emit headerDataChanged(Qt::Horizontal, 0, table_.columnCount() - 1);
        firstRow = 1;
    }
    if (lastRow < firstRow) return;
    emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, table_.columnCount() - 1));
}

void TextTableModel::rowsAboutToBeInserted(const model::TextTable&, int first, int last) {
    beginInsertRows({}, std::max(first, 1) - 1, last - 1);
}

void TextTableModel::rowsInserted(const model::TextTable&, int, int) {
    endInsertRows();
}

void TextTableModel::rowsAboutToBeRemoved(const model::TextTable&, int first, int last) {
    beginRemoveRows({}, std::max(first, 1) - 1, last - 1);
}

void TextTableModel::rowsRemoved(const model::TextTable&, int, int) {
    endRemoveRows();
}

void TextTableModel::aboutToReset(const model::TextTable&) {
    beginResetModel();
}

void TextTableModel::reset(const model::TextTable&) {
    endResetModel();
}

} // namespace tracelle::ui
