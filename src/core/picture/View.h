// Which rectangle of the layer the image area shows, and how it moves and zooms.
#pragma once

namespace tracelle::picture {

// Inclusive pixel bounds of the layer rectangle shown.
struct ViewRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    int width() const { return x2 - x1 + 1; }
    int height() const { return y2 - y1 + 1; }
    bool operator==(const ViewRect&) const = default;
};

// A new view, and whether the move was refused or stopped at an edge (the beep).
struct ViewChange {
    ViewRect view;
    bool beep = false;
};

ViewRect wholeLayer(int w, int h);

// The rectangle an image area of wa × ha shows for the view `v`: `v` widened (or heightened)
// about its centre to the area's proportions, so that screen pixels stay square whatever the
// window's shape; what lies outside the layer shows as margins.
ViewRect squarePixels(const ViewRect& v, int wa, int ha);

// The point a zoom keeps in place: the layer point (x, y), in pixels from the layer's corner
// (the centre of pixel b is at b + 0.5), under the fractions (fx, fy) of the image area's width
// and height where the mouse is. Kept from one step to the next while the mouse stays, it
// holds the point under the mouse to within a pixel however deep the zoom, where anchoring
// each step anew on the pixel under the mouse drifts by the rounding of every step.
struct ZoomAnchor {
    double x = 0, y = 0;
    double fx = 0.5, fy = 0.5;
};
// The anchor under the screen pixel (sx, sy) of an image area of wa × ha showing `view`, kept
// within the layer of w × h pixels.
ZoomAnchor anchorUnder(int sx, int sy, const ViewRect& view, int wa, int ha, int w, int h);

// Zoom by 105/100 about the anchor, in an image area of wa × ha. In: refused below 5 pixels;
// out: refused beyond 20000 × 10000 pixels.
ViewChange zoomIn(const ViewRect& v, const ZoomAnchor& a, int wa, int ha);
ViewChange zoomOut(const ViewRect& v, const ZoomAnchor& a, int wa, int ha);

enum class Move { Left, Right, Up, Down, Home, End };
// Moves by a twentieth of the view's width, stopping at the layer's edges.
ViewChange pan(const ViewRect& v, int layerWidth, int layerHeight, Move move);

// The layer pixel under (sx, sy) of an image area of wa × ha showing `shown`: the one the view
// shows at that screen pixel, whichever part of a magnified pixel it is.
void repere_image_bitmap(int sx, int sy, const ViewRect& shown, int wa, int ha, int& bx, int& by);

} // namespace tracelle::picture
