// Calibrating, digitizing, measuring and the view, driven by real mouse and key events.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "ui/TextPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWheelEvent>

using namespace tracelle;

namespace {

class Digitizing : public tracelle::testing::MapWindow {
protected:
    Digitizing() : MapWindow("tracelle_digit_") { load(); }

    void move(int x, int y) { QTest::mouseMove(area, at(x, y)); }
    void startCalibration() {
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>(), Qt::LeftButton);
    }
    picture::Pixel pixel(int x, int y) { return w.layer().pixel(x, y); }
    void clicks(std::initializer_list<std::pair<int, int>> points) {
        for (const auto& [x, y] : points)
            click(x, y);
    }
    void press(const char* caption) { QTest::mouseClick(button(caption), Qt::LeftButton); }
    // Calibrated, then two points on line 1.
    void calibrateAndDigitize() {
        startCalibration();
        clicks({{20, 20}, {20, 80}, {180, 80}, {50, 50}, {70, 50}});
    }
};

TEST_F(Digitizing, CalibrateThenDigitizeTwoLines) {
    auto& p = w.project();
    startCalibration();
    EXPECT_EQ(p.K(), 0);
    move(20, 20);
    EXPECT_EQ(w.statusText(1), QStringLiteral("Cliquer le PREMIER POINT DE CALAGE"));
    move(195, 95); // the prompt beside the mouse stays whole within the map
    const auto* prompt = w.findChild<QLabel*>("LabelInvite");
    ASSERT_TRUE(prompt && prompt->isVisible());
    EXPECT_TRUE(
        QRect(area->mapTo(w.centralWidget(), QPoint()), area->size()).contains(prompt->geometry()));
    clicks({{20, 20}, {20, 80}, {180, 80}});
    EXPECT_EQ(p.K(), 3);
    EXPECT_EQ(pixel(10, 20), picture::rgb555(255, 0, 0)) << "calibration cross";

    clicks({{50, 50}, {70, 50}});
    EXPECT_EQ(p.N(), 2);
    EXPECT_FALSE(p.saved());
    EXPECT_EQ(p.points().cell(2, p.indice_col("x")), model::_format(70, 4, 0));
    const picture::Pixel red = picture::rgb555(255, 0, 0);
    EXPECT_EQ(pixel(60, 50), red) << "segment of line 1";
    EXPECT_EQ(pixel(73, 50), red) << "dots are 2 × épaisseur = 8 pixels wide";
    EXPECT_EQ(pixel(70, 50), 0) << "2 × 2 marker";

    ui.answerColour(0xFF0000); // blue for line 2
    key(Qt::Key_Space);
    click(70, 80);
    EXPECT_EQ(p.N(), 3);
    EXPECT_EQ(p.points().cell(3, p.indice_col("L")), "  2");
    EXPECT_EQ(pixel(70, 65), picture::rgb555(255, 255, 255)) << "line 2 is not joined to line 1";
    click(150, 80);
    EXPECT_EQ(pixel(125, 80), picture::rgb555(0, 0, 255));
}

// A line hidden by an empty "OK" cell shows neither its dots and segments nor the 2 × 2
// markers of its wide pen.
TEST_F(Digitizing, AHiddenLineLeavesNoMarkers) {
    auto& p = w.project();
    calibrateAndDigitize();
    ASSERT_EQ(p.N(), 2);
    ASSERT_EQ(pixel(70, 50), 0) << "the marker of a wide pen";
    p.lines().setCell(1, model::indice_col_grille(p.lines(), "OK"), "");
    press("Redessiner");
    const picture::Pixel white = picture::rgb555(255, 255, 255);
    for (const int x : {49, 50, 69, 70})
        for (const int y : {49, 50})
            EXPECT_EQ(pixel(x, y), white) << "marker pixel (" << x << ", " << y << ")";
    EXPECT_EQ(pixel(60, 50), white) << "the segment";
}

