#include "picture/TiffCodec.h"

#include "picture/PixelRows.h"
#include "picture/RowArrival.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <tiffio.h>
#include <vector>

namespace tracelle::picture {

namespace {

const char* unknownPixelFormat() {
    return platform::translate("TiffCodec", "TIFF : format de pixel non reconnu");
}

const char* unknownCompression() {
    return platform::translate("TiffCodec", "TIFF : compression non reconnue");
}

const char* outOfMemory() {
    return platform::translate("TiffCodec", "TIFF : mémoire insuffisante");
}

// Strips larger than this are read a row at a time: a file made of one big compressed strip
// must not need a buffer the size of the picture.
constexpr std::uint64_t kLargeStrip = std::uint64_t{4} << 20;

// What libtiff reported while one file was read. Installed on each handle, so that nothing
// reaches stderr and decodings running at the same time keep their messages apart.
struct Messages {
    std::string path;
    std::string lastError;
    int errors = 0;
};

int onError(TIFF*, void* user, const char*, const char* format, va_list args) {
    auto* messages = static_cast<Messages*>(user);
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    std::string message = text;
    // Some messages name the file, which the caller adds itself.
    for (std::size_t at;
         !messages->path.empty() && (at = message.find(messages->path)) != std::string::npos;) {
        std::size_t end = at + messages->path.size();
        while (end < message.size() && (message[end] == ':' || message[end] == ' '))
            ++end;
        message.erase(at, end - at);
    }
    messages->lastError = message;
    ++messages->errors;
    return 1;
}

int onWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct Closer {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using Handle = std::unique_ptr<TIFF, Closer>;

Handle openTiff(Messages& messages) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options, onError, &messages);
    TIFFOpenOptionsSetWarningHandlerExtR(options, onWarning, &messages);
    // "m": plain reads instead of a mapping, so that the file's pages are not added to the
    // memory the process holds while the picture is built.
    Handle tif(TIFFOpenExt(messages.path.c_str(), "rm", options));
    TIFFOpenOptionsFree(options);
    return tif;
}

// A second handle on the file, at the same page as `like`.
Handle openLike(TIFF* like, Messages& messages) {
    Handle tif = openTiff(messages);
    if (tif && TIFFCurrentDirOffset(tif.get()) != TIFFCurrentDirOffset(like) &&
        !TIFFSetSubDirectory(tif.get(), TIFFCurrentDirOffset(like)))
        return nullptr;
    return tif;
}

// libtiff's own texts are English: what is kept of them is where the fault lies, in the
// program's language.
std::string place(const std::string& message) {
    for (const auto& [english, french] :
         {std::pair{"strip ", QT_TRANSLATE_NOOP("TiffCodec", "bande ")},
          {"tile ", QT_TRANSLATE_NOOP("TiffCodec", "tuile ")},
          {"scanline ", QT_TRANSLATE_NOOP("TiffCodec", "ligne ")},
          {"row ", QT_TRANSLATE_NOOP("TiffCodec", "ligne ")}}) {
        for (std::size_t at = message.find(english); at != std::string::npos;
             at = message.find(english, at + 1)) {
            const char* digits = message.c_str() + at + std::strlen(english);
            std::uint32_t n = 0;
            const auto [end, ec] = std::from_chars(digits, message.c_str() + message.size(), n);
            // A row of -1 names no row.
            if (ec == std::errc() && end != digits && n != UINT32_MAX)
                return platform::translate("TiffCodec", french) + std::to_string(n);
        }
    }
    return {};
}

std::string withDetail(const char* reason, const Messages& messages) {
    std::string text = reason;
    if (const std::string where = place(messages.lastError); !where.empty())
        text += " (" + where + ")";
    return text;
}

enum class Kind { Indexed, Grey16, Rgb8, Rgb16, Cmyk8, Cmyk16 };

struct Format {
    Kind kind = Kind::Indexed;
    int bits = 0;
    int samples = 0;  // per pixel, extra samples included
    int channels = 1; // colour samples used: 1, 3 or 4
    bool separate = false;
    // From one pixel to the next in a row: bytes, or samples when they are under 8 bits.
    std::size_t step = 0;
    // Indexed: sample value to pixel. Grey16: high byte to pixel.
    std::array<Pixel, 256> table{};

