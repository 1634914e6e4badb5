// What every georeferencing source shares: its three points written as the calibration cells
// hold them, checked so that a calibration that could never place a click is refused.
#pragma once

#include "georef/Georef.h"
#include "model/Real.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tracelle::georef {

// Pixel (x, y) of the picture, its centre, at ground (X, Y).
struct GroundPoint {
    model::Real X = 0, Y = 0;
    std::int32_t x = 0, y = 0;
};

// The points written into `calage`; its error when a coordinate is not finite or when, as
// the cells hold them, they do not span a triangle on the picture and on the ground.
void setPoints(Calage& calage, const std::array<GroundPoint, 3>& points);

// "… alignés …": the message of points that span no triangle.
std::string flatMessage(const std::string& source);

// The integer of a field, or the reason it is not one.
std::optional<std::int32_t> entier(const std::string& field, std::string& error);

} // namespace tracelle::georef
