#include "render/ConversionSource.h"
#include "render/PdfDocument.h"
#include "render/RenderModule.h"
#include "render/RgbImage.h"

namespace tracelle::render {

namespace {

std::unique_ptr<Source> loadSource(const std::string& path, std::string* error) {
    ConversionSource source = ConversionSource::load(path, error);
    if (source.empty()) return nullptr;
    return std::make_unique<ConversionSource>(std::move(source));
}

int pdfPageCount(const std::string& path, std::string* error) {
    return PdfDocument::load(path, error).pageCount();
}

QImage pdfPage(const std::string& path, int index, int dpi, std::string* error) {
    const PdfDocument document = PdfDocument::load(path, error);
    return document.empty() ? QImage() : document.renderPageAt(index, dpi, Qt::white, error);
}

constexpr RenderModule kFunctions{loadSource, rowsOf, pdfPageCount, pdfPage};

} // namespace

} // namespace tracelle::render

const tracelle::render::RenderModule* tracelle_pdf_functions() {
    return &tracelle::render::kFunctions;
}
