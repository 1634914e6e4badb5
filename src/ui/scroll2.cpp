#include "ui/scroll2.h"

#include "model/Project.h"
#include "ui/TextTableModel.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(grids_[0], 1);
    layout->addWidget(grids_[1]);
    layout->addWidget(grids_[2]);
    layout->addWidget(altitude_);

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

void Scroll2::setPointCount(int n) {
    count_->setText(QString::number(n) + QStringLiteral(" points"));
}

} // namespace tracelle::ui
