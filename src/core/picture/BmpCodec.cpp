#include "picture/BmpCodec.h"

#include "files/AtomicFile.h"
#include "picture/PixelRows.h"
#include "platform/Language.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <vector>

namespace tracelle::picture {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kJpeg = 4;
constexpr std::uint32_t kPng = 5;
constexpr std::uint32_t kAlphaBitfields = 6;

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;

const char* truncatedFile() {
    return platform::translate("BmpCodec", "fichier tronqué");
}

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
    put16(p, v);
    put16(p + 2, v >> 16);
}

// The file read forward only, with its size known up front so that every length announced
// by the headers can be checked before anything is allocated.
class Input {
public:
    bool open(const std::string& path) {
        if (!buffer_.open(path, std::ios::in | std::ios::binary)) return false;
        const auto end = buffer_.pubseekoff(0, std::ios::end, std::ios::in);
        if (end == std::streampos(-1) || buffer_.pubseekpos(0, std::ios::in) != 0) return false;
        size_ = static_cast<std::uint64_t>(std::streamoff(end));
        return true;
    }

    std::uint64_t size() const { return size_; }
    std::uint64_t position() const { return position_; }

    bool read(void* destination, std::uint64_t count) {
        if (count > size_ - position_) return false;
        const auto wanted = static_cast<std::streamsize>(count);
        if (buffer_.sgetn(static_cast<char*>(destination), wanted) != wanted) return false;
        position_ += count;
        return true;
    }

    // -1 at the end of the file.
    int next() {
        if (position_ >= size_) return -1;
        const auto c = buffer_.sbumpc();
        if (c == std::char_traits<char>::eof()) return -1;
        ++position_;
        return static_cast<std::uint8_t>(c);
    }

    bool seek(std::uint64_t offset) {
        if (offset > size_) return false;
        if (buffer_.pubseekpos(static_cast<std::streamoff>(offset), std::ios::in) ==
            std::streampos(-1))
            return false;
        position_ = offset;
        return true;
    }

private:
    std::filebuf buffer_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

// One colour mask, widened to 8 bits the way red8() widens 5 bits, so that a 555 or 565
// file gives back exactly the RGB555 it was made from.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    // False for a mask whose bits are not side by side.
    bool set(std::uint32_t m) {
        mask = m;
        shift = m ? std::countr_zero(m) : 0;
        bits = std::popcount(m);
        return bits == 0 || static_cast<int>(std::bit_width(m >> shift)) == bits;
    }

    std::uint8_t value(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
        if (bits == 0) return 0;
        return static_cast<std::uint8_t>(v * 255 / ((1u << bits) - 1));
    }
};

struct Format {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = kRgb;
    Channel red, green, blue;
    std::vector<Pixel> palette;
};

bool bitsSupported(int bits) {
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
           bits == 32;
}

// Empty when the compression suits the depth and row order, else why not.
std::string checkCompression(const Format& f) {
    const std::string depth = platform::fill(platform::translate("BmpCodec", "%1 bits par pixel"),
                                             {std::to_string(f.bits)});
    switch (f.compression) {
    case kRgb:
        return {};
    case kRle8:
    case kRle4:
        if (f.bits != (f.compression == kRle8 ? 8 : 4))
            return platform::fill(
                platform::translate("BmpCodec", "compression RLE incompatible avec %1"), {depth});
        // The escapes move upwards only, so such a file has no meaning.
        if (f.topDown)
            return platform::translate("BmpCodec",
                                       "en-tête BMP invalide (image RLE de haut en bas)");
        return {};
    case kBitfields:
    case kAlphaBitfields:
        if (f.bits != 16 && f.bits != 32)
            return platform::fill(
                platform::translate("BmpCodec",
                                    "compression par masques de couleurs incompatible avec %1"),
                {depth});
        return {};
    case kJpeg:
    case kPng:
        return platform::translate("BmpCodec",
                                   "compression BMP non prise en charge (JPEG ou PNG incorporé)");
    default:
        return platform::translate("BmpCodec", "compression BMP non reconnue");
    }
}

bool standardBgr32(const Format& f) {
    return f.red.mask == 0x00FF0000 && f.green.mask == 0x0000FF00 && f.blue.mask == 0x000000FF;
}

