#include "files/Export.h"

#include "model/Project.h"
#include "model/extraitUTIL.h"

#include <cmath>
#include <vector>

namespace tracelle::files {

using model::Real;

namespace {

// The first "," becomes "." (point) or the first "." becomes "," (virgule).
std::string convertMark(std::string text, bool comma) {
    const auto at = text.find(comma ? '.' : ',');
    if (at != std::string::npos) text[at] = comma ? ',' : '.';
    return text;
}

struct Point {
    Real X, Y;
};

} // namespace

std::string nomExport(const std::string& base, const std::string& extension) {
    return base + (extension.find('.') == std::string::npos ? "." + extension : extension);
}

ExportResult exporte(const model::Project& p, const ExportChoices& c) {
    ExportResult r;
    const auto& S = c.separator;
    const auto line = [&r](const std::string& text) {
        r.text += text;
        r.text += "\r\n";
    };
    const bool columns[9] = {c.n, c.L, c.label, c.X, c.Y, c.Z, c.x, c.y, c.z};
    const auto build = [&](const model::TextTable& table, int row) {
        std::string text;
        for (int col = 0; col < 9; ++col) {
            if (!columns[col]) continue;
            const std::string& cell = table.cell(row, col);
            text += (col >= 3 && col <= 5) ? convertMark(cell, c.decimalComma) : cell;
            text += S;
        }
        return text;
    };
    const auto strip = [&S](std::string& text) {
        if (!text.empty() && text.size() >= S.size()) text.erase(text.size() - S.size());
    };

    if (!c.normalized) {
        if (c.firstLine)
            line((c.firstLineCount ? std::to_string(p.N()) + S : std::string()) + c.firstLineText);
        if (c.withCalibration) {
            for (int k = 1; k < p.calibration().rowCount(); ++k) {
                std::string text = build(p.calibration(), k);
                strip(text);
                line(text);
            }
        }
    }
    // No fixed capacity: every exported point is kept for the resampling.
    std::vector<Point> extraction;
    const auto& points = p.points();
    extraction.reserve(static_cast<std::size_t>(points.rowCount()));
    const auto& lines = p.lines();
    const int okCol = model::indice_col_grille(lines, "OK");
    bool havePrevious = false;
    int previousLine = 0;
    Real Xp = 0, Yp = 0, cumulative = 0;
    for (int i = 1; i < points.rowCount(); ++i) {
        const model::EntierLu L = model::lit_entier(points.cell(i, 1));
        if (L.errorPosition != 0) {
            r.error = "'" + points.cell(i, 1) + "' n'est pas une valeur entière correcte";
            return r;
        }
        if (c.shownLinesOnly && lines.cell(L.value, okCol) != "x") continue;
        const auto X = model::texte_en_reel_strict(points.cell(i, 3));
        const auto Y = model::texte_en_reel_strict(points.cell(i, 4));
        if (!X || !Y) {
            r.error = model::texte_pas_un_reel(points.cell(i, X ? 4 : 3));
            return r;
        }
        std::string text = build(points, i);
        if (c.interDistance || c.cumulative) {
            Real d = 0;
            if (!havePrevious || L.value != previousLine) {
                cumulative = 0;
            } else {
                d = std::sqrt((*X - Xp) * (*X - Xp) + (*Y - Yp) * (*Y - Yp));
                cumulative += d;
            }
            Xp = *X;
            Yp = *Y;
            if (c.interDistance) text += model::reel_en_texte_point(d) + S;
            if (c.cumulative) text += model::reel_en_texte_point(cumulative) + S;
        }
        havePrevious = true;
        previousLine = L.value;
        strip(text);
        // The first row tells the size of the whole text well enough to grow it once.
        if (extraction.empty() && !c.normalized)
            r.text.reserve(r.text.size() + static_cast<std::size_t>(points.rowCount() - i + 1) *
                                               (text.size() + 2) * 5 / 4);
        if (!c.normalized) line(text);
        extraction.push_back({*X, *Y});
        if (*X < r.xMinRead) r.xMinRead = *X;
        if (*X > r.xMaxRead) r.xMaxRead = *X;
    }

    if (c.normalized) {
        const Real dX = model::val_reel(c.step);
        const Real xMin = model::val_reel(c.xMin);
        const auto xMax = model::texte_en_reel_strict(c.xMax);
        if (!xMax) {
            r.error = model::texte_pas_un_reel(c.xMax);
            return r;
        }
        line("EXPORT normalisé");
        // A zero step or no point gives the title alone: there is nothing to resample.
        if (dX == 0 || extraction.empty()) return r;
        const auto n = static_cast<long long>(std::nearbyint((*xMax - xMin) / dX)) + 1;
        const std::size_t m = extraction.size();
        for (long long i = 0; i < n; ++i) {
            const Real x = xMin + static_cast<Real>(i) * dX;
            std::size_t j = 0;
            while (j < m && extraction[j].X < x)
                ++j;
            Real y;
            if (j == 0) {
                y = extraction[0].Y;
            } else if (j == m) {
                y = extraction[m - 1].Y;
            } else if (c.regression) {
                const Point& a = extraction[j - 1];
                const Point& b = extraction[j];
                y = b.Y + (b.X != a.X ? (b.Y - a.Y) / (b.X - a.X) * (x - b.X) : 0);
            } else {
                y = extraction[j].X - x <= x - extraction[j - 1].X ? extraction[j].Y
                                                                   : extraction[j - 1].Y;
            }
            line(convertMark(model::reel_en_texte_point(x), c.decimalComma) + S +
                 convertMark(model::reel_en_texte_point(y), c.decimalComma));
        }
    }
    return r;
}

} // namespace tracelle::files
