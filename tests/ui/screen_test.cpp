#include "MapWindow.h"
#include "files/ProjectFile.h"
#include "ui/ExportPanel.h"
#include "ui/MessageDialog.h"
#include "ui/QtInteraction.h"
#include "ui/QtPictureDecoder.h"
#include "ui/TextPanel.h"
#include "ui/Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <array>
#include <functional>
#include <map>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

// What the user sees and where his clicks go.
class Screen : public tracelle::testing::MapWindow {
protected:
    Screen() : MapWindow("tracelle_screen_") {}
    // Opens the picture through the file dialog, declining the calibration panel.
    void openByDialog() {
        ui.answerFileName(picturePath);
        ui.answerConfirm(false);
        w.Ouvrir_bmp();
    }
};

TEST_F(Screen, NoClickIsSwallowedButTheOneThatBringsTheMapForward) {
    load();
    auto& p = w.project();
    calibrate();
    click(50, 50);
    EXPECT_EQ(p.N(), 1) << "the click after the third calibration click";

    QTest::mouseClick(button("Surface"), Qt::LeftButton);
    click(60, 50);
    EXPECT_EQ(ui.beeps, 1) << "the Surface click is handled: one point only, a beep";
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    click(60, 50);
    click(60, 60);
    QTest::mouseClick(button("Surface"), Qt::LeftButton);
    click(60, 50);
    EXPECT_FALSE(w.textPanel()->isHidden()) << "the report of the click after Surface";
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);

    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    w.activateWindow(); // the click on the map brings it forward
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    click(70, 50);
    EXPECT_EQ(p.N(), 3) << "the click that only brought the map forward";
    click(70, 50);
    EXPECT_EQ(p.N(), 4);

    const std::string project = (home_.dir / "plan.trc").string();
    ASSERT_EQ(files::sauve_projet(p, project), "");
    p.setSaved(true);
    w.setParametre(QString::fromStdString(project));
    w.ouvrirParametre();
    ASSERT_EQ(p.N(), 4);
    click(80, 20);
    EXPECT_EQ(p.N(), 5) << "the first click after a project opened at start-up";
}

TEST_F(Screen, ASquareStaysSquareWhateverTheWindow) {
    load();
    for (const QSize size : {QSize(1000, 700), QSize(600, 700), QSize(1200, 300)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        key(Qt::Key_F10);
        const QImage shot = area->grab().toImage();
        QRect black;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == qRgb(0, 0, 0)) black |= QRect(x, y, 1, 1);
        ASSERT_FALSE(black.isEmpty());
        // Each of the four edges falls on the nearest screen pixel: two apart at most.
        EXPECT_NEAR(black.width(), black.height(), 2);
        const QPoint centre = area->toLayer(black.center());
        EXPECT_LE((centre - QPoint(100, 50)).manhattanLength(), 2)
            << "clicks map where the square shows";
    }
}

TEST_F(Screen, MapAndTableSideBySideWithinTheScreen) {
    openByDialog();
    const QRect free = w.screen()->availableGeometry();
    const QRect map = w.frameGeometry();
    EXPECT_TRUE(table.isVisible());
    EXPECT_FALSE(map.intersects(table.frameGeometry()));
    EXPECT_TRUE(free.contains(map)) << map.bottom();
    EXPECT_TRUE(free.contains(table.frameGeometry()));
    EXPECT_EQ(map.width() + table.frameGeometry().width(), free.width());
    table.showCoordinates("X= 6543210.12345678", "Y= 4987654.87654321");
    const auto* scroll = table.findChild<QScrollArea*>({}, Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(scroll);
    EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width())
        << "long coordinates never widen the table past its window";
    w.calibrationPanel()->show();
    EXPECT_TRUE(w.centralWidget()->rect().contains(w.calibrationPanel()->geometry()))
        << "a panel is never cut by the narrow window";

    openByDialog();
    EXPECT_EQ(w.frameGeometry(), map) << "a load never moves the windows";
}