    int planes() const { return separate ? channels : 1; }
    // Bytes of one row of `width` pixels in one plane; rows start on a byte.
    std::uint64_t rowBytes(std::uint32_t width) const {
        const std::uint64_t perPixel = static_cast<std::uint64_t>(bits) * (separate ? 1 : samples);
        return (width * perPixel + 7) / 8;
    }
};

Pixel grey(unsigned level) {
    const auto v = static_cast<std::uint8_t>(level);
    return rgb555(v, v, v);
}

std::string paletteFormat(TIFF* tif, Format& f) {
    if (f.bits > 8) return unknownPixelFormat();
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue))
        return platform::translate("TiffCodec", "TIFF : palette absente");
    const int size = 1 << f.bits;
    // Old writers stored 8-bit entries; a real 16-bit palette so dark is not worth showing.
    bool eightBit = true;
    for (int i = 0; i < size; ++i)
        if (red[i] > 255 || green[i] > 255 || blue[i] > 255) eightBit = false;
    const int shift = eightBit ? 0 : 8;
    for (int i = 0; i < size; ++i)
        f.table[i] = rgb555(static_cast<std::uint8_t>(red[i] >> shift),
                            static_cast<std::uint8_t>(green[i] >> shift),
                            static_cast<std::uint8_t>(blue[i] >> shift));
    return {};
}

std::string describe(TIFF* tif, Format& f) {
    std::uint16_t bits = 1, samples = 1, sampleFormat = SAMPLEFORMAT_UINT;
    std::uint16_t planar = PLANARCONFIG_CONTIG, photometric = 0, compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    switch (compression) {
    case COMPRESSION_NONE:
    case COMPRESSION_CCITTRLE:
    case COMPRESSION_CCITTFAX3:
    case COMPRESSION_CCITTFAX4:
    case COMPRESSION_LZW:
    case COMPRESSION_JPEG:
    case COMPRESSION_PACKBITS:
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE:
        if (TIFFIsCODECConfigured(compression)) break;
        [[fallthrough]];
    default:
        return unknownCompression();
    }
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric) || samples == 0 ||
        (sampleFormat != SAMPLEFORMAT_UINT && sampleFormat != SAMPLEFORMAT_VOID))
        return unknownPixelFormat();

    f.bits = bits;
    f.samples = samples;
    f.separate = planar == PLANARCONFIG_SEPARATE && samples > 1;
    const bool wide = bits == 8 || bits == 16;
    switch (photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK: {
        const bool white = photometric == PHOTOMETRIC_MINISWHITE;
        if (bits == 16) {
            f.kind = Kind::Grey16;
            for (unsigned v = 0; v < 256; ++v)
                f.table[v] = grey(white ? 255 - v : v);
        } else if (bits == 1 || bits == 2 || bits == 4 || bits == 8) {
            f.kind = Kind::Indexed;
            const unsigned top = (1u << bits) - 1;
            for (unsigned v = 0; v <= top; ++v)
                f.table[v] = grey((white ? top - v : v) * 255 / top);
        } else {
            return unknownPixelFormat();
        }
        break;
    }
    case PHOTOMETRIC_PALETTE:
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8) return unknownPixelFormat();
        f.kind = Kind::Indexed;
        if (auto refused = paletteFormat(tif, f); !refused.empty()) return refused;
        break;
    case PHOTOMETRIC_RGB:
        if (!wide || samples < 3) return unknownPixelFormat();
        f.kind = bits == 8 ? Kind::Rgb8 : Kind::Rgb16;
        f.channels = 3;
        break;
    case PHOTOMETRIC_SEPARATED: {
        std::uint16_t inkSet = INKSET_CMYK;
        TIFFGetFieldDefaulted(tif, TIFFTAG_INKSET, &inkSet);
        if (!wide || samples < 4 || inkSet != INKSET_CMYK) return unknownPixelFormat();
        f.kind = bits == 8 ? Kind::Cmyk8 : Kind::Cmyk16;
        f.channels = 4;
        break;
    }
    case PHOTOMETRIC_YCBCR:
        // Only JPEG brings YCbCr back to RGB itself, upsampling the colour.
        if (compression != COMPRESSION_JPEG || bits != 8 || samples != 3 || f.separate)
            return unknownPixelFormat();
        if (!TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB))
            return unknownPixelFormat();
        f.kind = Kind::Rgb8;
        f.channels = 3;
        break;
    default:
        return unknownPixelFormat();
    }
    const std::size_t sampleStep = bits >= 8 ? static_cast<std::size_t>(bits / 8) : 1;
    f.step = f.separate ? sampleStep : sampleStep * samples;
    return {};
}

