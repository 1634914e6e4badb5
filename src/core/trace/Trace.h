// Following the lines of a scanned map or graph by their colour: a line traced from one click,
// a click snapped onto the centre of a line, the curve of a graph taken one X step at a time,
// and the main colours of a picture for the swatches. Everything reads the layer through its
// tiles, so that a 100-megapixel scan costs only the pixels near the line.
#pragma once

#include "measure/RasterSurface.h"
#include "picture/Layer.h"
#include "picture/Raster.h"

#include <optional>
#include <string>
#include <vector>

namespace tracelle::picture {
class Overview;
}
namespace tracelle::model {
class Project;
}

namespace tracelle::trace {

using measure::Rgb;

struct PointF {
    double x = 0;
    double y = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Distance of a pixel's colour from the line's colour (CIE 1976 ΔE) that still counts as the
// line: wide enough for anti-aliased edges and JPEG blocks, far below the contrast of lines of
// other colours.
inline constexpr double kDefaultTolerance = 30;
inline constexpr int kDefaultGap = 6;         // pixels without the line that are jumped over
inline constexpr double kDefaultSpacing = 10; // pixels between points
inline constexpr double kDefaultSimplify = 1; // pixels off the centreline, Douglas–Peucker
inline constexpr int kSnapRadius = 5;         // pixels from the line within which a click snaps
inline constexpr int kDefaultXStep = 5;       // pixels between the points of a graph curve

// The share of the line each pixel colour holds: a pixel is the line's colour blended with
// the background's (as anti-aliasing and scanning blend them) within the tolerance, its weight
// the share of the line's colour in the blend; 0 for any other colour.
class LineColour {
public:
    // Whether the line darkened by a label's ink over it still counts as the line: it lets a
    // trace walk through the letters, but would hand the thinning blobs of ink to cut lines at.
    enum class UnderInk { Counted, Left };
    // Whether a thin line whose hue JPEG has faded still counts: its colour is stored once for
    // a block of 2 × 2 pixels, shared with the paper, while its lightness stays the line's.
    enum class FadedHue { Counted, Left };

    LineColour() = default;
    LineColour(Rgb line, Rgb background, double tolerance = kDefaultTolerance,
               UnderInk underInk = UnderInk::Counted, FadedHue fadedHue = FadedHue::Left);

