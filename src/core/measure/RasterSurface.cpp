#include "measure/RasterSurface.h"

#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tracelle::measure {

using picture::Layer;
using picture::Pixel;

Rgb normalise(Rgb colour) {
    const Pixel p = toPixel(colour);
    return {picture::red8(p), picture::green8(p), picture::blue8(p)};
}

Pixel toPixel(Rgb colour) {
    return picture::rgb555(colour.r, colour.g, colour.b);
}

namespace {

// Rows y0 .. y1 − 1 of columns x0 .. x1 − 1, clipped to the layer.
void paintSquare(Layer& layer, int x0, int y0, int x1, int y1, Pixel value) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, layer.width());
    for (int y = std::max(y0, 0); y < std::min(y1, layer.height()); ++y)
        if (x0 < x1) layer.fillSpan(y, x0, x1, value);
}

} // namespace

void brushClick(Layer& layer, int x, int y, Rgb border) {
    if (x < 1 || y < 1 || x > layer.width() || y > layer.height()) return;
    const Pixel b = toPixel(border);
    layer.setPixel(x - 1, y - 1, layer.pixel(x - 1, y - 1) == b ? toPixel(kWhite) : b);
}

void brushDrag(Layer& layer, int x, int y, Rgb border) {
    layer.setPixel(x - 1, y - 1, toPixel(border)); // nothing outside the layer
}

void eraserClick(Layer& layer, int x, int y, Rgb fill) {
    paintSquare(layer, x - 2, y - 2, x + 2, y + 2, toPixel(fill));
}

void eraserDrag(Layer& layer, int x, int y, Rgb fill) {
    paintSquare(layer, x - 4, y - 4, x + 4, y + 4, toPixel(fill));
}

std::optional<std::int64_t> seuil(std::string_view text) {
    const auto value = model::reel_de_champ(model::enleve_blancs(text));
    if (!value) return std::nullopt;
    // Beyond 64 bits every grey level lies on the same side of it: the bound keeps that.
    constexpr auto limit = static_cast<model::Real>(std::numeric_limits<std::int64_t>::max() / 2);
    const model::Real t = std::clamp(*value * 1000000, -limit, limit);
    return static_cast<std::int64_t>(std::nearbyint(t)); // the default mode: halves to even
}

Bounds bounds(const Layer& layer, int ox, int oy) {
    // A picture larger than its canvas leaves no margin: the scans stay within the layer.
    return {std::max(ox, 0), std::max(oy, 0), std::min(layer.width() - 1, layer.width() - 1 - ox),
            std::min(layer.height() - 1, layer.height() - 1 - oy)};
}

long double echelleRaster(const model::Project& project) {
    // Taken at the canvas' centre: the same everywhere for an affine or Helmert fit.
    const model::PictureState& picture = project.picture();
    return project.areaScale(picture.canvasWidth / 2, picture.canvasHeight / 2).value_or(1);
}

std::vector<std::string> rapportRaster(const RasterCounts& counts, long double k) {
    const model::Real a = static_cast<model::Real>(counts.count) * k;
    const model::Real l =
        std::sqrt(k) * (static_cast<model::Real>(counts.s) +
                        std::numbers::sqrt2_v<model::Real> * static_cast<model::Real>(counts.d));
    return {platform::translate("RasterSurface", " Surface raster = \t") + scientifiqueEtGroupe(a),
            platform::translate("RasterSurface", " L raster = \t") + scientifiqueEtGroupe(l)};
}

} // namespace tracelle::measure