std::uint8_t high(const std::uint8_t* sample) {
    std::uint16_t v;
    std::memcpy(&v, sample, sizeof v);
    return static_cast<std::uint8_t>(v >> 8);
}

Pixel cmyk(unsigned c, unsigned m, unsigned y, unsigned k) {
    return rgb555(static_cast<std::uint8_t>((255 - c) * (255 - k) / 255),
                  static_cast<std::uint8_t>((255 - m) * (255 - k) / 255),
                  static_cast<std::uint8_t>((255 - y) * (255 - k) / 255));
}

TRACELLE_VECTOR_CLONES void planesRow(const std::uint8_t* r, const std::uint8_t* g,
                                      const std::uint8_t* b, Pixel* dst, int count) {
    for (int x = 0; x < count; ++x)
        dst[x] = rgb555(r[x], g[x], b[x]);
}

// `ch[c]` points at colour sample c of the first pixel (for samples under 8 bits, only
// ch[0], at a byte boundary).
void convertRow(const Format& f, const std::uint8_t* const* ch, Pixel* dst, int count) {
    const std::size_t s = f.step;
    const Pixel* table = f.table.data();
    switch (f.kind) {
    case Kind::Indexed:
        if (f.bits == 8) {
            for (int x = 0; x < count; ++x)
                dst[x] = table[ch[0][x * s]];
        } else if (s == 1) {
            indexedRowTo555(ch[0], f.bits, table, 1 << f.bits, dst, count);
        } else {
            const unsigned mask = (1u << f.bits) - 1;
            for (int x = 0; x < count; ++x) {
                const std::size_t bit = x * s * f.bits;
                dst[x] = table[(ch[0][bit / 8] >> (8 - f.bits - bit % 8)) & mask];
            }
        }
        break;
    case Kind::Grey16:
        for (int x = 0; x < count; ++x)
            dst[x] = table[high(ch[0] + x * s)];
        break;
    case Kind::Rgb8:
        if (f.separate)
            planesRow(ch[0], ch[1], ch[2], dst, count);
        else
            rgbRowTo555(ch[0], s, dst, count);
        break;
    case Kind::Rgb16:
        for (int x = 0; x < count; ++x)
            dst[x] = rgb555(high(ch[0] + x * s), high(ch[1] + x * s), high(ch[2] + x * s));
        break;
    case Kind::Cmyk8:
        for (int x = 0; x < count; ++x)
            dst[x] = cmyk(ch[0][x * s], ch[1][x * s], ch[2][x * s], ch[3][x * s]);
        break;
    case Kind::Cmyk16:
        for (int x = 0; x < count; ++x)
            dst[x] = cmyk(high(ch[0] + x * s), high(ch[1] + x * s), high(ch[2] + x * s),
                          high(ch[3] + x * s));
        break;
    }
}

// The reused buffers, one a plane read.
class Buffers {
public:
    bool allocate(int planes, std::uint64_t bytes) {
        if (bytes == 0 || bytes > static_cast<std::uint64_t>(TIFF_TMSIZE_T_MAX)) return false;
        for (int p = 0; p < planes; ++p) {
            planes_.emplace_back(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(bytes)]);
            if (!planes_.back()) return false;
        }
        return true;
    }
    std::uint8_t* plane(int p) { return planes_[static_cast<std::size_t>(p)].get(); }

