// One mouse move in "Digitaliser" mode with 100,000 points stored: coordinates, rubber band,
// status bar and the repaint of the image area.
#include "RatioReporter.h"
#include "picture/BmpCodec.h"
#include "ui/ImageArea.h"
#include "ui/scroll.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// A window with a 4000 × 3000 picture and 100,000 points on 25 lines, made once.
tracelle::ui::Scroll& window() {
    static tracelle::ui::Scroll* w = [] {
        namespace fs = std::filesystem;
        const fs::path dir =
            fs::temp_directory_path() / ("tracelle_move_" + std::to_string(getpid()));
        fs::create_directories(dir);
        tracelle::picture::Raster picture = tracelle::picture::Raster::create(4000, 3000);
        picture.fill(tracelle::picture::rgb555(240, 240, 230));
        const std::string path = (dir / "plan.bmp").string();
        tracelle::picture::writeBmp(picture, path);
        auto* created = new tracelle::ui::Scroll;
        created->action("&Affichage|Garder les proportions L x H")->setChecked(false);
        created->resize(1600, 1100);
        created->show();
        QApplication::processEvents();
        created->Ouvrir_fichier_image(path, "");
        fs::remove_all(dir);
        for (int i = 0; i < 100000; ++i)
            created->project().ajoute_point(i % 4000, (i / 4000) * 100 + 50);
        return created;
    }();
    return *w;
}

void MouseMove100kPoints(benchmark::State& state) {
    tracelle::ui::Scroll& w = window();
    auto* area = w.findChild<tracelle::ui::ImageArea*>("Image1");
    int step = 0;
    for (auto _ : state) {
        ++step;
        w.Image1MouseMove(QPoint(100 + step % 1000, 100 + step % 700));
        area->repaint();
    }
}
BENCHMARK(MouseMove100kPoints)->Unit(benchmark::kMillisecond)->Iterations(200);

// The whole overlay drawn again (a new line, a deletion, "Redessiner").
void RedrawOverlay100kPoints(benchmark::State& state) {
    tracelle::ui::Scroll& w = window();
    for (auto _ : state)
        w.redessiner_calque();
}
BENCHMARK(RedrawOverlay100kPoints)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    std::printf("MouseMove100kPoints: the time above must stay under one frame (16 ms)\n");
    return status;
}