// The rows as stored, one at a time through the same buffer.
std::string readRows(Input& in, const Format& f, Raster& raster) {
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(f.width) * f.bits + 31) / 32 * 4;
    std::vector<std::uint8_t> row(rowBytes);
    // A 16-bit picture has few enough values to convert each once.
    std::vector<Pixel> table;
    if (f.bits == 16) {
        table.resize(65536);
        for (std::uint32_t v = 0; v < 65536; ++v)
            table[v] = rgb555(f.red.value(v), f.green.value(v), f.blue.value(v));
    }
    const bool plain32 = f.bits == 32 && standardBgr32(f);
    for (int r = 0; r < f.height; ++r) {
        if (!in.read(row.data(), rowBytes)) return truncatedFile();
        const int y = f.topDown ? r : f.height - 1 - r;
        const std::uint8_t* src = row.data();
        if (raster.indexed()) {
            unpackIndices(src, f.bits, raster.indexRow(y), f.width);
            continue;
        }
        Pixel* dst = raster.row(y);
        if (f.bits == 24) {
            bgrRowTo555(src, 3, dst, f.width);
        } else if (plain32) {
            bgrRowTo555(src, 4, dst, f.width);
        } else if (f.bits == 16) {
            for (int x = 0; x < f.width; ++x)
                dst[x] = table[le16(src + 2 * x)];
        } else {
            for (int x = 0; x < f.width; ++x) {
                const std::uint32_t v = le32(src + 4 * x);
                dst[x] = rgb555(f.red.value(v), f.green.value(v), f.blue.value(v));
            }
        }
    }
    return {};
}

// RLE8 and RLE4, bottom-up. Pixels the escapes skip take palette entry 0; pixels past the
// row's end are dropped, as some encoders pad odd runs that way.
std::string readRle(Input& in, const Format& f, Raster& raster) {
    const bool four = f.compression == kRle4;
    const int w = f.width;
    const int h = f.height;
    int x = 0;
    int y = 0; // counted from the bottom, as stored
    // Rows are cleared as they are reached, not all first: a short file announcing a huge
    // picture must fail before touching its memory.
    int cleared = 0;
    const auto clearTo = [&](int rows) {
        for (; cleared < rows; ++cleared)
            std::memset(raster.indexRow(h - 1 - cleared), 0, static_cast<std::size_t>(w));
    };
    auto put = [&](int index) {
        if (x >= w) return;
        clearTo(y + 1);
        raster.indexRow(h - 1 - y)[x++] = static_cast<std::uint8_t>(index);
    };
    std::uint8_t literal[256];
    while (y < h) {
        const int count = in.next();
        const int second = in.next();
        if (second < 0) return truncatedFile();
        if (count > 0) {
            for (int i = 0; i < count && x < w; ++i)
                put(four ? (i % 2 == 0 ? second >> 4 : second & 15) : second);
        } else if (second == 0) {
            ++y;
            x = 0;
        } else if (second == 1) {
            y = h;
        } else if (second == 2) {
            const int dx = in.next();
            const int dy = in.next();
            if (dy < 0) return truncatedFile();
            x = std::min(w, x + dx);
            y = std::min(h, y + dy);
        } else {
            // Literal pixels, padded to a 16-bit boundary.
            const int bytes = four ? (second + 1) / 2 : second;
            if (!in.read(literal, static_cast<std::uint64_t>((bytes + 1) & ~1)))
                return truncatedFile();
            for (int i = 0; i < second && x < w; ++i)
                put(four ? (i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 15) : literal[i]);
        }
    }
    clearTo(h);
    return {};
}

} // namespace

