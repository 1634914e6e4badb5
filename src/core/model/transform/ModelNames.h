// The words that name a model and the axes in project files and on the command line.
#pragma once

#include "model/transform/Axes.h"
#include "model/transform/Transform.h"

#include <optional>
#include <string>
#include <string_view>

namespace tracelle::model {

// "affine", "helmert", "projective", "poly2".
std::string_view methodName(TransformMethod method);
std::optional<TransformMethod> methodNamed(std::string_view name);

// "lin lin", "log lin"…, or "polaire lin degrés direct" (radius, angle unit, direction),
// then "origine N" for a centre given by control point N.
std::string axesText(const AxisKinds& axes);
std::optional<AxisKinds> axesFromText(std::string_view text);

// The sentence for a fit that failed, for the windows and the command-line tool.
std::string fitStatusMessage(FitStatus status, TransformMethod method);

} // namespace tracelle::model
