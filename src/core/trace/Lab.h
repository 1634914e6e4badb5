// CIE L*a*b* colours, shared by the tracing passes.
#pragma once

#include "trace/Trace.h"

#include <cmath>
#include <vector>

namespace tracelle::trace {

struct Lab {
    float l = 0;
    float a = 0;
    float b = 0;
};

Lab labOf(Rgb colour);
// The Lab colour of every RGB555 pixel value.
const std::vector<Lab>& labTable();

inline double distance(const Lab& p, const Lab& q) {
    const double dl = p.l - q.l, da = p.a - q.a, db = p.b - q.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

} // namespace tracelle::trace
