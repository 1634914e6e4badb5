// Large blocks of fresh memory are faulted in page by page as they are first written; asking
// for 2 MB pages instead of 4 KB makes that several times cheaper.
#pragma once

#include <cstddef>

namespace tracelle::platform {

// Advice only: the whole 2 MB pages inside the block, when the system has them.
void preferLargePages(void* data, std::size_t bytes);

} // namespace tracelle::platform
