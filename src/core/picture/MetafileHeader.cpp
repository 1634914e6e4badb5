#include "picture/MetafileHeader.h"

#include "platform/Language.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace tracelle::picture {

namespace {

const char* truncatedFile() {
    return platform::translate("MetafileHeader", "fichier tronqué");
}

const char* damagedEmf() {
    return platform::translate("MetafileHeader", "métafichier EMF endommagé");
}

const char* damagedWmf() {
    return platform::translate("MetafileHeader", "métafichier WMF endommagé");
}

constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kEmfBaseHeader = 88;
constexpr std::size_t kEmfHeaderWithMicrometres = 108;
constexpr std::size_t kPlaceableHeader = 22;
constexpr std::size_t kWmfHeader = 18;
// Beyond this a metafile's size is taken for garbage rather than drawn.
constexpr double kLargestSide = 1e6;

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::int16_t s16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(u16(b, at));
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(u16(b, at)) | static_cast<std::uint32_t>(u16(b, at + 2))
                                                        << 16;
}
std::int32_t s32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}
MetafileRect rect32(std::span<const std::uint8_t> b, std::size_t at) {
    return {double(s32(b, at)), double(s32(b, at + 4)), double(s32(b, at + 8)),
            double(s32(b, at + 12))};
}

// Pixels at 96 per inch for a length given `perInch` units an inch; false when absurd.
bool toPixels(double length, double perInch, int& pixels) {
    const double p = std::abs(length) * kScreenPixelsPerInch / perInch;
    if (!(p <= kLargestSide)) return false;
    pixels = static_cast<int>(std::lround(p));
    return true;
}

// Every record whole, each at least its own type and size, up to the end-of-file record.
std::string walkEmfRecords(std::span<const std::uint8_t> b, std::size_t first) {
    std::size_t at = first;
    while (true) {
        if (b.size() - at < 8) return truncatedFile();
        const std::uint32_t type = u32(b, at);
        const std::uint32_t size = u32(b, at + 4);
        if (size < 8 || size % 4 != 0) return damagedEmf();
        if (size > b.size() - at) return truncatedFile();
        if (type == 14) return {}; // EMR_EOF
        at += size;
    }
}

MetafileHeader readEmf(std::span<const std::uint8_t> b) {
    MetafileHeader h;
    h.kind = MetafileKind::Emf;
    const std::uint32_t headerSize = u32(b, 4);
    if (headerSize < kEmfBaseHeader || headerSize % 4 != 0) {
        h.error = damagedEmf();
        return h;
    }
    const std::uint32_t declared = u32(b, 48);
    if (headerSize > b.size() || declared > b.size()) {
        h.error = truncatedFile();
        return h;
    }
    // The records stop at the size the header declares, when it declares one.
    const auto records = declared >= headerSize ? b.first(declared) : b;
    if (std::string e = walkEmfRecords(records, headerSize); !e.empty()) {
        h.error = e;
        return h;
    }

    const MetafileRect bounds = rect32(b, 8);
    const MetafileRect frame = rect32(b, 24);
    // The reference device's pixels per 0.01 mm; a screen's when the header does not say.
    double perHundredth[2] = {double(kScreenPixelsPerInch) / 2540,
                              double(kScreenPixelsPerInch) / 2540};
    for (int axis = 0; axis < 2; ++axis) {
        const double pixels = s32(b, 72 + 4 * axis);
        const double mm = s32(b, 80 + 4 * axis);
        const double um = headerSize >= kEmfHeaderWithMicrometres ? s32(b, 100 + 4 * axis) : 0;
        if (pixels > 0 && um > 0)
            perHundredth[axis] = pixels / (um / 10);
        else if (pixels > 0 && mm > 0)
            perHundredth[axis] = pixels / (mm * 100);
    }

    bool fits = true;
    if (frame.right > frame.left && frame.bottom > frame.top) {
        fits = toPixels(frame.width(), 2540, h.width) && toPixels(frame.height(), 2540, h.height);
        h.frame = {frame.left * perHundredth[0], frame.top * perHundredth[1],
                   frame.right * perHundredth[0], frame.bottom * perHundredth[1]};
    } else if (bounds.right >= bounds.left && bounds.bottom >= bounds.top) {
        h.frame = {bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1};
        fits = toPixels(h.frame.width(), perHundredth[0] * 2540, h.width) &&
               toPixels(h.frame.height(), perHundredth[1] * 2540, h.height);
    }
    if (!fits)
        h.error = platform::translate("MetafileHeader", "dimensions du métafichier invalides");
    h.sized = true;
    return h;
}

bool wmfHeaderAt(std::span<const std::uint8_t> b, std::size_t at) {
    if (b.size() - at < kWmfHeader) return false;
    const std::uint16_t type = u16(b, at);
    const std::uint16_t version = u16(b, at + 4);
    return (type == 1 || type == 2) && u16(b, at + 2) == 9 &&
           (version == 0x100 || version == 0x300);
}

