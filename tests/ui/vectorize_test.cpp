// "Vectoriser la couleur" and "Z par ligne" in the window, over a small contour map the test
// draws: the lines found shown, kept in one undo action or given up; Esc stops the work under
// way; a line's height typed once reaches every point of it, and one Ctrl+Z gives it back.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "trace/Vectorize.h"
#include "ui/tools/TraceTool.h"
#include "ui/tools/VectorPreview.h"

#include <QLabel>
#include <QProgressBar>
#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <set>
#include <thread>

using namespace tracelle;

namespace {

const trace::Rgb kBrown{120, 60, 20};

struct Ellipse {
    double a, b;
};
// Three closed contours about (150, 100), two pixels wide unless told.
constexpr Ellipse kContours[] = {{40, 25}, {80, 50}, {120, 80}};

picture::Raster contourMap(double halfWidth = 1.0) {
    picture::Raster map = picture::Raster::create(300, 200);
    map.fill(picture::rgb555(255, 255, 255));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            for (const Ellipse& e : kContours) {
                const double dx = (x - 150) / e.a, dy = (y - 100) / e.b;
                // Distance to the ellipse, near enough for a line this thin.
                const double d = (std::sqrt(dx * dx + dy * dy) - 1) * std::min(e.a, e.b);
                if (std::abs(d) <= halfWidth)
                    map.row(y)[x] = picture::rgb555(kBrown.r, kBrown.g, kBrown.b);
            }
    return map;
}

QPushButton* pushButton(const QWidget& in, const QString& caption) {
    for (auto* b : in.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
}

class VectorizeWindow : public tracelle::testing::MapWindow {
protected:
    VectorizeWindow() : MapWindow("tracelle_vectorize_") {
        picture::writeBmp(contourMap(), picturePath);
        load();
        QTest::mouseClick(button("Suivre le trait"), Qt::LeftButton);
        start = pushButton(w, "Vectoriser la couleur");
        keep = pushButton(w, "Garder");
        drop = pushButton(w, "Abandonner");
    }
    // Garder asks nothing: a question the test has not scripted fails it.
    void keepLines() { QTest::mouseClick(keep, Qt::LeftButton); }
    // The colour picked on the outer contour's right end, then the lines found shown.
    void vectorise() {
        QTest::mouseClick(start, Qt::LeftButton);
        click(270, 100);
        ASSERT_FALSE(start->isEnabled()) << "at work";
        waitForTheEnd();
    }
    // Each step of the work and its end come as events: none is waited for by the clock. The
    // button comes back with nothing found; the lines found wait for Garder or Abandonner.
    void waitForTheEnd() {
        while (!start->isEnabled() && !keep->isEnabled())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // What the core finds for the same choices.
    trace::Vectorized expected() const {
        trace::VectorizeSettings s;
        s.colour = kBrown;
        return trace::vectorize(w.layer(), s);
    }
    std::map<int, int> pointsPerLine() {
        const model::Project& p = w.project();
        std::map<int, int> count;
        for (int i = 1; i <= p.N(); ++i)
            ++count[model::val_entier(p.points().cell(i, p.indice_col("L")))];
        return count;
    }
    const ui::VectorPreview* preview() const {
        return area->findChild<ui::VectorPreview*>("ApercuVectorisation");
    }

    QPushButton* start = nullptr;
    QPushButton* keep = nullptr;
    QPushButton* drop = nullptr;
};

// A swatch holds the overview's blend of a thin line with the paper, not the line's own colour:
// the contours are found whole all the same.
TEST_F(VectorizeWindow, ASwatchFindsTheLinesItIsTheShadeOf) {
    picture::writeBmp(contourMap(0.6), picturePath); // the overview averages them away
    load();
    auto* panel = w.findChild<QWidget*>("PanneauTrace");
    ASSERT_NE(panel, nullptr);
    QToolButton* swatch = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QToolButton* b : panel->findChildren<QToolButton*>())
            if (b->toolTip().startsWith("suivre la couleur #")) swatch = b;
        return swatch != nullptr;
    })) << "the swatches come with the overview";
    QTest::mouseClick(swatch, Qt::LeftButton);
    QTest::mouseClick(start, Qt::LeftButton);
    waitForTheEnd();
    ASSERT_NE(preview(), nullptr);
    EXPECT_EQ(preview()->lines().size(), 3u) << swatch->toolTip().toStdString();
}

