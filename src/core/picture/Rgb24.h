// A picture of 8 bits a channel as another program hands it over (the clipboard's): kept at
// its own depth until it is written, so that the file loses none of its colours.
#pragma once

#include "platform/Language.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tracelle::picture {

struct Rgb24 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // rows of width × 3 bytes: red, green, blue
};

// Rows of 8 bits a channel handed over one at a time, so that a writer never holds the
// picture a second time: row y (0 at the top) as red, green, blue bytes, either `scratch`
// (width × 3 bytes) filled or memory of the caller's own holding the same bytes.
struct Rgb24Rows {
    int width = 0;
    int height = 0;
    std::function<const std::uint8_t*(int y, std::uint8_t* scratch)> row;
};

// The rows of a whole picture; nothing when its bytes fall short of its size.
inline std::optional<Rgb24Rows> rowsOf(const Rgb24& p) {
    const std::size_t rowBytes = static_cast<std::size_t>(p.width > 0 ? p.width : 0) * 3;
    if (p.rgb.size() < rowBytes * static_cast<std::size_t>(p.height > 0 ? p.height : 0))
        return std::nullopt;
    return Rgb24Rows{p.width, p.height, [&p, rowBytes](int y, std::uint8_t*) {
                         return p.rgb.data() + rowBytes * static_cast<std::size_t>(y);
                     }};
}

// translate("Rgb24", …) where shown.
inline constexpr const char* kIncompletePicture =
    QT_TRANSLATE_NOOP("Rgb24", "image incomplète : rien à enregistrer");

} // namespace tracelle::picture
