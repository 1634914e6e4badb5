#include "picture/Raster.h"

#include "platform/Language.h"
#include "platform/SystemInfo.h"

#include <algorithm>
#include <new>

namespace tracelle::picture {

std::string checkFitsInMemory(std::uint64_t width, std::uint64_t height,
                              std::uint64_t decoderBytes) {
    if (width == 0 || height == 0)
        return platform::translate("Raster", "image vide (largeur ou hauteur nulle)");
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF || width * height > (std::uint64_t{1} << 40))
        return platform::fill(platform::translate("Raster", "image trop grande (%1 x %2 pixels)"),
                              {std::to_string(width), std::to_string(height)});
    // Beside the picture, its layer holds only the tiles drawn on and an overview of about a
    // twelfth of the picture: a quarter more leaves room for both.
    const std::uint64_t pictureBytes = width * height * sizeof(Pixel);
    const std::uint64_t needKB = (pictureBytes + pictureBytes / 4 + decoderBytes) / 1024;
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // The fuzzers explore the readers, not the machine's memory.
    const std::uint64_t availableKB = 32 * 1024;
#else
    const std::uint64_t availableKB = platform::readMemoryStatus().availablePhysical;
#endif
    if (availableKB > 0 && needKB > availableKB)
        return platform::fill(platform::translate("Raster",
                                                  "mémoire insuffisante pour une image de %1 x %2 "
                                                  "pixels (%3 Mo nécessaires, %4 Mo disponibles)"),
                              {std::to_string(width), std::to_string(height),
                               std::to_string(needKB / 1024), std::to_string(availableKB / 1024)});
    return {};
}

Raster Raster::create(int width, int height, std::string* error) {
    Raster r;
    const std::string refused = checkFitsInMemory(static_cast<std::uint64_t>(std::max(width, 0)),
                                                  static_cast<std::uint64_t>(std::max(height, 0)));
    if (!refused.empty()) {
        if (error) *error = refused;
        return r;
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    r.pixels_.reset(new (std::nothrow) Pixel[count]);
    if (!r.pixels_) {
        if (error) *error = platform::translate("Raster", "mémoire insuffisante");
        return r;
    }
    r.width_ = width;
    r.height_ = height;
    return r;
}

void Raster::fill(Pixel value) {
    if (!empty()) std::fill(data(), data() + stride() * static_cast<std::size_t>(height_), value);
}

Raster Raster::copy(std::string* error) const {
    if (empty()) return {};
    Raster r = create(width_, height_, error);
    if (!r.empty())
        std::copy(data(), data() + stride() * static_cast<std::size_t>(height_), r.data());
    return r;
}

} // namespace tracelle::picture
