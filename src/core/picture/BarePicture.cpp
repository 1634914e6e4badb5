#include "picture/BarePicture.h"

namespace tracelle::picture {

const Layer& BarePicture::of(const Layer& layer) {
    // The shared picture held here cannot be freed, so its address names it.
    const bool same = bare_.picture() == layer.picture() && bare_.width() == layer.width() &&
                      bare_.height() == layer.height() && bare_.pictureX() == layer.pictureX() &&
                      bare_.pictureY() == layer.pictureY() && bare_.margin() == layer.margin();
    if (!same)
        bare_ = Layer::over(layer.picture(), layer.width(), layer.height(), layer.pictureX(),
                            layer.pictureY(), layer.margin());
    return bare_;
}

} // namespace tracelle::picture
