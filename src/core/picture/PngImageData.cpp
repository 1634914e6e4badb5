#include "picture/PngImageData.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

namespace tracelle::picture {

namespace {

// Compressed bytes read at a time, and decoded rows held at a time: large enough that the
// calls cost nothing, small enough to stay in the cache.
constexpr std::size_t kInputBytes = std::size_t{1} << 16;
constexpr std::size_t kRowsBytes = std::size_t{1} << 18;
constexpr int kMostRows = 64;

std::uint32_t bigEndian(const std::uint8_t* b) {
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

std::uint8_t paeth(int left, int above, int corner) {
    const int pa = std::abs(above - corner), pb = std::abs(left - corner),
              pc = std::abs(left + above - 2 * corner);
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? left : pb <= pc ? above : corner);
}

// The pixel's size fixed at compile time lets the compiler keep the loops tight.
template <int Bytes>
bool unfilterAs(std::uint8_t type, std::uint8_t* row, const std::uint8_t* above, std::size_t n) {
    const auto add = [](std::uint8_t& to, int value) {
        to = static_cast<std::uint8_t>(to + value);
    };
    switch (type) {
    case 0:
        return true;
    case 1:
        for (std::size_t i = Bytes; i < n; ++i)
            add(row[i], row[i - Bytes]);
        return true;
    case 2:
        for (std::size_t i = 0; i < n; ++i)
            add(row[i], above[i]);
        return true;
    case 3:
        for (std::size_t i = 0; i < Bytes; ++i)
            add(row[i], above[i] >> 1);
        for (std::size_t i = Bytes; i < n; ++i)
            add(row[i], (row[i - Bytes] + above[i]) >> 1);
        return true;
    case 4:
        for (std::size_t i = 0; i < Bytes; ++i)
            add(row[i], above[i]);
        for (std::size_t i = Bytes; i < n; ++i)
            add(row[i], paeth(row[i - Bytes], above[i], above[i - Bytes]));
        return true;
    default:
        return false;
    }
}

} // namespace

PngImageData::PngImageData(std::FILE* file, const std::uint8_t (&header)[8], int pixelBytes)
    : file_(file), left_(bigEndian(header)), crc_(crc32_gzip_refl(0, header + 4, 4)),
      pixelBytes_(pixelBytes), inflater_(std::make_unique<inflate_state>()), input_(kInputBytes) {
    isal_inflate_init(inflater_.get());
    inflater_->crc_flag = ISAL_ZLIB;
}

void PngImageData::startPass(std::size_t rowBytes) {
    rowBytes_ = rowBytes;
    capacity_ =
        static_cast<int>(std::clamp<std::size_t>(kRowsBytes / (rowBytes + 1), 1, kMostRows));
    const std::size_t bytes = static_cast<std::size_t>(capacity_) * (rowBytes + 1);
    if (rows_.size() < bytes) rows_.resize(bytes);
    above_.assign(rowBytes, 0);
}

PngImageData::~PngImageData() = default;

bool PngImageData::read(std::uint8_t* to, std::size_t count) {
    if (std::fread(to, 1, count, file_) == count) return true;
    fault_ = Fault::Truncated;
    return false;
}

// Each CRC is checked once its chunk's data are read, before the last of them is inflated.
bool PngImageData::endChunk() {
    std::uint8_t crc[4];
    if (!read(crc, sizeof crc)) return false;
    if (bigEndian(crc) != crc_) {
        fault_ = Fault::Damaged;
        return false;
    }
    crcRead_ = true;
    return true;
}

// The next compressed bytes, through the IDAT chunks.
bool PngImageData::refill() {
    while (left_ == 0) {
        if (!crcRead_ && !endChunk()) return false;
        if (lastChunk_) return false;
        std::uint8_t header[8]; // length and type
        if (!read(header, sizeof header)) return false;
        if (std::memcmp(header + 4, "IDAT", 4) != 0) {
            lastChunk_ = true;
            return false;
        }
        left_ = bigEndian(header);
        if (left_ > 0x7FFFFFFFu) {
            fault_ = Fault::Damaged;
            return false;
        }
        crc_ = crc32_gzip_refl(0, header + 4, 4);
        crcRead_ = false;
    }
    const std::size_t want = std::min<std::size_t>(left_, input_.size());
    if (!read(input_.data(), want)) return false;
    left_ -= static_cast<std::uint32_t>(want);
    crc_ = crc32_gzip_refl(crc_, input_.data(), want);
    if (left_ == 0 && !endChunk()) return false;
    inflater_->next_in = input_.data();
    inflater_->avail_in = static_cast<std::uint32_t>(want);
    return true;
}

bool PngImageData::unfilter(std::uint8_t* row, const std::uint8_t* above) {
    const std::uint8_t type = row[-1];
    switch (pixelBytes_) {
    case 1:
        return unfilterAs<1>(type, row, above, rowBytes_);
    case 2:
        return unfilterAs<2>(type, row, above, rowBytes_);
    case 3:
        return unfilterAs<3>(type, row, above, rowBytes_);
    default:
        return unfilterAs<4>(type, row, above, rowBytes_);
    }
}

int PngImageData::next(int count) {
    if (fault_ != Fault::None) return 0;
    count = std::clamp(count, 0, capacity_);
    const std::size_t stride = rowBytes_ + 1;
    inflate_state& z = *inflater_;
    z.next_out = rows_.data();
    z.avail_out = static_cast<std::uint32_t>(static_cast<std::size_t>(count) * stride);
    while (z.avail_out > 0) {
        if (isal_inflate(&z) != ISAL_DECOMP_OK) {
            fault_ = Fault::Damaged;
            return 0;
        }
        if (z.avail_out == 0) break;
        if (z.block_state == ISAL_BLOCK_FINISH || (z.avail_in == 0 && !refill())) {
            if (fault_ == Fault::None) fault_ = Fault::Incomplete;
            return 0;
        }
    }
    for (int i = 0; i < count; ++i) {
        std::uint8_t* samples = rows_.data() + static_cast<std::size_t>(i) * stride + 1;
        if (!unfilter(samples, i == 0 ? above_.data() : samples - stride)) {
            fault_ = Fault::Damaged;
            return 0;
        }
    }
    if (count > 0) std::memcpy(above_.data(), row(count - 1), rowBytes_);
    return count;
}

} // namespace tracelle::picture
