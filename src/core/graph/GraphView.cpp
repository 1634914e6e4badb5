#include "graph/GraphView.h"

#include "model/NumberText.h"
#include "model/Project.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tracelle::graph {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kZoom = 1.3L;

// The graph is read while the user looks at it: a malformed cell counts as 0 rather than
// raising a message at every drawing.
Real reel(std::string_view cell) {
    return model::readRealQuietly(cell).value_or(0);
}

std::int32_t entier(std::string_view cell) {
    const model::EntierLu read = model::lit_entier(cell);
    return read.errorPosition == 0 ? read.value : 0;
}

// A divisor that brings the data within ±1/2. A size of 0 would make every projection a
// division by zero: 2 stands in.
Real divisor(Real size) {
    return size > 0 && std::isfinite(size) ? size : 2;
}

// Rounded to the nearest pixel, halves to even. A point near the eye's plane projects far
// outside the buffer: it is kept within a range the painter draws without overflowing.
int toPixel(Real v) {
    if (std::isnan(v)) return 0;
    constexpr Real kFar = 1e6L;
    // lrint rounds in the current mode, to nearest with halves to even, as nearbyint does,
    // at a fraction of its cost.
    return static_cast<int>(std::lrint(std::clamp(v, -kFar, kFar)));
}

void minMax(Real v, Real& min, Real& max) {
    min = std::min(min, v);
    max = std::max(max, v);
}

} // namespace

GraphView::GraphView(unsigned seed) : random_(seed) {}

void GraphView::init_variables_book(const model::Project& p, int width, int height) {
    resize(width, height);
    const auto& points = p.points();
    const auto& calibration = p.calibration();
    const int cX = p.indice_col("X"), cY = p.indice_col("Y"), cZ = p.indice_col("Z"),
              cL = p.indice_col("L");
    const int calX = p.indice_col_cal("X"), calY = p.indice_col_cal("Y");
    const int n = std::min<int>(p.N(), points.rowCount() - 1);

    // The first value read starts each extent: data far from 0 keep their own range.
    bool first = true;
    Extents e;
    const auto take = [&](Real x, Real y) {
        if (first) {
            e.xmin = e.xmax = x;
            e.ymin = e.ymax = y;
            first = false;
        }
        minMax(x, e.xmin, e.xmax);
        minMax(y, e.ymin, e.ymax);
    };
    for (int i = 1; i <= n; ++i)
        take(reel(points.cell(i, cX)), reel(points.cell(i, cY)));
    // The calibration points this project has, and no other's.
    calage_.clear();
    for (int k = 1; k <= std::min(3, p.K()) && k < calibration.rowCount(); ++k) {
        calage_.push_back({reel(calibration.cell(k, calX)), reel(calibration.cell(k, calY))});
        take(calage_.back().x, calage_.back().y);
    }
    for (int i = 1; i <= n; ++i) {
        const Real z = reel(points.cell(i, cZ));
        if (i == 1) e.zmin = e.zmax = z;
        minMax(z, e.zmin, e.zmax);
    }
    if (e.zmax == 0) e.zmax = 1;
    extents_ = e;

    const auto& lines = p.lines();
    const int colourColumn = model::indice_col_grille(lines, "couleur");
    points_.clear();
    points_.reserve(static_cast<std::size_t>(std::max(n, 0)));
    bool newLine = true;
    std::int32_t lastLine = 0;
    for (int i = 1; i <= n; ++i) {
        if (points.cell(i, cX).empty()) continue;
        const std::int32_t L = entier(points.cell(i, cL));
        if (L > 0) {
            newLine = L != lastLine;
            lastLine = L;
        }
        const bool inTable = L >= 1 && L < lines.rowCount() && colourColumn >= 0;
        points_.push_back(
            {reel(points.cell(i, cX)), reel(points.cell(i, cY)), reel(points.cell(i, cZ)),
             points.cell(i, cZ) == "-", newLine,
             inTable ? static_cast<std::uint32_t>(entier(lines.cell(L, colourColumn)) & 0xFFFFFF)
                     : 0u});
    }
    initialView();
}

void GraphView::initialView() {
    const Extents& e = extents_;
    View& v = view_;
    v.theta = kPi / 6;
    v.phi = kPi / 8;
    v.step = kPi / 24;
    v.rho = 30;
    // The points' own extent, centred and scaled by its larger side (the same for X and Y, so
    // that the map keeps its shape): map coordinates far from 0 fill the view as well as small
    // ones. The projection distance goes with the scale, so that the picture keeps its size.
    v.cx = (e.xmin + e.xmax) / 2;
    v.cy = (e.ymin + e.ymax) / 2;
    v.sx = v.sy = divisor(std::max(e.xmax - e.xmin, e.ymax - e.ymin));
    v.sz = divisor(2 * std::fabs(e.zmax));
    v.dp = 18 * v.sx;
    v.tx = v.sx / 30;
    v.ty = v.sy / 30;
}

void GraphView::resize(int width, int height) {
    wd_ = width - 1;
    hd_ = height - 1;
}

