#include "platform/FreedMemory.h"

#include <cstdlib> // tells __GLIBC__
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tracelle::platform {

void returnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace tracelle::platform