    // False when the line's colour cannot be told from the background.
    bool valid() const { return valid_; }
    Rgb line() const { return line_; }
    Rgb background() const { return background_; }
    // From 0 (not the line) to 1 (the line's own colour).
    float weight(picture::Pixel p) const { return weights_[p & 0x7FFF]; }

private:
    Rgb line_;
    Rgb background_;
    bool valid_ = false;
    std::vector<float> weights_ = std::vector<float>(32768, 0.0f);
};

// CIE 1976 ΔE between two colours.
double deltaE(Rgb a, Rgb b);
// The most frequent colour of [x0, x1) × [y0, y1) (clipped to the layer; sampled on a coarse
// grid when large).
Rgb backgroundOf(const picture::Layer& layer, int x0, int y0, int x1, int y1);
// The most frequent colour within 15 pixels of `at`: the paper around a click.
Rgb backgroundAround(const picture::Layer& layer, PixelPoint at);
// The line's colour under a click: the pixel within `reach` that differs most from the
// background around it; nothing when every one is within `tolerance` of that background.
std::optional<Rgb> lineColourAt(const picture::Layer& layer, PixelPoint at,
                                double tolerance = kDefaultTolerance, int reach = 2);

struct FollowSettings {
    std::optional<Rgb> colour; // the colour under the click when absent
    double tolerance = kDefaultTolerance;
    int gap = kDefaultGap;
};

enum class TraceResult {
    Followed,
    Background, // no line of a colour other than its surroundings under the click
    NoColour,   // the colour asked for is not under the click, or not in the box
};

// The sentence that tells a user why nothing was traced.
std::string message(TraceResult result);

struct Trace {
    TraceResult result = TraceResult::Background;
    Rgb colour;                     // the colour followed
    std::vector<PointF> centreline; // from one end to the other, about a point per pixel
};

// Follows the line under `from` in both directions to its ends, the picture's edge or a gap
// longer than `gap`, going straight on across lines of its own colour.
Trace followLine(const picture::Layer& layer, PixelPoint from, const FollowSettings& settings = {});

// The centreline as whole pixels: a point every `spacing` pixels along it, both ends kept.
std::vector<PixelPoint> resample(const std::vector<PointF>& line, double spacing = kDefaultSpacing);
// The fewest points within `tolerance` pixels of the centreline (Douglas–Peucker).
std::vector<PixelPoint> simplify(const std::vector<PointF>& line,
                                 double tolerance = kDefaultSimplify);

// A click moved to the centre of the line it lies within `radius` pixels of, measured across
// the line; nothing when no pixel of the line's colour is that near.
std::optional<PixelPoint> snapToLine(const picture::Layer& layer, PixelPoint click,
                                     const LineColour& colour, int radius = kSnapRadius);
// The same for the line near the click, whatever its colour: the pixel within `radius` that
// differs most from the background around it gives the colour.
std::optional<PixelPoint> snapToLine(const picture::Layer& layer, PixelPoint click,
                                     int radius = kSnapRadius);

struct Box {
    int x0 = 0; // pixels, both corners included, in any order
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};
// The curve of `colour` in the box, one point per band of `step` columns at the centre of its
// pixels of that colour; bands without it are skipped, and where it forms separate runs the
// run nearest the previous point is taken. Empty when the colour is not in the box.
std::vector<PixelPoint> curveByXStep(const picture::Layer& layer, Box box, const LineColour& colour,
                                     int step = kDefaultXStep);

// "Courbe par pas de X" as the window takes it.
struct BoxCurve {
    TraceResult result = TraceResult::Background; // NoColour: the colour asked is not in the box
    Rgb colour;                                   // the curve's colour, as found in the box
    std::vector<PixelPoint> points;
};
// The curve of `colour` in the box by X step. The colour is a swatch, paler than a thin line
// where the overview averaged it: the line in the box of which it is a shade is taken. Without
// a colour, the line that covers most of the box: the press of a box lands on the paper or on
// an axis, seldom on the curve.
BoxCurve curveInBox(const picture::Layer& layer, Box box, std::optional<Rgb> colour,
                    double tolerance = kDefaultTolerance, int step = kDefaultXStep);
// The sentence that tells a user why no curve was taken in the box.
std::string boxMessage(TraceResult result);

struct Palette {
    Rgb background;
    std::vector<Rgb> colours; // at most 8, most frequent first
};
// The colours of the 8 most frequent lines: the colours that are not the background, a line's
// shades (its anti-aliased edges, its blends with the paper) counted with it, each line shown
// by its own colour rather than the palest of its edges.
Palette dominantColours(const picture::Raster& picture);
// The same on the overview's finest level, within the picture's box in the canvas (the margins
// around it are the program's); empty until the overview is ready.
Palette dominantColours(const picture::Overview& overview, Box picture);
// The same over every pixel of the box: the colours of a graph's curves.
Palette dominantColours(const picture::Layer& layer, Box box);
// The palette's colour of which `shade` is a shade, if any: a swatch found on the overview,
// where thin lines blend with the paper, finds the line's own colour in a palette of the layer.
std::optional<Rgb> lineOfShade(const Palette& palette, Rgb shade);
// The colour of the line near `at` of which `swatch` is a shade, the swatch itself when no line
// there has it: what a click with a swatch chosen follows.
Rgb lineColourNear(const picture::Layer& layer, PixelPoint at, Rgb swatch);

// How a new line gets its colour: asked, as for a line begun by hand, or that of the line before.
enum class NewLineColour { Asked, OfTheLineBefore };

// The points appended to the project as clicks would: on a new line, or on the current line
// when it has no point yet; one undo step named "le tracé".
void appendTrace(model::Project& project, const std::vector<PixelPoint>& points,
                 NewLineColour colour = NewLineColour::Asked);

} // namespace tracelle::trace