private:
    std::vector<std::unique_ptr<std::uint8_t[]>> planes_;
};

// Palette and grey pictures of one sample a pixel keep their samples, a byte each: the table
// becomes the picture's palette.
bool keptIndexed(const Format& f) {
    return f.kind == Kind::Indexed && f.samples == 1;
}

// Places `count` pixels of row `row` of the current block into the picture at (x, y): as
// indices when the picture holds them (a reduced page shown first holds 15 bits).
void placeBlockRow(const Format& f, Buffers& buffers, std::uint64_t rowBytes, std::uint32_t row,
                   Raster& raster, std::uint32_t x, std::uint32_t y, int count) {
    const std::uint8_t* ch[4];
    const std::size_t offset = static_cast<std::size_t>(row * rowBytes);
    for (int c = 0; c < f.channels; ++c)
        ch[c] = f.separate ? buffers.plane(c) + offset
                           : buffers.plane(0) + offset + static_cast<std::size_t>(c) * (f.bits / 8);
    if (raster.indexed())
        unpackIndices(ch[0], f.bits, raster.indexRow(static_cast<int>(y)) + x, count);
    else
        convertRow(f, ch, raster.row(static_cast<int>(y)) + x, count);
}

// How the picture is cut: into strips (blocks the picture's width across) or tiles.
struct Blocks {
    std::uint32_t width = 0, height = 0; // of one block
    std::uint32_t across = 0, down = 0;  // blocks in a row of blocks, rows of blocks
    std::uint64_t rowBytes = 0;          // one row of a block in one plane
    tmsize_t bytes = 0;                  // one plane of a block
    bool tiled = false;

    std::uint32_t count() const { return across * down; } // in one plane
};

const char* badTileSize() {
    return platform::translate("TiffCodec", "TIFF : taille des tuiles invalide");
}

// Strips too large to hold whole are given no height: they are read row by row instead.
std::string cut(TIFF* tif, const Format& f, std::uint32_t width, std::uint32_t height,
                const Messages& messages, Blocks& blocks) {
    blocks.tiled = TIFFIsTiled(tif);
    if (blocks.tiled) {
        if (!TIFFGetField(tif, TIFFTAG_TILEWIDTH, &blocks.width) ||
            !TIFFGetField(tif, TIFFTAG_TILELENGTH, &blocks.height) || blocks.width == 0 ||
            blocks.height == 0)
            return withDetail(badTileSize(), messages);
        blocks.rowBytes = f.rowBytes(blocks.width);
        blocks.bytes = TIFFTileSize(tif);
        if (blocks.bytes <= 0 ||
            static_cast<std::uint64_t>(blocks.bytes) < blocks.rowBytes * blocks.height)
            return withDetail(badTileSize(), messages);
    } else {
        std::uint32_t rowsPerStrip = 0;
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
        blocks.width = width;
        blocks.height = std::clamp<std::uint32_t>(rowsPerStrip, 1, height);
        blocks.rowBytes = f.rowBytes(width);
        blocks.bytes = static_cast<tmsize_t>(blocks.rowBytes * blocks.height);
        if (static_cast<std::uint64_t>(blocks.bytes) > kLargeStrip && blocks.height > 1)
            blocks.height = 0;
    }
    blocks.across = (width - 1) / blocks.width + 1;
    blocks.down = blocks.height > 0 ? (height - 1) / blocks.height + 1 : 0;
    return {};
}

// Reading through one handle, with its own messages and buffers, so that two can run at once.
class Reader {
public:
    Reader(TIFF* tif, Messages& messages, const Format& format, Raster& raster)
        : tif_(tif), messages_(messages), f_(format), raster_(raster) {}

    bool allocate(const Blocks& blocks) {
        return buffers_.allocate(f_.planes(), static_cast<std::uint64_t>(blocks.bytes));
    }

