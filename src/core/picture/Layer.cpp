#include "picture/Layer.h"

#include <algorithm>
#include <atomic>

namespace tracelle::picture {

namespace {

// Division rounding towards minus infinity: tiles left of or above the picture have negative
// indices.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

Layer Layer::over(std::shared_ptr<const Raster> picture, int w, int h, int ox, int oy, Pixel margin,
                  std::shared_ptr<const RowArrival> arrival) {
    Layer l;
    l.picture_ = picture && !picture->empty() ? std::move(picture) : nullptr;
    l.arrival_ = l.picture_ ? std::move(arrival) : nullptr;
    if (l.arrival_) l.arrived_ = std::clamp(oy + l.arrival_->ready(), 0, h);
    l.width_ = w;
    l.height_ = h;
    l.ox_ = l.picture_ ? ox : 0;
    l.oy_ = l.picture_ ? oy : 0;
    l.margin_ = margin;
    l.palette_ = l.picture_ && l.picture_->indexed() ? &l.picture_->palette() : nullptr;
    l.layOut();
    return l;
}

Layer Layer::blank(int w, int h, Pixel colour) {
    return over(nullptr, w, h, 0, 0, colour);
}

void Layer::Spare::give(std::unique_ptr<Pixel[]> tile) {
    if (tile && tiles.size() < most) tiles.push_back(std::move(tile));
}

std::unique_ptr<Pixel[]> Layer::newTile() {
    if (spare_->tiles.empty())
        return std::make_unique_for_overwrite<Pixel[]>(static_cast<std::size_t>(kTile) * kTile);
    auto tile = std::move(spare_->tiles.back());
    spare_->tiles.pop_back();
    return tile;
}

Layer::Recording::~Recording() {
    if (const auto spare = spare_.lock())
        for (Saved& saved : tiles_)
            spare->give(std::move(saved.pixels));
}

void Layer::layOut() {
    static std::atomic<std::uint64_t> layouts{0};
    layout_ = ++layouts;
    tiles_.clear();
    if (empty()) return;
    marginRow_.assign(kTile, margin_);
    // The grid starts at the picture's corner, so that a tile is the picture's alone or the
    // margin's alone but along the picture's right and bottom edges.
    firstX_ = floorDiv(-ox_, kTile);
    firstY_ = floorDiv(-oy_, kTile);
    tilesX_ = floorDiv(width_ - 1 - ox_, kTile) - firstX_ + 1;
    tilesY_ = floorDiv(height_ - 1 - oy_, kTile) - firstY_ + 1;
    tiles_.resize(static_cast<std::size_t>(tilesX_) * static_cast<std::size_t>(tilesY_));
    spare_->most = tiles_.size();
    for (int ty = 0; ty < tilesY_; ++ty) {
        for (int tx = 0; tx < tilesX_; ++tx) {
            Tile& t = tiles_[static_cast<std::size_t>(ty) * static_cast<std::size_t>(tilesX_) +
                             static_cast<std::size_t>(tx)];
            t.x = ox_ + (firstX_ + tx) * kTile;
            t.y = oy_ + (firstY_ + ty) * kTile;
            restore(t);
        }
    }
}

TileRect Layer::visible(const Tile& t) const {
    const int x0 = std::max(t.x, 0);
    const int y0 = std::max(t.y, 0);
    return {x0, y0, std::min(t.x + kTile, width_) - x0, std::min(t.y + kTile, height_) - y0};
}

bool Layer::showsPicture(const Tile& t) const {
    const TileRect v = visible(t);
    return picture_ && std::max(v.x, ox_) < std::min(v.x + v.width, ox_ + picture_->width()) &&
           std::max(v.y, oy_) < std::min(v.y + v.height, oy_ + picture_->height());
}

void Layer::restore(Tile& t) {
    t.drawn = false;
    spare_->give(std::move(t.own));
    t.cols = kTile;
    t.rows = kTile;
    t.indices = nullptr;
    if (!showsPicture(t)) {
        t.base = marginRow_.data();
        t.stride = 0;
        return;
    }
    // The grid starts at the picture's corner: a tile's picture lies in its top left corner.
    if (picture_->indexed()) {
        t.base = nullptr;
        t.indices = picture_->indexRow(t.y - oy_) + (t.x - ox_);
    } else {
        t.base = picture_->row(t.y - oy_) + (t.x - ox_);
    }
    t.stride = static_cast<std::ptrdiff_t>(picture_->stride());
    t.cols = std::min(kTile, ox_ + picture_->width() - t.x);
    t.rows = std::min(kTile, oy_ + picture_->height() - t.y);
}

int Layer::takeArrived() {
    if (!arrival_) return height_;
    arrived_ = arrival_->ended() ? height_ : std::clamp(oy_ + arrival_->ready(), 0, height_);
    return arrived_;
}

int Layer::rowsArrived() const {
    return arrival_ ? arrived_ : height_;
}

void Layer::waitForRows(int rows) const {
    if (arrival_) arrival_->waitFor(rows - oy_);
}

Pixel* Layer::copyOf(Tile& t) {
    if (!t.own) {
        auto copy = newTile();
        const TileRect v = visible(t);
        if (t.stride != 0) waitForRows(std::min(v.y + v.height, t.y + t.rows));
        if (v.width < kTile || v.height < kTile) // the part outside the canvas, never shown
            std::fill(copy.get(), copy.get() + kTile * kTile, Pixel{0});
        for (int y = v.y; y < v.y + v.height; ++y) {
            Pixel* row = copy.get() + static_cast<std::ptrdiff_t>(y - t.y) * kTile - t.x;
            runs(y, v.x, v.x + v.width,
                 [row](int x, const Pixel* p, int n) { std::copy(p, p + n, row + x); });
        }
        t.own = std::move(copy);
        t.base = t.own.get();
        t.indices = nullptr;
        t.stride = kTile;
        t.cols = kTile;
        t.rows = kTile;
    }
    return t.own.get();
}

Pixel* Layer::drawInto(Tile& t) {
    if (!recordings_.empty()) keep(static_cast<std::size_t>(&t - tiles_.data()));
    t.drawn = true;
    t.changed = true;
    return copyOf(t);
}

void Layer::keep(std::size_t index) {
    std::erase_if(recordings_, [](const std::weak_ptr<Recording>& r) { return r.expired(); });
    const Tile& t = tiles_[index];
    for (const auto& weak : recordings_) {
        const auto recording = weak.lock();
        if (recording->saved_[index]) continue;
        recording->saved_[index] = 1;
        Recording::Saved saved{index, nullptr};
        if (t.drawn) { // otherwise the bare picture, made again when given back
            saved.pixels = newTile();
            std::copy(t.own.get(), t.own.get() + kTile * kTile, saved.pixels.get());
        }
        recording->tiles_.push_back(std::move(saved));
    }
}

std::shared_ptr<Layer::Recording> Layer::record() {
    auto recording = std::make_shared<Recording>();
    recording->saved_.assign(tiles_.size(), 0);
    recording->layout_ = layout_;
    recording->spare_ = spare_;
    recordings_.push_back(recording);
    return recording;
}

void Layer::giveBack(Recording& recording) {
    if (recording.layout_ != layout_) return; // a recording of another picture
    for (const Recording::Saved& saved : recording.tiles_) {
        Tile& t = tiles_[saved.index];
        if (!recordings_.empty()) keep(saved.index); // the other recordings keep what goes
        if (saved.pixels) {
            std::copy(saved.pixels.get(), saved.pixels.get() + kTile * kTile, copyOf(t));
            t.drawn = true;
        } else {
            restore(t);
        }
        t.changed = true;
    }
}

std::size_t Layer::Recording::bytes() const {
    std::size_t n = 0;
    for (const Saved& s : tiles_)
        if (s.pixels) n += sizeof(Pixel) * kTile * kTile;
    return n;
}

Pixel* Layer::writableRun(int x, int y, int& before, int& after) {
    Tile& t = tiles_[tileIndex(x, y)];
    Pixel* own = drawInto(t);
    before = x - std::max(t.x, 0);
    after = std::min(t.x + kTile, width_) - x - 1;
    return own + static_cast<std::ptrdiff_t>(y - t.y) * kTile + (x - t.x);
}

void Layer::fillSpan(int y, int x0, int x1, Pixel value) {
    while (x0 < x1) {
        int before = 0, after = 0;
        Pixel* p = writableRun(x0, y, before, after);
        const int n = std::min(x1 - x0, after + 1);
        std::fill(p, p + n, value);
        x0 += n;
    }
}

void Layer::setPixel(int x, int y, Pixel value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Tile& t = tiles_[tileIndex(x, y)];
    drawInto(t)[static_cast<std::ptrdiff_t>(y - t.y) * kTile + (x - t.x)] = value;
}

void Layer::clear() {
    for (Tile& t : tiles_) {
        if (!t.drawn) continue;
        if (!recordings_.empty()) keep(static_cast<std::size_t>(&t - tiles_.data()));
        restore(t);
        t.changed = true;
    }
}

void Layer::writable(int x0, int y0, int x1, int y1,
                     const std::function<void(const Piece&)>& each) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    if (x0 >= x1 || y0 >= y1) return;
    const int tx0 = ((x0 - ox_) >> kTileShift), tx1 = ((x1 - 1 - ox_) >> kTileShift);
    const int ty0 = ((y0 - oy_) >> kTileShift), ty1 = ((y1 - 1 - oy_) >> kTileShift);
    for (int ty = ty0; ty <= ty1; ++ty) {
        for (int tx = tx0; tx <= tx1; ++tx) {
            Tile& t =
                tiles_[static_cast<std::size_t>(ty - firstY_) * static_cast<std::size_t>(tilesX_) +
                       static_cast<std::size_t>(tx - firstX_)];
            each(Piece{drawInto(t), kTile, t.x, t.y, visible(t)});
        }
    }
}

RowSource Layer::rows() const {
    auto buffer = std::make_shared<std::vector<Pixel>>(static_cast<std::size_t>(width_));
    return {width_, height_, [this, buffer](int y) {
                runs(y, 0, width_, [&](int x, const Pixel* p, int n) {
                    std::copy(p, p + n, buffer->data() + x);
                });
                return static_cast<const Pixel*>(buffer->data());
            }};
}

std::vector<TileRect> Layer::takeChanged() {
    std::vector<TileRect> changed;
    for (Tile& t : tiles_) {
        if (!t.changed) continue;
        changed.push_back(visible(t));
        t.changed = false;
    }
    return changed;
}

std::size_t Layer::drawnBytes() const {
    std::size_t bytes = 0;
    for (const Tile& t : tiles_)
        if (t.own) bytes += sizeof(Pixel) * kTile * kTile;
    return bytes;
}

} // namespace tracelle::picture
