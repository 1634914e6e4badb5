#include "picture/ConversionSize.h"

#include "model/NumberText.h"
#include "model/Real.h"

#include <limits>

namespace tracelle::picture {

TargetWidth calc_res(std::string_view widthCm, std::string_view dpi) {
    TargetWidth t;
    if (widthCm.empty() || dpi.empty()) return t;
    const model::EntierLu width = model::lit_entier(widthCm);
    if (width.errorPosition != 0) {
        t.error = model::notAnIntegerText(widthCm);
        return t;
    }
    const model::EntierLu resolution = model::lit_entier(dpi);
    if (resolution.errorPosition != 0) {
        t.error = model::notAnIntegerText(dpi);
        return t;
    }
    t.computed = true;
    t.pixels = model::entierProche(model::Real(width.value) / 2.54L * resolution.value);
    return t;
}

int conversionZoom(long long targetWidth, int pictureWidth) {
    if (pictureWidth <= 0) return 0;
    const long long zoom = model::entierProche(model::Real(targetWidth) / pictureWidth * 100);
    if (zoom > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return zoom < 0 ? 0 : static_cast<int>(zoom);
}

int zoomedSize(int size, int zoom) {
    const long long zoomed = static_cast<long long>(size) * zoom / 100;
    return zoomed > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                    : static_cast<int>(zoomed);
}

} // namespace tracelle::picture
