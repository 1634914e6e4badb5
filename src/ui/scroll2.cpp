#include "ui/scroll2.h"

#include "model/Project.h"
#include "model/extraitUTIL.h"
#include "platform/Interaction.h"
#include "ui/TextTableModel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tracelle::ui {

namespace {

QTableView* makeGrid(model::TextTable& table, const char* name, std::initializer_list<int> widths,
                     QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(new TextTableModel(table, grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setStyleSheet("QTableView { selection-background-color: navy; selection-color: white; }");
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    // Rows of equal height let a million of them scroll without measuring each.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(45);
    int column = 0;
    for (const int w : widths)
        grid->setColumnWidth(column++, w);
    return grid;
}

} // namespace

Scroll2::Scroll2(model::Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      project_(project) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Points digitalisés"));
    setFixedSize(600, 720);

    count_ = new QLabel(QStringLiteral("Points digitalisés"), this);
    count_->setToolTip(QStringLiteral("la touche Alt Graphique = un clik gauche"));
    grids_[0] = makeGrid(project.points(), "StringGrid1", {40, 36, 60, 110, 110, 80, 50, 50}, this);
    grids_[1] =
        makeGrid(project.calibration(), "StringGrid2", {22, 22, 60, 110, 110, 80, 50, 50}, this);
    grids_[2] = makeGrid(project.lines(), "StringGrid3", {40, 70, 60, 30}, this);
    grids_[1]->setFixedHeight(4 * 18 + 6);
    grids_[2]->setFixedHeight(130);
    altitude_ = new QCheckBox(QStringLiteral("altitude Z + -  (F2,F3)"), this);
    altitude_->setToolTip(QStringLiteral("F9 = recopie l'altitude pour le reste des points"));
    labels_ = new QCheckBox(QStringLiteral("Affiche Lib.  Taille"), this);
    labels_->setObjectName("CheckBoxLabels");
    labelHeight_ = new QLineEdit(QStringLiteral("30"), this);
    labelHeight_->setFixedWidth(40);
    labelText_ = new QPushButton(this);
    labelBackground_ = new QPushButton(this);
    const auto swatch = [this](QPushButton* button, const QColor& colour) {
        button->setFixedSize(24, 20);
        button->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
        button->setProperty("colour", colour);
        connect(button, &QPushButton::clicked, this, [this, button] {
            const QColor now = button->property("colour").value<QColor>();
            const auto bgr = static_cast<std::uint32_t>(now.red()) |
                             (static_cast<std::uint32_t>(now.green()) << 8) |
                             (static_cast<std::uint32_t>(now.blue()) << 16);
            if (const auto chosen = platform::interaction().chooseColour(bgr)) {
                const QColor c(static_cast<int>(*chosen & 0xFF),
                               static_cast<int>((*chosen >> 8) & 0xFF),
                               static_cast<int>((*chosen >> 16) & 0xFF));
                button->setProperty("colour", c);
                button->setStyleSheet(QStringLiteral("background: %1;").arg(c.name()));
                emit labelStyleChanged();
            }
        });
    };
    const LabelStyle defaults;
    swatch(labelText_, defaults.text);
    swatch(labelBackground_, defaults.background);
    connect(labels_, &QCheckBox::toggled, this, &Scroll2::labelStyleChanged);
    connect(labelHeight_, &QLineEdit::returnPressed, this, &Scroll2::labelStyleChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(grids_[0], 1);
    layout->addWidget(grids_[1]);
    layout->addWidget(grids_[2]);
    auto* options = new QHBoxLayout;
    options->addWidget(altitude_);
    options->addStretch(1);
    options->addWidget(labels_);
    options->addWidget(labelHeight_);
    options->addWidget(labelText_);
    options->addWidget(labelBackground_);
    layout->addLayout(options);

    connect(altitude_, &QCheckBox::toggled, this, &Scroll2::altitudeToggled);
    connect(grids_[0]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                selectedPoint_ = current.isValid() ? current.row() + 1 : 0;
            });
}

void Scroll2::selectRow(model::TableId table, int row) {
    QTableView* grid = grids_[static_cast<int>(table)];
    if (row < 1 || row > grid->model()->rowCount()) return;
    const QModelIndex index = grid->model()->index(row - 1, 0);
    grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    grid->scrollTo(index);
}

LabelStyle Scroll2::labelStyle() const {
    LabelStyle style;
    style.shown = labels_->isChecked();
    style.height = model::val_entier(labelHeight_->text().toStdString());
    style.text = labelText_->property("colour").value<QColor>();
    style.background = labelBackground_->property("colour").value<QColor>();
    return style;
}

void Scroll2::setPointCount(int n) {
    count_->setText(QString::number(n) + QStringLiteral(" points"));
}

} // namespace tracelle::ui