    // Block `i` counts rows of blocks from the top, each from the left, as libtiff does.
    std::string read(const Blocks& blocks, std::uint32_t i) {
        const std::uint32_t x0 = i % blocks.across * blocks.width;
        const std::uint32_t y0 = i / blocks.across * blocks.height;
        const std::uint32_t columns =
            std::min(blocks.width, static_cast<std::uint32_t>(raster_.width()) - x0);
        const std::uint32_t rows =
            std::min(blocks.height, static_cast<std::uint32_t>(raster_.height()) - y0);
        for (int p = 0; p < f_.planes(); ++p) {
            const std::uint32_t index =
                blocks.tiled ? TIFFComputeTile(tif_, x0, y0, 0, static_cast<std::uint16_t>(p))
                             : static_cast<std::uint32_t>(p) * blocks.count() + i;
            messages_.errors = 0;
            const tmsize_t got =
                blocks.tiled ? TIFFReadEncodedTile(tif_, index, buffers_.plane(p), blocks.bytes)
                             : TIFFReadEncodedStrip(tif_, index, buffers_.plane(p), blocks.bytes);
            if (got < static_cast<tmsize_t>(rows * blocks.rowBytes) || messages_.errors > 0)
                return damaged();
        }
        for (std::uint32_t r = 0; r < rows; ++r)
            placeBlockRow(f_, buffers_, blocks.rowBytes, r, raster_, x0, y0 + r,
                          static_cast<int>(columns));
        return {};
    }

    // Each separate plane gets its own handle: read alternately through one handle, the
    // planes' strips would be decoded again from their start for every row.
    std::string readScanlines(RowArrival* arrival) {
        std::vector<Handle> extra;
        std::vector<TIFF*> handles{tif_};
        for (int p = 1; p < f_.planes(); ++p) {
            extra.push_back(openLike(tif_, messages_));
            if (!extra.back()) return damaged();
            handles.push_back(extra.back().get());
        }
        const std::uint64_t rowBytes = f_.rowBytes(static_cast<std::uint32_t>(raster_.width()));
        if (!buffers_.allocate(f_.planes(),
                               std::max<std::uint64_t>(
                                   rowBytes, static_cast<std::uint64_t>(TIFFScanlineSize(tif_)))))
            return outOfMemory();
        for (int y = 0; y < raster_.height(); ++y) {
            for (int p = 0; p < f_.planes(); ++p) {
                messages_.errors = 0;
                if (TIFFReadScanline(handles[static_cast<std::size_t>(p)], buffers_.plane(p),
                                     static_cast<std::uint32_t>(y),
                                     static_cast<std::uint16_t>(p)) < 0 ||
                    messages_.errors > 0)
                    return damaged();
            }
            placeBlockRow(f_, buffers_, rowBytes, 0, raster_, 0, static_cast<std::uint32_t>(y),
                          raster_.width());
            if (arrival && ((y + 1) % kRowsTold == 0 || y + 1 == raster_.height()))
                arrival->arrived(y + 1);
        }
        return {};
    }

private:
    std::string damaged() const {
        return withDetail(platform::translate("TiffCodec", "TIFF : fichier endommagé ou tronqué"),
                          messages_);
    }

    TIFF* tif_;
    Messages& messages_;
    const Format& f_;
    Raster& raster_;
    Buffers buffers_;
};

constexpr std::uint32_t kNoBlock = std::numeric_limits<std::uint32_t>::max();

struct Failure {
    std::uint32_t block = kNoBlock;
    std::string reason;
};

// Two threads read the blocks out of turn: the rows arrived are those of the rows of blocks
// above the first block not yet read.
class BlockArrival {
public:
    BlockArrival(const Blocks& blocks, int height, RowArrival* arrival)
        : blocks_(blocks), height_(height), arrival_(arrival),
          read_(arrival ? blocks.count() : 0, false) {}

    void read(std::uint32_t block) {
        if (!arrival_) return;
        const std::lock_guard lock(mutex_);
        read_[block] = true;
        const std::uint32_t before = whole_;
        while (whole_ < read_.size() && read_[whole_])
            ++whole_;
        if (whole_ / blocks_.across != before / blocks_.across)
            arrival_->arrived(static_cast<int>(std::min<std::uint64_t>(
                static_cast<std::uint64_t>(whole_ / blocks_.across) * blocks_.height,
                static_cast<std::uint64_t>(height_))));
    }

private:
    const Blocks& blocks_;
    int height_;
    RowArrival* arrival_;
    std::mutex mutex_;
    std::vector<bool> read_;
    std::uint32_t whole_ = 0; // blocks read from the first on
};

