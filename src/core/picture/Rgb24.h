// A picture of 8 bits a channel as another program hands it over (the clipboard's): kept at
// its own depth until it is written, so that the file loses none of its colours.
#pragma once

#include <cstdint>
#include <vector>

namespace tracelle::picture {

struct Rgb24 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // rows of width × 3 bytes: red, green, blue
};

} // namespace tracelle::picture
