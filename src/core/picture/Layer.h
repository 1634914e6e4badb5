// The picture as the user sees it and saves it: the decoded picture placed in its canvas, with
// margins of one colour around it, and what is drawn over it (calibration crosses, points,
// lines, measurement fans, colour zones). The canvas is cut into tiles that read the picture
// until something is drawn into them, and only then become copies of their own: the layer of a
// large scan costs no second copy of it, and the bare picture comes back by dropping the copies.
#pragma once

#include "picture/Raster.h"
#include "picture/RowArrival.h"
#include "picture/RowSource.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tracelle::picture {

struct TileRect {
    int x = 0; // canvas pixels, the part of the tile inside the canvas
    int y = 0;
    int width = 0;
    int height = 0;
};

class Layer {
public:
    static constexpr int kTileShift = 8;
    static constexpr int kTile = 1 << kTileShift;

    Layer() = default;

    // The picture at (ox, oy) in a canvas of w × h (the picture may reach outside it), with
    // `margin` around it. With `arrival`, the picture is still being decoded: a tile drawn into
    // waits for its rows, and only the rows arrived are shown.
    static Layer over(std::shared_ptr<const Raster> picture, int w, int h, int ox, int oy,
                      Pixel margin, std::shared_ptr<const RowArrival> arrival = nullptr);
    // A sheet of one colour, for a digitizing table.
    static Layer blank(int w, int h, Pixel colour);

