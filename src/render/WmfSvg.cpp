#include "render/WmfSvg.h"

#include "platform/Language.h"

#include <algorithm>
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

} // namespace

WmfSvg wmfToSvg(std::span<const std::uint8_t> bytes, const picture::MetafileHeader& header) {
    WmfSvg result;
    const auto failed = [&result](const char* why) {
        result.error = why;
        return result;
    };
    Session session;
    wmfAPI* api = session.api();
    if (!api)
        return failed(platform::translate("render", "lecteur de métafichiers WMF indisponible"));
    // libwmf reads from memory it is given as writable, though it never writes there.
    std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    wmfD_Rect box{};
    if (wmf_mem_open(api, copy.data(), static_cast<long>(copy.size())) != wmf_E_None ||
        wmf_scan(api, 0, &box) != wmf_E_None)
        return failed(platform::translate("render", "métafichier WMF illisible"));

    if (header.sized) {
        // The picture shows the placeable box, wherever the file's mapping puts it.
        Session probe;
        std::vector<std::uint8_t> boxFile = picture::wmfBoxOnly(bytes, header);
        if (!probe.api() ||
            wmf_mem_open(probe.api(), boxFile.data(), static_cast<long>(boxFile.size())) !=
                wmf_E_None ||
            wmf_scan(probe.api(), 0, &box) != wmf_E_None)
            return failed(platform::translate("render", "métafichier WMF illisible"));
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
        result.error = platform::translate("render", "métafichier WMF illisible");
    if (svg) wmf_free(api, svg);
    return result;
}

} // namespace tracelle::render