// At a high zoom every click, calibration or point, stores the pixel the view shows under
// the cursor, whichever part of it the cursor is on.
TEST_F(Digitizing, AClickStoresThePixelUnderTheCursor) {
    auto& p = w.project();
    startCalibration();
    move(100, 50);
    for (int i = 0; i < 25; ++i)
        key(Qt::Key_Plus);
    // Then over the corner of the black square.
    while (w.view().x1 > 75)
        key(Qt::Key_Left);
    while (w.view().y1 > 25)
        key(Qt::Key_Up);
    const double scale = static_cast<double>(area->width()) / area->shown().width();
    ASSERT_GT(scale, 8);
    const QImage shown = area->grab().toImage();
    const double off = 0.45 * scale;
    for (const QPoint pixel : {QPoint(79, 29), QPoint(80, 30), QPoint(79, 30), QPoint(80, 29)})
        for (const QPointF corner :
             {QPointF(-off, -off), QPointF(off, off), QPointF(off, -off), QPointF(-off, off)}) {
            const QPoint cursor = (area->toArea(pixel) + corner).toPoint();
            SCOPED_TRACE(::testing::Message()
                         << "pixel (" << pixel.x() << ", " << pixel.y() << "), cursor ("
                         << cursor.x() << ", " << cursor.y() << ")");
            const bool calibration = p.K() < 3;
            QTest::mouseClick(area, Qt::LeftButton, {}, cursor);
            const auto cell = [&](const char* column) {
                return model::val_entier(calibration
                                             ? p.calibration().cell(p.K(), p.indice_col_cal(column))
                                             : p.points().cell(p.N(), p.indice_col(column)));
            };
            const QPoint stored(cell("x"), cell("y"));
            EXPECT_EQ(stored, pixel);
            const picture::Pixel under = w.layer().picture()->pixel(stored.x(), stored.y());
            EXPECT_EQ(shown.pixelColor(cursor).black() > 128, under == 0)
                << "the colour under the cursor is the stored pixel's";
        }
    EXPECT_EQ(p.K(), 3);
}

// The wheel zooms one step a notch: a high-resolution wheel's parts of a notch add up, and
// one delta of several notches makes as many steps.
TEST_F(Digitizing, TheWheelStepsOncePerNotch) {
    const struct {
        const char* name;
        std::vector<int> deltas;
        int steps; // zooming in
    } cases[] = {
        {"a notch towards the user", {-120}, 1},          {"a notch away", {120}, -1},
        {"three thirds of a notch", {-40, -40, -40}, 1},  {"three notches at once", {-360}, 3},
        {"a notch and a half, then half", {180, 60}, -2}, {"less than a notch", {-100}, 0},
    };
    move(100, 50);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int expected = w.view().width();
        for (int i = 0; i < std::abs(c.steps); ++i)
            expected = c.steps > 0 ? expected * 100 / 105 : expected * 105 / 100;
        for (const int delta : c.deltas) {
            const QPointF at = MapWindow::at(100, 50);
            QWheelEvent wheel(at, area->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(area, &wheel);
        }
        EXPECT_EQ(w.view().width(), expected);
    }
}

// A point far outside the picture (a project or an import holding one): the redraw draws the
// segment towards it as far as the canvas goes, and nothing of its dot.
TEST_F(Digitizing, APointFarOutsideDrawsItsSegmentToTheEdge) {
    auto& p = w.project();
    calibrateAndDigitize();
    p.points().setCell(2, p.indice_col("x"), "2000000000");
    p.points().setCell(2, p.indice_col("y"), "1000000000");
    press("Redessiner");
    const picture::Pixel red = picture::rgb555(255, 0, 0);
    for (const int x : {60, 90, 130, 148}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixel(x, 50 + (x - 50) / 2), red) << "on the segment";
    }
    EXPECT_EQ(pixel(70, 50), picture::rgb555(255, 255, 255)) << "the old place is empty";
}

TEST_F(Digitizing, TheBandFollowsTheMouseOverTheViewNeverInTheLayer) {
    click(50, 50);
    ASSERT_EQ(w.project().N(), 1);
    move(150, 20);
    ASSERT_TRUE(area->band().has_value());
    for (int x = 60; x < 150; x += 7)
        EXPECT_NE(w.layer().pixel(x, 50 - (x - 50) * 30 / 100), picture::rgb555(255, 255, 0));
    ui.answerColour(std::nullopt);
    key(Qt::Key_Space); // a new line breaks the band
    move(160, 20);
    EXPECT_FALSE(area->band().has_value());
}

TEST_F(Digitizing, ZoomAndPanningFollowTheirArithmetic) {
    move(100, 50);
    key(Qt::Key_Plus);
    EXPECT_EQ(w.view().width(), 200 * 100 / 105);
    EXPECT_EQ(w.view().height(), 100 * 100 / 105);
    const int before = ui.beeps;
    key(Qt::Key_Home);
    key(Qt::Key_Left);
    EXPECT_EQ(ui.beeps, before + 1) << "at the left edge";
    EXPECT_EQ(w.view().x1, 0);
    key(Qt::Key_F10);
    EXPECT_EQ(w.view(), (picture::ViewRect{0, 0, 199, 99}));
    key(Qt::Key_Minus);
    EXPECT_EQ(w.view().width(), 210);
}

