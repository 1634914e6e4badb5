#include "georef/CalagePoints.h"

#include "model/NumberText.h"
#include "platform/Language.h"

#include <cmath>

namespace tracelle::georef {

using model::Real;

namespace {

Real area(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3) {
    return (x2 - x1) * (y3 - y1) - (x3 - x1) * (y2 - y1);
}

Real groundArea(const std::array<Real, 3>& X, const std::array<Real, 3>& Y) {
    return area(X[0], Y[0], X[1], Y[1], X[2], Y[2]);
}

} // namespace

std::string flatMessage(const std::string& source) {
    return platform::fill(platform::translate("CalagePoints",
                                              "<%1> : les trois points de calage sont alignés (sur "
                                              "l'image ou sur le terrain) : aucun point ne "
                                              "pourrait être calé"),
                          {source});
}

std::optional<std::int32_t> entier(const std::string& field, std::string& error) {
    const model::EntierLu read = model::lit_entier(field);
    if (read.errorPosition == 0) return read.value;
    error = platform::fill(
        platform::translate("CalagePoints", "<%1> n'est pas une valeur entière err=%2"),
        {model::excerptForMessage(field), std::to_string(read.errorPosition)});
    return std::nullopt;
}

void setPoints(Calage& calage, const std::array<GroundPoint, 3>& points) {
    std::array<Real, 3> X{}, Y{}, heldX{}, heldY{};
    for (std::size_t k = 0; k < 3; ++k) {
        const GroundPoint& p = points[k];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            calage.error = platform::fill(platform::translate("CalagePoints",
                                                              "<%1> : des coordonnées de calage ne "
                                                              "sont pas des nombres finis : aucun "
                                                              "point ne pourrait être calé"),
                                          {calage.source});
            return;
        }
        calage.points[k] = {model::texte_general(p.X), model::texte_general(p.Y), p.x, p.y};
        X[k] = p.X;
        Y[k] = p.Y;
        heldX[k] = model::val_reel(calage.points[k].X);
        heldY[k] = model::val_reel(calage.points[k].Y);
    }
    const Real exact = groundArea(X, Y), held = groundArea(heldX, heldY);
    const auto& p = points;
    if (held == 0 || area(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y) == 0) {
        calage.error = flatMessage(calage.source);
    } else if (std::fabs(held - exact) > 1e-6L * std::fabs(exact)) {
        // Fifteen digits no longer tell the points apart well enough to place a click.
        calage.error = platform::fill(platform::translate("CalagePoints",
                                                          "<%1> : les coordonnées sont trop "
                                                          "grandes devant la taille des pixels : "
                                                          "les points de calage ne seraient pas "
                                                          "tenus assez précisément"),
                                      {calage.source});
    }
}

} // namespace tracelle::georef
