#include "ui/MainWindow.h"

#include "model/NumberText.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"
#include "platform/WheelSetting.h"
#include "ui/AboutBox.h"
#include "ui/AltitudePanel.h"
#include "ui/Application.h"
#include "ui/CalibrationPanels.h"
#include "ui/ConverterWindow.h"
#include "ui/GraphWindow.h"
#include "ui/ImageArea.h"
#include "ui/PictureConversionWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/TextPanel.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace tracelle::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainWindow");
    pictureCaption_ = kCaption;
    majTitre();
    resize(1024, 700);
    project_.setView(this);

    wheelDirection_ = platform::wheelInverted() ? -1 : 1;

    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette background = central->palette();
    background.setColor(QPalette::Window, kWindowBackground);
    central->setPalette(background);
    imageArea_ = new ImageArea(central);
    horizontalBar_ = new QScrollBar(Qt::Horizontal, central);
    horizontalBar_->setObjectName("BarreHorizontale");
    verticalBar_ = new QScrollBar(Qt::Vertical, central);
    verticalBar_->setObjectName("BarreVerticale");
    toolPanel_ = new QWidget(central);
    toolPanel_->setObjectName("PanelOutils");
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(imageArea_, 0, 0);
    grid->addWidget(verticalBar_, 0, 1);
    grid->addWidget(horizontalBar_, 1, 0);
    grid->addWidget(toolPanel_, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    setCentralWidget(central);
    connect(imageArea_, &ImageArea::wheelTurned, this, &MainWindow::wheel);
    connect(imageArea_, &ImageArea::pressed, this, &MainWindow::imagePressed);
    connect(imageArea_, &ImageArea::moved, this, &MainWindow::imageMoved);
    connect(imageArea_, &ImageArea::released, this, &MainWindow::imageReleased);
    // The texts beside the mouse belong over the map, not over the panels beside it.
    connect(imageArea_, &ImageArea::left, this, [this] {
        floating_->hide();
        prompt_->hide();
    });
    connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int x) {
        const int width = view_.width();
        view_.x1 = x;
        view_.x2 = x + width - 1;
        redessiner();
    });
    connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int y) {
        const int height = view_.height();
        view_.y1 = y;
        view_.y2 = y + height - 1;
        redessiner();
    });
    floating_ = new QLabel(central);
    floating_->setObjectName("LabelFlottant");
    floating_->setStyleSheet("background: rgb(255, 255, 225); color: black; padding: 2px;");
    floating_->setAttribute(Qt::WA_TransparentForMouseEvents);
    floating_->hide();
    prompt_ = new QLabel(central);
    prompt_->setObjectName("LabelInvite");
    prompt_->setAttribute(Qt::WA_TransparentForMouseEvents);
    prompt_->hide();

    // Each text has the room it needs while they fit together, the rest shared; on a window
    // too narrow for them all they are cut, never drawn over one another nor widening it.
    for (int i = 0; i < 3; ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setMinimumWidth(1);
        // A stretch factor would make the layout pass over the text's width.
        status_[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        statusBar()->addWidget(status_[i]);
    }

    colour_.progress = new QProgressBar(this);
    colour_.progress->setObjectName("ProgressBarColoration");
    colour_.progress->setMaximumWidth(200);
    statusBar()->addPermanentWidget(colour_.progress);
    colour_.progress->hide();

    creerMenus();
    creerPanneauOutils();
    creerPanneauxFlottants();
    creerOutils();
    rouletteItem_->setChecked(wheelDirection_ == -1);
    setDrawingStyle(true);

    // The undo copy of a colouring does not outlive the run that made it.
    std::error_code ec;
    std::filesystem::remove(platform::configFile("~tracelle.~bmp"), ec);

    // The rescue save offered when a number cannot be read writes this project.
    model::setEmergencySave([this](const std::string& name) {
        return files::sauve_projet(project_, platform::currentDirFile(name)).empty();
    });
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (!now) return; // between two windows, or away from the program
        if (now == windowHandle() && previousFocus_ && windows_.table &&
            previousFocus_ == windows_.table->windowHandle())
            activatedFromTable_.start();
        previousFocus_ = now;
    });
    placeCursorLeftOfCentre();
    setUndoHistory(&project_.history());

    // The copy against a crash: at most once a minute, and only when the work changed.
    auto* secours = new QTimer(this);
    const char* seconds = std::getenv("TRACELLE_RECOVERY_SECONDS");
    secours->setInterval(std::chrono::seconds(seconds ? std::max(1, std::atoi(seconds)) : 60));
    connect(secours, &QTimer::timeout, this, &MainWindow::ecritSecours);
    secours->start();
}