// The table shown on its own (F4, a blank sheet for a digitizing table) stands within the
// screen, wherever the user may then move it.
TEST_F(Screen, TheTableShownAloneStandsWithinTheScreen) {
    const QRect free = w.screen()->availableGeometry();
    key(Qt::Key_F4);
    ASSERT_TRUE(table.isVisible());
    EXPECT_TRUE(free.contains(table.frameGeometry())) << table.frameGeometry().bottom();
    const QPoint moved = table.pos() - QPoint(10, 0);
    table.move(moved);
    table.hide();
    w.ouvrir_sans_bmp();
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.pos(), moved) << "a place within the screen is kept";
}

// Leaving full screen or the picture's proportions gives back the arrangement in force.
TEST_F(Screen, TheWindowsKeepTheirArrangementOutOfFullScreenAndProportions) {
    openByDialog();
    ASSERT_TRUE(button("Carte + Tableau")->isChecked());
    const QRect map = w.frameGeometry();
    const auto besideTable = [&] {
        return table.isVisible() && !w.frameGeometry().intersects(table.frameGeometry()) &&
               !w.isFullScreen() && !w.isMaximized();
    };
    QTest::qWait(400); // the places taken again after "Carte + Tableau" are taken
    key(Qt::Key_F11);
    EXPECT_TRUE(w.isFullScreen());
    key(Qt::Key_F11);
    EXPECT_TRUE(besideTable()) << "out of full screen";
    EXPECT_EQ(w.frameGeometry(), map);
    // A window manager frames the window a moment after it leaves full screen, around the
    // place it was given: the place is taken again once the frame is known.
    w.move(w.pos() - QPoint(0, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry() == map; }, 1000));

    QAction* proportions = w.action("&Affichage|Garder les proportions L x H");
    proportions->trigger();
    EXPECT_TRUE(besideTable()) << "the picture's proportions, beside the table";
    EXPECT_EQ(w.frameGeometry().topLeft(), map.topLeft());
    EXPECT_LT(w.frameGeometry().height(), map.height()) << "a picture twice as wide as high";
    proportions->trigger();
    EXPECT_TRUE(besideTable()) << "the proportions left";
    EXPECT_EQ(w.frameGeometry(), map);

    QTest::mouseClick(button("Carte seule"), Qt::LeftButton);
    key(Qt::Key_F11);
    key(Qt::Key_F11);
    EXPECT_TRUE(w.isMaximized()) << "the map alone takes the screen";
    EXPECT_FALSE(table.isVisible());
}

// The export panel opens within the map's window, which keeps its place beside the table;
// every control of the panel can be brought into view and used.
TEST_F(Screen, TheExportPanelFitsTheMapBesideTheTable) {
    openByDialog();
    const QRect map = w.frameGeometry();
    for (auto* b : table.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Enregistrer (points+cal) et  Export"))
            QTest::mouseClick(b, Qt::LeftButton);
    ui::ExportPanel* panel = w.exportPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(w.frameGeometry(), map) << "the map keeps its place";
    EXPECT_FALSE(w.frameGeometry().intersects(table.frameGeometry()));
    EXPECT_TRUE(w.centralWidget()->rect().contains(panel->geometry()));
    auto* scroll = panel->findChild<QScrollArea*>();
    for (QAbstractButton* control : panel->findChildren<QAbstractButton*>()) {
        SCOPED_TRACE(control->text().toStdString());
        if (scroll) scroll->ensureWidgetVisible(control);
        EXPECT_FALSE(control->visibleRegion().isEmpty()) << "within reach";
    }
    // The separator and extension lists show the entry chosen whole, the custom one included.
    for (QComboBox* list : panel->findChildren<QComboBox*>()) {
        if (list->objectName() == QStringLiteral("ListeSystemes")) continue; // names no choice
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemText(i).contains(QStringLiteral("Surfer"))) continue; // the longest
            SCOPED_TRACE(list->itemText(i).toStdString());
            list->setCurrentIndex(i);
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.currentText = list->currentText();
            const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, list);
            EXPECT_GE(field.width(), list->fontMetrics().horizontalAdvance(list->currentText()));
        }
    }
    for (auto* b : panel->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("fermer")) QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(w.frameGeometry(), map);
}

