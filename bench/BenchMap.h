// The main window of the pointer benchmarks: a 4000 × 3000 picture, shown 1600 × 1100, with
// `points` points on lines of 4000 across it.
#pragma once

#include "picture/BmpCodec.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace tracelle::bench {

inline ui::MainWindow* benchMapWindow(int points) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tracelle_map_" + std::to_string(getpid()));
    fs::create_directories(dir);
    picture::Raster picture = picture::Raster::create(4000, 3000);
    picture.fill(picture::rgb555(240, 240, 230));
    const std::string path = (dir / "plan.bmp").string();
    picture::writeBmp(picture, path);
    auto* w = new ui::MainWindow;
    w->action("&Affichage|Garder les proportions L x H")->setChecked(false);
    w->resize(1600, 1100);
    w->show();
    QApplication::processEvents();
    w->Ouvrir_fichier_image(path, "");
    fs::remove_all(dir);
    for (int i = 0; i < points; ++i)
        w->project().ajoute_point(i % 4000, (i / 4000) * 100 + 50);
    return w;
}

} // namespace tracelle::bench
