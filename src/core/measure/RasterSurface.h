// Areas marked on the picture by colour: flood fills, brush and eraser on the layer, the
// black-and-white threshold, and the raster area (fill pixels counted, their outline drawn
// and measured). Everything acts on the layer; the picture is never changed.
#pragma once

#include "picture/Layer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::measure {

// A colour of the swatches, 8 bits a channel.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// As the layer stores it (15 bits), then read back: what the swatches show once a painting
// action has used them.
Rgb normalise(Rgb colour);
picture::Pixel toPixel(Rgb colour);

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kContour{0, 255, 255};

enum class FillMode {
    Surface,  // the 4-connected region of the clicked pixel's exact colour
    Bordered, // every pixel reachable through 4-neighbours without crossing the border colour
};

// The fill click at layer pixel (x, y): the region painted in the fill colour, or in white
// when the clicked pixel has the fill colour already (a second click takes the paint off).
// Nothing when (x, y) is outside the layer, or has the border colour in bordered mode. Never
// recursive; the memory follows the region's number of spans. The number of pixels painted.
std::int64_t fillClick(picture::Layer& layer, int x, int y, FillMode mode, Rgb border, Rgb fill);

// A brush click turns pixel (x − 1, y − 1) to the border colour, or to white when it has the
// border colour; a brush drag turns it to the border colour. Clipped at the layer's edges.
void brushClick(picture::Layer& layer, int x, int y, Rgb border);
void brushDrag(picture::Layer& layer, int x, int y, Rgb border);
// An eraser click paints x − 2 .. x + 1, y − 2 .. y + 1 in the fill colour; a drag
// x − 4 .. x + 3, y − 4 .. y + 3. Clipped at the layer's edges.
void eraserClick(picture::Layer& layer, int x, int y, Rgb fill);
void eraserDrag(picture::Layer& layer, int x, int y, Rgb fill);

// The threshold box's text ("10", "10,0", "10.0") times 1 000 000, rounded half to even;
// nothing when it is not a number.
std::optional<std::int64_t> seuil(std::string_view text);

// The part of the layer the passes scan, inclusive: within the margins a picture centred
// in its canvas leaves (ox .. W − 1 − ox, oy .. H − 1 − oy).
struct Bounds {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
Bounds bounds(const picture::Layer& layer, int ox, int oy);

// Told the progress bar's position (0 to the last row of the bounds), at least every ten
// rows, so that the window can move its bar and repaint the view as the passes go.
using Progress = std::function<void(int position)>;

struct RasterCounts {
    std::int64_t count = 0;     // pixels of the fill colour
    std::int64_t s = 0;         // straight steps of the contour
    std::int64_t d = 0;         // diagonal steps
    std::optional<Bounds> zone; // the extent of the fill pixels, none without any
};
// Pass 1 (fill pixels counted, the contour painted in cyan as the rows are scanned) and
// pass 3 (contour steps).
RasterCounts rasterArea(picture::Layer& layer, const Bounds& bounds, Rgb fill,
                        const Progress& progress = {});
// Pass 1 (each pixel white when its grey level × 65793 exceeds t, black otherwise) and pass 2
// (isolated pixels of the border colour made white).
void threshold(picture::Layer& layer, const Bounds& bounds, std::int64_t t, Rgb border,
               const Progress& progress = {});

// The real area of one pixel from the calibration triangle of points 1 to 3; 1 when its
// image points are collinear (the area is then in pixels).
long double echelleRaster(const model::Project& project);
// " Surface raster = \t…" and " L raster = \t…".
std::vector<std::string> rapportRaster(const RasterCounts& counts, long double k);

} // namespace tracelle::measure