    bool empty() const { return width_ <= 0 || height_ <= 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The decoded picture, never drawn into; null on a blank sheet.
    const std::shared_ptr<const Raster>& picture() const { return picture_; }
    int pictureX() const { return ox_; }
    int pictureY() const { return oy_; }
    Pixel margin() const { return margin_; }
    const std::shared_ptr<const RowArrival>& arrival() const { return arrival_; }
    // Canvas rows from the top that can be read, as of the last takeArrived(): all of them
    // once the picture has arrived and been taken in.
    int rowsArrived() const;
    // Takes in the rows arrived since the last call; returns rowsArrived().
    int takeArrived();
    // Blocks until the first `rows` canvas rows can be read.
    void waitForRows(int rows) const;

    Pixel pixel(int x, int y) const {
        const Tile& t = tiles_[tileIndex(x, y)];
        const int dx = x - t.x, dy = y - t.y;
        if (dx >= t.cols || dy >= t.rows) return margin_;
        const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(dy) * t.stride + dx;
        return t.indices ? (*palette_)[t.indices[i]] : t.base[i];
    }
    // Outside the canvas: nothing.
    void setPixel(int x, int y, Pixel value);
    // The bare picture again: everything drawn is dropped.
    void clear();

    // A writable tile of the layer: `data` is its pixel (x, y), rows `stride` pixels apart,
    // for kTile × kTile pixels of which `inside` lies within the canvas (the rest is never
    // shown: drawing may spill there).
    struct Piece {
        Pixel* data;
        int stride;
        int x;
        int y;
        TileRect inside;
    };
    // Calls `each` with the pieces covering [x0, x1) × [y0, y1) within the canvas, made
    // writable first.
    void writable(int x0, int y0, int x1, int y1, const std::function<void(const Piece&)>& each);

    // The pixels of row y from x0 to x1 (exclusive, within the canvas) as runs of memory:
    // each(x, pixels, count).
    template <class F> void runs(int y, int x0, int x1, F&& each) const {
        while (x0 < x1) {
            const Tile& t = tiles_[tileIndex(x0, y)];
            const int edge = marginFrom(t, y);
            if (x0 < edge) {
                const int end = std::min(x1, edge);
                const std::ptrdiff_t i =
                    static_cast<std::ptrdiff_t>(y - t.y) * t.stride + (x0 - t.x);
                if (t.indices) {
                    Pixel expanded[kTile];
                    expand(t.indices + i, end - x0, *palette_, expanded);
                    each(x0, static_cast<const Pixel*>(expanded), end - x0);
                } else {
                    each(x0, t.base + i, end - x0);
                }
                x0 = end;
            } else {
                const int end = std::min(x1, t.x + kTile);
                each(x0, marginRow_.data() + (x0 - t.x), end - x0);
                x0 = end;
            }
        }
    }
    // The rows of the whole canvas, for the writers.
    RowSource rows() const;

    // Where run() puts the pixels of a picture of palette indices: each run read at the same
    // time needs its own.
    using Scratch = std::array<Pixel, kTile>;
    // Row y around x (within the canvas): the memory of pixel x, with `before` pixels of the
    // same row before it and `after` after it in that memory (x itself not counted).
    const Pixel* run(int x, int y, int& before, int& after, Scratch& scratch) const {
        const Tile& t = tiles_[tileIndex(x, y)];
        const int edge = marginFrom(t, y);
        const int end = std::min(t.x + kTile, width_);
        if (x < edge) {
            const int first = std::max(t.x, 0), last = std::min(edge, end);
            before = x - first;
            after = last - x - 1;
            const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(y - t.y) * t.stride + (x - t.x);
            if (!t.indices) return t.base + i;
            expand(t.indices + i - before, last - first, *palette_, scratch.data());
            return scratch.data() + before;
        }
        before = x - std::max(edge, 0);
        after = end - x - 1;
        return marginRow_.data() + (x - t.x);
    }
    // The same, writable (the tile drawn into).
    Pixel* writableRun(int x, int y, int& before, int& after);
    // Pixels x0 to x1 − 1 of row y (within the canvas) set to `value`.
    void fillSpan(int y, int x0, int x1, Pixel value);

    // The layer as it is now, kept to be given back later (an undo): a tile is saved at its
    // first change after this call, as it was, so that the memory follows what changed
    // since (nothing for a tile still shared with the picture). Kept while the handle lives.
    class Recording;
    std::shared_ptr<Recording> record();
    // The layer back as it was when `recording` began; the recording goes on, so that giving
    // it back again gives the same state.
    void giveBack(Recording& recording);

    // The parts of the canvas whose pixels changed since the last call.
    std::vector<TileRect> takeChanged();
    // Memory of the tiles drawn into, in bytes.
    std::size_t drawnBytes() const;

private:
    // Along the picture's right and bottom edges a tile holds picture and margin both; it reads
    // the picture in its first `cols` × `rows` pixels and is margin beyond, so that no tile is
    // a copy before it is drawn into.
    struct Tile {
        const Pixel* base = nullptr;           // pixel (x, y) of the tile's origin
        const std::uint8_t* indices = nullptr; // instead, in a picture of palette indices
        std::ptrdiff_t stride = 0;             // 0 for a tile of margin alone: one row read again
        int x = 0;                             // the tile's origin in canvas pixels
        int y = 0;
        int cols = kTile;
        int rows = kTile;
        std::unique_ptr<Pixel[]> own;
        bool drawn = false;   // drawn into since the bare picture
        bool changed = false; // since the last takeChanged
    };
    // Where row y of tile t turns to margin, in canvas pixels.
    static int marginFrom(const Tile& t, int y) { return y - t.y < t.rows ? t.x + t.cols : t.x; }

    std::size_t tileIndex(int x, int y) const {
        const int tx = ((x - ox_) >> kTileShift) - firstX_;
        const int ty = ((y - oy_) >> kTileShift) - firstY_;
        return static_cast<std::size_t>(ty) * static_cast<std::size_t>(tilesX_) +
               static_cast<std::size_t>(tx);
    }
    // Tile memory given up (copies dropped, recordings ended), for the next copies: on a large
    // layer, fresh pages faulted in one by one cost more than the copies themselves. At most
    // one layer's worth is kept.
    struct Spare {
        std::vector<std::unique_ptr<Pixel[]>> tiles;
        std::size_t most = 0;
        void give(std::unique_ptr<Pixel[]> tile);
    };
    std::unique_ptr<Pixel[]> newTile();

    void layOut();
    void restore(Tile& t);
    // Whether the picture covers part of the tile's visible rectangle.
    bool showsPicture(const Tile& t) const;
    Pixel* copyOf(Tile& t);
    Pixel* drawInto(Tile& t);
    // Before tile t changes: the recordings under way keep it as it is.
    void keep(std::size_t index);
    TileRect visible(const Tile& t) const;

    std::shared_ptr<const Raster> picture_;
    std::shared_ptr<const RowArrival> arrival_;
    int arrived_ = 0; // canvas rows taken in
    int width_ = 0;
    int height_ = 0;
    int ox_ = 0;
    int oy_ = 0;
    Pixel margin_ = 0;
    const std::array<Pixel, 256>* palette_ = nullptr; // of a picture of palette indices
    int firstX_ = 0; // index of the first tile column, negative with a margin on the left
    int firstY_ = 0;
    int tilesX_ = 0;
    int tilesY_ = 0;
    std::vector<Pixel> marginRow_;
    std::vector<Tile> tiles_;
    // Which laying out of the tiles: a recording is given back only to the one it saw (the
    // address of the tiles may come back with another picture).
    std::uint64_t layout_ = 0;
    std::vector<std::weak_ptr<Recording>> recordings_;
    std::shared_ptr<Spare> spare_ = std::make_shared<Spare>();
};

class Layer::Recording {
public:
    Recording() = default;
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;
    ~Recording();
    // Memory of the tiles saved, in bytes.
    std::size_t bytes() const;

private:
    friend class Layer;
    struct Saved {
        std::size_t index;
        std::unique_ptr<Pixel[]> pixels; // null: the tile read the picture or the margin
    };
    std::vector<std::uint8_t> saved_; // a flag a tile
    std::vector<Saved> tiles_;
    std::uint64_t layout_ = 0; // the tiles recorded
    std::weak_ptr<Spare> spare_;
};

} // namespace tracelle::picture
