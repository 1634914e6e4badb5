// The header of an enhanced or placeable Windows metafile, read before it is drawn.
#include "picture/MetafileHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tracelle::picture::readMetafileHeader({data, size});
    return 0;
}
