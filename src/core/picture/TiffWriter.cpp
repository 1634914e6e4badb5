#include "picture/TiffWriter.h"

#include "files/AtomicFile.h"
#include "picture/PixelRows.h"
#include "platform/Language.h"

#include <cstdio>
#include <limits>
#include <vector>

namespace tracelle::picture {

namespace {

enum Type : std::uint16_t { kAscii = 2, kShort = 3, kLong = 4, kRational = 5 };

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::uint32_t value; // the value itself when it fits in four bytes, else its offset
};

class Bytes {
public:
    explicit Bytes(std::uint32_t start) : start_(start) {}
    // The file offset of the next byte.
    std::uint32_t here() const { return start_ + static_cast<std::uint32_t>(bytes_.size()); }
    void put16(std::uint32_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void put32(std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    }
    void put(const char* text, std::size_t size) { bytes_.insert(bytes_.end(), text, text + size); }
    // Values and the directory start on even offsets, as baseline readers expect.
    void even() {
        if (here() % 2) bytes_.push_back(0);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::uint32_t start_;
    std::vector<std::uint8_t> bytes_;
};

// The header: byte order, 42, and where the directory lies.
std::vector<std::uint8_t> header(std::uint32_t directory) {
    Bytes b(0);
    b.put("II", 2);
    b.put16(42);
    b.put32(directory);
    return b.bytes();
}

struct Tail {
    std::vector<std::uint8_t> bytes;
    std::uint32_t directory = 0; // its file offset
};

// Everything after the strip, which ends at `start`: the resolution values, the Software
// text, the values too long for their entries, then the directory.
Tail tail(const TiffRows& p, std::uint32_t stripBytes, std::uint32_t start) {
    Bytes b(start);
    b.even();
    const std::uint32_t resolution = b.here();
    for (int i = 0; i < 2; ++i) {
        b.put32(kTiffResolution[0]);
        b.put32(kTiffResolution[1]);
    }
    const std::uint32_t software = b.here();
    b.put(kTiffSoftware, sizeof kTiffSoftware);
    b.even();

    std::uint32_t photometric = 2, samples = 1, bits = 8, colourMap = 0;
    if (p.form == TiffForm::Rgb) {
        samples = 3;
        bits = b.here();
        for (int i = 0; i < 3; ++i)
            b.put16(8);
    } else if (p.form == TiffForm::Palette8) {
        photometric = 3;
        colourMap = b.here();
        // All the reds, then the greens, then the blues, widened to 16 bits.
        for (int channel = 0; channel < 3; ++channel)
            for (int i = 0; i < 256; ++i)
                b.put16(p.palette[static_cast<std::size_t>(3 * i + channel)] * 257u);
    } else {
        photometric = 1;
        bits = 1;
    }

    const auto width = static_cast<std::uint32_t>(p.width);
    const auto height = static_cast<std::uint32_t>(p.height);
    std::vector<Entry> entries = {
        {254, kLong, 1, 0}, // NewSubfileType
        {256, kLong, 1, width},
        {257, kLong, 1, height},
        {258, kShort, samples, bits}, // BitsPerSample
        {259, kShort, 1, 1},          // Compression: none
        {262, kShort, 1, photometric},
        {273, kLong, 1, 8}, // StripOffsets
        {277, kShort, 1, samples},
        {278, kLong, 1, height}, // RowsPerStrip
        {279, kLong, 1, stripBytes},
        {282, kRational, 1, resolution},
        {283, kRational, 1, resolution + 8},
    };
    if (p.form == TiffForm::Rgb) entries.push_back({284, kShort, 1, 1}); // PlanarConfiguration
    entries.push_back({296, kShort, 1, 2});                              // ResolutionUnit: inch
    entries.push_back({305, kAscii, sizeof kTiffSoftware, software});
    if (p.form == TiffForm::Palette8) entries.push_back({320, kShort, 3 * 256, colourMap});

    Tail t;
    t.directory = b.here();
    b.put16(static_cast<std::uint32_t>(entries.size()));
    for (const Entry& e : entries) {
        b.put16(e.tag);
        b.put16(e.type);
        b.put32(e.count);
        b.put32(e.value); // a short value takes the entry's first two bytes
    }
    b.put32(0); // no other directory
    t.bytes = b.bytes();
    return t;
}

} // namespace

std::size_t tiffRowBytes(TiffForm form, int width) {
    const auto w = static_cast<std::size_t>(width);
    switch (form) {
    case TiffForm::Rgb:
        return 3 * w;
    case TiffForm::Palette8:
        return w;
    case TiffForm::Bilevel:
        break;
    }
    return (w + 7) / 8;
}

std::string writeTiff(const TiffRows& p, const std::string& path) {
    if (p.width <= 0 || p.height <= 0 || !p.row)
        return platform::translate("TiffWriter", "image vide : rien à enregistrer");
    const std::size_t rowBytes = tiffRowBytes(p.form, p.width);
    const std::uint64_t stripBytes = static_cast<std::uint64_t>(rowBytes) * p.height;
    // What follows the strip takes less than 2 kB.
    if (8 + stripBytes + 2048 > std::numeric_limits<std::uint32_t>::max())
        return platform::translate("TiffWriter",
                                   "image trop grande pour le format TIFF (plus de 4 Go)");
    const Tail after =
        tail(p, static_cast<std::uint32_t>(stripBytes), static_cast<std::uint32_t>(8 + stripBytes));

    files::AtomicFile file(path);
    std::string error;
    std::FILE* out = file.open(&error);
    if (!out) return error;
    const auto write = [&file](const std::uint8_t* bytes, std::size_t size) {
        return file.write(bytes, size);
    };
    const std::vector<std::uint8_t> head = header(after.directory);
    // A failed write is kept by the file: the commit then reports it.
    bool written = write(head.data(), head.size());
    std::vector<std::uint8_t> scratch(rowBytes);
    for (int y = 0; y < p.height && written; ++y)
        written = write(p.row(y, scratch.data()), rowBytes);
    if (written) write(after.bytes.data(), after.bytes.size());
    if (!file.commit(&error)) return error;
    return {};
}

std::string writeTiff(const Rgb24Rows& source, const std::string& path) {
    TiffRows rows;
    rows.width = source.width;
    rows.height = source.height;
    rows.row = source.row;
    return writeTiff(rows, path);
}

std::string writeTiff(const Rgb24& picture, const std::string& path) {
    const auto rows = rowsOf(picture);
    return rows ? writeTiff(*rows, path) : platform::translate("Rgb24", kIncompletePicture);
}

std::string writeTiff(const RowSource& source, const std::string& path) {
    TiffRows rows;
    rows.width = source.width;
    rows.height = source.height;
    rows.row = [&source](int y, std::uint8_t* rgb) {
        rowTo888(source.row(y), rgb, source.width);
        return static_cast<const std::uint8_t*>(rgb);
    };
    return writeTiff(rows, path);
}

} // namespace tracelle::picture
