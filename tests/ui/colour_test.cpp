#include "MapWindow.h"
#include "ui/TextPanel.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace tracelle;

namespace {

const picture::Pixel kBlack = 0, kGreen = picture::rgb555(0, 128, 0),
                     kWhite = picture::rgb555(255, 255, 255);

class Colouring : public tracelle::testing::MapWindow {
protected:
    Colouring() : MapWindow("tracelle_colour_") { load(); }
    picture::Pixel at(int x, int y) const { return w.layer().pixel(x, y); }
};

// The black square of the picture coloured, measured, its contour taken away, the fill undone.
TEST_F(Colouring, AFillMeasuredThenUndone) {
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    EXPECT_TRUE(w.colourTools().brush->isVisible()) << "the colouring tools shown";
    EXPECT_TRUE(button("sans lignes ni pts")->isChecked());
    click(100, 50);
    EXPECT_EQ(at(100, 50), kGreen);
    EXPECT_EQ(at(80, 30), kGreen) << "the whole square";
    EXPECT_EQ(at(79, 30), kWhite) << "and nothing else";

    ui.answerConfirm(false); // No: the contour stays
    QTest::mouseClick(button("-> Calcul Surf colorée"), Qt::LeftButton);
    const QString report = w.textPanel()->memo()->toPlainText();
    EXPECT_TRUE(report.contains(QStringLiteral(" Surface raster = \t"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral(" L raster = \t")));
    EXPECT_EQ(at(100, 29), picture::rgb555(0, 255, 255)) << "the cyan contour, kept";
    ui.answerConfirm(true); // Yes: taken away, the green stays
    QTest::mouseClick(button("-> Calcul Surf colorée"), Qt::LeftButton);
    EXPECT_EQ(at(100, 29), picture::rgb555(0, 255, 255)) << "the first contour was kept";

    QTest::mouseClick(button("Annuler la dernière coloration"), Qt::LeftButton);
    EXPECT_EQ(at(100, 50), kBlack) << "the layer before the fill";
    EXPECT_EQ(at(100, 29), kWhite);
    QTest::mouseClick(button("Annuler la dernière coloration"), Qt::LeftButton);
    EXPECT_EQ(at(100, 50), kBlack) << "one level: the same state again";
    EXPECT_EQ(w.layer().picture()->pixel(100, 50), kBlack) << "the picture never changes";
}

TEST_F(Colouring, TheBorderColourIsPickedOnThePicture) {
    QTest::mouseClick(button("Colorer la surf. bordée"), Qt::LeftButton);
    QTest::mouseClick(w.colourTools().pickBorder, Qt::LeftButton);
    EXPECT_TRUE(w.findChild<QLabel*>("LabelPrelever")->isVisible());
    click(100, 50);
    EXPECT_EQ(w.colourTools().border, (measure::Rgb{0, 0, 0}));
    QTest::mouseClick(w.colourTools().bordered, Qt::LeftButton);
    click(10, 10); // bordered by black: everything but the square
    EXPECT_EQ(at(150, 90), kGreen);
    EXPECT_EQ(at(100, 50), kBlack);
}

// Without "une annulation colorée" a fill keeps no copy: the undo gives back the one an
// earlier fill kept, or does nothing when there is none.
TEST_F(Colouring, UndoWithoutTheOptionGivesBackTheLastCopyKept) {
    QAction* option = w.action("&Options|une annulation colorée");
    ASSERT_TRUE(option->isChecked());
    option->trigger();
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    click(100, 50);
    QTest::mouseClick(button("Annuler la dernière coloration"), Qt::LeftButton);
    EXPECT_EQ(at(100, 50), kGreen) << "no copy: nothing";

    option->trigger();
    click(10, 10); // the white around, with a copy
    option->trigger();
    click(100, 50); // green to white, without
    EXPECT_EQ(at(100, 50), kWhite);
    QTest::mouseClick(button("Annuler la dernière coloration"), Qt::LeftButton);
    EXPECT_EQ(at(100, 50), kGreen) << "the layer before the fill of the white";
    EXPECT_EQ(at(10, 10), kWhite);
}

// The brush paints where the button went down and where it is dragged, and no more once the
// button is up.
TEST_F(Colouring, TheBrushFollowsTheDragUntilTheButtonComesUp) {
    const picture::Pixel lime = picture::rgb555(0, 255, 0);
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    QTest::mouseClick(button("pinceau"), Qt::LeftButton);
    QTest::mousePress(area, Qt::LeftButton, {}, MapWindow::at(20, 20));
    QTest::mouseMove(area, MapWindow::at(40, 20));
    QTest::mouseRelease(area, Qt::LeftButton, {}, MapWindow::at(40, 20));
    QTest::mouseMove(area, MapWindow::at(60, 20));
    EXPECT_EQ(at(19, 19), lime);
    EXPECT_EQ(at(39, 19), lime);
    EXPECT_EQ(at(59, 19), kWhite);
}

// The report and its question about the contour stand beside the painted zone, not over it,
// in a window of any size.
TEST_F(Colouring, TheReportStandsBesideThePaintedZone) {
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    click(100, 50);
    for (const QSize size : {QSize(1000, 700), QSize(640, 480), QSize(1200, 400)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        key(Qt::Key_F10);
        ui.answerConfirm(true);
        QTest::mouseClick(button("-> Calcul Surf colorée"), Qt::LeftButton);
        const QRect zone(area->toArea(QPoint(79, 29)).toPoint(),
                         area->toArea(QPoint(121, 71)).toPoint()); // with its contour
        const QWidget* panel = w.textPanel();
        const QRect report(area->mapFrom(panel->parentWidget(), panel->pos()), panel->size());
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(report.intersects(zone)) << "the zone stays in sight";
        EXPECT_TRUE(area->rect().contains(report)) << "within the window";
    }
}

// The buttons that hide or show the overlay only choose what the next rebuild draws: two
// fills stay, as they do when Esc closes the results in a colouring mode.
TEST_F(Colouring, HidingTheOverlayOrTheResultsKeepsThePaintedZones) {
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    click(100, 50);
    click(10, 10);
    ASSERT_EQ(at(100, 50), kGreen);
    ASSERT_EQ(at(10, 10), kGreen);
    for (const char* caption : {"sans lignes ni pts", "avec les lignes", "sans lignes ni pts"}) {
        SCOPED_TRACE(caption);
        QTest::mouseClick(button(caption), Qt::LeftButton);
        EXPECT_TRUE(button(caption)->isChecked());
        EXPECT_EQ(at(100, 50), kGreen);
        EXPECT_EQ(at(10, 10), kGreen);
    }

    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    ui.answerConfirm(true); // the contour taken away
    QTest::mouseClick(button("-> Calcul Surf colorée"), Qt::LeftButton);
    ASSERT_FALSE(w.textPanel()->isHidden());
    key(Qt::Key_Escape);
    EXPECT_TRUE(w.textPanel()->isHidden());
    EXPECT_EQ(at(100, 50), kGreen) << "a colouring mode keeps its zones";

    QTest::mouseClick(button("Redessiner"), Qt::LeftButton);
    EXPECT_EQ(at(100, 50), kBlack) << "the next rebuild: the bare picture";
}

// Leaving the colouring for a mode that puts "avec les lignes" down shows the lines again.
TEST_F(Colouring, TheModesThatShowTheLinesDrawThem) {
    click(50, 50); // a point, drawn over the white picture
    ASSERT_NE(at(50, 50), kWhite);
    for (const char* mode : {"Digitaliser", "Surface", "Cap et angle"}) {
        SCOPED_TRACE(mode);
        QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
        QTest::mouseClick(button("Redessiner"), Qt::LeftButton);
        ASSERT_EQ(at(50, 50), kWhite) << "rebuilt without the lines";
        QTest::mouseClick(button(mode), Qt::LeftButton);
        EXPECT_TRUE(button("avec les lignes")->isChecked());
        EXPECT_NE(at(50, 50), kWhite);
    }
}

// Going to the points table and back while colouring keeps the painted zones; out of the
// colouring modes, coming back rebuilds the overlay as before.
TEST_F(Colouring, VisitingThePointsTableKeepsThePaintedZones) {
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    click(100, 50);
    ASSERT_EQ(at(100, 50), kGreen);
    const auto visitTable = [this] {
        table.show();
        table.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    };
    visitTable();
    EXPECT_EQ(at(100, 50), kGreen) << "a colouring mode keeps its zones";

    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    visitTable();
    EXPECT_EQ(at(100, 50), kBlack) << "out of colouring, the overlay is rebuilt";
}

} // namespace
