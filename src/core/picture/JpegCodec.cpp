#include "picture/JpegCodec.h"

#include "files/AtomicFile.h"
#include "picture/JpegEntropyAhead.h"
#include "picture/JpegSupport.h"
#include "picture/PixelRows.h"
#include "picture/RowArrival.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <functional>
#include <jerror.h>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

namespace tracelle::picture {

namespace {

// Rows asked of libjpeg at a time: enough to amortise the calls, few enough to stay in cache.
constexpr int kBatchRows = 16;

// libjpeg's own texts are English: the user gets the kind of fault in his language.
std::string reason(const JpegErrors& errors) {
    if (errors.truncated) return platform::translate("JpegCodec", "fichier JPEG tronqué");
    switch (errors.code) {
    case JERR_INPUT_EMPTY:
        return platform::translate("JpegCodec", "fichier JPEG vide");
    case JERR_INPUT_EOF:
        return platform::translate("JpegCodec", "fichier JPEG tronqué");
    case JERR_NO_SOI:
        return platform::translate("JpegCodec", "JPEG : ce fichier n'est pas une image JPEG");
    case JERR_OUT_OF_MEMORY:
        return platform::translate("JpegCodec", "JPEG : mémoire insuffisante");
    case JERR_EMPTY_IMAGE:
        return platform::translate("JpegCodec", "JPEG : image vide (largeur ou hauteur nulle)");
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        return platform::translate("JpegCodec", "JPEG : image trop grande");
    case JERR_ARITH_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_NOTIMPL:
    case JERR_SOF_UNSUPPORTED:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_BAD_PRECISION:
        return platform::translate("JpegCodec", "JPEG : variante de JPEG non prise en charge");
    case JERR_FILE_WRITE:
        return platform::translate("JpegCodec", "JPEG : écriture impossible");
    default:
        return platform::translate("JpegCodec", "JPEG : fichier endommagé");
    }
}

// Each pixel's red, green and blue from its inks, handed to `put(x, r, g, b)`.
template <class Put> void cmykRow(const JSAMPLE* src, bool inverted, int count, Put put) {
    for (int x = 0; x < count; ++x, src += 4) {
        if (inverted) { // Adobe's convention: 255 means no ink
            const unsigned k = src[3];
            put(x, src[0] * k / 255, src[1] * k / 255, src[2] * k / 255);
        } else {
            const unsigned k = 255u - src[3];
            put(x, (255u - src[0]) * k / 255, (255u - src[1]) * k / 255, (255u - src[2]) * k / 255);
        }
    }
}

// How libjpeg's rows become the picture's: grey levels kept as indices, RGB555 words, or 32-bit
// words kept whole.
struct RowFormat {
    Raster* raster;
    Decoded32* wide;
    J_COLOR_SPACE space;
    bool inverted;

    void convert(JSAMPARRAY rows, int first, int count) const {
        if (wide) return convertWide(rows, first, count);
        const int width = raster->width();
        for (int i = 0; i < count; ++i) {
            if (raster->indexed()) {
                std::memcpy(raster->indexRow(first + i), rows[i], static_cast<std::size_t>(width));
                continue;
            }
            Pixel* dst = raster->row(first + i);
            if (space == JCS_EXT_RGBX)
                rgbRowTo555(rows[i], 4, dst, width);
            else if (space == JCS_GRAYSCALE)
                greyRowTo555(rows[i], dst, width);
            else
                cmykRow(rows[i], inverted, width, [dst](int x, unsigned r, unsigned g, unsigned b) {
                    dst[x] = rgb555(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                    static_cast<std::uint8_t>(b));
                });
        }
    }

