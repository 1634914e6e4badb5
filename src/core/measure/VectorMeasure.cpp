#include "measure/VectorMeasure.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/DecimalSeparator.h"
#include "platform/Language.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace tracelle::measure {

using platform::fill;
using platform::translate;

namespace {

struct Columns {
    int L, X, Y, x, y;
    explicit Columns(const model::Project& p)
        : L(p.indice_col("L")), X(p.indice_col("X")), Y(p.indice_col("Y")), x(p.indice_col("x")),
          y(p.indice_col("y")) {}
};

int lineOf(const model::Project& p, const Columns& c, int row) {
    return model::val_entier(p.points().cell(row, c.L));
}

void realOf(const model::Project& p, const Columns& c, int row, Real& X, Real& Y) {
    X = model::val_reel(p.points().cell(row, c.X));
    Y = model::val_reel(p.points().cell(row, c.Y));
}

DistanceCap between(Real Xa, Real Ya, Real Xb, Real Yb, const BearingCorrection& c) {
    DistanceCap r;
    r.d = std::sqrt((Xb - Xa) * (Xb - Xa) + (Yb - Ya) * (Yb - Ya));
    r.cap = r.d != 0 ? std::acos(std::clamp((Yb - Ya) / r.d, Real{-1}, Real{1})) * 180 /
                           std::numbers::pi_v<Real>
                     : 0;
    if (Xa > Xb) r.cap = -r.cap;
    r.cap += c.declinaison + c.epsilon;
    return r;
}

// The first row of line l, scanning while below N; N when none.
int firstRow(const model::Project& p, const Columns& c, int l) {
    int i = 1;
    while (i < p.N() && lineOf(p, c, i) != l)
        ++i;
    return i;
}

} // namespace

DistanceCap distance_entre_point(const model::Project& p, int a, int b,
                                 const BearingCorrection& c) {
    const Columns cols(p);
    Real Xa, Ya, Xb, Yb;
    realOf(p, cols, a, Xa, Ya);
    realOf(p, cols, b, Xb, Yb);
    return between(Xa, Ya, Xb, Yb, c);
}

DistanceCap distance_entre_point_et_XY(const model::Project& p, int a, int x, int y,
                                       const BearingCorrection& c) {
    const Columns cols(p);
    Real Xa, Ya, Xb = 0, Yb = 0;
    realOf(p, cols, a, Xa, Ya);
    p.repere_carte(x, y, Xb, Yb);
    return between(Xa, Ya, Xb, Yb, c);
}

LineLengths distance_perimetre_indice_ligne(const model::Project& p, int l) {
    LineLengths r;
    if (p.N() < 1) return r;
    const Columns c(p);
    const BearingCorrection none{0, 0};
    int i = firstRow(p, c, l);
    Real X0, Y0, Xl, Yl;
    realOf(p, c, i, X0, Y0);
    Xl = X0;
    Yl = Y0;
    r.n = 1;
    while (i < p.N()) {
        ++i;
        if (lineOf(p, c, i) != l) break;
        Real X, Y;
        realOf(p, c, i, X, Y);
        r.D += between(Xl, Yl, X, Y, none).d;
        ++r.n;
        Xl = X;
        Yl = Y;
    }
    r.P = r.D + between(Xl, Yl, X0, Y0, none).d;
    return r;
}

Real surface_indice_ligne(const model::Project& p, int l, std::vector<FanTriangle>* fan) {
    if (p.N() < 1) return 0;
    const Columns c(p);
    const int f = firstRow(p, c, l);
    Real X0, Y0;
    realOf(p, c, f, X0, Y0);
    const auto at = p.extrait_xy(f);
    Real S = 0;
    for (int k = f + 1; k < p.N() && lineOf(p, c, k) == l && lineOf(p, c, k + 1) == l; ++k) {
        Real Xk, Yk, Xn, Yn;
        realOf(p, c, k, Xk, Yk);
        realOf(p, c, k + 1, Xn, Yn);
        S += ((Xk - X0) * (Yn - Y0) - (Xn - X0) * (Yk - Y0)) / 2;
        if (fan) {
            const auto pk = p.extrait_xy(k);
            const auto pn = p.extrait_xy(k + 1);
            fan->push_back({at.x, at.y, pk.x, pk.y, pn.x, pn.y});
        }
    }
    return std::fabs(S);
}

