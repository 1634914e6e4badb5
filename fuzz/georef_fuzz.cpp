// The georeferencing descriptors (".tab", ".hdr") and world files.
#include "FuzzFile.h"
#include "georef/Descriptor.h"
#include "georef/Georef.h"
#include "georef/WorldFile.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)georef::lit_tab(fuzz::writeInput(data, size, "tab"));
    // A picture of the header's name, so that the header itself is read.
    (void)fuzz::writeInput(data, size, "bmp");
    (void)georef::lit_hdr(fuzz::writeInput(data, size, "hdr"));
    (void)georef::lit_world(fuzz::writeInput(data, size, "tfw"));
    (void)georef::lit_descripteur(fuzz::writeInput(data, size, "txt"));
    return 0;
}
