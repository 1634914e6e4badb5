#include "files/Export.h"

#include "files/ExportedRows.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"
#include "platform/LargePages.h"

#include <cmath>
#include <optional>
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
            const std::string_view cell = table.cell(row, col);
            if (col >= 3 && col <= 5)
                text += convertMark(std::string(cell), c.decimalComma);
            else
                text += cell;
            text += S;
        }
        return text;
    };
    const auto strip = [&S](std::string& text) {
        if (!text.empty() && text.size() >= S.size()) text.erase(text.size() - S.size());
    };

    // The resampling's bounds, read before any row: too many steps are refused up front.
    Real dX = 0, xMin = 0;
    std::optional<Real> xMax;
    if (c.normalized) {
        dX = model::val_reel(c.step);
        xMin = model::val_reel(c.xMin);
        xMax = model::texte_en_reel_strict(c.xMax);
        if (!xMax) {
            r.error = model::texte_pas_un_reel(c.xMax);
            return r;
        }
        if (dX != 0 && !(std::nearbyint((*xMax - xMin) / dX) + 1 <= kMaxNormalizedSteps)) {
            r.error =
                platform::translate("Export", "l'export normalisé demande plus de 10 000 000 pas : "
                                              "augmentez le pas ou réduisez l'intervalle de X");
            return r;
        }
    }
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
    if (c.normalized) extraction.reserve(static_cast<std::size_t>(points.rowCount()));
    bool havePrevious = false;
    int previousLine = 0;
    Real Xp = 0, Yp = 0, cumulative = 0;
    r.error = forEachExportedRow(p, c.shownLinesOnly, [&](const ExportedRow& row) {
        const bool firstRow = !havePrevious;
        std::string text = build(points, row.row);
        if (c.interDistance || c.cumulative) {
            Real d = 0;
            if (!havePrevious || row.L != previousLine) {
                cumulative = 0;
            } else {
                d = std::sqrt((row.X - Xp) * (row.X - Xp) + (row.Y - Yp) * (row.Y - Yp));
                cumulative += d;
            }
            Xp = row.X;
            Yp = row.Y;
            if (c.interDistance) text += model::reel_en_texte_point(d) + S;
            if (c.cumulative) text += model::reel_en_texte_point(cumulative) + S;
        }
        havePrevious = true;
        previousLine = row.L;
        strip(text);
        // The first row tells the size of the whole text well enough to grow it once.
        if (firstRow && !c.normalized)
            platform::reserveInLargePages(
                r.text, r.text.size() + static_cast<std::size_t>(points.rowCount() - row.row + 1) *
                                            (text.size() + 2) * 5 / 4);
        if (c.normalized)
            extraction.push_back({row.X, row.Y});
        else
            line(text);
        if (row.X < r.xMinRead) r.xMinRead = row.X;
        if (row.X > r.xMaxRead) r.xMaxRead = row.X;
    });
    if (!r.error.empty()) return r;

    if (c.normalized) {
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
