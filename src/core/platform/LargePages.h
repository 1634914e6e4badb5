// Large blocks of fresh memory are faulted in page by page as they are first written; asking
// for 2 MB pages instead of 4 KB makes that cheaper for the tables and texts of a project
// (reading and exporting one from the command line: bench_cli), but dearer for a picture's
// raster, whose pages come back from the system slowly (bench_picture_jpeg): measure first.
#pragma once

#include <cstddef>

namespace tracelle::platform {

// Advice only: the whole 2 MB pages inside the block, when the system has them. A block that
// starts just past a 2 MB boundary, as one the allocator maps on its own, is advised from it.
void preferLargePages(void* data, std::size_t bytes);

// A size of at least `bytes` that the allocator maps on its own in whole 2 MB pages (its
// header included), so that no page of the block is a small one.
std::size_t largePagesSize(std::size_t bytes);

// Room for `count` elements in `c`, in 2 MB pages as far as the system allows.
template <class Container> void reserveInLargePages(Container& c, std::size_t count) {
    constexpr std::size_t size = sizeof(typename Container::value_type);
    if (count <= c.capacity()) return;
    c.reserve(largePagesSize(count * size) / size);
    preferLargePages(c.data(), c.capacity() * size);
}

} // namespace tracelle::platform