TEST_F(Digitizing, ZoomingInAndOutKeepsThePointUnderTheMouse) {
    const auto underMouse = [this](QPoint mouse) {
        return picture::anchorUnder(mouse.x(), mouse.y(), w.view(), area->width(), area->height(),
                                    w.layer().width(), w.layer().height());
    };
    for (const QPoint pixel : {QPoint(180, 90), QPoint(7, 13), QPoint(120, 40)}) {
        key(Qt::Key_F10);
        const QPoint mouse = at(pixel.x(), pixel.y());
        QTest::mouseMove(area, mouse);
        const picture::ZoomAnchor first = underMouse(mouse);
        for (const auto& [zoom, steps] : {std::pair{Qt::Key_Plus, 60}, {Qt::Key_Minus, 30}}) {
            for (int i = 0; i < steps; ++i)
                key(zoom);
            const picture::ZoomAnchor now = underMouse(mouse);
            EXPECT_NEAR(now.x, first.x, 0.5) << pixel.x() << ", " << pixel.y();
            EXPECT_NEAR(now.y, first.y, 0.5) << pixel.x() << ", " << pixel.y();
        }
    }
}

TEST_F(Digitizing, TableModeWorksOnABlankSheet) {
    w.ouvrir_sans_bmp();
    EXPECT_FALSE(w.hasPicture());
    EXPECT_EQ(w.layer().width(), 2100);
    EXPECT_EQ(w.layer().pixel(1000, 700), picture::rgb555(139, 231, 195));
    EXPECT_TRUE(w.project().tableMode());
    startCalibration();
    const int before = ui.beeps;
    click(100, 100);
    EXPECT_EQ(ui.beeps, before + 1) << "table mode confirms a calibration click";
    clicks({{1000, 100}, {1000, 1000}, {500, 500}});
    EXPECT_EQ(w.project().N(), 1);
    ui.answerColour(std::nullopt);
    QTest::mouseClick(area, Qt::RightButton, {}, at(10, 10)); // the right button: a new line
    click(600, 600);
    EXPECT_EQ(w.project().points().cell(2, w.project().indice_col("L")), "  2");
}

TEST_F(Digitizing, ThinLinesHaveNoMarkersAndLabelsAreDrawnWhenAsked) {
    auto& p = w.project();
    p.lines().setCell(1, 1, "1");
    clicks({{50, 50}, {150, 50}});
    const picture::Pixel red = picture::rgb555(255, 0, 0);
    const picture::Pixel white = picture::rgb555(255, 255, 255);
    EXPECT_EQ(pixel(150, 50), red) << "no 2 × 2 marker on a 1-pixel line";
    EXPECT_EQ(pixel(150, 48), white) << "the line is 1 pixel wide";
    EXPECT_EQ(pixel(100, 50), red);

    p.points().setCell(1, p.indice_col("Libellé"), " A ");
    table.findChild<QCheckBox*>("CheckBoxLabels")->setChecked(true);
    const picture::Pixel aqua = picture::rgb555(0, 255, 255);
    int aquaPixels = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = 3; dx < 30; ++dx)
            aquaPixels += pixel(50 + dx, 50 + dy) == aqua;
    EXPECT_GT(aquaPixels, 100) << "the label's background, right of the point";
}