TEST_F(VectorizeWindow, KeptLinesAreOneUndoAction) {
    const trace::Vectorized truth = expected();
    ASSERT_EQ(truth.lines.size(), 3u);
    std::size_t points = 0;
    for (const auto& line : truth.lines) {
        EXPECT_TRUE(line.closed());
        points += line.points.size();
    }
    vectorise();
    ASSERT_TRUE(keep->isEnabled());
    ASSERT_NE(preview(), nullptr);
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->lines().size(), 3u);
    const auto* count = w.findChild<QLabel*>("CompteVectorisation");
    EXPECT_EQ(count->text(), QStringLiteral("3 lignes, %1 points")
                                 .arg(QString::fromStdString(model::texte_milliers(points, 0, 0))));
    EXPECT_EQ(w.project().N(), 0) << "nothing kept before Garder";

    keepLines();
    EXPECT_FALSE(preview()->isVisible());
    EXPECT_EQ(w.project().N(), static_cast<int>(points));
    const auto lines = pointsPerLine();
    ASSERT_EQ(lines.size(), 3u);
    std::size_t k = 0;
    for (const auto& [line, n] : lines)
        EXPECT_EQ(n, static_cast<int>(truth.lines[k++].points.size())) << "line " << line;
    EXPECT_EQ(undoCaption(), "Annuler la vectorisation");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.project().N(), 0) << "one Ctrl+Z takes every line away";
}

TEST_F(VectorizeWindow, AbandonnerChangesNothing) {
    vectorise();
    ASSERT_TRUE(drop->isEnabled());
    QTest::mouseClick(drop, Qt::LeftButton);
    EXPECT_FALSE(preview()->isVisible());
    EXPECT_FALSE(keep->isEnabled());
    EXPECT_EQ(w.project().N(), 0);
    EXPECT_FALSE(w.project().history().canUndo());
    EXPECT_TRUE(w.project().saved());
}

// The lines found on one picture are never added to the project of another opened meanwhile.
TEST_F(VectorizeWindow, LinesOfAPictureLeftAreNotKept) {
    vectorise();
    load();
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_EQ(w.project().N(), 0);
    EXPECT_FALSE(preview()->isVisible());
}

TEST_F(VectorizeWindow, AClickOffTheLinesPicksNoColour) {
    QTest::mouseClick(start, Qt::LeftButton);
    click(150, 100);
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(start->isEnabled()) << "still waiting for a line";
    click(270, 100);
    waitForTheEnd();
    EXPECT_TRUE(keep->isEnabled());
}

// "Z par ligne": the height typed for the middle contour reaches all its points and no other;
// a text that is no number is refused and changes nothing; one Ctrl+Z gives the heights back.
TEST_F(VectorizeWindow, ZParLigneGivesOneHeightToEveryPointOfTheLine) {
    vectorise();
    keepLines();
    model::Project& p = w.project();
    const int column = p.indice_col("Z");
    const auto heights = [&] {
        std::map<int, std::set<std::string>> z;
        for (int i = 1; i <= p.N(); ++i)
            z[model::val_entier(p.points().cell(i, p.indice_col("L")))].emplace(
                p.points().cell(i, column));
        return z;
    };
    const auto before = heights();
    QTest::mouseClick(button("Z par ligne"), Qt::LeftButton);

    ui.answerText(std::string("deux cents"));
    click(230, 100); // the middle contour's right end
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], model::texte_pas_un_reel("deux cents"));
    EXPECT_EQ(heights(), before);

    ui.answerText(std::string("250"));
    click(230, 100);
    ASSERT_EQ(ui.prompts.size(), 2u);
    const auto after = heights();
    int changed = 0;
    for (const auto& [line, z] : after) {
        ASSERT_EQ(z.size(), 1u) << "line " << line << " holds one height";
        if (z != before.at(line)) {
            ++changed;
            EXPECT_EQ(model::val_reel(*z.begin()), 250);
            EXPECT_EQ(undoCaption(), "Annuler la cote de la ligne " + std::to_string(line));
        }
    }
    EXPECT_EQ(changed, 1);
    const int points = p.N();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(heights(), before);
    EXPECT_EQ(p.N(), points) << "the lines stay";

    click(150, 100); // the paper inside the contours
    EXPECT_EQ(ui.prompts.size(), 2u) << "no line, no question";
}

