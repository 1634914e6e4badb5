#include "picture/Decoder.h"

#include "picture/BmpCodec.h"
#include "picture/GifCodec.h"
#include "picture/JpegCodec.h"
#include "picture/PngCodec.h"
#include "picture/TiffCodec.h"
#include "picture/WebpCodec.h"
#include "platform/Language.h"

#include <cstring>
#include <fstream>

namespace tracelle::picture {

namespace {

FallbackDecoder fallback;

bool startsWith(const char* head, std::size_t size, const char* magic, std::size_t length) {
    return size >= length && std::memcmp(head, magic, length) == 0;
}

constexpr char kJpegMagic[] = "\xFF\xD8\xFF";
constexpr char kPngMagic[] = "\x89PNG\r\n\x1A\n";

bool isTiff(const char* head, std::size_t size) {
    return startsWith(head, size, "II*\0", 4) || startsWith(head, size, "MM\0*", 4) ||
           startsWith(head, size, "II+\0", 4) || startsWith(head, size, "MM\0+", 4); // BigTIFF too
}

} // namespace

void setFallbackDecoder(FallbackDecoder decoder) {
    fallback = std::move(decoder);
}

Decoded decodeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return failed(platform::translate("Decoder", "fichier introuvable ou illisible"));
    char head[12] = {};
    in.read(head, sizeof head);
    const auto size = static_cast<std::size_t>(in.gcount());
    if (size == 0) return failed(platform::translate("Decoder", "fichier vide"));

    // The content decides, not the extension: a renamed picture still opens.
    if (startsWith(head, size, kJpegMagic, 3)) return decodeJpeg(path);
    if (startsWith(head, size, kPngMagic, 8)) return decodePng(path);
    if (startsWith(head, size, "GIF87a", 6) || startsWith(head, size, "GIF89a", 6))
        return decodeGif(path);
    if (isTiff(head, size)) return decodeTiff(path);
    if (startsWith(head, size, "BM", 2)) return decodeBmp(path);
    if (startsWith(head, size, "RIFF", 4) && size == sizeof head &&
        std::memcmp(head + 8, "WEBP", 4) == 0) {
        // An animation, which libwebp alone does not read, may still show its first picture
        // through the fallback; when both refuse, the reason is libwebp's.
        Decoded webp = decodeWebp(path);
        if (webp.ok() || !fallback) return webp;
        Decoded other = fallback(path);
        return other.ok() ? std::move(other) : std::move(webp);
    }
    if (fallback) return fallback(path);
    return failed(platform::translate("Decoder", "format d'image non reconnu"));
}

RowIntoDecoder rowDecoderFor(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[8] = {};
    in.read(head, sizeof head);
    const auto size = static_cast<std::size_t>(in.gcount());
    if (startsWith(head, size, kJpegMagic, 3)) return decodeJpegInto;
    if (startsWith(head, size, kPngMagic, 8)) return decodePngInto;
    if (isTiff(head, size)) return decodeTiffInto;
    return nullptr;
}

std::string decodeFailureMessage(const std::string& path, const std::string& reason) {
    return platform::fill(platform::translate("Decoder", "Impossible de lire l'image %1 :\n%2"),
                          {path, reason});
}

} // namespace tracelle::picture
