// The rows of a picture to write, whatever holds them: a raster, or a layer whose rows are
// put together as they are asked for.
#pragma once

#include "picture/Raster.h"

#include <functional>
#include <memory>
#include <vector>

namespace tracelle::picture {

struct RowSource {
    int width = 0;
    int height = 0;
    // Row y (0 at the top), valid until the next call.
    std::function<const Pixel*(int y)> row;

    static RowSource of(const Raster& raster) {
        auto buffer = std::make_shared<std::vector<Pixel>>(
            raster.indexed() ? static_cast<std::size_t>(raster.width()) : 0);
        return {raster.width(), raster.height(),
                [&raster, buffer](int y) { return raster.rowInto(y, buffer->data()); }};
    }
    bool empty() const { return width <= 0 || height <= 0; }
};

} // namespace tracelle::picture
