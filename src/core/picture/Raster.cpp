#include "picture/Raster.h"

#include "platform/Language.h"
#include "platform/SystemInfo.h"

#include <algorithm>
#include <new>

namespace tracelle::picture {

std::string checkFitsInMemory(std::uint64_t width, std::uint64_t height, std::uint64_t decoderBytes,
                              int pixelBytes) {
    if (width == 0 || height == 0)
        return platform::translate("Raster", "image vide (largeur ou hauteur nulle)");
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF || width * height > (std::uint64_t{1} << 40))
        return platform::fill(platform::translate("Raster", "image trop grande (%1 x %2 pixels)"),
                              {std::to_string(width), std::to_string(height)});
    // Beside the picture, its layer holds only the tiles drawn on and an overview of about a
    // twelfth of the 15-bit picture: a quarter more leaves room for both.
    const std::uint64_t pictureBytes = width * height * static_cast<std::uint64_t>(pixelBytes);
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

namespace {

// Pixels of a w × h picture, or 0 with `error` set when it cannot be held.
std::size_t allowed(int width, int height, int pixelBytes, std::string* error) {
    const std::string refused =
        checkFitsInMemory(static_cast<std::uint64_t>(std::max(width, 0)),
                          static_cast<std::uint64_t>(std::max(height, 0)), 0, pixelBytes);
    if (refused.empty()) return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (error) *error = refused;
    return 0;
}

// `count` uninitialised values into `memory`; false, with `error` set, when they are not there.
template <class T> bool take(std::unique_ptr<T[]>& memory, std::size_t count, std::string* error) {
    if (count == 0) return false;
    memory.reset(new (std::nothrow) T[count]);
    if (!memory && error) *error = platform::translate("Raster", "mémoire insuffisante");
    return memory != nullptr;
}

} // namespace

Raster Raster::create(int width, int height, std::string* error) {
    Raster r;
    if (take(r.pixels_, allowed(width, height, sizeof(Pixel), error), error)) {
        r.width_ = width;
        r.height_ = height;
    }
    return r;
}

Raster Raster::createIndexed(int width, int height, std::string* error) {
    Raster r;
    if (take(r.indices_, allowed(width, height, 1, error), error)) {
        r.width_ = width;
        r.height_ = height;
    }
    return r;
}

const Pixel* Raster::rowInto(int y, Pixel* buffer) const {
    if (!indices_) return row(y);
    expand(indexRow(y), width_, palette_, buffer);
    return buffer;
}

void Raster::fill(Pixel value) {
    if (pixels_) std::fill(data(), data() + stride() * static_cast<std::size_t>(height_), value);
}

Raster Raster::copy(std::string* error) const {
    if (empty()) return {};
    Raster r = indexed() ? createIndexed(width_, height_, error) : create(width_, height_, error);
    if (r.empty()) return r;
    const std::size_t count = stride() * static_cast<std::size_t>(height_);
    if (indexed()) {
        std::copy(indices_.get(), indices_.get() + count, r.indices_.get());
        r.palette_ = palette_;
    } else {
        std::copy(data(), data() + count, r.data());
    }
    return r;
}

} // namespace tracelle::picture
