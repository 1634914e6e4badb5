// The click modes' tools: alone, over a project and a layer without the main window, and in
// the window where one mode gives way to another.
#include "MapWindow.h"
#include "model/History.h"
#include "model/Project.h"
#include "ui/tools/BrushTool.h"
#include "ui/tools/DigitizeTool.h"

#include <QLabel>
#include <utility>

using namespace tracelle;

namespace {

const picture::Pixel kWhite = picture::rgb555(255, 255, 255);

// A tool's world: a project calibrated in pixels, a white 60 × 40 layer shown whole, 1:1.
class LoneTool : public ::testing::Test {
protected:
    LoneTool() {
        area.resize(layer.width(), layer.height());
        area.setLayer(&layer, nullptr);
        area.setView(picture::wholeLayer(layer.width(), layer.height()));
        for (auto [x, y] : {std::pair{0, 0}, {59, 0}, {0, 39}})
            project.valide_point_calage(x, y);
    }
    ui::ToolContext context() {
        return {project,
                layer,
                area,
                [](int, const QString&) {},
                [this] { ++refreshed; },
                [this]() -> const picture::Layer& { return layer; }};
    }
    static ui::ToolEvent event(int x, int y, Qt::MouseButtons buttons = Qt::LeftButton,
                               Qt::KeyboardModifiers modifiers = {}) {
        return {{x, y}, {x, y}, buttons, modifiers};
    }
    int changedPixels() const {
        int n = 0;
        for (int y = 0; y < layer.height(); ++y)
            for (int x = 0; x < layer.width(); ++x)
                n += layer.pixel(x, y) != kWhite;
        return n;
    }

    tracelle::testing::ScriptedInteraction ui;
    model::Project project;
    picture::Layer layer = picture::Layer::blank(60, 40, kWhite);
    ui::ImageArea area{nullptr};
    ui::ColourTools colours;
    int refreshed = 0;
};

// What the window does around every event: the changes it makes are one step of the history.
void asOneEvent(model::Project& project, const std::function<void()>& event) {
    const model::History::Step step(project.history());
    event();
}

// A stroke paints from its press to its release; the right button alone pans instead.
TEST_F(LoneTool, AStrokePaintsOnlyBetweenPressAndRelease) {
    colours.borderSwatch = new QToolButton(&area);
    colours.fillSwatch = new QToolButton(&area);
    colours.fill = {255, 0, 0};
    for (const auto kind : {ui::BrushTool::Kind::Brush, ui::BrushTool::Kind::Eraser}) {
        SCOPED_TRACE(kind == ui::BrushTool::Kind::Brush ? "brush" : "eraser");
        layer = picture::Layer::blank(60, 40, kWhite);
        ui::BrushTool tool(context(), colours, kind);
        EXPECT_FALSE(tool.moved(event(10, 10))) << "no stroke before a press";
        EXPECT_EQ(changedPixels(), 0);
        tool.pressed(event(10, 10));
        const int pressed = changedPixels();
        EXPECT_GT(pressed, 0);
        EXPECT_GT(std::exchange(refreshed, 0), 0) << "the view shows the dab";
        EXPECT_FALSE(tool.moved(event(30, 20, Qt::RightButton))) << "the window pans";
        EXPECT_EQ(changedPixels(), pressed);
        EXPECT_TRUE(tool.moved(event(30, 20)));
        const int stroked = changedPixels();
        EXPECT_GT(stroked, pressed);
        tool.released(event(30, 20, Qt::NoButton));
        EXPECT_FALSE(tool.moved(event(50, 30)));
        EXPECT_EQ(changedPixels(), stroked) << "the stroke ended at the release";
    }
}

// A point dragged with Shift goes back where it was, without a history step, whether the drag
// is given up (Esc) or the mode is left during it; a kept drag is one step.
TEST_F(LoneTool, AShiftDragIsOneStepOrNothing) {
    int redraws = 0, settled = 0;
    ui::DigitizeTool tool(context(), {[] {}, [](QPoint) {}, [&] { ++redraws; }, [&] { ++settled; },
                                      [] { return false; }});
    asOneEvent(project, [&] { tool.pressed(event(20, 20)); });
    ASSERT_EQ(project.N(), 1);
    const auto original = project.extrait_xy(1);
    const struct {
        const char* name;
        std::function<void()> end;
        bool kept;
    } endings[] = {
        {"Esc", [&] { EXPECT_TRUE(tool.cancel()); }, false},
        {"mode left", [&] { tool.deactivate(); }, false},
        {"release", [&] { tool.released(event(40, 30, Qt::NoButton)); }, true},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        const bool couldUndo = project.history().canUndo();
        asOneEvent(project,
                   [&] { tool.pressed(event(20, 20, Qt::LeftButton, Qt::ShiftModifier)); });
        EXPECT_EQ(tool.cursor(), Qt::SizeAllCursor);
        for (const int x : {30, 40})
            asOneEvent(project, [&] { EXPECT_TRUE(tool.moved(event(x, 30))); });
        EXPECT_EQ(project.extrait_xy(1).x, 40);
        asOneEvent(project, ending.end);
        EXPECT_EQ(tool.cursor(), Qt::ArrowCursor);
        EXPECT_FALSE(tool.cancel()) << "nothing left under way";
        EXPECT_EQ(project.N(), 1);
        const auto now = project.extrait_xy(1);
        EXPECT_EQ(now.x, ending.kept ? 40 : original.x);
        EXPECT_EQ(now.y, ending.kept ? 30 : original.y);
        EXPECT_EQ(project.history().canUndo(), couldUndo || ending.kept);
    }
    EXPECT_GT(redraws, 0);
    EXPECT_EQ(settled, 3);
    // Shift away from every point digitizes as a plain click does.
    asOneEvent(project, [&] { tool.pressed(event(5, 35, Qt::LeftButton, Qt::ShiftModifier)); });
    EXPECT_EQ(project.N(), 2);
}

class ModeChange : public tracelle::testing::MapWindow {
protected:
    ModeChange() : MapWindow("tracelle_tools_") { load(); }
};

// What a mode shows beside the mouse and in the tool panel goes as soon as another mode is
// chosen, the colouring modes included.
TEST_F(ModeChange, TheModeLeftPutsItsHelpersAway) {
    for (auto [x, y] : {std::pair{20, 20}, {120, 20}})
        click(x, y);
    auto* cumul = w.findChild<QLabel*>("LabelCumul");
    auto* floating = w.findChild<QLabel*>("LabelFlottant");
    auto* picker = w.findChild<QLabel*>("LabelPrelever");
    QTest::mouseClick(button("Cap et angle"), Qt::LeftButton);
    click(20, 20);
    QTest::mouseMove(area, at(190, 90)); // clear of the text panel
    ASSERT_EQ(w.project().N(), 2);
    ASSERT_FALSE(cumul->text().isEmpty());
    ASSERT_TRUE(floating->isVisible());
    QTest::mouseClick(button("Colorer la surface"), Qt::LeftButton);
    EXPECT_TRUE(cumul->text().isEmpty());
    EXPECT_FALSE(floating->isVisible());

    QTest::mouseClick(button("Choix couleur de bord"), Qt::LeftButton);
    ASSERT_TRUE(picker->isVisible());
    QTest::mouseClick(button("Colorer la surf. bordée"), Qt::LeftButton);
    EXPECT_FALSE(picker->isVisible());
}

} // namespace