// Records of `size` 16-bit words (their own 3 included) up to the end record or the file's.
std::string walkWmfRecords(std::span<const std::uint8_t> b, std::size_t at) {
    const std::uint32_t longest = u32(b, at + 12);
    at += kWmfHeader;
    while (at < b.size()) {
        if (b.size() - at < 6) return truncatedFile();
        const std::uint32_t words = u32(b, at);
        if (words < 3 || words - 3 > longest) return damagedWmf();
        if (words == 3 && u16(b, at + 4) == 0) return {}; // META_EOF
        if (words > (b.size() - at) / 2) return truncatedFile();
        at += std::size_t{words} * 2;
    }
    return {};
}

MetafileHeader readWmf(std::span<const std::uint8_t> b, bool placeable) {
    MetafileHeader h;
    h.kind = MetafileKind::Wmf;
    const std::size_t start = placeable ? kPlaceableHeader : 0;
    if (b.size() < start + kWmfHeader) {
        h.error = truncatedFile();
        return h;
    }
    if (!wmfHeaderAt(b, start)) {
        h.error = damagedWmf();
        return h;
    }
    if (std::string e = walkWmfRecords(b, start); !e.empty()) {
        h.error = e;
        return h;
    }
    if (!placeable) return h;
    h.sized = true;
    h.frame = {double(s16(b, 6)), double(s16(b, 8)), double(s16(b, 10)), double(s16(b, 12))};
    h.unitsPerInch = u16(b, 14);
    if (h.unitsPerInch == 0 || !toPixels(h.frame.width(), h.unitsPerInch, h.width) ||
        !toPixels(h.frame.height(), h.unitsPerInch, h.height))
        h.error = damagedWmf();
    return h;
}

void put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

// The records that place logical units on the device: map mode, window and viewport.
bool mapsUnits(std::uint16_t function) {
    switch (function) {
    case 0x0103: // META_SETMAPMODE
    case 0x020B: // META_SETWINDOWORG
    case 0x020C: // META_SETWINDOWEXT
    case 0x020D: // META_SETVIEWPORTORG
    case 0x020E: // META_SETVIEWPORTEXT
    case 0x020F: // META_OFFSETWINDOWORG
    case 0x0410: // META_SCALEWINDOWEXT
    case 0x0211: // META_OFFSETVIEWPORTORG
    case 0x0412: // META_SCALEVIEWPORTEXT
        return true;
    default:
        return false;
    }
}

} // namespace

std::vector<std::uint8_t> wmfBoxOnly(std::span<const std::uint8_t> b,
                                     const MetafileHeader& header) {
    std::vector<std::uint8_t> out(b.begin(), b.begin() + kPlaceableHeader);
    std::vector<std::uint8_t> records;
    for (std::size_t at = kPlaceableHeader + kWmfHeader; at + 6 <= b.size();) {
        const std::uint32_t words = u32(b, at);
        const std::uint16_t function = u16(b, at + 4);
        if (function == 0 || words < 3 || words > (b.size() - at) / 2) break;
        if (mapsUnits(function))
            records.insert(records.end(), b.begin() + static_cast<long>(at),
                           b.begin() + static_cast<long>(at + std::size_t{words} * 2));
        at += std::size_t{words} * 2;
    }
    const MetafileRect& box = header.frame;
    put32(records, 9); // META_PATBLT PATCOPY: a fill without outline
    put16(records, 0x061D);
    put32(records, 0x00F00021);
    for (const double v : {box.height(), box.width(), box.top, box.left})
        put16(records, static_cast<int>(v));
    put32(records, 3); // META_EOF
    put16(records, 0);
    put16(out, 1); // in memory
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, static_cast<std::uint32_t>((kWmfHeader + records.size()) / 2));
    put16(out, 0); // objects
    put32(out, 9); // longest record, in words
    put16(out, 0);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

MetafileHeader readMetafileHeader(std::span<const std::uint8_t> b) {
    if (b.size() >= 4 && u32(b, 0) == kPlaceableKey) return readWmf(b, true);
    if (b.size() >= 44 && u32(b, 0) == 1 && u32(b, 40) == kEmfSignature) {
        if (b.size() < kEmfBaseHeader) {
            MetafileHeader h;
            h.kind = MetafileKind::Emf;
            h.error = truncatedFile();
            return h;
        }
        return readEmf(b);
    }
    if (wmfHeaderAt(b, 0)) return readWmf(b, false);
    MetafileHeader h;
    h.error =
        platform::translate("MetafileHeader", "ce fichier n'est pas un métafichier EMF ou WMF");
    return h;
}

} // namespace tracelle::picture