// The tracing tool alone over the contour map, vectorising with a stand-in for the work.
class VectorizeTool : public ::testing::Test {
protected:
    void SetUp() override {
        auto map = std::make_shared<picture::Raster>(contourMap());
        layer = picture::Layer::over(map, map->width(), map->height(), 0, 0,
                                     picture::rgb555(255, 255, 255));
        area.resize(layer.width(), layer.height());
        area.setLayer(&layer, nullptr);
        area.setView(picture::wholeLayer(layer.width(), layer.height()));
        window.show();
    }
    // Vectorises with `work`, the colour picked on the outer contour.
    void start(ui::Vectorizer work) {
        tool = std::make_unique<ui::TraceTool>(
            ui::ToolContext{project, layer, area, [&](int, const QString& text) { status = text; },
                            [] {}, [&]() -> const picture::Layer& { return layer; }},
            ui::TraceHooks{[] { return trace::Palette{}; }, [] {}, std::move(work)});
        tool->activate();
        button = pushButton(window, "Vectoriser la couleur");
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        tool->pressed({{270, 100}, {270, 100}, Qt::LeftButton, {}});
        ASSERT_FALSE(button->isEnabled()) << "at work";
    }
    // A work held up for the test is let go, whatever the test found.
    void TearDown() override { seen = true; }
    const ui::VectorPreview* preview() const {
        return area.findChild<ui::VectorPreview*>("ApercuVectorisation");
    }
    QPushButton* keep() const { return pushButton(window, "Garder"); }

    tracelle::testing::ScriptedInteraction ui;
    QWidget window;
    ui::ImageArea area{&window};
    picture::Layer layer;
    model::Project project;
    QString status;
    std::unique_ptr<ui::TraceTool> tool;
    QPushButton* button = nullptr;
    std::atomic<bool> seen{false}; // the window has shown what the work held up for
};

// Esc while the work goes on stops it: the window is free at once, the work ends at its next
// step and nothing is shown or kept. The work here only ends when told to stop.
TEST_F(VectorizeTool, CancelStopsTheWorkUnderWay) {
    std::atomic<bool> stopped{false};
    start([&](const picture::Layer&, const trace::VectorizeSettings&,
              const trace::VectorizeProgress& progress, const trace::LinesFound&) {
        while (progress(0.5))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stopped = true;
        return trace::Vectorized{trace::VectorizeResult::Cancelled, {}};
    });
    EXPECT_TRUE(tool->cancel());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(status, QStringLiteral("Vectorisation arrêtée"));
    while (!stopped)
        std::this_thread::yield();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.findChild<QProgressBar*>("ProgressionVectoriser")->value(), 0);
    EXPECT_EQ(project.N(), 0);
    EXPECT_FALSE(tool->cancel()) << "nothing left to stop";
}

// The lines of the bands done show while the rest is worked out: here the work, in bands of
// 60 rows, waits after its first lines until the window has shown them.
TEST_F(VectorizeTool, TheLinesOfTheBandsDoneShowBeforeTheEnd) {
    start([&](const picture::Layer& l, trace::VectorizeSettings s,
              const trace::VectorizeProgress& progress, const trace::LinesFound& found) {
        s.bandRows = 60;
        return trace::vectorize(l, s, progress, [&](std::vector<trace::VectorLine> lines) {
            const bool some = !lines.empty();
            found(std::move(lines));
            while (some && !seen)
                std::this_thread::yield();
        });
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview()->lines().empty(); }));
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->lines().size(), 1u) << "the inner contour, whole in the rows done";
    EXPECT_FALSE(keep()->isEnabled()) << "still at work";
    seen = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return keep()->isEnabled(); }));
    EXPECT_EQ(preview()->lines().size(), 3u) << "the lines found at the end in place of those";
}

} // namespace
