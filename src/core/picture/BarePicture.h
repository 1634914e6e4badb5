// The picture under a layer without what the program drew over it (calibration crosses,
// points, lines): what the passes that look for the picture's own lines read, so that a mark
// never pulls a snap or a trace. Laid out again only when the layer shows another picture or
// canvas; it shares the picture's pixels as the layer does.
#pragma once

#include "picture/Layer.h"

namespace tracelle::picture {

class BarePicture {
public:
    // The bare picture of `layer`, valid until the next call.
    const Layer& of(const Layer& layer);

private:
    Layer bare_;
};

} // namespace tracelle::picture
