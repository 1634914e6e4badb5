// The drawing of metafiles, PDF pages and pictures to convert brings large libraries
// (Poppler, libwmf, libemf2svg, Qt SVG): the windows reach it through the module
// tracelle_pdf, opened on its first use, so that the program starts without them.
// tracelle-cli-full links the drawing itself.
#pragma once

#include "picture/Rgb24.h"
#include "platform/Module.h"
#include "render/Source.h"

#include <QImage>
#include <memory>
#include <string>

namespace tracelle::render {

struct RenderModule {
    // ConversionSource::load; nullptr with the reason.
    std::unique_ptr<Source> (*loadSource)(const std::string& path, std::string* error);
    // render/RgbImage.h.
    picture::Rgb24Rows (*rowsOf)(const QImage& image);
    // The page count of the PDF document at `path`; 0 with the reason, without the file's
    // name, when it cannot be read.
    int (*pdfPageCount)(const std::string& path, std::string* error);
    // Its page `index` (from 0) at `dpi` pixels an inch, on white; null with the reason.
    QImage (*pdfPage)(const std::string& path, int index, int dpi, std::string* error);
};

// The module's functions, opened at the first call; nullptr with the reason in French.
inline const RenderModule* renderModule(std::string* why) {
    const auto functions = platform::moduleFunction<const RenderModule*()>(
        "tracelle_pdf", "tracelle_pdf_functions", why);
    return functions ? functions() : nullptr;
}

} // namespace tracelle::render

extern "C" const tracelle::render::RenderModule* tracelle_pdf_functions();