MainWindow::~MainWindow() {
    if (undoHistory() == &project_.history()) setUndoHistory(nullptr);
    model::setEmergencySave(nullptr);
    qApp->removeEventFilter(this);
    project_.setView(nullptr);
}

void MainWindow::attachWindows(const ShellWindows& windows) {
    windows_ = windows;
    if (windows_.table) {
        connect(windows_.table, &PointsTableWindow::altitudeToggled, altitudePanel_,
                &QWidget::setVisible);
        PointsTableWindow* table = windows_.table;
        connect(table, &PointsTableWindow::labelStyleChanged, this, &MainWindow::Redessiner);
        connect(table, &PointsTableWindow::redessinerDemande, this, &MainWindow::Redessiner);
        // An edit in the grids may change the calibration under the coordinates shown.
        connect(table, &PointsTableWindow::redessinerDemande, this, &MainWindow::majStatut);
        connect(table, &PointsTableWindow::calibrationDemandee, calibrationPanel_, &QWidget::show);
        connect(table, &PointsTableWindow::grapheDemande, this, &MainWindow::showGraph);
        // Undo and redo from the points table too; a cell being edited takes them first.
        connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), table), &QShortcut::activated,
                this, &MainWindow::annuler);
        for (const QKeySequence& redo :
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
            connect(new QShortcut(redo, table), &QShortcut::activated, this, &MainWindow::retablir);
        connect(table, &PointsTableWindow::laterCommand, this, [this](const QString& caption) {
            // The table's buttons send their French captions, whatever language they show.
            static constexpr std::pair<const char*, void (MainWindow::*)()> commands[] = {
                {"rajouter des points digitalisés", &MainWindow::addPointsFromProject},
                {"récup. Cal XY", &MainWindow::importCalibrationValues},
                {"Enregistrer (points+cal) et  Export", &MainWindow::affiche_panel_sauve},
                {"Export Presse-papier (pts+cal)", &MainWindow::copyTablesToClipboard},
                {"*.TXT rajouter des points (X,Y,Lib)", &MainWindow::importTextPoints},
                {"*.XLS rajouter des points (X,Y,Lib)", &MainWindow::chooseSpreadsheet},
                {"CalXY coller", &MainWindow::pasteCalibrationValues}};
            for (const auto& [french, command] : commands) {
                if (caption == QString::fromUtf8(french)) return (this->*command)();
            }
            pasEncoreDisponible(caption);
        });
        connect(table, &PointsTableWindow::zAffiche, altitudePanel_->zBox(), &QLineEdit::setText);
        connect(table, &PointsTableWindow::crossHair, this, [this](int x, int y, bool shown) {
            imageArea_->setCrossHair(shown ? std::optional<QPoint>(QPoint(x, y)) : std::nullopt);
        });
        connect(table, &PointsTableWindow::rendLaMain, this, [this] {
            // The zones being coloured stay until the user asks for a rebuild.
            if (colouringModeActive()) return;
            Redessiner();
            eraseRubberBand();
        });
        connect(table, &PointsTableWindow::quitDirect, this, &MainWindow::quitteDirect);
        connect(table, &PointsTableWindow::decalage, this, [this](int dx, int dy) {
            project_.picture().ox = dx;
            project_.picture().oy = dy;
            if (!project_.picture().file.empty())
                Ouvrir_fichier_image(project_.picture().file, "décalage");
            Redessiner();
        });
    }
    if (windows_.graph) {
        windows_.graph->setProject(&project_);
        // The graph shows the points as they are: nothing changes them while it is open.
        connect(windows_.graph, &GraphWindow::activated, this, [this] { setEnabled(false); });
        connect(windows_.graph, &GraphWindow::left, this, [this] { setEnabled(true); });
    }
    if (windows_.conversion) {
        connect(windows_.conversion, &PictureConversionWindow::quitDirect, this,
                &MainWindow::quitteDirect);
        connect(windows_.conversion, &PictureConversionWindow::lectureTest, this,
                [this](const QString& path) {
                    raise();
                    activateWindow();
                    if (gardeLeTravail()) ouvreImageChoisie(path.toStdString());
                });
    }
    if (windows_.converter) {
        connect(windows_.converter, &ConverterWindow::quitDirect, this, &MainWindow::quitteDirect);
        connect(windows_.converter, &ConverterWindow::left, this, &MainWindow::repaintView);
    }
    if (windows_.about) windows_.about->setImageDescription([this] { return imageDescription(); });
}

