// "Courbe par pas de X" on the tracing panel: a box drawn with the mouse over a graph takes
// one point every X pixels on the curve, in one undo action; the swatches it chooses from
// come with the picture's overview.
#include "MapWindow.h"
#include "core/trace/Drawing.h"
#include "model/Project.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QRubberBand>

using namespace tracelle;
namespace tt = tracelle::testing;
using tt::PointF;

namespace {

// A graph scanned: black axes, a blue curve y = f(x) and a red straight one, anti-aliased.
double f(double x) {
    return 90 + 50 * std::sin(x / 30);
}
double straight(double x) {
    return 40 + 0.3 * x;
}
// The graph of `curve` from x = 30 to 290.
std::vector<PointF> plotted(double (*curve)(double)) {
    return tt::sampled([curve](double x) { return PointF{x, curve(x)}; }, 30, 290);
}

class XStepWindow : public tt::MapWindow {
protected:
    XStepWindow() : MapWindow("tracelle_xstep_") {
        picture::Raster graph = tt::sheet(300, 200);
        tt::stroke(graph, {{20, 5}, {20, 181}}, 2, {0, 0, 0});
        tt::stroke(graph, {{19, 180}, {295, 180}}, 2, {0, 0, 0});
        tt::stroke(graph, plotted(f), 2, {20, 60, 220});
        tt::stroke(graph, plotted(straight), 2, {200, 30, 30});
        picture::writeBmp(graph, picturePath);
        // The mode first: the swatches come once the new picture's overview is ready.
        QTest::mouseClick(button("Suivre le trait"), Qt::LeftButton);
        load();
        panel = w.findChild<QWidget*>("PanneauTrace");
    }
    // The swatches of the picture's colours, beside the "?" of the colour under the click.
    QList<QToolButton*> swatches() const {
        QList<QToolButton*> colours;
        for (QToolButton* b : panel->findChildren<QToolButton*>())
            if (b->toolTip().startsWith("suivre la couleur #")) colours.append(b);
        return colours;
    }
    void useXStep() {
        auto* byXStep = panel->findChild<QCheckBox*>("CourbePasX");
        ASSERT_NE(byXStep, nullptr);
        EXPECT_EQ(byXStep->text(), QStringLiteral("Courbe par pas de X"));
        QTest::mouseClick(byXStep, Qt::LeftButton);
        ASSERT_TRUE(byXStep->isChecked());
    }
    void drawBox(QPoint from, QPoint to) {
        QTest::mousePress(area, Qt::LeftButton, {}, at(from.x(), from.y()));
        QTest::mouseMove(area, at(to.x(), to.y()));
        QTest::mouseRelease(area, Qt::LeftButton, {}, at(to.x(), to.y()));
    }
    // Every point of the project within 1 px of the curve y = curve(x), and enough of them.
    void expectOn(double (*curve)(double)) {
        const model::Project& p = w.project();
        ASSERT_GE(p.N(), 40) << "from x = 30 to 280, a point every 5 px";
        for (int i = 1; i <= p.N(); ++i) {
            const auto xy = p.extrait_xy(i);
            EXPECT_LE(std::abs(double(xy.y) - curve(double(xy.x))), 1.0) << xy.x << ',' << xy.y;
        }
    }
    QWidget* panel = nullptr;
};

TEST_F(XStepWindow, TheSwatchesComeWithTheOverview) {
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return swatches().size() == 3; }))
        << swatches().size() << " swatches";
    int reds = 0;
    for (QToolButton* b : swatches()) {
        const QColor c(b->toolTip().mid(QStringLiteral("suivre la couleur ").size()));
        reds += c.red() > c.blue() + 60;
    }
    EXPECT_EQ(reds, 1) << "one swatch a line, the black axes, the blue and the red curve";
}

// The box is drawn between the axes from its lower left corner, on the paper: the curve that
// covers most of it is taken, or the one of the swatch chosen.
TEST_F(XStepWindow, ABoxTakesTheCurveInOneUndoAction) {
    useXStep();
    QTest::mousePress(area, Qt::LeftButton, {}, at(25, 175));
    QTest::mouseMove(area, at(150, 100));
    const auto* band = area->findChild<QRubberBand*>();
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible()) << "the box shows while it is drawn";
    EXPECT_TRUE(band->geometry().contains(at(100, 150)));
    EXPECT_FALSE(band->geometry().contains(at(200, 150)));
    QTest::mouseMove(area, at(285, 5));
    QTest::mouseRelease(area, Qt::LeftButton, {}, at(285, 5));
    EXPECT_FALSE(band->isVisible());
    EXPECT_EQ(ui.beeps, 0) << w.statusText(1).toStdString();
    expectOn(f);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.project().N(), 0) << "one Ctrl+Z takes the whole curve away";

    ASSERT_TRUE(QTest::qWaitFor([this] { return swatches().size() == 3; }));
    for (QToolButton* b : swatches()) {
        const QColor c(b->toolTip().mid(QStringLiteral("suivre la couleur ").size()));
        if (c.red() > c.blue() + 60) QTest::mouseClick(b, Qt::LeftButton);
    }
    drawBox({25, 175}, {285, 5});
    expectOn(straight);
}

TEST_F(XStepWindow, ABoxWithoutTheCurveBeepsAndSaysWhy) {
    useXStep();
    drawBox({200, 170}, {280, 160}); // the paper under the curves
    EXPECT_EQ(w.project().N(), 0);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(w.statusText(1).startsWith("Pas de courbe dans le cadre"))
        << w.statusText(1).toStdString();
    // Esc while the box is drawn gives it up.
    QTest::mousePress(area, Qt::LeftButton, {}, at(25, 175));
    QTest::mouseMove(area, at(285, 5));
    key(Qt::Key_Escape);
    QTest::mouseRelease(area, Qt::LeftButton, {}, at(285, 5));
    EXPECT_EQ(w.project().N(), 0);
    EXPECT_EQ(ui.beeps, 1);
}

} // namespace