Decoded decodeBmp(const std::string& path) {
    Input in;
    if (!in.open(path))
        return failed(platform::translate("BmpCodec", "impossible d'ouvrir le fichier"));

    // File header, then the largest info header followed by up to four masks.
    std::uint8_t head[kFileHeaderSize + kLargestHeaderSize + 16] = {};
    if (!in.read(head, kFileHeaderSize + 4)) return failed(truncatedFile());
    if (head[0] != 'B' || head[1] != 'M')
        return failed(platform::translate("BmpCodec", "ce fichier n'est pas une image BMP"));
    const std::uint32_t pixelOffset = le32(head + 10);
    const std::uint32_t headerSize = le32(head + 14);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize && headerSize != 52 &&
        headerSize != 56 && headerSize != 108 && headerSize != kLargestHeaderSize)
        return failed(
            platform::fill(platform::translate(
                               "BmpCodec", "version d'en-tête BMP non prise en charge (%1 octets)"),
                           {std::to_string(headerSize)}));
    if (!in.read(head + kFileHeaderSize + 4, headerSize - 4)) return failed(truncatedFile());
    const std::uint8_t* h = head + kFileHeaderSize;

    Format f;
    std::uint32_t coloursUsed = 0;
    std::uint32_t entrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        f.width = le16(h + 4);
        f.height = le16(h + 6);
        f.bits = le16(h + 10);
        entrySize = 3;
    } else {
        const auto width = static_cast<std::int32_t>(le32(h + 4));
        const auto height = static_cast<std::int32_t>(le32(h + 8));
        f.bits = le16(h + 14);
        f.compression = le32(h + 16);
        coloursUsed = le32(h + 32);
        f.width = width;
        f.topDown = height < 0;
        f.height = height == std::numeric_limits<std::int32_t>::min() ? 0 : std::abs(height);
    }
    if (f.width <= 0 || f.height <= 0)
        return failed(platform::translate("BmpCodec", "taille d'image invalide"));
    if (!bitsSupported(f.bits))
        return failed(
            platform::fill(platform::translate("BmpCodec", "profondeur de couleur BMP non "
                                                           "prise en charge (%1 bits par pixel)"),
                           {std::to_string(f.bits)}));
    if (const std::string refused = checkCompression(f); !refused.empty()) return failed(refused);

    // The masks follow a 40-byte header, and sit inside the later ones.
    const bool masked = f.compression == kBitfields || f.compression == kAlphaBitfields;
    std::uint64_t tableStart = kFileHeaderSize + headerSize;
    if (masked && headerSize == kInfoHeaderSize) {
        const std::uint32_t extra = f.compression == kAlphaBitfields ? 16 : 12;
        if (!in.read(head + kFileHeaderSize + kInfoHeaderSize, extra))
            return failed(truncatedFile());
        tableStart += extra;
    }
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (masked) {
        for (int i = 0; i < 3; ++i)
            masks[i] = le32(h + 40 + 4 * i);
    } else if (f.bits == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }
    if (f.bits >= 16 && f.bits != 24) {
        const std::uint32_t all = masks[0] | masks[1] | masks[2];
        if (!f.red.set(masks[0]) || !f.green.set(masks[1]) || !f.blue.set(masks[2]) || all == 0 ||
            (f.bits == 16 && all > 0xFFFF))
            return failed(platform::translate("BmpCodec", "masques de couleurs BMP invalides"));
    }

    if (pixelOffset < tableStart)
        return failed(platform::translate("BmpCodec", "position des pixels BMP invalide"));
    if (pixelOffset > in.size()) return failed(truncatedFile());
    if (f.bits <= 8) {
        // The pixels' position bounds the palette, whatever count the header gives.
        const std::uint32_t most = 1u << f.bits;
        std::uint64_t count = coloursUsed == 0 || coloursUsed > most ? most : coloursUsed;
        count = std::min<std::uint64_t>(count, (pixelOffset - tableStart) / entrySize);
        if (count == 0) return failed(platform::translate("BmpCodec", "palette BMP absente"));
        std::uint8_t entries[256 * 4];
        if (!in.read(entries, count * entrySize)) return failed(truncatedFile());
        f.palette.resize(count);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint8_t* e = entries + i * entrySize;
            f.palette[i] = rgb555(e[2], e[1], e[0]);
        }
    }
    if (!in.seek(pixelOffset)) return failed(truncatedFile());

    // An uncompressed file must hold every row before the picture is allocated.
    if (f.compression != kRle8 && f.compression != kRle4) {
        const std::uint64_t rowBytes = (static_cast<std::uint64_t>(f.width) * f.bits + 31) / 32 * 4;
        const std::uint64_t available = in.size() - pixelOffset;
        if (rowBytes > available || static_cast<std::uint64_t>(f.height) > available / rowBytes)
            return failed(truncatedFile());
    }

    Decoded d;
    d.sourceBits = f.bits;
    d.raster = f.bits <= 8 ? Raster::createIndexed(f.width, f.height, &d.error)
                           : Raster::create(f.width, f.height, &d.error);
    if (d.raster.empty())
        return failed(d.error.empty() ? platform::translate("BmpCodec", "mémoire insuffisante")
                                      : d.error);
    if (d.raster.indexed()) {
        // Indices beyond the palette show its first entry.
        d.raster.palette().fill(f.palette[0]);
        std::copy(f.palette.begin(), f.palette.end(), d.raster.palette().begin());
    }
    const std::string error = f.compression == kRle8 || f.compression == kRle4
                                  ? readRle(in, f, d.raster)
                                  : readRows(in, f, d.raster);
    if (!error.empty()) return failed(error);
    return d;
}

