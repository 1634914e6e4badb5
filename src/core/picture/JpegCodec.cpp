#include "picture/JpegCodec.h"

#include "files/AtomicFile.h"
#include "picture/PixelRows.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
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
    int code;
    bool truncated;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    errors->code = cinfo->err->msg_code;
    std::longjmp(errors->jump, 1);
}

// libjpeg only warns at a premature end and pads the rest with grey: a half picture would
// then pass for a whole one. A file cut short that still ends with an end marker is met as a
// marker inside the scan's data. Other warnings (stray bytes between markers) are let pass.
void onMessage(j_common_ptr cinfo, int level) {
    const int code = cinfo->err->msg_code;
    if (level == -1 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
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
    errors.code = 0;
    errors.truncated = false;
}

// libjpeg's own texts are English: the user gets the French of the kind of fault.
std::string reason(const ErrorManager& errors) {
    if (errors.truncated) return "fichier JPEG tronqué";
    switch (errors.code) {
    case JERR_INPUT_EMPTY:
        return "fichier JPEG vide";
    case JERR_INPUT_EOF:
        return "fichier JPEG tronqué";
    case JERR_NO_SOI:
        return "JPEG : ce fichier n'est pas une image JPEG";
    case JERR_OUT_OF_MEMORY:
        return "JPEG : mémoire insuffisante";
    case JERR_EMPTY_IMAGE:
        return "JPEG : image vide (largeur ou hauteur nulle)";
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        return "JPEG : image trop grande";
    case JERR_ARITH_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_NOTIMPL:
    case JERR_SOF_UNSUPPORTED:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_BAD_PRECISION:
        return "JPEG : variante de JPEG non prise en charge";
    case JERR_FILE_WRITE:
        return "JPEG : écriture impossible";
    default:
        return "JPEG : fichier endommagé";
    }
}

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

// How libjpeg's rows become the picture's.
struct RowFormat {
    Raster* raster;
    J_COLOR_SPACE space;
    bool inverted;

    void convert(JSAMPARRAY rows, int first, int count) const {
        const int width = raster->width();
        for (int i = 0; i < count; ++i) {
            Pixel* dst = raster->row(first + i);
            if (space == JCS_EXT_RGBX)
                rgbRowTo555(rows[i], 4, dst, width);
            else if (space == JCS_GRAYSCALE)
                greyRowTo555(rows[i], dst, width);
            else
                cmykRowTo555(rows[i], inverted, dst, width);
        }
    }
};

// Batches of decoded rows on their way to the picture.
constexpr int kSlots = 4;

// A second core converts the rows into the picture while libjpeg decodes the next batch: the
// conversion and the first touch of the picture's fresh memory then add nothing to the
// decoding's time. When that core is busy elsewhere, the decoding thread converts the oldest
// batch itself rather than wait for it.
class RowConverter {
public:
    enum class State { Free, Full, Converting };
    struct Batch {
        JSAMPARRAY rows = nullptr;
        int first = 0;
        int count = 0;
        State state = State::Free;
    };
    std::array<Batch, kSlots> batches; // their rows allocated before start

    // Without a second thread (declined, or none to be had), rows are converted as delivered.
    void start(const RowFormat& format, bool secondThread) {
        format_ = format;
        if (!secondThread) return;
        try {
            thread_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
        }
    }

    // The batch to decode into next, once its previous rows are in the picture.
    Batch& next() {
        Batch& batch = batches[next_];
        std::unique_lock lock(mutex_);
        if (batch.state == State::Full) convert(batch, lock);
        changed_.wait(lock, [&] { return batch.state == State::Free; });
        return batch;
    }

    void deliver(int first, int count) {
        Batch& batch = batches[next_];
        batch.first = first;
        batch.count = count;
        if (!thread_.joinable()) return format_.convert(batch.rows, first, count);
        {
            const std::lock_guard lock(mutex_);
            batch.state = State::Full;
            next_ = (next_ + 1) % kSlots;
        }
        changed_.notify_all();
    }

    // Returns once every delivered row is in the picture; before libjpeg frees the batches.
    void finish() {
        if (!thread_.joinable()) return;
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    ~RowConverter() { finish(); }

private:
    // Called and returns with the lock held.
    void convert(Batch& batch, std::unique_lock<std::mutex>& lock) {
        batch.state = State::Converting;
        lock.unlock();
        format_.convert(batch.rows, batch.first, batch.count);
        lock.lock();
        batch.state = State::Free;
    }

    // Batches fill in turn, the oldest at next_.
    Batch* oldestFull() {
        for (std::size_t i = 0; i < kSlots; ++i)
            if (Batch& batch = batches[(next_ + i) % kSlots]; batch.state == State::Full)
                return &batch;
        return nullptr;
    }

    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            Batch* batch = nullptr;
            changed_.wait(lock, [&] { return (batch = oldestFull()) || finished_; });
            if (!batch) return;
            convert(*batch, lock);
            changed_.notify_all();
        }
    }

    RowFormat format_{};
    std::size_t next_ = 0;
    bool finished_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

// libjpeg's own file source reads 4 KB at a time, which keeps its Huffman decoder off its fast
// path; reads of 64 KB decode a large scan several percent faster. The end of the file is
// met as libjpeg meets it: an empty file is refused, a cut one gets an end marker and the
// warning that has it refused.
struct FileSource {
    jpeg_source_mgr pub; // first, so that libjpeg's pointer to it leads back here
    std::FILE* file;
    bool startOfFile;
    std::array<JOCTET, 65536> buffer;
};

void initSource(j_decompress_ptr cinfo) {
    reinterpret_cast<FileSource*>(cinfo->src)->startOfFile = true;
}

boolean fillInput(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    std::size_t n = std::fread(src->buffer.data(), 1, src->buffer.size(), src->file);
    if (n == 0) {
        if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer.data();
    src->pub.bytes_in_buffer = n;
    src->startOfFile = false;
    return TRUE;
}

void skipInput(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        fillInput(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

void readFrom(jpeg_decompress_struct& cinfo, FileSource& source, std::FILE* file) {
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillInput;
    source.pub.skip_input_data = skipInput;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.bytes_in_buffer = 0;
    source.pub.next_input_byte = nullptr;
    source.file = file;
    cinfo.src = &source.pub;
}

// Everything the decoding touches across a longjmp lives here, outside the frame that calls
// setjmp, so that no local is left indeterminate and no destructor is skipped.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    FileSource source;
    std::FILE* file;
    Raster* raster;
    std::string* refused; // why the raster could not be made
    int sourceBits;
    RowConverter converter;
};

// libjpeg gives a row group at a time, two rows for the usual subsampled colour: filled whole,
// a batch is handed over hundreds of times rather than thousands. 0 when libjpeg gives none.
int readBatch(jpeg_decompress_struct& cinfo, JSAMPARRAY rows, JDIMENSION batch) {
    JDIMENSION count = 0;
    while (count < batch && cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows + count, batch - count);
        if (got == 0) break;
        count += got;
    }
    return static_cast<int>(count);
}

// No object with a destructor is alive in this frame while libjpeg runs.
bool runDecode(DecodeJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    cinfo.err = &job.errors.pub;
    installErrors(job.errors);
    if (setjmp(job.errors.jump)) {
        job.converter.finish();
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    readFrom(cinfo, job.source, job.file);
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

    // Before jpeg_start_decompress, which allocates a progressive file's coefficients: two
    // bytes each, for the whole picture.
    std::uint64_t coefficients = 0;
    if (jpeg_has_multiple_scans(&cinfo))
        for (int c = 0; c < cinfo.num_components; ++c)
            coefficients += std::uint64_t{cinfo.comp_info[c].width_in_blocks} *
                            cinfo.comp_info[c].height_in_blocks * DCTSIZE2 * sizeof(JCOEF);
    if (auto refused = checkFitsInMemory(cinfo.output_width, cinfo.output_height, coefficients);
        !refused.empty()) {
        *job.refused = refused;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *job.raster = Raster::create(static_cast<int>(cinfo.output_width),
                                 static_cast<int>(cinfo.output_height), job.refused);
    if (job.raster->empty()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);

    const JDIMENSION batch = static_cast<JDIMENSION>(std::max(cinfo.rec_outbuf_height, kBatchRows));
    for (RowConverter::Batch& b : job.converter.batches)
        b.rows = (*cinfo.mem->alloc_sarray)(
            reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
            static_cast<JDIMENSION>(cinfo.output_width * cinfo.output_components), batch);
    const std::uint64_t pixels = std::uint64_t{cinfo.output_width} * cinfo.output_height;
    job.converter.start({job.raster, cinfo.out_color_space, cinfo.saw_Adobe_marker != 0},
                        pixels >= kTwoThreadsFrom);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = readBatch(cinfo, job.converter.next().rows, batch);
        if (count == 0) {
            job.errors.truncated = true;
            job.converter.finish();
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        job.converter.deliver(first, count);
    }
    // Every row is in: what may follow the last scan is of no use here.
    job.converter.finish();
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    std::FILE* file;
    int width;
    int height;
    // Row y (0 at the top) as red, green, blue bytes.
    std::function<void(int y, JSAMPLE* rgb)> fill;
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
    cinfo.image_width = static_cast<JDIMENSION>(job.width);
    cinfo.image_height = static_cast<JDIMENSION>(job.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(job.quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    JSAMPARRAY rows =
        (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                   static_cast<JDIMENSION>(job.width * 3), kBatchRows);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int first = static_cast<int>(cinfo.next_scanline);
        const int count = std::min(kBatchRows, job.height - first);
        for (int i = 0; i < count; ++i)
            job.fill(first + i, rows[i]);
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

namespace {

std::string encode(EncodeJob& job, const std::string& path) {
    if (job.width <= 0 || job.height <= 0) return "image vide : rien à enregistrer";
    files::AtomicFile out(path);
    std::string error;
    job.file = out.open(&error);
    if (!job.file) return error;
    // libjpeg writes to the stream itself: a refused write shows in the stream's error.
    if (!runEncode(job)) return std::ferror(job.file) ? out.writeFailure() : reason(job.errors);
    if (!out.commit(&error)) return error;
    return {};
}

} // namespace

std::string writeJpeg(const RowSource& rows, const std::string& path, int quality) {
    EncodeJob job{};
    job.width = rows.width;
    job.height = rows.height;
    job.fill = [&rows](int y, JSAMPLE* rgb) { rowTo888(rows.row(y), rgb, rows.width); };
    job.quality = quality;
    return encode(job, path);
}

std::string writeJpeg(const Rgb24& picture, const std::string& path, int quality) {
    const std::size_t rowBytes = static_cast<std::size_t>(std::max(picture.width, 0)) * 3;
    if (picture.rgb.size() < rowBytes * static_cast<std::size_t>(std::max(picture.height, 0)))
        return "image incomplète : rien à enregistrer";
    EncodeJob job{};
    job.width = picture.width;
    job.height = picture.height;
    job.fill = [&picture, rowBytes](int y, JSAMPLE* rgb) {
        std::memcpy(rgb, picture.rgb.data() + rowBytes * static_cast<std::size_t>(y), rowBytes);
    };
    job.quality = quality;
    return encode(job, path);
}

} // namespace tracelle::picture
