// The skeleton made a band of rows at a time, so that the lines of the bands done can be shown
// while the rest is thinned, and only a band's mask is held beside the skeleton. Each band is
// taken with the rows around it that decide its pixels, and its corners dropped after the row
// above as it came out of its own band: the pixels are those of the whole box at once.
#include "trace/Skeleton.h"

#include <algorithm>

namespace tracelle::trace::skeleton {

namespace {

// Rows on each side of a band that decide its pixels: two a round of thinning, and the holes
// filled before it (a few pixels) with room to spare.
constexpr int kContext = 2 * kThinningRounds + 16;

void copyRows(const Mask& from, int fromRow, Mask& to, int toRow, int count) {
    std::copy_n(from.row(fromRow), static_cast<std::size_t>(count) * from.rowWords(),
                to.row(toRow));
}

} // namespace

bool skeletonOf(Mask& skeleton, const picture::Layer& layer, const Box& box,
                const LineColour& colour, int bandRows, const std::function<bool(int)>& bandDone) {
    const int left = std::max(0, std::min(box.x0, box.x1));
    const int top = std::max(0, std::min(box.y0, box.y1));
    const int right = std::min(layer.width() - 1, std::max(box.x0, box.x1));
    const int bottom = std::min(layer.height() - 1, std::max(box.y0, box.y1));
    skeleton = {};
    if (right < left || bottom < top) return true;
    bandRows = std::max(1, bandRows);
    if (bottom - top < bandRows) {
        skeleton = maskOf(layer, {left, top, right, bottom}, colour);
        if (!skeleton.cells.empty()) {
            fillSpecks(skeleton);
            thin(skeleton);
            dropCorners(skeleton);
        }
        return !bandDone || bandDone(bottom + 1);
    }
    skeleton.frame(left, top, right, bottom);
    bool any = false;
    for (int first = top; first <= bottom; first += bandRows) {
        const int last = std::min(bottom, first + bandRows - 1);
        const int from = std::max(top, first - kContext);
        Mask band = maskOf(layer, {left, from, right, std::min(bottom, last + kContext)}, colour);
        if (!band.cells.empty()) {
            any = true;
            fillSpecks(band);
            thin(band);
            const int row = first - from + 1; // the band's row of `first`
            if (first > top) copyRows(skeleton, first - top, band, row - 1, 1);
            dropCorners(band, row, row + last - first + 1);
            copyRows(band, row, skeleton, first - top + 1, last - first + 1);
        }
        if (bandDone && !bandDone(last + 1)) return false;
    }
    if (!any) skeleton.cells.clear();
    return true;
}

} // namespace tracelle::trace::skeleton
