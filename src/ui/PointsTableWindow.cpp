#include "ui/PointsTableWindow.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "ui/CalibrationTableModel.h"
#include "ui/CellDelegate.h"
#include "ui/QtText.h"
#include "ui/TextTableModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace tracelle::ui {

namespace {

QTableView* makeGrid(TextTableModel* model, model::TableId id, const char* name,
                     std::initializer_list<int> widths, const QStringList& editable,
                     QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    model->setParent(grid);
    model->setEditableColumns(editable);
    grid->setModel(model);
    grid->setItemDelegate(new CellDelegate(id, grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setStyleSheet("QTableView { selection-background-color: navy; selection-color: white; }");
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    // Rows of equal height let a million of them scroll without measuring each.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(45);
    // Narrow columns for one-digit numbers, below the style's minimum.
    grid->horizontalHeader()->setMinimumSectionSize(12);
    int column = 0;
    for (const int w : widths)
        grid->setColumnWidth(column++, w);
    return grid;
}

} // namespace

PointsTableWindow::PointsTableWindow(model::Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      project_(project) {
    setObjectName("PointsTableWindow");
    setWindowTitle(tr("Points digitalisés"));
    // Shown beside the map, it leaves the keyboard and the clicks to the map until the user
    // comes to it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kWidth, 800);
    buildGrids();

    count_ = new QLabel(tr("Points digitalisés"), this);
    count_->setObjectName("LabelPoints");
    count_->setToolTip(tr("la touche Alt Graphique = un clik gauche"));
    auto* hint = new QLabel(tr("clik gauche = AltGr ou Ctrl"), this);
    crs_ = new QLabel(this);
    crs_->setObjectName("LabelSCR");
    crs_->setToolTip(tr("système de coordonnées de l'image géoréférencée"));
    crs_->hide();

    auto* readout = new QWidget(this);
    readout->setAutoFillBackground(true);
    QPalette grey = readout->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    readout->setPalette(grey);
    readX_ = new QLabel(QStringLiteral("X="), readout);
    readY_ = new QLabel(QStringLiteral("Y="), readout);
    decimals_ = new QLineEdit(project.decimalsText().c_str(), readout);
    decimals_->setFixedWidth(40);
    takeDigitsOnly(decimals_);
    // X above Y and a caption that may wrap: side by side, long coordinates widened the
    // window past a small screen.
    auto* readoutLayout = new QGridLayout(readout);
    readoutLayout->setVerticalSpacing(0);
    readoutLayout->addWidget(readX_, 0, 0);
    readoutLayout->addWidget(readY_, 1, 0);
    readoutLayout->setColumnStretch(0, 1);
    auto* decimalsCaption = new QLabel(tr("décimales (puis <Entrée>)"), readout);
    decimalsCaption->setWordWrap(true);
    readoutLayout->addWidget(decimalsCaption, 0, 1, 2, 1);
    readoutLayout->addWidget(decimals_, 0, 2, 2, 1);
    connect(decimals_, &QLineEdit::returnPressed, this, [this] {
        project_.setDecimalsText(decimals_->text().toStdString());
        emit redessinerDemande();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(count_);
    top->addStretch(1);
    top->addWidget(crs_);
    top->addStretch(1);
    top->addWidget(hint);
    // On a small screen the window is shorter than its controls: they scroll rather than
    // overlap.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(top);
    layout->addWidget(grids_[0], 1);
    layout->addWidget(readout);
    layout->addWidget(grids_[1]);
    layout->addWidget(grids_[2]);
    layout->addWidget(buildButtons());
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scroll);
}

void PointsTableWindow::takeDigitsOnly(QLineEdit* box) {
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
}

void PointsTableWindow::buildGrids() {
    // Wide enough for a millionth point, Lambert-93 or UTM metres at 8 decimals and the pixels of
    // a large scan: a number cut short to "..." cannot be read.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 2);
    const auto fit = [&](const char* widest) {
        return fontMetrics().horizontalAdvance(QLatin1String(widest)) + margins;
    };
    const int metres = fit("-0000000.00000000");
    const int pixels = fit("000000");
    grids_[0] = makeGrid(
        new TextTableModel(project_.points()), model::TableId::Points, "GrillePoints",
        {fit("0000000"), fit("0000"), 60, metres, metres, fit("-00000.00000000"), pixels, pixels},
        {"Libellé", "Z"}, this);
    auto* calibrationModel = new CalibrationTableModel(project_);
    grids_[1] = makeGrid(calibrationModel, model::TableId::Calibration, "GrilleCalage",
                         {18, 14, 44, 70, 70, 32, pixels, pixels, 30, 44, 68, 68, 68, 68},
                         {"Libellé", "X", "Y", "Z"}, this);
    // The residuals beside the values they judge, and within the window of a small screen;
    // the pixels, which clicks give, go to the right end.
    QHeaderView* calibrationHeader = grids_[1]->horizontalHeader();
    const int pixelX = project_.indice_col_cal("x");
    for (int c = 0; c < 3; ++c)
        calibrationHeader->moveSection(pixelX, calibrationModel->columnCount() - 1);
    grids_[2] = makeGrid(new TextTableModel(project_.lines()), model::TableId::Lines,
                         "GrilleLignes", {40, 70, 60, 30}, {"épaisseur"}, this);
    calibrationModel->setFixedColumns({"n", "L"});
    connect(calibrationModel, &CalibrationTableModel::controlPointToggled, this,
            &PointsTableWindow::redessinerDemande);
    // The header, the three calibration rows and the row to type a control point into, above
    // the scroll bar of a narrow window.
    grids_[1]->setFixedHeight(5 * 18 + 6 + grids_[1]->horizontalScrollBar()->sizeHint().height());
    grids_[1]->installEventFilter(this);
    grids_[2]->setFixedHeight(110);

    connect(grids_[0]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                onPointSelected(current.isValid() ? current.row() + 1 : 0);
            });
    connect(grids_[1]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) onCalibrationSelected(current.row() + 1);
            });
    connect(grids_[2]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                onLineSelected(current.isValid() ? current.row() + 1 : 0);
            });
    // The selected point may move, change or go without the user selecting anything: a drag,
    // a deletion, an undo, a project opened.
    QAbstractItemModel* pointsModel = grids_[0]->model();
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(pointsModel, signal, this, &PointsTableWindow::followSelection);
    connect(pointsModel, &QAbstractItemModel::dataChanged, this,
            &PointsTableWindow::followSelection);
    connect(pointsModel, &QAbstractItemModel::modelReset, this,
            &PointsTableWindow::followSelection);
    connect(grids_[1]->model(), &QAbstractItemModel::dataChanged, this,
            &PointsTableWindow::followSelection);

