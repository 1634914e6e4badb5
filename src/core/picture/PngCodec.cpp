#include "picture/PngCodec.h"

#include "picture/PixelRows.h"
#include "picture/PngImageData.h"
#include "picture/RowArrival.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <png.h>
#include <string>
#include <string_view>

namespace tracelle::picture {

namespace {

using Fault = PngImageData::Fault;

// Everything the decoding touches across libpng's longjmp lives here, outside the frame
// that calls setjmp, so that no local is left indeterminate and no destructor is skipped.
struct PngJob {
    std::FILE* file;
    png_structp png;
    png_infop info;
    png_bytep row; // one decoded row, reused
    Raster* raster;
    std::string* refused;               // why the raster could not be made
    RowArrival* arrival;                // told of the rows in the picture, when set
    const std::function<void()>* sized; // called once the picture's memory is there
    int sourceBits;
    png_uint_32 width, height;
    int channels; // samples a pixel in the file
    bool interlaced;
    // A palette's entries as pixels, over white, or the grey levels of a grey picture without
    // transparency: the picture keeps the file's bytes as indices, half the memory of 15 bits.
    bool indexed;
    std::array<Pixel, 256> palette;
    bool truncated;
    char message[256];
    // libpng reads each chunk's length and type in one read of 8 bytes: the last such read
    // before the image data is the header of their first chunk.
    std::uint8_t header[8];
    // Whether the image data are read past libpng, and how that ended.
    bool imageDataOwn;
    Fault fault;
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
    auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
    std::snprintf(job->message, sizeof job->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

std::string textOf(Fault fault) {
    switch (fault) {
    case Fault::Truncated:
        return platform::translate("PngCodec", "fichier PNG tronqué");
    case Fault::Damaged:
        return platform::translate("PngCodec", "PNG : données de l'image endommagées");
    case Fault::Incomplete:
        return platform::translate("PngCodec",
                                   "PNG : image incomplète (données de l'image trop courtes)");
    case Fault::NoMemory:
        return platform::translate("PngCodec", "PNG : mémoire insuffisante");
    case Fault::None:
        break;
    }
    return platform::translate("PngCodec", "PNG : fichier endommagé");
}

// libpng's own texts are English: the user gets the kind of fault in his language.
std::string reason(std::string_view message) {
    const auto has = [message](std::string_view part) {
        return message.find(part) != std::string_view::npos;
    };
    if (has("memory") || has("mémoire")) return textOf(Fault::NoMemory);
    if (has("Not enough image data")) return textOf(Fault::Incomplete);
    if (has("CRC"))
        return platform::translate("PngCodec",
                                   "PNG : fichier endommagé (somme de contrôle fausse)");
    if (message.starts_with("IDAT") || has("image data") || has("ompress"))
        return textOf(Fault::Damaged);
    return textOf(Fault::None);
}

void readData(png_structp png, png_bytep data, std::size_t length) {
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (std::fread(data, 1, length, job->file) != length) {
        job->truncated = true;
        png_error(png, "end of file");
    }
    if (length == sizeof job->header) std::memcpy(job->header, data, length);
}

void rowTo555(const png_byte* src, int channels, Pixel* dst, int count) {
    if (channels == 4)
        rgbaOverWhiteRowTo555(src, dst, count);
    else if (channels == 3)
        rgbRowTo555(src, 3, dst, count);
    else
        for (int x = 0; x < count; ++x, src += 2)
            dst[x] = overWhite555(src[0], src[0], src[0], src[1]);
}

// A row of samples into row y of the picture, from column x0 on, every dx columns.
void place(const PngJob& job, const png_byte* src, int channels, int y, int x0, int dx, int count) {
    if (job.indexed) {
        std::uint8_t* dst = job.raster->indexRow(y) + x0;
        if (dx == 1)
            std::memcpy(dst, src, static_cast<std::size_t>(count));
        else
            for (int i = 0; i < count; ++i)
                dst[i * dx] = src[i];
        return;
    }
    Pixel* dst = job.raster->row(y) + x0;
    if (dx == 1) return rowTo555(src, channels, dst, count);
    Pixel converted[64];
    for (int c = 0; c < count; c += 64) {
        const int n = std::min(64, count - c);
        rowTo555(src + c * channels, channels, converted, n);
        for (int i = 0; i < n; ++i)
            dst[(c + i) * dx] = converted[i];
    }
}

// Indices beyond the palette show black, as libpng's own expansion gives them; entries beyond
// the transparency chunk are opaque.
void readPalette(PngJob& job) {
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(job.png, job.info, &colours, &count);
    png_bytep alphas = nullptr;
    int opacities = 0;
    if (png_get_valid(job.png, job.info, PNG_INFO_tRNS))
        png_get_tRNS(job.png, job.info, &alphas, &opacities, nullptr);
    job.palette.fill(0);
    for (int i = 0; i < std::min(count, 256); ++i)
        job.palette[static_cast<std::size_t>(i)] = overWhite555(
            colours[i].red, colours[i].green, colours[i].blue, i < opacities ? alphas[i] : 255u);
}

// The passes after which the picture is shown reduced: pass 4 completes a grid of every other
// column and every fourth row, an eighth of the pixels; finer ones would cost more memory
// than they show.
constexpr int kLastShownPass = 3;

// The grid of pixels known after `pass` (0 to 6), each standing for its block until the
// passes after fill it.
void showPass(const PngJob& job, int pass) {
    const int stepX = 8 >> ((pass + 1) / 2), stepY = 8 >> (pass / 2);
    const Raster& full = *job.raster;
    Raster grid =
        Raster::create((full.width() + stepX - 1) / stepX, (full.height() + stepY - 1) / stepY);
    if (grid.empty()) return;
    for (int j = 0; j < grid.height(); ++j) {
        Pixel* dst = grid.row(j);
        for (int i = 0; i < grid.width(); ++i)
            dst[i] = full.pixel(i * stepX, j * stepY);
    }
    try {
        job.arrival->showPreview(
            {std::make_shared<const Raster>(std::move(grid)), 1, stepX, 1, stepY});
    } catch (const std::bad_alloc&) {
    }
}

// Every pass of an interlaced picture touches the whole picture: the first passes are shown as
// blocks, and the odd rows of the last pass make the rows final from the top.
// Without libpng's interlace handling each pass comes as its own reduced picture, whose pixels
// go straight to their places: no full-size buffer of 8-bit samples.
void placePassRow(const PngJob& job, int pass, png_uint_32 r, const png_byte* src, int channels) {
    const png_uint_32 columns = PNG_PASS_COLS(job.width, pass);
    const png_uint_32 x0 = PNG_PASS_START_COL(pass);
    const png_uint_32 dx = 1u << PNG_PASS_COL_SHIFT(pass);
    const png_uint_32 y = PNG_PASS_START_ROW(pass) + (r << PNG_PASS_ROW_SHIFT(pass));
    place(job, src, channels, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(dx),
          static_cast<int>(columns));
    // The even rows are whole after pass 6: each odd row completes the next two.
    const png_uint_32 rows = PNG_PASS_ROWS(job.height, pass);
    if (job.arrival && pass == 6 && ((r + 1) % kRowsTold == 0 || r + 1 == rows))
        job.arrival->arrived(static_cast<int>(std::min(job.height, 2 * r + 3)));
}

// Whether the image data can be read past libpng: samples of 8 bits whose only transparency is
// an alpha channel or the palette's.
bool imageDataOwnFits(const PngJob& job) {
    const int type = png_get_color_type(job.png, job.info);
    return png_get_bit_depth(job.png, job.info) == 8 &&
           (type == PNG_COLOR_TYPE_PALETTE || (type & PNG_COLOR_MASK_ALPHA) ||
            !png_get_valid(job.png, job.info, PNG_INFO_tRNS)) &&
           std::memcmp(job.header + 4, "IDAT", 4) == 0;
}

// The picture's memory, then the caller told that it is there.
bool makePicture(PngJob& job, png_uint_32 width, png_uint_32 height) {
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    *job.raster =
        job.indexed ? Raster::createIndexed(w, h, job.refused) : Raster::create(w, h, job.refused);
    if (job.raster->empty()) return false;
    if (job.indexed) job.raster->palette() = job.palette;
    if (job.sized && *job.sized) (*job.sized)();
    return true;
}

void release(PngJob& job) {
    if (job.row) png_free(job.png, job.row);
    job.row = nullptr;
    png_destroy_read_struct(&job.png, &job.info, nullptr);
}

// No object with a destructor is alive in this frame while libpng runs.
bool runDecode(PngJob& job) {
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, onError, onWarning);
    if (job.png) job.info = png_create_info_struct(job.png);
    if (!job.png || !job.info) {
        std::snprintf(job.message, sizeof job.message, "mémoire insuffisante");
        png_destroy_read_struct(&job.png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(job.png))) {
        release(job);
        return false;
    }
    png_set_read_fn(job.png, &job, readData);
    png_set_sig_bytes(job.png, 8);
    png_read_info(job.png, job.info);
    job.width = png_get_image_width(job.png, job.info);
    job.height = png_get_image_height(job.png, job.info);
    job.channels = png_get_channels(job.png, job.info);
    job.sourceBits = png_get_bit_depth(job.png, job.info) * job.channels;
    job.interlaced = png_get_interlace_type(job.png, job.info) != PNG_INTERLACE_NONE;

    const int type = png_get_color_type(job.png, job.info);
    const bool grey =
        type == PNG_COLOR_TYPE_GRAY && !png_get_valid(job.png, job.info, PNG_INFO_tRNS);
    job.indexed = type == PNG_COLOR_TYPE_PALETTE || grey;
    if (type == PNG_COLOR_TYPE_PALETTE) readPalette(job);
    if (grey) job.palette = greyPalette();
    if (imageDataOwnFits(job)) {
        job.imageDataOwn = true;
        release(job);
        return true;
    }
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_packing(job.png); // an index a byte
    else if (grey) {
        png_set_expand_gray_1_2_4_to_8(job.png);
        png_set_strip_16(job.png);
    } else {
        // Down to 8-bit RGB, with alpha when the file has any transparency.
        png_set_expand(job.png);
        png_set_strip_16(job.png);
        png_set_gray_to_rgb(job.png);
    }
    png_read_update_info(job.png, job.info);
    const int channels = png_get_channels(job.png, job.info);
    const png_uint_32 width = job.width, height = job.height;

    if (!makePicture(job, width, height)) {
        release(job);
        return false;
    }
    job.row = static_cast<png_bytep>(png_malloc(job.png, png_get_rowbytes(job.png, job.info)));

    if (!job.interlaced) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(job.png, job.row, nullptr);
            place(job, job.row, channels, static_cast<int>(y), 0, 1, static_cast<int>(width));
            if (job.arrival && ((y + 1) % kRowsTold == 0 || y + 1 == height))
                job.arrival->arrived(static_cast<int>(y + 1));
        }
    } else {
        for (int pass = 0; pass < 7; ++pass) {
            const png_uint_32 rows = PNG_PASS_ROWS(height, pass);
            if (PNG_PASS_COLS(width, pass) == 0 || rows == 0) continue; // libpng skips them
            for (png_uint_32 r = 0; r < rows; ++r) {
                png_read_row(job.png, job.row, nullptr);
                placePassRow(job, pass, r, job.row, channels);
            }
            if (job.arrival && pass <= kLastShownPass) showPass(job, pass);
        }
    }
    // The picture is whole: chunks after the image data are of no use here.
    release(job);
    return true;
}

// The rows from PngImageData, converted as they come.
bool readImageData(PngJob& job) {
    if (!makePicture(job, job.width, job.height)) return false;
    const int width = static_cast<int>(job.width), height = static_cast<int>(job.height);
    const auto rowBytes = [&job](png_uint_32 columns) {
        return static_cast<std::size_t>(columns) * static_cast<std::size_t>(job.channels);
    };
    try {
        PngImageData data(job.file, job.header, job.channels);
        const auto failed = [&job, &data] {
            job.fault = data.fault();
            return false;
        };
        if (!job.interlaced) {
            data.startPass(rowBytes(job.width));
            for (int y = 0; y < height;) {
                const int rows = data.next(std::min(kRowsTold, height - y));
                if (rows == 0) return failed();
                for (int i = 0; i < rows; ++i)
                    place(job, data.row(i), job.channels, y + i, 0, 1, width);
                y += rows;
                if (job.arrival) job.arrival->arrived(y);
            }
            return true;
        }
        for (int pass = 0; pass < 7; ++pass) {
            const png_uint_32 columns = PNG_PASS_COLS(job.width, pass);
            const png_uint_32 rows = PNG_PASS_ROWS(job.height, pass);
            if (columns == 0 || rows == 0) continue; // an empty pass has no rows in the file
            data.startPass(rowBytes(columns));
            for (png_uint_32 r = 0; r < rows;) {
                const int got =
                    data.next(static_cast<int>(std::min<png_uint_32>(kRowsTold, rows - r)));
                if (got == 0) return failed();
                for (int i = 0; i < got; ++i, ++r)
                    placePassRow(job, pass, r, data.row(i), job.channels);
            }
            if (job.arrival && pass <= kLastShownPass) showPass(job, pass);
        }
    } catch (const std::bad_alloc&) {
        job.fault = Fault::NoMemory;
        return false;
    }
    return true;
}

std::string decodeInto(const std::string& path, Raster& raster, int& bits, RowArrival* arrival,
                       const std::function<void()>* sized) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return platform::translate("PngCodec", "fichier PNG introuvable ou illisible");
    // The chunks are read in small pieces: one system call for many of them.
    std::setvbuf(file, nullptr, _IOFBF, std::size_t{1} << 16);
    png_byte signature[8];
    const std::size_t got = std::fread(signature, 1, sizeof signature, file);
    if (got < sizeof signature || png_sig_cmp(signature, 0, sizeof signature) != 0) {
        std::fclose(file);
        if (got == 0) return platform::translate("PngCodec", "fichier PNG vide");
        if (png_sig_cmp(signature, 0, got) == 0) return textOf(Fault::Truncated);
        return platform::translate("PngCodec", "PNG : ce fichier n'est pas une image PNG");
    }
    std::string refused;
    PngJob job{};
    job.file = file;
    job.raster = &raster;
    job.refused = &refused;
    job.arrival = arrival;
    job.sized = sized;
    bool ok = runDecode(job);
    if (ok && job.imageDataOwn) ok = readImageData(job);
    std::fclose(file);
    bits = job.sourceBits;
    if (ok) return {};
    if (!refused.empty()) return refused;
    if (job.fault != Fault::None) return textOf(job.fault);
    if (job.truncated) return textOf(Fault::Truncated);
    return reason(job.message);
}

} // namespace

Decoded decodePng(const std::string& path) {
    Decoded decoded;
    decoded.error = decodeInto(path, decoded.raster, decoded.sourceBits, nullptr, nullptr);
    if (!decoded.error.empty()) decoded.raster = Raster();
    return decoded;
}

std::string decodePngInto(const std::string& path, Raster& into, int& sourceBits,
                          RowArrival& arrival, const std::function<void()>& sized) {
    return decodeInto(path, into, sourceBits, &arrival, &sized);
}

} // namespace tracelle::picture