TEST_F(Digitizing, SurfaceClicksReportTheNearestLineOrOfferTheScale) {
    clicks({{20, 20}, {120, 20}, {120, 80}});
    ui.answerColour(std::nullopt);
    key(Qt::Key_Space);
    clicks({{150, 90}, {190, 97}}); // a distance of 15 digits
    press("Surface");
    click(118, 78);
    const QString report = w.textPanel()->memo()->toPlainText();
    EXPECT_TRUE(report.startsWith(QStringLiteral(" Suite(1)= \t3\t points")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Surface  A = \t"))) << report.toStdString();

    click(185, 95);
    EXPECT_FALSE(w.scalePanel()->isHidden()) << "a line of two points: the rescaling";
    EXPECT_GT(w.project().lastDistance(), 0);
    const QLabel* caption = w.scalePanel()->captionLabel();
    const bool oneLine = caption->fontMetrics().horizontalAdvance(caption->text()) <=
                         caption->contentsRect().width();
    EXPECT_TRUE(oneLine || (caption->wordWrap() &&
                            caption->heightForWidth(caption->width()) <= caption->height()))
        << "shown whole: " << caption->text().toStdString();
}

// Two clicks calibrate in a unit frame that the length of a measured line then scales: the
// coordinates in the status bar are never those of the frame left.
TEST_F(Digitizing, NoCoordinatesOfAFormerCalibrationStay) {
    for (auto* mode : w.calibrationPanel()->findChildren<QRadioButton*>())
        if (mode->text().startsWith(QStringLiteral("2 points horizontaux")))
            QTest::mouseClick(mode, Qt::LeftButton);
    startCalibration();
    for (auto [x, y] : {std::pair{20, 80}, {180, 80}}) {
        move(x, y);
        click(x, y);
    }
    ASSERT_EQ(w.project().K(), 3);
    clicks({{20, 20}, {120, 20}});
    press("Surface");
    click(70, 20);
    ASSERT_FALSE(w.scalePanel()->isHidden());
    move(100, 50);
    const QString before = w.statusText(0);
    ASSERT_FALSE(before.isEmpty());
    ui.answerConfirm(true);
    QTest::keyClicks(w.scalePanel()->distanceBox(), "50");
    QTest::keyClick(w.scalePanel()->distanceBox(), Qt::Key_Return);
    const QString after = w.statusText(0);
    move(100, 51);
    move(100, 50);
    EXPECT_NE(after.toStdString(), before.toStdString());
    EXPECT_TRUE(after.isEmpty() || after == w.statusText(0)) << after.toStdString();
    EXPECT_TRUE(w.scalePanel()->isHidden()) << "rescaled";
}

TEST_F(Digitizing, CapSumsDistancesFromPointToPoint) {
    press("Cap et angle");
    click(50, 50);
    EXPECT_EQ(ui.messages.back(), "pas de points digitalisés");
    press("Digitaliser");
    clicks({{20, 20}, {120, 20}});
    press("Cap et angle");
    EXPECT_TRUE(
        w.textPanel()->memo()->toPlainText().contains(QStringLiteral(" Distance cumulée : ")));
    click(20, 20);
    move(119, 21);
    click(119, 21);
    const QString text = w.textPanel()->memo()->toPlainText();
    for (const char* said :
         {" distance cumulée à partir de (1)... ", " distance cumulée +(1 à 2) = "})
        EXPECT_TRUE(text.contains(QString::fromUtf8(said))) << text.toStdString();
}

TEST_F(Digitizing, CalibratingAProjectWithPointsStartsNoLine) {
    auto& p = w.project();
    clicks({{50, 50}, {70, 50}});
    const int lines = p.lines().rowCount();
    startCalibration(); // a colour dialog here would fail the test: none is scripted
    EXPECT_EQ(ui.colourDialogs, 0);
    EXPECT_EQ(p.currentLine(), 1);
    EXPECT_EQ(p.lines().rowCount(), lines);
    clicks({{20, 20}, {20, 80}, {180, 80}});
    EXPECT_EQ(p.K(), 3) << "every click on the map calibrates";
    EXPECT_EQ(p.N(), 2);
}

TEST_F(Digitizing, AnImportThatAddsNothingChangesNothing) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(home_.dir); // the review copy "~memo.txt" goes there
    auto& p = w.project();
    clicks({{50, 50}, {70, 50}});
    p.setSaved(true);
    const std::string text = "\x01\x02\x03 \x04\n\x7f zz\n";
    const std::string file = (home_.dir / "binaire.txt").string();
    std::ofstream(file, std::ios::binary) << text;
    const int lines = p.lines().rowCount();
    const int beeps = ui.beeps;
    ui.answerConfirm(true);
    ui.answerDialog('O');
    ui.answerFileName(file);
    ui.answerReview(text);
    w.importTextPoints(); // a colour dialog here would fail the test: none is scripted
    EXPECT_EQ(ui.messages.back(),
              "nombre de points rajoutés : 0\n2 lignes ignorées (X ou Y illisible) : 1, 2");
    EXPECT_EQ(p.N(), 2);
    EXPECT_EQ(p.currentLine(), 1);
    EXPECT_EQ(p.lines().rowCount(), lines);
    EXPECT_EQ(ui.beeps, beeps);
    EXPECT_TRUE(p.saved());
    click(90, 50);
    EXPECT_EQ(p.points().cell(3, p.indice_col("L")), "  1") << "the line goes on";
    std::filesystem::current_path(previous);
}

} // namespace
