// Large blocks of fresh memory are faulted in page by page as they are first written; asking
// for 2 MB pages instead of 4 KB makes that cheaper for the tables and texts of a project
// (reading and exporting one from the command line: bench_cli), but dearer for a picture's
// raster, whose pages come back from the system slowly (bench_picture_jpeg): measure first.
#pragma once

#include <cstddef>

namespace tracelle::platform {

// Advice only: the whole 2 MB pages inside the block, when the system has them.
void preferLargePages(void* data, std::size_t bytes);

} // namespace tracelle::platform
