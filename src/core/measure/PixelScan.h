// Searching runs of layer pixels at the speed of memory: most pixels a fill or a pass visits
// are of no interest, and they are tested sixteen at a time. A test is a generic callable
// that takes a pixel, or eight of them as a vector (GCC's and Clang's vector types), and
// returns a truth value or a vector of them.
#pragma once

#include "picture/Raster.h"

#include <cstdint>
#include <cstring>

namespace tracelle::measure {

using Lanes = picture::Pixel __attribute__((vector_size(16)));

// Whether `test` holds for any of p[0] .. p[15].
template <class Test> bool anyOf16(const picture::Pixel* p, Test test) {
    Lanes a, b;
    std::memcpy(&a, p, sizeof a);
    std::memcpy(&b, p + 8, sizeof b);
    const auto hits = test(a) | test(b);
    std::uint64_t words[2];
    std::memcpy(words, &hits, sizeof words);
    return (words[0] | words[1]) != 0;
}

// The first of p[0] .. p[n − 1] for which `test` holds, or n.
template <class Test> int firstWhere(const picture::Pixel* p, int n, Test test) {
    int i = 0;
    while (i + 16 <= n && !anyOf16(p + i, test))
        i += 16;
    for (; i < n; ++i)
        if (test(p[i])) return i;
    return n;
}

// The last of p[0] .. p[n − 1] for which `test` holds, or −1.
template <class Test> int lastWhere(const picture::Pixel* p, int n, Test test) {
    int i = n;
    while (i >= 16 && !anyOf16(p + i - 16, test))
        i -= 16;
    while (--i >= 0)
        if (test(p[i])) return i;
    return -1;
}

} // namespace tracelle::measure
