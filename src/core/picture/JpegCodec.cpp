#include "picture/JpegCodec.h"

#include "files/AtomicFile.h"
#include "picture/PixelRows.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
// clang-format off
#include <jpeglib.h> // needs <cstdio> first
#include <jerror.h>
// clang-format on

namespace tracelle::picture {

namespace {

// Rows asked of libjpeg at a time: enough to amortise the calls, few enough to stay in cache.
constexpr int kBatchRows = 16;

struct ErrorManager {
    jpeg_error_mgr pub; // first, so that libjpeg's pointer to it leads back here
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int code;
    bool truncated;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    errors->code = cinfo->err->msg_code;
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// libjpeg only warns at a premature end and pads the rest with grey: a half picture would
// then pass for a whole one. Other warnings (stray bytes between markers) are let pass.
void onMessage(j_common_ptr cinfo, int level) {
    if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
        errors->truncated = true;
        std::longjmp(errors->jump, 1);
    }
}

void noOutput(j_common_ptr) {}

void installErrors(ErrorManager& errors) {
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.emit_message = onMessage;
    errors.pub.output_message = noOutput;
    errors.message[0] = '\0';
    errors.code = 0;
    errors.truncated = false;
}

std::string reason(const ErrorManager& errors) {
    if (errors.truncated) return "fichier JPEG tronqué";
    switch (errors.code) {
    case JERR_INPUT_EMPTY:
        return "fichier JPEG vide";
    case JERR_NO_SOI:
        return "JPEG : ce fichier n'est pas une image JPEG";
    case JERR_OUT_OF_MEMORY:
        return "JPEG : mémoire insuffisante";
    default:
        return std::string("JPEG : ") + errors.message;
    }
}

// Everything the decoding touches across a longjmp lives here, outside the frame that calls
// setjmp, so that no local is left indeterminate and no destructor is skipped.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    std::FILE* file;
    Raster* raster;
    std::string* refused; // why the raster could not be made
    int sourceBits;
};

void cmykRowTo555(const JSAMPLE* src, bool inverted, Pixel* dst, int count) {
    if (inverted) { // Adobe's convention: 255 means no ink
        for (int x = 0; x < count; ++x, src += 4) {
            const unsigned k = src[3];
            dst[x] = rgb555(static_cast<std::uint8_t>(src[0] * k / 255),
                            static_cast<std::uint8_t>(src[1] * k / 255),
                            static_cast<std::uint8_t>(src[2] * k / 255));
        }
    } else {
        for (int x = 0; x < count; ++x, src += 4) {
            const unsigned k = 255u - src[3];
            dst[x] = rgb555(static_cast<std::uint8_t>((255u - src[0]) * k / 255),
                            static_cast<std::uint8_t>((255u - src[1]) * k / 255),
                            static_cast<std::uint8_t>((255u - src[2]) * k / 255));
        }
    }
}

// No object with a destructor is alive in this frame while libjpeg runs.
bool runDecode(DecodeJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    cinfo.err = &job.errors.pub;
    installErrors(job.errors);
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, job.file);
    jpeg_read_header(&cinfo, TRUE);

    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        job.sourceBits = 8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        job.sourceBits = 32;
        break;
    default:
        cinfo.out_color_space = JCS_EXT_RGBX; // 4-byte pixels convert faster than 3-byte
        job.sourceBits = 24;
        break;
    }
    // Speed over a level or two of accuracy, which the 5-bit channels drop anyway.
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    jpeg_calc_output_dimensions(&cinfo);

    // Before jpeg_start_decompress, which allocates a progressive file's coefficients.
    *job.raster = Raster::create(static_cast<int>(cinfo.output_width),
                                 static_cast<int>(cinfo.output_height), job.refused);
    if (job.raster->empty()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);

    const int width = static_cast<int>(cinfo.output_width);
    const int channels = cinfo.output_components;
    const JDIMENSION batch = static_cast<JDIMENSION>(std::max(cinfo.rec_outbuf_height, kBatchRows));
    JSAMPARRAY rows =
        (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                   static_cast<JDIMENSION>(width * channels), batch);
    const bool inverted = cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = static_cast<int>(jpeg_read_scanlines(&cinfo, rows, batch));
        if (count == 0) {
            job.errors.truncated = true;
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        for (int i = 0; i < count; ++i) {
            Pixel* dst = job.raster->row(first + i);
            if (cinfo.out_color_space == JCS_EXT_RGBX)
                rgbRowTo555(rows[i], 4, dst, width);
            else if (cinfo.out_color_space == JCS_GRAYSCALE)
                greyRowTo555(rows[i], dst, width);
            else
                cmykRowTo555(rows[i], inverted, dst, width);
        }
    }
    // Every row is in: what may follow the last scan is of no use here.
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    std::FILE* file;
    const RowSource* rows;
    int quality;
};

bool runEncode(EncodeJob& job) {
    jpeg_compress_struct& cinfo = job.cinfo;
    cinfo.err = &job.errors.pub;
    installErrors(job.errors);
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, job.file);
    const RowSource& source = *job.rows;
    cinfo.image_width = static_cast<JDIMENSION>(source.width);
    cinfo.image_height = static_cast<JDIMENSION>(source.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(job.quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    const int width = source.width;
    JSAMPARRAY rows =
        (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                   static_cast<JDIMENSION>(width * 3), kBatchRows);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int first = static_cast<int>(cinfo.next_scanline);
        const int count = std::min(kBatchRows, source.height - first);
        for (int i = 0; i < count; ++i) {
            const Pixel* src = source.row(first + i);
            JSAMPLE* dst = rows[i];
            for (int x = 0; x < width; ++x, dst += 3) {
                dst[0] = red8(src[x]);
                dst[1] = green8(src[x]);
                dst[2] = blue8(src[x]);
            }
        }
        jpeg_write_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

Decoded decodeJpeg(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return failed("fichier JPEG introuvable ou illisible");
    Raster raster;
    std::string refused;
    DecodeJob job{};
    job.file = file;
    job.raster = &raster;
    job.refused = &refused;
    const bool ok = runDecode(job);
    std::fclose(file);
    if (!ok) return failed(refused.empty() ? reason(job.errors) : refused);
    Decoded decoded;
    decoded.raster = std::move(raster);
    decoded.sourceBits = job.sourceBits;
    return decoded;
}

std::string writeJpeg(const Raster& raster, const std::string& path, int quality) {
    return writeJpeg(RowSource::of(raster), path, quality);
}

std::string writeJpeg(const RowSource& rows, const std::string& path, int quality) {
    if (rows.empty()) return "image vide : rien à enregistrer";
    files::AtomicFile out(path);
    std::string error;
    std::FILE* file = out.open(&error);
    if (!file) return error;
    EncodeJob job{};
    job.file = file;
    job.rows = &rows;
    job.quality = quality;
    if (!runEncode(job)) return reason(job.errors);
    if (!out.commit(&error)) return error;
    return {};
}

} // namespace tracelle::picture
