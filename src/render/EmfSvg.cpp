#include "render/EmfSvg.h"

#include "platform/Language.h"

#include <cmath>
#include <cstdlib>
#include <emf2svg.h>
#include <vector>

namespace tracelle::render {

namespace {

void put32(std::vector<char>& b, std::size_t at, double value) {
    const auto v = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value)));
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray emfToSvg(std::span<const std::uint8_t> bytes, const picture::MetafileHeader& header,
                    std::string* error) {
    // libemf2svg makes its viewport of the bounds (rclBounds) at one SVG unit a device pixel;
    // a player shows the frame instead, so the frame takes the bounds' place in a copy.
    std::vector<char> copy(bytes.begin(), bytes.end());
    const picture::MetafileRect& f = header.frame;
    put32(copy, 8, f.left);
    put32(copy, 12, f.top);
    put32(copy, 16, f.right);
    put32(copy, 20, f.bottom);

    generatorOptions options{};
    char noNamespace[] = "";
    options.nameSpace = noNamespace;
    options.svgDelimiter = true;
    options.emfplus = true;
    options.imgWidth = std::lround(f.right) - std::lround(f.left);
    char* svg = nullptr;
    std::size_t length = 0;
    const int converted = emf2svg(copy.data(), copy.size(), &svg, &length, &options);
    QByteArray result;
    if (converted && svg && length > 0)
        result = QByteArray(svg, static_cast<qsizetype>(length));
    else if (error)
        *error = platform::translate("render", "métafichier EMF illisible");
    std::free(svg);
    return result;
}

} // namespace tracelle::render
