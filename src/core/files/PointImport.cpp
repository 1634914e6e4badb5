#include "files/PointImport.h"

#include "model/Project.h"
#include "model/extraitUTIL.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>

namespace tracelle::files {

namespace {

// Separator of the lines: the space, then the tab from the first line that holds one on.
char separatorFor(const std::string& line, char current) {
    return line.find('\t') != std::string::npos ? '\t' : current;
}

std::string withoutCr(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

} // namespace

int ajoutePointsTexte(model::Project& project, const std::string& text) {
    std::istringstream in(text);
    std::string line;
    char sep = ' ';
    int added = 0;
    model::TextTable::Bulk bulk(project.points());
    while (std::getline(in, line)) {
        line = withoutCr(line);
        sep = separatorFor(line, sep);
        if (model::enleve_blancs(line).empty() || line[0] == '\'') continue;
        const model::Real X = model::extrait_reel(line, 1, sep, 0);
        const model::Real Y = model::extrait_reel(line, 2, sep, 0);
        std::int32_t x = 0, y = 0;
        // Without a usable calibration the real values, rounded, stand for the pixels: the
        // point is kept and its real values stay as read until a calibration exists.
        if (!project.repere_image(X, Y, x, y)) {
            x = static_cast<std::int32_t>(
                std::clamp<model::Real>(std::nearbyint(X), INT32_MIN, INT32_MAX));
            y = static_cast<std::int32_t>(
                std::clamp<model::Real>(std::nearbyint(Y), INT32_MIN, INT32_MAX));
        }
        const int n = project.N() + 1;
        project.affecte_en(n, project.currentLine(), model::_extrait(line, 3, sep),
                           model::kUndefinedReal, X, Y, x, y);
        project.setN(n);
        ++added;
    }
    return added;
}

void colleValeursCalage(model::Project& project, const std::string& text) {
    std::istringstream in(text);
    std::string line;
    char sep = ' ';
    const char* headers[3] = {"X", "Y", "Z"};
    for (int i = 1; i <= 11 && std::getline(in, line); ++i) {
        line = withoutCr(line);
        sep = separatorFor(line, sep);
        if (i > 3) continue; // only three calibration rows exist
        for (int f = 1; f <= 3; ++f) {
            std::string v = model::_extrait(line, f, sep);
            model::filtre_numerique(v);
            if (!v.empty())
                project.calibration().setCell(i, project.indice_col_cal(headers[f - 1]), v);
        }
    }
    project.calcul_nouveaux_calage();
}

} // namespace tracelle::files
