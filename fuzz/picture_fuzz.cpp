// A picture through the decoder named by PICTURE_DECODER, and through PICTURE_ARRIVING when
// set, row by row, as the window opens a large one.
#include "FuzzFile.h"
#include "georef/GeoTiff.h"
#include "picture/BmpCodec.h"
#include "picture/GifCodec.h"
#include "picture/JpegCodec.h"
#include "picture/PngCodec.h"
#include "picture/RowArrival.h"
#include "picture/TiffCodec.h"
#include "picture/WebpCodec.h"

using namespace tracelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::writeInput(data, size, PICTURE_EXTENSION);
    (void)picture::PICTURE_DECODER(path);
#ifdef PICTURE_ARRIVING
    picture::Raster into;
    picture::RowArrival arrival;
    int bits = 0;
    (void)picture::PICTURE_ARRIVING(path, into, bits, arrival, {});
#endif
#ifdef PICTURE_GEOTIFF
    (void)georef::lit_geotiff(path);
#endif
    return 0;
}