std::string scientifiqueEtGroupe(Real v) {
    return model::texte_scientifique(v, 3) + "    \t" + model::texte_groupe(v, 9);
}

std::vector<std::string> rapportSurface(const model::Project& p, int l, Real& twoPointLength) {
    const Real A = surface_indice_ligne(p, l);
    Real R = 0;
    for (int other = 1; other <= p.currentLine(); ++other)
        R += distance_perimetre_indice_ligne(p, other).D;
    const LineLengths m = distance_perimetre_indice_ligne(p, l);
    R -= m.D;
    if (m.n == 2) {
        twoPointLength = m.D;
        return {};
    }
    const Real P = m.P;
    const Real Ic = A != 0 ? (P / 2) / std::sqrt(std::numbers::pi_v<Real> * A) : 0;
    const Real Lr = A < P * P / 16 ? P / 4 + std::sqrt(P * P / 16 - A) : 0;
    const Real Dd = A != 0 ? R / A : 0;
    std::vector<std::string> lines;
    lines.push_back(fill(translate("VectorMeasure", " Suite(%1)= \t%2\t points"),
                         {std::to_string(l), std::to_string(m.n)}));
    lines.push_back(translate("VectorMeasure", " Surface  A = \t") + scientifiqueEtGroupe(A));
    lines.push_back(translate("VectorMeasure", " Distance D = \t") + scientifiqueEtGroupe(m.D));
    lines.push_back(translate("VectorMeasure", " Périmètre P = \t") + scientifiqueEtGroupe(P));
    lines.push_back(translate("VectorMeasure", " Indice de compacité = P/(4.pi.A)^0.5 = \t") +
                    model::texte_general(Ic));
    if (Lr != 0)
        lines.push_back(
            translate("VectorMeasure", " Rectangle équivalent L=P/4+sqrt(P²/16-A)= \t") +
            model::texte_general(Lr));
    if (p.currentLine() > 1) {
        const auto& cal = p;
        const BearingCorrection none{0, 0};
        const Real d12 =
            between(cal.record(1).X, cal.record(1).Y, cal.record(2).X, cal.record(2).Y, none).d;
        const Real d23 =
            between(cal.record(2).X, cal.record(2).Y, cal.record(3).X, cal.record(3).Y, none).d;
        lines.push_back(translate(
            "VectorMeasure",
            " Longueur totale du réseau (sans le pourtour de la surface choisie définie par"));
        lines.push_back(fill(
            translate("VectorMeasure",
                      "    la suite n°%1  ( celle qui se trouve proche du clik de la souris ! )"),
            {std::to_string(l)}));
        lines.push_back(translate("VectorMeasure", "            L(réseau) = \t") +
                        model::texte_scientifique(R, 4));
        lines.push_back(
            translate("VectorMeasure", " Densité de drainage = longueur du réseau / A = \t") +
            model::texte_scientifique(Dd, 4));
        lines.push_back(fill(
            translate("VectorMeasure", "     Distances (calage 1 à 2) = %1   (calage 2 à 3) = %2"),
            {model::texte_general(d12), model::texte_general(d23)}));
    }
    return lines;
}

TextesDeuxPoints textesDeuxPoints(int l, Real length) {
    char text[64];
    std::snprintf(text, sizeof text, "%8.6f ", static_cast<double>(length));
    std::string distance = text;
    std::replace(distance.begin(), distance.end(), '.', platform::decimalSeparator());
    return {
        fill(translate("VectorMeasure", "La suite (%1) ne contient que 2 points distants de %2"),
             {std::to_string(l), model::texte_general(length)}),
        translate("VectorMeasure", "distance calculée = ") + distance};
}

std::optional<std::string> mesureSansSens(const model::Project& p) {
    if (p.axisKinds().cartesianLinear()) return std::nullopt;
    return translate("VectorMeasure",
                     "Sur des axes logarithmiques ou polaires, les valeurs réelles ne sont pas des "
                     "distances : longueurs et surfaces ne peuvent pas être mesurées");
}

} // namespace tracelle::measure
