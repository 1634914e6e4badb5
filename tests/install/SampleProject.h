// A small project and its map, written by the core, that the installed programs open.
#pragma once

#include "files/ProjectFile.h"
#include "model/Project.h"
#include "picture/BmpCodec.h"
#include "picture/Raster.h"
#include "support/ScriptedInteraction.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tracelle::testing {

// `dir`/carte.bmp, greys with a square of the default fill colour, and `dir`/plan.trc on it:
// a frame of 1 real unit a pixel, a square on line 1 and two points on line 2.
inline std::string writeSampleProject(const std::filesystem::path& dir) {
    const std::string map = (dir / "carte.bmp").string();
    picture::Raster r = picture::Raster::create(60, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const int g = (4 * x + 2 * y) % 256;
            r.row(y)[x] = x >= 5 && x < 15 && y >= 5 && y < 15 ? picture::rgb555(0, 128, 0)
                                                               : picture::rgb555(g, g, g);
        }
    EXPECT_EQ(picture::writeBmp(r, map), "");

    ScriptedInteraction ui;
    model::Project p;
    p.setDefaultCalibration(60, 40, 0, 0);
    p.picture() = {map, 60, 40, 0, 0};
    for (auto [x, y] : {std::pair{5, 5}, {15, 5}, {15, 15}, {5, 15}})
        p.ajoute_point(x, y);
    ui.answerColour(std::nullopt);
    p.Nouvelle_suite_de_points();
    p.ajoute_point(30, 20);
    p.ajoute_point(50, 35);
    const std::string project = (dir / "plan.trc").string();
    EXPECT_EQ(files::sauve_projet(p, project), "");
    return project;
}

} // namespace tracelle::testing