    // A value typed into any grid is unsaved work: quitting then offers to save it.
    for (QTableView* grid : grids_)
        connect(static_cast<CellDelegate*>(grid->itemDelegate()), &CellDelegate::changed, this,
                [this] { project_.setSaved(false); });
    auto* points = static_cast<CellDelegate*>(grids_[0]->itemDelegate());
    connect(points, &CellDelegate::edited, this, [this] { emit redessinerDemande(); });
    auto* calibration = static_cast<CellDelegate*>(grids_[1]->itemDelegate());
    connect(calibration, &CellDelegate::typed, this, [this] { calibrationEdited_ = true; });
    connect(calibration, &CellDelegate::edited, this, [this] {
        project_.calcul_nouveaux_calage();
        emit redessinerDemande();
    });
    connect(grids_[1], &QTableView::clicked, this, [this] { project_.calcul_nouveaux_calage(); });
    auto* lines = static_cast<CellDelegate*>(grids_[2]->itemDelegate());
    connect(lines, &CellDelegate::edited, this, [this] { emit redessinerDemande(); });
    connect(grids_[2], &QTableView::pressed, this, &PointsTableWindow::linesCellClicked);
    connect(grids_[2], &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const int ok = model::indice_col_grille(project_.lines(), "OK");
        if (index.column() != ok) return;
        auto& lines = project_.lines();
        const int row = index.row() + 1;
        lines.setCell(row, ok, lines.cell(row, ok) == "x" ? "" : "x");
        project_.setSaved(false); // the file keeps which lines are shown
        emit redessinerDemande();
    });
}

void PointsTableWindow::refreshResiduals() {
    static_cast<CalibrationTableModel*>(grids_[1]->model())->refreshResiduals();
}

void PointsTableWindow::selectRow(model::TableId table, int row) {
    QTableView* grid = grids_[static_cast<int>(table)];
    if (row < 1 || row > grid->model()->rowCount()) return;
    const QModelIndex index = grid->model()->index(row - 1, 0);
    grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    grid->scrollTo(index);
}