TEST_F(Screen, NoStaleTextIsLeftBehind) {
    load();
    w.imageMoved(at(20, 20));
    ASSERT_FALSE(w.statusText(0).isEmpty());
    QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                      Qt::LeftButton);
    w.imageMoved(at(30, 20));
    EXPECT_EQ(w.statusText(0).toStdString(), "") << "no coordinates while calibrating";
    calibrate();
    EXPECT_EQ(w.statusText(1), QStringLiteral("Suite 1  point 0 "));
    EXPECT_EQ(w.statusText(2), QString());
    click(50, 50);
    click(60, 50);
    key(Qt::Key_Delete);
    EXPECT_EQ(w.statusText(1), QStringLiteral("Suite 1  point 1 "));

    auto* floating = w.findChild<QLabel*>("LabelFlottant");
    QTest::mouseClick(w.findChild<QCheckBox*>("CheckBoxFlottants"), Qt::LeftButton);
    QTest::mouseMove(area, at(100, 40));
    EXPECT_TRUE(floating->isVisible());
    QTest::mouseClick(w.findChild<QCheckBox*>("CheckBoxFlottants"), Qt::LeftButton);
    EXPECT_FALSE(floating->isVisible()) << "the box unchecked";
    QTest::mouseClick(button("Cap et angle"), Qt::LeftButton);
    QTest::mouseMove(area, at(190, 95));
    EXPECT_TRUE(floating->isVisible());
    QTest::mouseMove(button("Digitaliser"));
    EXPECT_FALSE(floating->isVisible()) << "the mouse left the map";
    QTest::mouseMove(area, at(190, 95));
    ASSERT_TRUE(floating->isVisible());
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    EXPECT_FALSE(floating->isVisible()) << "the mode left";

    ui.answerDialog('N');
    w.ouvrir_sans_bmp();
    EXPECT_EQ(table.findChild<QLabel*>("LabelPoints")->text(), QStringLiteral("0 points"));
}

// On a narrow window (the map beside the table on a small screen) the status bar gives each
// text the room it needs while they fit together, and never widens the window.
TEST_F(Screen, TheStatusBarShowsItsTextsWholeWhileTheyFit) {
    const std::array<std::array<const char*, 3>, 2> cases = {{
        {"X= 1249.62406015 Y= 1913.00000000", "Suite 2  point 6 ", ""},
        {"", "Cliquer le PREMIER POINT DE CALAGE", "(0.000 599.000) (0.000 0.000)"},
    }};
    w.resize(560, 600);
    for (const auto& texts : cases) {
        for (int i = 0; i < 3; ++i)
            w.showStatus(i, texts[i]);
        QApplication::processEvents(); // the layout follows the new texts
        for (const QLabel* label : w.statusBar()->findChildren<QLabel*>()) {
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width());
        }
    }
    EXPECT_EQ(w.width(), 560);
}

TEST_F(Screen, TheSelectedLineShowsItsColour) {
    table.show();
    table.selectRow(model::TableId::Lines, 1);
    QTableView* lines = table.linesGrid();
    const QRect cell = lines->visualRect(lines->model()->index(0, 2));
    const QImage shot = lines->viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(cell.center()), QColor(255, 0, 0)) << "a swatch, not a number";
}

// The keys a text names: those in brackets ("[Maj] ou [+]", "[F7, espace]") and a function
// key at its end ("  F6").
QStringList keysNamed(const QString& text) {
    QStringList keys;
    static const QRegularExpression named(QStringLiteral("\\[([^\\]]+)\\]|\\s(F\\d+)$"));
    for (auto it = named.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        keys << (m.hasCaptured(1) ? m.captured(1).split(QStringLiteral(", "))
                                  : QStringList{m.captured(2)});
    }
    return keys;
}

