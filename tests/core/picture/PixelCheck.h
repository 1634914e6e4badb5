// A decoded picture against the pixels it should hold; only the first difference is told, so
// that a wrong decoder does not flood the log.
#pragma once

#include "picture/Raster.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace tracelle::testing {

// `r` of the size given, every pixel within `tolerance` RGB555 steps of `want` in each channel.
inline void expectPixels(const picture::Raster& r, int width, int height,
                         const std::function<picture::Pixel(int, int)>& want, int tolerance = 0) {
    ASSERT_EQ(std::pair(r.width(), r.height()), std::pair(width, height));
    int wrong = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) {
            const picture::Pixel got = r.pixel(x, y), w = want(x, y);
            bool near = true;
            for (int shift : {10, 5, 0})
                near = near && std::abs((got >> shift & 31) - (w >> shift & 31)) <= tolerance;
            if (!near && wrong++ == 0)
                ADD_FAILURE() << "first wrong pixel at " << x << ", " << y << ": " << std::hex
                              << got << " for " << w;
        }
    EXPECT_EQ(wrong, 0) << "wrong pixels";
}

} // namespace tracelle::testing