int PointsTableWindow::selectedPointRow() const {
    const QModelIndex current = grids_[0]->selectionModel()->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int PointsTableWindow::highlighted() const {
    switch (crossHairOn_) {
    case CrossHairOn::Point:
        return selectedPointRow();
    case CrossHairOn::Calibration: {
        const QModelIndex current = grids_[1]->selectionModel()->currentIndex();
        return current.isValid() ? -(current.row() + 1) : 0;
    }
    case CrossHairOn::None:
        break;
    }
    return 0;
}

void PointsTableWindow::onPointSelected(int row) {
    // A point picked here gets the cross-hair; a selection moved by the program elsewhere
    // (a new point, a deletion on the map) takes it away rather than mark another point.
    if (isActiveWindow() && row >= 1 && row <= project_.N())
        crossHairOn_ = CrossHairOn::Point;
    else if (crossHairOn_ == CrossHairOn::Point)
        crossHairOn_ = CrossHairOn::None;
    followSelection();
}

void PointsTableWindow::onCalibrationSelected(int row) {
    if (isActiveWindow() && row <= project_.K()) {
        crossHairOn_ = CrossHairOn::Calibration;
        followSelection();
    }
}

void PointsTableWindow::followSelection() {
    const int row = selectedPointRow();
    QItemSelectionModel* selection = grids_[0]->selectionModel();
    if (row >= 1) {
        if (!selection->isRowSelected(row - 1))
            selection->select(selection->currentIndex(),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        emit zAffiche(q(project_.points().cell(row, project_.indice_col("Z"))));
    }
    const int j = highlighted();
    if (j == 0) crossHairOn_ = CrossHairOn::None;
    // Within an undo the rows change before the point count: a row past it is hidden until
    // the count follows.
    if ((j >= 1 && j <= project_.N()) || (j <= -1 && -j <= project_.K()))
        pointer_sur_carte(j);
    else
        emit crossHair(0, 0, false);
}

void PointsTableWindow::showPaste(const QString& text) {
    if (!paste_) {
        paste_ = new QPlainTextEdit(grids_[0]->parentWidget());
        paste_->setReadOnly(true);
        paste_->setStyleSheet("QPlainTextEdit { background: cyan; }");
    }
    paste_->setGeometry(grids_[0]->geometry());
    paste_->setPlainText(text);
    paste_->show();
    paste_->raise();
}

void PointsTableWindow::hidePaste() {
    if (paste_) paste_->hide();
}

void PointsTableWindow::setPointCount(int n) {
    count_->setText(tr("%1 points").arg(n));
    followSelection();
}

void PointsTableWindow::showCoordinateSystem(const QString& crs) {
    crs_->setText(crs);
    crs_->setVisible(!crs.isEmpty());
}

void PointsTableWindow::showCoordinates(const QString& x, const QString& y) {
    // While the user works here, the read-out names the marked point, not the mouse on the map.
    if (isActiveWindow() && highlighted() != 0) return;
    showReadout(x, y);
}

void PointsTableWindow::showReadout(const QString& x, const QString& y) {
    readX_->setText(x);
    readY_->setText(y);
}

void PointsTableWindow::depointer_i_sel_anc_puis_pointer(int j) {
    // The row selected first, so that the cross-hair marks the selected point and no other.
    if (j > 0) selectRow(model::TableId::Points, j);
    if (j < 0) selectRow(model::TableId::Calibration, -j);
    crossHairOn_ = j > 0   ? CrossHairOn::Point
                   : j < 0 ? CrossHairOn::Calibration
                           : CrossHairOn::None;
    followSelection();
}

void PointsTableWindow::pointer_sur_carte(int j) {
    const model::TextTable* table = nullptr;
    int row = 0;
    if (j >= 1 && j <= project_.N() && j < project_.points().rowCount()) {
        table = &project_.points();
        row = j;
    } else if (j < 0 && -j < project_.calibration().rowCount()) {
        table = &project_.calibration();
        row = -j;
    }
    if (!table) return;
    const int x = model::val_entier(table->cell(row, model::indice_col_grille(*table, "x")));
    const int y = model::val_entier(table->cell(row, model::indice_col_grille(*table, "y")));
    // Read quietly: the read-out follows every change of the row, also a value half typed.
    const auto value = [&](const char* header) {
        const std::string_view text = table->cell(row, model::indice_col_grille(*table, header));
        const auto read = model::readRealQuietly(text);
        return QString::fromStdString(read ? model::_format2(*read, 18, project_.D())
                                           : model::enleve_blancs(text));
    };
    showReadout(QStringLiteral("X= ") + value("X"), QStringLiteral("Y= ") + value("Y"));
    emit crossHair(x, y, true);
}

bool PointsTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grids_[1] || event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
        return QWidget::eventFilter(watched, event);
    const int before = project_.controlPointCount();
    static_cast<CalibrationTableModel*>(grids_[1]->model())
        ->paste(platform::interaction().clipboardText());
    if (project_.controlPointCount() > before)
        selectRow(model::TableId::Calibration, project_.controlPointCount());
    return true;
}

void PointsTableWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            calibrationEdited_ = false;
        } else if (isVisible()) {
            if (calibrationEdited_) project_.calcul_nouveaux_calage();
            calibrationEdited_ = false;
            emit rendLaMain();
        }
    }
    QWidget::changeEvent(event);
}

} // namespace tracelle::ui