void GraphView::calcul_cos_sin() {
    sinT_ = std::sin(view_.theta);
    cosT_ = std::cos(view_.theta);
    sinP_ = std::sin(view_.phi);
    cosP_ = std::cos(view_.phi);
    cTsP_ = cosT_ * sinP_;
    sTsP_ = sinT_ * sinP_;
    cTcP_ = cosT_ * cosP_;
    sTcP_ = sinT_ * cosP_;
}

Pixel GraphView::rotation(Real X, Real Y, Real Z) const {
    const View& v = view_;
    const Real x = (X - v.cx) / v.sx, y = (Y - v.cy) / v.sy, z = Z / v.sz;
    const Real xe = -x * sinT_ + y * cosT_;
    const Real ye = -x * cTsP_ - y * sTsP_ + z * cosP_;
    const Real ze = -x * cTcP_ - y * sTcP_ - z * sinP_ + v.rho;
    // On the eye's plane the perspective has no meaning: the point is drawn flat.
    const Real xs = ze != 0 ? v.dp * xe / ze : xe;
    const Real ys = ze != 0 ? v.dp * ye / ze : ye;
    // The divisions by sx and sy again: the projection distance grows with the data.
    return {toPixel(xs / v.sx * wd_) + wd_ / 2, hd_ / 2 - toPixel(ys / v.sy * hd_)};
}

void GraphView::affaxes(std::vector<Segment>& out) const {
    const Extents& e = extents_;
    // From the origin, or from the corner of the data nearest to it when the data lie away
    // from it (map coordinates), so that the axes stay in the view.
    const Real ox = std::clamp<Real>(0, e.xmin, e.xmax), oy = std::clamp<Real>(0, e.ymin, e.ymax);
    const Real ax = e.xmax - ox >= 2 ? e.xmax - ox : 2, ay = e.ymax - oy >= 2 ? e.ymax - oy : 2,
               az = e.zmax >= 2 ? e.zmax : 2;
    const auto line = [&](Real x1, Real y1, Real z1, Real x2, Real y2, Real z2) {
        out.push_back({rotation(ox + x1, oy + y1, z1), rotation(ox + x2, oy + y2, z2), kAxes, 1});
    };
    line(0, 0, 0, ax, 0, 0);
    line(0, 0, 0, 0, ay, 0);
    line(0, 0, 0, 0, 0, az);
    // The unit cube's edges that do not touch the origin.
    static constexpr int kEdges[9][6] = {
        {1, 0, 1, 0, 0, 1}, {1, 0, 1, 1, 1, 1}, {1, 0, 1, 1, 0, 0},
        {0, 1, 1, 1, 1, 1}, {0, 1, 1, 0, 0, 1}, {0, 1, 1, 0, 1, 0},
        {1, 1, 0, 1, 1, 1}, {1, 1, 0, 1, 0, 0}, {1, 1, 0, 0, 1, 0}};
    for (const auto& c : kEdges)
        line(c[0], c[1], c[2], c[3], c[4], c[5]);
}

void GraphView::trace_book(std::vector<Segment>& out) {
    for (const Calage& c : calage_) {
        const Pixel at = rotation(c.x, c.y, 0);
        out.push_back({at, at, kCalage, kDotWidth});
    }
    Pixel previous;
    for (const Point& p : points_) {
        const Real z = p.randomZ ? (static_cast<Real>(random_() % 100) / 100 - 0.5L) * 0.51L : p.z;
        const Pixel at = rotation(p.x, p.y, z);
        if (!p.startsLine) out.push_back({previous, at, p.colour, 1});
        out.push_back({at, at, p.colour, kDotWidth});
        if (!p.startsLine && z != 0) out.push_back({at, rotation(p.x, p.y, 0), kDropLine, 1});
        previous = at;
    }
}

std::vector<Segment> GraphView::dessine_graphe() {
    std::vector<Segment> out;
    out.reserve(15 + 3 * points_.size());
    calcul_cos_sin();
    affaxes(out);
    trace_book(out);
    return out;
}

void GraphView::apply(Command command) {
    View& v = view_;
    switch (command) {
    case Command::Initialisation:
        initialView();
        break;
    case Command::Eloigner:
        v.rho *= kZoom;
        break;
    case Command::Rapprocher:
        v.rho /= kZoom;
        break;
    case Command::Agrandir:
        v.dp *= kZoom;
        break;
    case Command::Reduire:
        v.dp /= kZoom;
        break;
    case Command::TourneGauche:
        v.theta += v.step;
        break;
    case Command::TourneDroite:
        v.theta -= v.step;
        break;
    case Command::TourneHaut:
        v.phi -= v.step;
        break;
    case Command::TourneBas:
        v.phi += v.step;
        break;
    case Command::DecaleGauche:
        v.cy += v.ty;
        break;
    case Command::DecaleDroite:
        v.cy -= v.ty;
        break;
    case Command::DecaleHaut:
        v.cx += v.tx;
        break;
    case Command::DecaleBas:
        v.cx -= v.tx;
        break;
    }
}

void GraphView::turn(Real thetaSteps, Real phiSteps) {
    view_.theta += thetaSteps * view_.step;
    view_.phi += phiSteps * view_.step;
}

} // namespace tracelle::graph
