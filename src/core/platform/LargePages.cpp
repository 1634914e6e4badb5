#include "platform/LargePages.h"

#include <cstdint>
#include <sys/mman.h>

// Linux 6.1's; older systems refuse it, which leaves small pages.
#ifndef MADV_COLLAPSE
#define MADV_COLLAPSE 25
#endif

namespace tracelle::platform {

namespace {

constexpr std::uintptr_t kSmallPage = 4096;
constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
// The allocator's own bytes before a block it maps (glibc's chunk header), with room to spare.
constexpr std::uintptr_t kHeader = 64;

} // namespace

void preferLargePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t end = begin + bytes;
    // The pages holding the block's first and last bytes are the block's: a 2 MB page is
    // taken whole when the block fills it but for the allocator's header, or the rest of
    // its last small page (a block mapped on its own in whole 2 MB pages).
    const std::uintptr_t below = begin & ~(kLargePage - 1);
    const std::uintptr_t first =
        (begin & ~(kSmallPage - 1)) == below ? below : (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t endPage = (end + kSmallPage - 1) & ~(kSmallPage - 1);
    const std::uintptr_t last =
        (endPage & (kLargePage - 1)) == 0 ? endPage : end & ~(kLargePage - 1);
    if (last <= first) return;
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    // The allocator wrote its header before the advice: that first page would stay small,
    // and the 511 after it, unless the system makes it large now.
    if (first == below) madvise(reinterpret_cast<void*>(first), kLargePage, MADV_COLLAPSE);
#else
    (void)data;
    (void)bytes;
#endif
}

std::size_t largePagesSize(std::size_t bytes) {
    if (bytes < kLargePage / 2) return bytes;
    return ((bytes + kHeader + kLargePage - 1) & ~(kLargePage - 1)) - kHeader;
}

} // namespace tracelle::platform