    // libjpeg writes colour and grey as blue, green, red and 0xFF bytes: the words as they are.
    void convertWide(JSAMPARRAY rows, int first, int count) const {
        const int width = wide->width;
        for (int i = 0; i < count; ++i) {
            std::uint32_t* dst = wide->row(first + i);
            if (space == JCS_EXT_BGRX)
                std::memcpy(dst, rows[i], static_cast<std::size_t>(width) * 4);
            else
                cmykRow(rows[i], inverted, width, [dst](int x, unsigned r, unsigned g, unsigned b) {
                    dst[x] = 0xFF000000u | r << 16 | g << 8 | b;
                });
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
    // Their rows allocated before start: the first only, when no second thread is asked for.
    std::array<Batch, kSlots> batches;

    // Without a second thread (declined, or none to be had), rows are converted as delivered.
    void start(const RowFormat& format, bool secondThread, RowArrival* arrival) {
        format_ = format;
        arrival_ = arrival;
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
        if (!thread_.joinable()) {
            format_.convert(batch.rows, first, count);
            if (arrival_) arrival_->arrived(first + count);
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            delivered_ = first + count;
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
        publish();
    }

    // Batches may be converted out of turn: the rows arrived are those before the first
    // batch still waiting or converting. Called with the lock held.
    void publish() const {
        if (!arrival_) return;
        int ready = delivered_;
        for (const Batch& b : batches)
            if (b.state != State::Free) ready = std::min(ready, b.first);
        arrival_->arrived(ready);
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
    RowArrival* arrival_ = nullptr;
    int delivered_ = 0; // rows handed over
    std::size_t next_ = 0;
    bool finished_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

// Everything the decoding touches across a longjmp lives here, outside the frame that calls
// setjmp, so that no local is left indeterminate and no destructor is skipped.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    JpegErrors errors;
    JpegFileSource source;
    std::FILE* file;
    const char* path;
    Raster* raster;
    Decoded32* wide;      // set when the picture is kept at 8 bits a channel
    std::string* refused; // why the raster could not be made
    int sourceBits;
    RowArrival* arrival;                // told of the rows in the picture, when set
    const std::function<void()>* sized; // called once the picture's memory is there
    RowConverter converter;
    std::unique_ptr<JpegEntropyAhead> ahead; // for a large baseline file
    std::shared_ptr<Raster> means;           // a progressive file's blocks, one pixel each
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

// The picture's memory, checked against the machine's before. A grey picture keeps its levels,
// a byte a pixel.
bool allocate(DecodeJob& job, int width, int height) {
    if (!job.wide) {
        const bool grey = job.cinfo.out_color_space == JCS_GRAYSCALE;
        *job.raster = grey ? Raster::createIndexed(width, height, job.refused)
                           : Raster::create(width, height, job.refused);
        if (grey && !job.raster->empty()) job.raster->palette() = greyPalette();
        return !job.raster->empty();
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    job.wide->pixels.reset(new (std::nothrow) std::uint32_t[count]);
    if (!job.wide->pixels) {
        *job.refused = platform::translate("JpegCodec", "JPEG : mémoire insuffisante");
        return false;
    }
    job.wide->width = width;
    job.wide->height = height;
    return true;
}

// A progressive file's first rows come only once its last scan is read, most of the decoding
// later. Its first scans hold every block's mean: shown at once, one pixel a block, the whole
// picture stands in until its rows arrive. Nothing is shown when the scans give no such means.
void showBlockMeans(DecodeJob& job, const RowFormat& format) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    const auto meansIn = [&cinfo] {
        for (int c = 0; c < cinfo.num_components; ++c)
            if (cinfo.coef_bits[c][0] < 0) return false;
        return true;
    };
    for (;;) {
        const int got = jpeg_consume_input(&cinfo);
        if (got == JPEG_REACHED_EOI || got == JPEG_SUSPENDED) return;
        if (got == JPEG_SCAN_COMPLETED && meansIn()) break;
    }
    const int width = static_cast<int>(cinfo.output_width),
              height = static_cast<int>(cinfo.output_height);
    // 15 bits, as previews are read, whatever the picture's kind.
    job.means = std::make_shared<Raster>(Raster::create((width + 7) / 8, (height + 7) / 8));
    Raster* means = job.means.get();
    if (means->empty()) return;
    // Smoothing would blur each block into its neighbours: the means are wanted as they are.
    cinfo.do_block_smoothing = FALSE;
    jpeg_start_output(&cinfo, cinfo.input_scan_number);
    const std::size_t bytes = static_cast<std::size_t>(cinfo.output_components);
    JSAMPARRAY rows = (*cinfo.mem->alloc_sarray)(
        reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, static_cast<JDIMENSION>(width * bytes),
        static_cast<JDIMENSION>(cinfo.rec_outbuf_height) + 1);
    JSAMPROW picked = rows[cinfo.rec_outbuf_height];
    RowFormat into = format;
    into.raster = means;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = static_cast<int>(
            jpeg_read_scanlines(&cinfo, rows, static_cast<JDIMENSION>(cinfo.rec_outbuf_height)));
        for (int i = 0; i < count; ++i) {
            if ((first + i) % 8 != 0) continue;
            for (int x = 0; x < means->width(); ++x)
                std::memcpy(picked + x * bytes, rows[i] + std::size_t(x) * 8 * bytes, bytes);
            into.convert(&picked, (first + i) / 8, 1);
        }
    }
    jpeg_finish_output(&cinfo);
    cinfo.do_block_smoothing = TRUE;
    job.arrival->showPreview({std::move(job.means), 1, 8, 1, 8});
}

// The helper threads stopped before libjpeg frees what they use.
void release(DecodeJob& job) {
    if (job.ahead) job.ahead->stop();
    job.converter.finish();
    jpeg_destroy_decompress(&job.cinfo);
}

// No object with a destructor is alive in this frame while libjpeg runs.
bool runDecode(DecodeJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    cinfo.err = &job.errors.pub;
    installJpegErrors(job.errors);
    if (setjmp(job.errors.jump)) {
        release(job);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    readJpegFrom(cinfo, job.source, job.file);
    jpeg_read_header(&cinfo, TRUE);

    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = job.wide ? JCS_EXT_BGRX : JCS_GRAYSCALE;
        job.sourceBits = 8;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        job.sourceBits = 32;
        break;
    default:
        // 4-byte pixels convert faster than 3-byte; kept whole, they are the picture's words.
        cinfo.out_color_space = job.wide ? JCS_EXT_BGRX : JCS_EXT_RGBX;
        job.sourceBits = 24;
        break;
    }
    // Speed over a level or two of accuracy, which the 5-bit channels drop anyway and 8-bit
    // ones barely show.
    cinfo.dct_method = JDCT_IFAST;
    cinfo.do_fancy_upsampling = FALSE;
    jpeg_calc_output_dimensions(&cinfo);

    // Before jpeg_start_decompress, which allocates a progressive file's coefficients: two
    // bytes each, for the whole picture. Words of 32 bits hold twice an RGB555 picture.
    std::uint64_t coefficients = 0;
    if (jpeg_has_multiple_scans(&cinfo))
        for (int c = 0; c < cinfo.num_components; ++c)
            coefficients += std::uint64_t{cinfo.comp_info[c].width_in_blocks} *
                            cinfo.comp_info[c].height_in_blocks * DCTSIZE2 * sizeof(JCOEF);
    const std::uint64_t pixels = std::uint64_t{cinfo.output_width} * cinfo.output_height;
    const std::uint64_t beside = coefficients + (job.wide ? pixels * sizeof(Pixel) : 0);
    const int pixelBytes = !job.wide && cinfo.out_color_space == JCS_GRAYSCALE ? 1 : 2;
    if (auto refused =
            checkFitsInMemory(cinfo.output_width, cinfo.output_height, beside, pixelBytes);
        !refused.empty()) {
        *job.refused = refused;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (!allocate(job, static_cast<int>(cinfo.output_width),
                  static_cast<int>(cinfo.output_height))) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (job.sized && *job.sized) (*job.sized)();
    const RowFormat format{job.raster, job.wide, cinfo.out_color_space,
                           cinfo.saw_Adobe_marker != 0};
    // Read scan by scan, so that the blocks' means can be shown before the rest.
    const bool means = job.arrival && !job.wide && cinfo.progressive_mode;
    cinfo.buffered_image = means;
    jpeg_start_decompress(&cinfo);
    if (means) {
        showBlockMeans(job, format);
        while (!jpeg_input_complete(&cinfo))
            if (const int got = jpeg_consume_input(&cinfo);
                got == JPEG_SUSPENDED || got == JPEG_REACHED_EOI)
                break;
        jpeg_start_output(&cinfo, cinfo.input_scan_number);
    }

    const bool large = pixels >= kTwoThreadsFrom;
    if (large && !means) {
        job.ahead.reset(new (std::nothrow) JpegEntropyAhead);
        if (job.ahead && !job.ahead->start(cinfo, job.path)) job.ahead.reset();
    }
    // Two cores, two threads: with the coefficients decoded ahead, the rows are converted
    // where they are decoded, through a single batch.
    const bool convertBeside = large && !job.ahead;
    const JDIMENSION batch = static_cast<JDIMENSION>(std::max(cinfo.rec_outbuf_height, kBatchRows));
    for (int i = 0; i < (convertBeside ? kSlots : 1); ++i)
        job.converter.batches[std::size_t(i)].rows = (*cinfo.mem->alloc_sarray)(
            reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
            static_cast<JDIMENSION>(cinfo.output_width * cinfo.output_components), batch);
    job.converter.start(format, convertBeside, job.arrival);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int first = static_cast<int>(cinfo.output_scanline);
        const int count = readBatch(cinfo, job.converter.next().rows, batch);
        if (count == 0) {
            job.errors.truncated = true;
            release(job);
            return false;
        }
        job.converter.deliver(first, count);
    }
    // Every row is in: what may follow the last scan is of no use here.
    release(job);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct cinfo;
    JpegErrors errors;
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
    installJpegErrors(job.errors);
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

// The decoding into `raster`, or into `wide` when set; the reason when it fails.
std::string decodeInto(const std::string& path, Raster& raster, Decoded32* wide, int& bits,
                       RowArrival* arrival = nullptr,
                       const std::function<void()>* sized = nullptr) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return platform::translate("JpegCodec", "fichier JPEG introuvable ou illisible");
    std::string refused;
    DecodeJob job{};
    job.file = file;
    job.path = path.c_str();
    job.raster = &raster;
    job.wide = wide;
    job.refused = &refused;
    job.arrival = arrival;
    job.sized = sized;
    const bool ok = runDecode(job);
    std::fclose(file);
    bits = job.sourceBits;
    if (ok) return {};
    return refused.empty() ? reason(job.errors) : refused;
}

} // namespace

Decoded decodeJpeg(const std::string& path) {
    Decoded decoded;
    decoded.error = decodeInto(path, decoded.raster, nullptr, decoded.sourceBits);
    if (!decoded.error.empty()) decoded.raster = Raster();
    return decoded;
}

std::string decodeJpegInto(const std::string& path, Raster& into, int& sourceBits,
                           RowArrival& arrival, const std::function<void()>& sized) {
    return decodeInto(path, into, nullptr, sourceBits, &arrival, &sized);
}

Decoded32 decodeJpeg32(const std::string& path) {
    Decoded32 decoded;
    Raster unused;
    int bits = 0;
    decoded.error = decodeInto(path, unused, &decoded, bits);
    if (!decoded.error.empty()) decoded.pixels.reset();
    return decoded;
}

std::string writeJpeg(const Raster& raster, const std::string& path, int quality) {
    return writeJpeg(RowSource::of(raster), path, quality);
}

namespace {

std::string encode(EncodeJob& job, const std::string& path) {
    if (job.width <= 0 || job.height <= 0)
        return platform::translate("JpegCodec", "image vide : rien à enregistrer");
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

std::string writeJpeg(const Rgb24Rows& rows, const std::string& path, int quality) {
    EncodeJob job{};
    job.width = rows.width;
    job.height = rows.height;
    job.fill = [&rows](int y, JSAMPLE* rgb) {
        const std::uint8_t* row = rows.row(y, rgb);
        if (row != rgb) std::memcpy(rgb, row, static_cast<std::size_t>(rows.width) * 3);
    };
    job.quality = quality;
    return encode(job, path);
}

std::string writeJpeg(const Rgb24& picture, const std::string& path, int quality) {
    const auto rows = rowsOf(picture);
    return rows ? writeJpeg(*rows, path, quality)
                : platform::translate("Rgb24", kIncompletePicture);
}

} // namespace tracelle::picture