// Blocks first, first + step... up to the first damaged block either thread has met: those
// before it are still read, so that the damage reported is the first, as in one pass.
Failure readEvery(Reader& reader, const Blocks& blocks, std::uint32_t first, std::uint32_t step,
                  std::atomic<std::uint32_t>& damagedFrom, BlockArrival& arrival) {
    for (std::uint64_t i = first; i < blocks.count() && i < damagedFrom.load(); i += step) {
        const auto block = static_cast<std::uint32_t>(i);
        if (std::string reason = reader.read(blocks, block); !reason.empty()) {
            for (std::uint32_t seen = damagedFrom.load();
                 block < seen && !damagedFrom.compare_exchange_weak(seen, block);) {
            }
            return {block, std::move(reason)};
        }
        arrival.read(block);
    }
    return {};
}

// Every strip and tile is compressed on its own (old-style JPEG, whose strips may share one
// stream, is refused above): a second handle on the file decodes every other block on the
// second core, each thread converting its own rows into the picture.
std::string readBlocks(TIFF* tif, Messages& messages, const Format& format, const Blocks& blocks,
                       Raster& raster, RowArrival* rows) {
    Reader reader(tif, messages, format, raster);
    BlockArrival arrival(blocks, raster.height(), rows);
    if (!reader.allocate(blocks)) return outOfMemory();
    std::atomic<std::uint32_t> damagedFrom{kNoBlock};
    Messages otherMessages{messages.path, {}, 0};
    Handle other;
    Format otherFormat; // describing the second handle also sets it up as the first
    std::optional<Reader> helper;
    Failure helped;
    std::jthread thread; // joined before what it uses goes
    const auto pixels = static_cast<std::uint64_t>(raster.width()) * raster.height();
    if (pixels >= kTwoThreadsFrom && blocks.count() > 1 && (other = openLike(tif, otherMessages)) &&
        describe(other.get(), otherFormat).empty()) {
        helper.emplace(other.get(), otherMessages, format, raster);
        try {
            if (helper->allocate(blocks))
                thread = std::jthread(
                    [&] { helped = readEvery(*helper, blocks, 1, 2, damagedFrom, arrival); });
        } catch (const std::system_error&) {
        }
    }
    Failure failure = readEvery(reader, blocks, 0, thread.joinable() ? 2 : 1, damagedFrom, arrival);
    if (thread.joinable()) {
        thread.join();
        if (helped.block < failure.block) failure = std::move(helped);
    }
    return failure.reason;
}

} // namespace

