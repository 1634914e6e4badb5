// "Courbe par pas de X": the curve's colour found in the box, then its points.
#include "platform/Language.h"
#include "trace/Trace.h"

namespace tracelle::trace {

BoxCurve curveInBox(const picture::Layer& layer, Box box, std::optional<Rgb> colour,
                    double tolerance, int step) {
    BoxCurve curve;
    const TraceResult nothing = colour ? TraceResult::NoColour : TraceResult::Background;
    const Palette lines = dominantColours(layer, box);
    std::optional<Rgb> line;
    if (colour)
        // A colour too rare in the box to count as one of its lines is still looked for.
        line = lineOfShade(lines, *colour).value_or(*colour);
    else if (!lines.colours.empty())
        line = lines.colours.front();
    curve.result = nothing;
    if (!line) return curve;
    curve.colour = *line;
    curve.points = curveByXStep(layer, box, LineColour(*line, lines.background, tolerance), step);
    if (!curve.points.empty()) curve.result = TraceResult::Followed;
    return curve;
}

std::string boxMessage(TraceResult result) {
    switch (result) {
    case TraceResult::Followed:
        return {};
    case TraceResult::Background:
        return platform::translate("CurveInBox",
                                   "Pas de courbe dans le cadre : tirer le cadre sur une "
                                   "courbe d'une autre couleur que le fond");
    case TraceResult::NoColour:
        return platform::translate("CurveInBox", "La couleur choisie n'est pas dans le cadre");
    }
    return {};
}

} // namespace tracelle::trace
