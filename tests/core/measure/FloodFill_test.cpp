// Fills of regions that reach the layer's edges only through narrow passages, every pixel
// checked against a plain breadth-first walk of the same picture.
#include "measure/RasterSurface.h"

#include <functional>
#include <gtest/gtest.h>
#include <queue>

using namespace tracelle;
using namespace tracelle::measure;
using picture::Layer;
using picture::Pixel;

namespace {

constexpr int kSize = 300; // more than one tile each way
constexpr Rgb kFill{0, 128, 0};
constexpr Rgb kBorder{0, 255, 0};
const Pixel kRegion = picture::rgb555(255, 255, 255);
const Pixel kIsland = picture::rgb555(200, 40, 40); // inside the region, of another colour

struct Box {
    int x0, y0, x1, y1; // [x0, x1) × [y0, y1)
};

// A region drawn as it touches the left edge, and the pixel clicked, far from that edge.
struct Shape {
    const char* name;
    std::vector<Box> region;
    std::vector<Box> islands;
    int seedX, seedY;
};

const Shape kShapes[] = {
    {"L: a bar along the edge and a foot",
     {{0, 10, 3, 290}, {0, 287, 250, 290}},
     {{100, 288, 102, 289}},
     249,
     288},
    {"staircase down to the edge, its last step entered one pixel from it",
     {{200, 20, 260, 40},
      {150, 40, 210, 60},
      {100, 60, 160, 80},
      {50, 80, 110, 100},
      {1, 100, 60, 120},
      {0, 120, 5, 140}},
     {{120, 65, 125, 70}},
     255,
     25},
    {"one-pixel staircase",
     {{280, 5, 299, 6},
      {240, 6, 281, 7},
      {200, 7, 241, 8},
      {160, 8, 201, 9},
      {100, 9, 161, 10},
      {1, 10, 101, 11},
      {0, 11, 2, 12}},
     {},
     298,
     5},
};

// The eight ways to turn or mirror the square, so that each shape meets every edge.
struct Turn {
    int way;
    std::pair<int, int> operator()(int x, int y) const {
        if (way & 4) std::swap(x, y);
        if (way & 1) x = kSize - 1 - x;
        if (way & 2) y = kSize - 1 - y;
        return {x, y};
    }
};

std::shared_ptr<picture::Raster> draw(const Shape& shape, Turn turn) {
    auto picture = std::make_shared<picture::Raster>(picture::Raster::create(kSize, kSize));
    picture->fill(toPixel(kBorder));
    const auto paint = [&](const std::vector<Box>& boxes, Pixel colour) {
        for (const Box& b : boxes)
            for (int y = b.y0; y < b.y1; ++y)
                for (int x = b.x0; x < b.x1; ++x) {
                    const auto [tx, ty] = turn(x, y);
                    picture->row(ty)[tx] = colour;
                }
    };
    paint(shape.region, kRegion);
    paint(shape.islands, kIsland);
    return picture;
}

// The picture after the fill, walked pixel by pixel through the four neighbours.
std::vector<Pixel> expectedFill(const picture::Raster& picture, int x, int y,
                                const std::function<bool(Pixel)>& inside, Pixel paint,
                                std::int64_t& painted) {
    std::vector<Pixel> out;
    for (int row = 0; row < kSize; ++row)
        out.insert(out.end(), picture.row(row), picture.row(row) + kSize);
    std::vector<bool> seen(out.size());
    std::queue<std::pair<int, int>> next;
    next.push({x, y});
    painted = 0;
    while (!next.empty()) {
        const auto [px, py] = next.front();
        next.pop();
        if (px < 0 || py < 0 || px >= kSize || py >= kSize) continue;
        const std::size_t at = static_cast<std::size_t>(py) * kSize + static_cast<std::size_t>(px);
        if (seen[at] || !inside(out[at])) continue;
        seen[at] = true;
        out[at] = paint;
        ++painted;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            next.push({px + dx, py + dy});
    }
    return out;
}

TEST(FillToTheEdges, EveryShapeTurnedEveryWayInBothModes) {
    const Pixel border = toPixel(kBorder);
    const struct {
        FillMode mode;
        const char* name;
        std::function<bool(Pixel)> inside;
    } modes[] = {
        {FillMode::Surface, "surface", [](Pixel p) { return p == kRegion; }},
        {FillMode::Bordered, "bordered", [border](Pixel p) { return p != border; }},
    };
    for (const Shape& shape : kShapes) {
        for (int way = 0; way < 8; ++way) {
            for (const auto& mode : modes) {
                SCOPED_TRACE(::testing::Message()
                             << shape.name << ", turned " << way << ", " << mode.name);
                const Turn turn{way};
                const auto picture = draw(shape, turn);
                const auto [x, y] = turn(shape.seedX, shape.seedY);
                std::int64_t painted = 0;
                const auto expected =
                    expectedFill(*picture, x, y, mode.inside, toPixel(kFill), painted);
                Layer layer = Layer::over(picture, kSize, kSize, 0, 0, border);
                EXPECT_EQ(fillClick(layer, x, y, mode.mode, kBorder, kFill), painted);
                int wrong = 0;
                for (int py = 0; py < kSize; ++py)
                    for (int px = 0; px < kSize; ++px)
                        if (layer.pixel(px, py) != expected[static_cast<std::size_t>(py) * kSize +
                                                            static_cast<std::size_t>(px)] &&
                            ++wrong <= 3)
                            ADD_FAILURE() << "pixel (" << px << ", " << py << ")";
                EXPECT_EQ(wrong, 0) << "pixels wrong";
            }
        }
    }
}

} // namespace
