// The graph window opened from the map with F7, driven by its keys, buttons and the mouse.
#include "MapWindow.h"

#include <QWheelEvent>

using namespace tracelle;

namespace {

class GraphWindow : public tracelle::testing::MapWindow {
protected:
    GraphWindow() : MapWindow("tracelle_graph_") {}

    // Two lines digitized on the map, the second with heights.
    void digitize() {
        load();
        for (auto [x, y] : {std::pair{20, 20}, {60, 20}, {60, 60}})
            click(x, y);
        ui.answerColour(0x00FFFF);
        key(Qt::Key_Space);
        for (auto [x, y] : {std::pair{150, 20}, {180, 80}})
            click(x, y);
        auto& p = w.project();
        p.points().setCell(4, p.indice_col("Z"), "30");
        p.points().setCell(5, p.indice_col("Z"), "60");
    }
    const graph::View& view() { return graph.view().view(); }
    QImage drawing() const { return graph.buffer().copy(); }
    QWidget* image() { return graph.findChild<QWidget*>("ImageGraphe"); }
    void turnWheel(int delta) {
        QWheelEvent wheel(QPointF(50, 50), image()->mapToGlobal(QPointF(50, 50)), {}, {0, delta},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(image(), &wheel);
    }
    void press(const QString& caption) {
        for (QPushButton* b : graph.findChildren<QPushButton*>())
            if (b->text() == caption) return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << caption.toStdString();
    }
};

TEST_F(GraphWindow, OpensOverADisabledMapTurnsZoomsAndLeaves) {
    key(Qt::Key_F7);
    EXPECT_FALSE(graph.isVisible()) << "no points, no graph";
    digitize();
    key(Qt::Key_F7);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&graph));
    EXPECT_FALSE(w.isEnabled()) << "the map takes no input while the graph is shown";
    EXPECT_EQ(graph.buffer().size(), image()->size());
    const QImage first = drawing();
    EXPECT_FALSE(first.allGray()) << "axes, points and lines in colour";

    const graph::View start = view();
    key(Qt::Key_Left);
    EXPECT_EQ(view().theta, start.theta + start.step);
    EXPECT_NE(drawing(), first);
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(view().cy, start.cy + start.ty);
    QTest::keyClick(image(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view().dp, start.dp * 1.3L);
    turnWheel(120); // away from the user
    EXPECT_EQ(view().dp, start.dp * 1.3L / 1.3L) << "the wheel zooms as + and -";

    press("initialisation");
    EXPECT_EQ(drawing(), first) << "back to the initial view";
    QTest::mousePress(image(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(image(), QPoint(116, 92));
    QTest::mouseRelease(image(), Qt::LeftButton, {}, QPoint(116, 92));
    EXPECT_EQ(view().theta, start.theta - 2 * start.step) << "a drag turns: 8 pixels a step";
    EXPECT_EQ(view().phi, start.phi - start.step);

    const std::string png = (home_.dir / "graphe").string();
    ui.answerFileName(png);
    press("Enregistrer l'image");
    EXPECT_EQ(QImage(QString::fromStdString(png + ".png")).size(), graph.buffer().size());
    EXPECT_TRUE(graph.isVisible()) << "its own save dialog does not close it";

    key(Qt::Key_Escape);
    EXPECT_FALSE(graph.isVisible());
    EXPECT_TRUE(w.isEnabled());
}

// The wheel zooms the graph as it zooms the map: towards the user in, away out, the other way
// round with "roulette inversée"; parts of a notch add up across events (the arithmetic of
// notches is the map's, tested there).
TEST_F(GraphWindow, TheWheelZoomsAsOnTheMap) {
    digitize();
    const struct {
        const char* name;
        bool inverted;
        std::vector<int> deltas;
        int steps; // zooming in
    } cases[] = {
        {"towards", false, {-120}, 1},
        {"away", false, {120}, -1},
        {"towards, inverted", true, {-120}, -1},
        {"away, inverted", true, {120}, 1},
        {"three thirds of a notch", false, {-40, -40, -40}, 1},
    };
    QAction* inverted = w.action("&Options|roulette inversée");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (inverted->isChecked() != c.inverted) inverted->trigger();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        key(Qt::Key_F7);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&graph));
        graph::Real expected = view().dp;
        for (int i = 0; i < std::abs(c.steps); ++i)
            expected = c.steps > 0 ? expected * 1.3L : expected / 1.3L;
        for (const int delta : c.deltas)
            turnWheel(delta);
        EXPECT_EQ(view().dp, expected);
        QTest::keyClick(&graph, Qt::Key_Escape);
        ASSERT_FALSE(graph.isVisible());
    }
}

} // namespace
