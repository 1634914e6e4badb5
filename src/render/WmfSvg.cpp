#include "render/WmfSvg.h"

#include <algorithm>
#include <cstdint>
#include <libwmf/api.h>
#include <libwmf/svg.h>
#include <vector>

namespace tracelle::render {

namespace {

// One libwmf session, destroyed whatever happens.
class Session {
public:
    Session() {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None) api_ = nullptr;
    }
    ~Session() {
        if (api_) wmf_api_destroy(api_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    wmfAPI* api() const { return api_; }

private:
    wmfAPI* api_ = nullptr;
};

constexpr std::size_t kPlaceableHeader = 22;
constexpr std::size_t kWmfHeader = 18;

std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return u16(b, at) | static_cast<std::uint32_t>(u16(b, at + 2)) << 16;
}

void put16(std::vector<unsigned char>& out, int value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

// The records that place logical units on libwmf's device: map mode, window and viewport.
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

// A metafile that only fills the placeable box, under the mapping `bytes` ends with. libwmf's
// device units depend on that mapping (points in the default mode, the viewport's units in
// the anisotropic one that most programs write), so scanning this file is how the box is
// found on the device, where the drawing is placed.
std::vector<unsigned char> boxOnly(std::span<const std::uint8_t> bytes,
                                   const picture::MetafileHeader& header) {
    std::vector<unsigned char> out(bytes.begin(), bytes.begin() + kPlaceableHeader);
    std::vector<unsigned char> records;
    for (std::size_t at = kPlaceableHeader + kWmfHeader; at + 6 <= bytes.size();) {
        const std::uint32_t words = u32(bytes, at);
        const std::uint16_t function = u16(bytes, at + 4);
        if (function == 0 || words < 3 || words > (bytes.size() - at) / 2) break;
        if (mapsUnits(function))
            records.insert(records.end(), bytes.begin() + static_cast<long>(at),
                           bytes.begin() + static_cast<long>(at + std::size_t{words} * 2));
        at += std::size_t{words} * 2;
    }
    const auto& box = header.frame;
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

} // namespace

WmfSvg wmfToSvg(std::span<const std::uint8_t> bytes, const picture::MetafileHeader& header) {
    WmfSvg result;
    const auto failed = [&result](const char* why) {
        result.error = why;
        return result;
    };
    Session session;
    wmfAPI* api = session.api();
    if (!api) return failed("lecteur de métafichiers WMF indisponible");
    // libwmf reads from memory it is given as writable, though it never writes there.
    std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    wmfD_Rect box{};
    if (wmf_mem_open(api, copy.data(), static_cast<long>(copy.size())) != wmf_E_None ||
        wmf_scan(api, 0, &box) != wmf_E_None)
        return failed("métafichier WMF illisible");

    if (header.sized) {
        Session probe;
        std::vector<unsigned char> boxFile = boxOnly(bytes, header);
        if (!probe.api() ||
            wmf_mem_open(probe.api(), boxFile.data(), static_cast<long>(boxFile.size())) !=
                wmf_E_None ||
            wmf_scan(probe.api(), 0, &box) != wmf_E_None)
            return failed("métafichier WMF illisible");
        result.width = header.width;
        result.height = header.height;
    } else {
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, picture::kScreenPixelsPerInch,
                         picture::kScreenPixelsPerInch);
        result.width = static_cast<int>(width);
        result.height = static_cast<int>(height);
    }

    wmf_svg_t* device = WMF_SVG_GetData(api);
    device->out = wmf_stream_create(api, nullptr);
    device->bbox = box;
    // The SVG's own size only sets its viewport's proportions: it is stretched when drawn.
    device->width = static_cast<unsigned>(std::max(result.width, 1));
    device->height = static_cast<unsigned>(std::max(result.height, 1));
    const wmf_error_t played = wmf_play(api, 0, &box);
    char* svg = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api, device->out, &svg, &length);
    if (played == wmf_E_None && svg && length > 0)
        result.svg = QByteArray(svg, static_cast<qsizetype>(length));
    else
        result.error = "métafichier WMF illisible";
    if (svg) wmf_free(api, svg);
    return result;
}

} // namespace tracelle::render