void MainWindow::quitteDirect() {
    if (!gardeLeTravail()) return;
    quitting_ = true;
    QApplication::quit();
}

void MainWindow::showPictureConversion() {
    if (!windows_.conversion) return;
    windows_.conversion->show();
    windows_.conversion->raise();
    windows_.conversion->activateWindow();
}

void MainWindow::showConverter() {
    if (!windows_.converter) return;
    windows_.converter->show();
    windows_.converter->raise();
    windows_.converter->activateWindow();
}

void MainWindow::majTitre() {
    QString title = pictureCaption_;
    if (!projectFile_.empty())
        title += QStringLiteral("  —  ") +
                 QString::fromStdString(std::filesystem::path(projectFile_).filename().string());
    if (!project_.saved()) title += QStringLiteral(" *");
    setWindowTitle(title);
}

void MainWindow::savedChanged(bool) {
    majTitre();
}

QString MainWindow::joinArguments(const QStringList& arguments) {
    return arguments.join(' ');
}

void MainWindow::ouvrirParametre() {
    if (!parametre_.isEmpty()) openProject();
}

QAction* MainWindow::action(const QString& caption) const {
    const auto it = actions_.find(caption);
    return it == actions_.end() ? nullptr : it->second;
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? status_[panel]->text() : QString();
}

void MainWindow::showStatus(int panel, const std::string& text) {
    if (panel >= 0 && panel < 3) status_[panel]->setText(QString::fromStdString(text));
}

void MainWindow::selectRow(model::TableId table, int row) {
    if (windows_.table) windows_.table->selectRow(table, row);
}

int MainWindow::activePointsTableRow() const {
    if (!windows_.table || !windows_.table->isActiveWindow()) return -1;
    return windows_.table->selectedPointRow();
}

void MainWindow::restorePointsSelection(int row) {
    if (windows_.table && row >= 1) windows_.table->depointer_i_sel_anc_puis_pointer(row);
}

void MainWindow::pointCountChanged(int n) {
    if (windows_.table) windows_.table->setPointCount(n);
}

void MainWindow::showPointsTable() {
    PointsTableWindow* table = windows_.table;
    if (!table) return;
    // Made taller than a small screen, it would stand off it.
    const QRect area = availableArea(this);
    if (!area.contains(table->geometry().marginsAdded(frameMargins(table, this))))
        placeTableAtRightEdge(area);
    table->show();
    table->raise();
    table->activateWindow();
}

void MainWindow::pasEncoreDisponible(const QString& command) {
    platform::interaction().information(
        tr("« %1 » : cette fonction n'est pas encore disponible dans cette version de Tracelle.")
            .arg(command)
            .toStdString());
}

} // namespace tracelle::ui
