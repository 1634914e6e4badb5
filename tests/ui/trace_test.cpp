// "Suivre le trait" in the window: a click on a line drawn by the test becomes its points, in
// one undo action; Esc while the button is held gives the trace up; the paper only beeps.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "model/Project.h"

#include <QCheckBox>
#include <cmath>

using namespace tracelle;

namespace {

// A white picture with a dark red line y = 50 + 20 sin(x / 25), 3 pixels wide, from x = 20 to
// x = 180.
double trueY(double x) {
    return 50 + 20 * std::sin(x / 25);
}

class TraceWindow : public tracelle::testing::MapWindow {
protected:
    TraceWindow() : MapWindow("tracelle_trace_") {
        picture::Raster map = picture::Raster::create(200, 100);
        map.fill(picture::rgb555(255, 255, 255));
        for (int x = 20; x <= 180; ++x)
            for (int y = 0; y < 100; ++y)
                if (std::abs(y - trueY(x)) <= 1.5) map.row(y)[x] = picture::rgb555(160, 0, 0);
        picture::writeBmp(map, picturePath);
        load();
        QTest::mouseClick(button("Suivre le trait"), Qt::LeftButton);
    }
};

TEST_F(TraceWindow, AClickOnTheLineGivesItsPointsInOneUndoAction) {
    click(100, static_cast<int>(std::lround(trueY(100))));
    const model::Project& p = w.project();
    ASSERT_GE(p.N(), 12) << "160 pixels, a point every 10";
    double worst = 0, minX = 1e9, maxX = -1e9;
    for (int i = 1; i <= p.N(); ++i) {
        const auto xy = p.extrait_xy(i);
        worst = std::max(worst, std::abs(double(xy.y) - trueY(double(xy.x))));
        minX = std::min(minX, double(xy.x));
        maxX = std::max(maxX, double(xy.x));
    }
    EXPECT_LE(worst, 1.5);
    EXPECT_LE(minX, 23);
    EXPECT_GE(maxX, 177);
    EXPECT_EQ(ui.beeps, 0);
    EXPECT_EQ(undoCaption(), "Annuler le tracé");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.N(), 0) << "one Ctrl+Z takes the whole trace away";
}

TEST_F(TraceWindow, EscOrARightClickDuringTheTraceGivesItUp) {
    const QPoint on = at(100, static_cast<int>(std::lround(trueY(100))));
    for (const bool esc : {true, false}) {
        SCOPED_TRACE(esc ? "Esc" : "right click");
        QTest::mousePress(area, Qt::LeftButton, {}, on);
        EXPECT_GT(w.project().N(), 0) << "shown at once";
        if (esc)
            key(Qt::Key_Escape);
        else
            QTest::mouseClick(area, Qt::RightButton, {}, on);
        QTest::mouseRelease(area, Qt::LeftButton, {}, on);
        EXPECT_EQ(w.project().N(), 0);
        EXPECT_FALSE(w.project().history().canUndo());
    }
}

TEST_F(TraceWindow, TheBackgroundBeepsAndSaysWhy) {
    click(100, 10);
    EXPECT_EQ(w.project().N(), 0);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(w.statusText(1).startsWith("Pas de trait sous le clic"))
        << w.statusText(1).toStdString();
}

} // namespace

// "Aimanter les clics": where the line is level (x = 118, y = 30; x = 39, y = 70), clicks
// 3 pixels off its centre land on it, calibration clicks too, and the band shows where the
// next click would land; unchecked, a click stays where it was made.
TEST_F(TraceWindow, SnappedClicksLandOnTheLinesCentre) {
    model::Project& p = w.project();
    QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>(), Qt::LeftButton);
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    auto* snap = w.findChild<QCheckBox*>("CheckBoxAimanter");
    ASSERT_NE(snap, nullptr);
    EXPECT_EQ(snap->text(), QStringLiteral("Aimanter les clics"));
    QTest::mouseClick(snap, Qt::LeftButton);
    ASSERT_TRUE(snap->isChecked());
    const auto calibration = [&](int k) {
        return QPoint(model::val_entier(p.calibration().cell(k, p.indice_col_cal("x"))),
                      model::val_entier(p.calibration().cell(k, p.indice_col_cal("y"))));
    };
    click(118, 33);
    EXPECT_EQ(calibration(1), QPoint(118, 30));
    click(5, 5); // the paper: nothing to snap to
    EXPECT_EQ(calibration(2), QPoint(5, 5));
    click(190, 95);
    ASSERT_EQ(p.K(), 3);
    click(39, 73);
    ASSERT_EQ(p.N(), 1);
    EXPECT_EQ(p.extrait_xy(1).x, 39);
    EXPECT_EQ(p.extrait_xy(1).y, 70);
    QTest::mouseClick(button("Lignes"), Qt::LeftButton);
    // Where the line slopes, away from the marks drawn so far: the band ends where the click
    // then lands, on the line.
    const int below = static_cast<int>(std::lround(trueY(150))) + 3;
    QTest::mouseMove(area, at(150, below));
    ASSERT_TRUE(area->band().has_value());
    const QPoint shown = area->band()->p2();
    click(150, below);
    ASSERT_EQ(p.N(), 2);
    EXPECT_EQ(QPoint(p.extrait_xy(2).x, p.extrait_xy(2).y), shown);
    EXPECT_LE(std::abs(shown.y() - trueY(shown.x())), 1.0);

    QTest::mouseClick(snap, Qt::LeftButton);
    click(150, below);
    EXPECT_EQ(p.extrait_xy(3).y, below);
}

// Snapping and tracing read the picture, not the program's marks over it: a calibration
// cross drawn beside the line (its red stands out more than the line's dark red) neither pulls
// a snapped click nor is followed.
TEST_F(TraceWindow, TheMarksDrawnOverThePictureAreNotTheLine) {
    model::Project& p = w.project();
    QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>(), Qt::LeftButton);
    QTest::mouseClick(button("Digitaliser"), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QCheckBox*>("CheckBoxAimanter"), Qt::LeftButton);
    click(118, 45); // far from the line: stays; its cross's upper side runs at y = 35
    ASSERT_EQ(p.K(), 1);
    ASSERT_NE(w.layer().pixel(118, 35), w.layer().picture()->row(35)[118]) << "the cross is drawn";
    click(112, 34); // 1 pixel from the cross, 3 from the line's centre
    const QPoint second(model::val_entier(p.calibration().cell(2, p.indice_col_cal("x"))),
                        model::val_entier(p.calibration().cell(2, p.indice_col_cal("y"))));
    EXPECT_EQ(second.x(), 112);
    EXPECT_LE(std::abs(second.y() - trueY(112)), 1.0) << second.y();
    QTest::mouseClick(button("Suivre le trait"), Qt::LeftButton);
    click(126, 45); // on the cross's right side
    EXPECT_EQ(p.N(), 0);
    EXPECT_EQ(ui.beeps, 1);
}
