#include "picture/GifCodec.h"

#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <gif_lib.h>
#include <memory>

namespace tracelle::picture {

namespace {

namespace fs = std::filesystem;

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};

std::string reason(int code) {
    switch (code) {
    case D_GIF_ERR_OPEN_FAILED:
        return platform::translate("GifCodec", "fichier GIF introuvable ou illisible");
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
        return platform::translate("GifCodec", "fichier GIF tronqué");
    case D_GIF_ERR_NOT_GIF_FILE:
        return platform::translate("GifCodec", "GIF : ce fichier n'est pas une image GIF");
    case D_GIF_ERR_NO_COLOR_MAP:
        return platform::translate("GifCodec", "GIF : pas de palette de couleurs");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        return platform::translate("GifCodec", "GIF : mémoire insuffisante");
    case D_GIF_ERR_IMAGE_DEFECT:
    case D_GIF_ERR_DATA_TOO_BIG:
        return platform::translate("GifCodec", "GIF : données d'image défectueuses");
    case D_GIF_ERR_WRONG_RECORD:
        return platform::translate("GifCodec", "GIF : bloc de type inconnu");
    default: // giflib's own texts are English
        return platform::translate("GifCodec", "GIF : fichier endommagé");
    }
}

Pixel colour(const ColorMapObject& map, int index) {
    const GifColorType& c = map.Colors[index < map.ColorCount ? index : 0];
    return rgb555(c.Red, c.Green, c.Blue);
}

} // namespace

Decoded decodeGif(const std::string& path) {
    int code = D_GIF_SUCCEEDED;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &code));
    if (!gif) {
        std::error_code ignored;
        if (code == D_GIF_ERR_READ_FAILED && fs::file_size(path, ignored) == 0)
            return failed(platform::translate("GifCodec", "fichier GIF vide"));
        // giflib leaves the code unset when the screen description is cut short.
        return failed(code == D_GIF_SUCCEEDED
                          ? platform::translate("GifCodec", "fichier GIF tronqué")
                          : reason(code));
    }
    // Refused before giflib reads every frame into memory.
    if (gif->SWidth > 0 && gif->SHeight > 0) {
        const std::string refused = checkFitsInMemory(static_cast<std::uint64_t>(gif->SWidth),
                                                      static_cast<std::uint64_t>(gif->SHeight));
        if (!refused.empty()) return failed(refused);
    }
    // giflib reads every frame, each de-interlaced, as 8-bit indices.
    if (DGifSlurp(gif.get()) != GIF_OK) return failed(reason(gif->Error));
    if (gif->ImageCount < 1)
        return failed(platform::translate("GifCodec", "GIF : aucune image dans le fichier"));

    const SavedImage& frame = gif->SavedImages[0];
    if (!frame.RasterBits) return failed(platform::translate("GifCodec", "GIF : image vide"));
    const GifImageDesc& desc = frame.ImageDesc;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount < 1 || !map->Colors)
        return failed(platform::translate("GifCodec", "GIF : pas de palette de couleurs"));

    // Some writers leave the logical screen at zero: the frame then sets the size.
    const int width = gif->SWidth > 0 ? gif->SWidth : desc.Left + desc.Width;
    const int height = gif->SHeight > 0 ? gif->SHeight : desc.Top + desc.Height;
    // Without a global palette the background index means nothing: white, like paper.
    const Pixel background = gif->SColorMap && gif->SColorMap->Colors
                                 ? colour(*gif->SColorMap, gif->SBackGroundColor)
                                 : rgb555(255, 255, 255);
    std::array<Pixel, 256> palette;
    for (int i = 0; i < 256; ++i)
        palette[static_cast<std::size_t>(i)] = colour(*map, i);
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.get(), 0, &control); // leaves the default when there is none
    const int transparent = control.TransparentColor;
    if (transparent >= 0 && transparent < 256)
        palette[static_cast<std::size_t>(transparent)] = background;

    // The frame may overhang the screen: only its visible part is drawn.
    const int x0 = std::min(desc.Left, width);
    const int x1 = std::min(desc.Left + desc.Width, width);
    const int y0 = std::min(desc.Top, height);
    const int y1 = std::min(desc.Top + desc.Height, height);
    // The picture keeps the frame's indices, a byte a pixel. Pixels outside the frame take the
    // transparent index, which shows the background, else an entry of the background's colour.
    // A local palette without one leaves such a picture at 15 bits: rare, and an entry unused
    // by the frame would have to be looked for through all its pixels.
    const bool covered = x0 == 0 && y0 == 0 && x1 == width && y1 == height;
    int fill = transparent >= 0 && transparent < 256 ? transparent : -1;
    for (int i = 0; i < 256 && fill < 0; ++i)
        if (palette[static_cast<std::size_t>(i)] == background) fill = i;
    const bool indexed = covered || fill >= 0;
    std::string error;
    Raster raster = indexed ? Raster::createIndexed(width, height, &error)
                            : Raster::create(width, height, &error);
    if (raster.empty()) return failed(error);
    if (indexed) {
        raster.palette() = palette;
        if (!covered) std::memset(raster.indexRow(0), fill, raster.byteSize());
    } else {
        raster.fill(background);
    }
    // Drawn from column x0, which is then the frame's left edge.
    for (int y = y0; y < y1 && x0 < x1; ++y) {
        const GifByteType* src =
            frame.RasterBits + static_cast<std::size_t>(y - desc.Top) * desc.Width;
        if (indexed) {
            std::memcpy(raster.indexRow(y) + x0, src, static_cast<std::size_t>(x1 - x0));
        } else {
            Pixel* dst = raster.row(y) + x0;
            for (int x = 0; x < x1 - x0; ++x)
                dst[x] = palette[src[x]];
        }
    }

    Decoded decoded;
    decoded.raster = std::move(raster);
    decoded.sourceBits = 8;
    return decoded;
}

} // namespace tracelle::picture