// Every key that a menu item or a button's hint names does what the item or button does.
TEST_F(Screen, TheKeysThatMenusAndHintsNameAct) {
    const std::map<QString, Qt::Key> keys = {{"Maj", Qt::Key_Shift},    {"Ctrl", Qt::Key_Control},
                                             {"+", Qt::Key_Plus},       {"-", Qt::Key_Minus},
                                             {"espace", Qt::Key_Space}, {"suppr", Qt::Key_Delete},
                                             {"F6", Qt::Key_F6},        {"F7", Qt::Key_F7}};
    load();
    calibrate();
    auto& p = w.project();
    const auto viewWidth = [this] { return area->shown().width(); };
    const auto points = [&p] { return p.N(); };
    const auto line = [&p] { return p.currentLine(); };
    const struct {
        QString text; // an item's caption or a hint, up to its keys
        std::function<int()> measure;
        int change;           // its sign
        bool newLine = false; // the colour of the new line is asked
    } cases[] = {
        {QStringLiteral("&Agrandir"), viewWidth, -1},
        {QStringLiteral("&Rétrécir"), viewWidth, +1},
        {QStringLiteral("&Effacer le dernier point"), points, -1},
        {QStringLiteral(" effacer le dernier point"), points, -1},
        {QStringLiteral(" nouvelle suite de points"), line, +1, true},
    };
    for (const auto& c : cases) {
        QString named;
        for (const QAction* a : w.findChildren<QAction*>())
            if (a->text().startsWith(c.text)) named = a->text();
        for (const QToolButton* b : w.findChildren<QToolButton*>())
            if (b->toolTip().startsWith(c.text)) named = b->toolTip();
        SCOPED_TRACE(named.toStdString());
        ASSERT_FALSE(keysNamed(named).isEmpty());
        for (const QString& name : keysNamed(named)) {
            SCOPED_TRACE(name.toStdString());
            ASSERT_TRUE(keys.count(name));
            click(50 + p.N(), 50); // a point to delete, or to end a line with
            const int before = c.measure();
            if (c.newLine) ui.answerColour(std::nullopt);
            key(keys.at(name));
            const int after = c.measure();
            EXPECT_TRUE(c.change < 0 ? after < before : after > before) << before << " " << after;
        }
    }
}

TEST(FileDialogs, EveryFilterListsItsFilesAndEndsWithAllFiles) {
    const struct {
        std::string program;
        const char* dialog;
    } cases[] = {
        {"Fichiers texte (*.trc,*.xls,*.txt,*.bln)|*.trc;*.xls;*.txt;*.bln|Tous les fichiers "
         "(*.*)|*.*",
         "Fichiers texte (*.trc *.xls *.txt *.bln);;Tous les fichiers (*)"},
        {"Fichiers txt (*.trc)|*.trc|Tous (*.*)|*.*",
         "Fichiers txt (*.trc);;Tous les fichiers (*)"},
        {"Fichiers (*.xls)|*.xls", "Fichiers (*.xls);;Tous les fichiers (*)"},
        {"Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg",
         "Bitmap (*.bmp);;JPEG (*.jpg);;Tous les fichiers (*)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(ui::toQtFilter(c.program), QString::fromUtf8(c.dialog));
    }
    const QString pictures = ui::toQtFilter(ui::filtreImages());
    const QStringList first = pictures.section(";;", 0, 0).section('(', 1).chopped(1).split(' ');
    for (const char* pattern : {"*.jpg", "*.jpeg", "*.bmp", "*.gif", "*.tif", "*.tiff", "*.png"})
        EXPECT_TRUE(first.contains(pattern)) << pattern << " in " << pictures.toStdString();
    EXPECT_TRUE(pictures.endsWith(";;Tous les fichiers (*)"));
}

TEST(PdfPageDialog, IsWideEnoughForItsTitle) {
    ui::MessageDialog messages;
    ui::QtInteraction qt(nullptr, &messages);
    QString title;
    int width = 0;
    QTimer poll;
    poll.callOnTimeout([&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = d->windowTitle();
            width = d->width();
            d->reject();
        }
    });
    poll.start(5);
    EXPECT_FALSE(qt.choosePdfPage("/tmp/plan.pdf", 3));
    EXPECT_EQ(title, QStringLiteral("Ouvrir une page PDF"));
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 120)
        << "the title beside the title bar's buttons";
}

TEST(Translations, TheToolkitsDialogsSpeakFrench) {
    ASSERT_TRUE(ui::installTranslations(*qApp, platform::Language::French));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
}

} // namespace