namespace {

// A picture this small decodes in some ten milliseconds: a reduced page would show no sooner.
constexpr std::uint64_t kReducedPageFrom = std::uint64_t{1} << 20;
// Reduced pages larger than this cost too much of the whole decode to be worth showing first.
constexpr std::uint64_t kReducedPageAtMost = 16;
// Pages looked at for a reduced one; a pyramid has a handful.
constexpr int kPagesLooked = 64;

// The reduced pages of the first page, as other pages of the file or as its SubIFDs: the
// offset of the largest holding at most 1/kReducedPageAtMost of its pixels, or 0.
toff_t reducedPage(TIFF* tif, std::uint32_t width, std::uint32_t height) {
    std::vector<toff_t> pages;
    std::uint16_t subCount = 0;
    toff_t* subOffsets = nullptr;
    if (TIFFGetField(tif, TIFFTAG_SUBIFD, &subCount, &subOffsets))
        pages.assign(subOffsets, subOffsets + std::min<int>(subCount, kPagesLooked));
    for (int d = 0; d < kPagesLooked && TIFFReadDirectory(tif); ++d)
        pages.push_back(TIFFCurrentDirOffset(tif));
    toff_t best = 0;
    std::uint64_t bestPixels = 0;
    const std::uint64_t most = std::uint64_t{width} * height / kReducedPageAtMost;
    for (const toff_t page : pages) {
        std::uint32_t kind = 0, w = 0, h = 0;
        if (!TIFFSetSubDirectory(tif, page)) continue;
        TIFFGetFieldDefaulted(tif, TIFFTAG_SUBFILETYPE, &kind);
        TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
        const std::uint64_t pixels = std::uint64_t{w} * h;
        if ((kind & FILETYPE_REDUCEDIMAGE) && w > 0 && h > 0 && w <= width && h <= height &&
            pixels <= most && pixels > bestPixels) {
            best = page;
            bestPixels = pixels;
        }
    }
    return best;
}

// The reduced page shown in place of the rows to come, when the file has one; a damaged one
// is passed over, the full page still to be read.
void showReducedPage(const std::string& path, std::uint32_t width, std::uint32_t height,
                     RowArrival& arrival) {
    if (std::uint64_t{width} * height < kReducedPageFrom) return;
    Messages messages;
    messages.path = path;
    const Handle tif = openTiff(messages);
    if (!tif) return;
    const toff_t page = reducedPage(tif.get(), width, height);
    Format format;
    Blocks blocks;
    std::uint32_t w = 0, h = 0;
    if (page == 0 || !TIFFSetSubDirectory(tif.get(), page) ||
        !describe(tif.get(), format).empty() || !TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &w) ||
        !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &h) ||
        !cut(tif.get(), format, w, h, messages, blocks).empty() || blocks.height == 0)
        return;
    auto reduced =
        std::make_shared<Raster>(Raster::create(static_cast<int>(w), static_cast<int>(h)));
    if (reduced->empty() ||
        !readBlocks(tif.get(), messages, format, blocks, *reduced, nullptr).empty())
        return;
    arrival.showPreview({std::move(reduced), static_cast<int>(w), static_cast<int>(width),
                         static_cast<int>(h), static_cast<int>(height)});
}

std::string decodeInto(const std::string& path, Raster& raster, int& bits, RowArrival* arrival,
                       const std::function<void()>* sized) {
    Messages messages;
    messages.path = path;
    const Handle tif = openTiff(messages);
    if (!tif)
        return withDetail(platform::translate("TiffCodec", "TIFF : fichier illisible"), messages);

    Format format;
    if (auto refused = describe(tif.get(), format); !refused.empty()) return refused;
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height);
    if (auto refused = checkFitsInMemory(width, height, 0, keptIndexed(format) ? 1 : 2);
        !refused.empty())
        return platform::fill(platform::translate("TiffCodec", "TIFF : %1"), {refused});

    Blocks blocks;
    if (auto refused = cut(tif.get(), format, width, height, messages, blocks); !refused.empty())
        return refused;

    bits = format.bits * format.samples;
    std::string error;
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    raster =
        keptIndexed(format) ? Raster::createIndexed(w, h, &error) : Raster::create(w, h, &error);
    if (raster.empty())
        return platform::fill(platform::translate("TiffCodec", "TIFF : %1"), {error});
    if (raster.indexed()) raster.palette() = format.table;
    if (sized && *sized) (*sized)();
    if (arrival) showReducedPage(path, width, height, *arrival);

    return blocks.height > 0 ? readBlocks(tif.get(), messages, format, blocks, raster, arrival)
                             : Reader(tif.get(), messages, format, raster).readScanlines(arrival);
}

} // namespace

Decoded decodeTiff(const std::string& path) {
    Decoded decoded;
    decoded.error = decodeInto(path, decoded.raster, decoded.sourceBits, nullptr, nullptr);
    if (!decoded.error.empty()) decoded = failed(std::move(decoded.error));
    return decoded;
}

std::string decodeTiffInto(const std::string& path, Raster& into, int& sourceBits,
                           RowArrival& arrival, const std::function<void()>& sized) {
    return decodeInto(path, into, sourceBits, &arrival, &sized);
}

} // namespace tracelle::picture