std::string writeBmp(const Raster& raster, const std::string& path) {
    return writeBmp(RowSource::of(raster), path);
}

namespace {

// Row y (0 at the top) as blue, green, red bytes.
using BgrRow = std::function<void(int y, std::uint8_t* bgr)>;

std::string writeBmp24(int w, int h, const BgrRow& rowOf, const std::string& path) {
    if (w <= 0 || h <= 0) return platform::translate("BmpCodec", "image vide : rien à enregistrer");
    const auto width = static_cast<std::uint64_t>(w);
    const auto height = static_cast<std::uint64_t>(h);
    const std::uint64_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint64_t offset = kFileHeaderSize + kInfoHeaderSize;
    const std::uint64_t fileSize = offset + rowBytes * height;
    if (fileSize > std::numeric_limits<std::uint32_t>::max())
        return platform::translate("BmpCodec",
                                   "image trop grande pour le format BMP (plus de 4 Go)");

    std::uint8_t head[kFileHeaderSize + kInfoHeaderSize] = {'B', 'M'};
    put32(head + 2, static_cast<std::uint32_t>(fileSize));
    put32(head + 10, static_cast<std::uint32_t>(offset));
    std::uint8_t* info = head + kFileHeaderSize;
    put32(info, kInfoHeaderSize);
    put32(info + 4, static_cast<std::uint32_t>(width));
    put32(info + 8, static_cast<std::uint32_t>(height));
    put16(info + 12, 1);
    put16(info + 14, 24);
    put32(info + 16, kRgb);
    put32(info + 20, static_cast<std::uint32_t>(rowBytes * height));

    files::AtomicFile file(path);
    std::string error;
    std::FILE* out = file.open(&error);
    if (!out) return error;
    const auto failedWrite = [&] { return file.writeFailure(); };
    if (!file.write(head, sizeof head)) return failedWrite();
    std::vector<std::uint8_t> row(rowBytes, 0); // the padding stays zero
    for (int y = h - 1; y >= 0; --y) {
        rowOf(y, row.data());
        if (!file.write(row.data(), rowBytes)) return failedWrite();
    }
    if (!file.commit(&error)) return error;
    return {};
}

} // namespace

std::string writeBmp(const RowSource& rows, const std::string& path) {
    return writeBmp24(
        rows.width, rows.height,
        [&rows](int y, std::uint8_t* bgr) {
            const Pixel* src = rows.row(y);
            for (int x = 0; x < rows.width; ++x) {
                bgr[3 * x] = blue8(src[x]);
                bgr[3 * x + 1] = green8(src[x]);
                bgr[3 * x + 2] = red8(src[x]);
            }
        },
        path);
}

std::string writeBmp(const Rgb24Rows& rows, const std::string& path) {
    return writeBmp24(
        rows.width, rows.height,
        [&rows](int y, std::uint8_t* bgr) {
            // Read into the row written, then turned round in place.
            const std::uint8_t* src = rows.row(y, bgr);
            for (int x = 0; x < rows.width; ++x) {
                const std::uint8_t red = src[3 * x];
                bgr[3 * x + 1] = src[3 * x + 1];
                bgr[3 * x] = src[3 * x + 2];
                bgr[3 * x + 2] = red;
            }
        },
        path);
}

std::string writeBmp(const Rgb24& picture, const std::string& path) {
    const auto rows = rowsOf(picture);
    return rows ? writeBmp(*rows, path) : platform::translate("Rgb24", kIncompletePicture);
}

} // namespace tracelle::picture
