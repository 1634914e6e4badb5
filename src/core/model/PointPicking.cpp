#include "model/PointPicking.h"

#include "model/NumberText.h"
#include "model/Project.h"

#include <algorithm>

namespace tracelle::model {

namespace {

double squared(double dx, double dy) {
    return dx * dx + dy * dy;
}

// From (x, y) to the segment (ax, ay)–(bx, by), squared.
double toSegment(double x, double y, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double length = squared(dx, dy);
    const double t =
        length > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0) : 0.0;
    return squared(x - (ax + t * dx), y - (ay + t * dy));
}

} // namespace

Picked pointSous(const Project& p, double x, double y, double radius) {
    const TextTable& points = p.points();
    const TextTable& lines = p.lines();
    const int lCol = p.indice_col("L"), xCol = p.indice_col("x"), yCol = p.indice_col("y");
    const int okCol = indice_col_grille(lines, "OK");
    const double limit = radius * radius;
    Picked best;
    double bestD = limit;
    for (int k = 1; k <= p.K() && k <= 3; ++k) {
        const double d = squared(x - p.record(k).x, y - p.record(k).y);
        if (d <= bestD) {
            best = {Picked::Calage, k};
            bestD = d;
        }
    }
    double previousX = 0, previousY = 0;
    int previousLine = 0;
    Picked segment;
    double segmentD = limit;
    for (int i = 1; i <= p.N() && i < points.rowCount(); ++i) {
        const int L = lit_entier(enleve_blancs(points.cell(i, lCol))).value;
        const double px = lit_entier(enleve_blancs(points.cell(i, xCol))).value;
        const double py = lit_entier(enleve_blancs(points.cell(i, yCol))).value;
        const bool shown = L >= 1 && lines.cell(L, okCol) == "x";
        if (shown) {
            if (const double d = squared(x - px, y - py); d <= bestD) {
                best = {Picked::Point, i};
                bestD = d;
            }
            if (L == previousLine) {
                if (const double d = toSegment(x, y, previousX, previousY, px, py); d <= segmentD) {
                    segment = {Picked::Segment, i};
                    segmentD = d;
                }
            }
        }
        previousLine = shown ? L : 0;
        previousX = px;
        previousY = py;
    }
    return best.kind != Picked::None ? best : segment;
}

} // namespace tracelle::model
