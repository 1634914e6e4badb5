#include "ui/PdfPicture.h"

#include "model/NumberText.h"
#include "render/RenderModule.h"
#include "ui/QtPictureDecoder.h"

#include <filesystem>

namespace tracelle::ui {

bool isPdf(const std::string& path) {
    return model::minuscules(std::filesystem::path(path).extension().string()) == ".pdf";
}

int pdfPageCount(const std::string& path, std::string* error) {
    const render::RenderModule* module = render::renderModule(error);
    return module ? module->pdfPageCount(path, error) : 0;
}

picture::Decoded decodePdfPage(const std::string& path, int page, int dpi) {
    std::string error;
    const render::RenderModule* module = render::renderModule(&error);
    const QImage drawn = module ? module->pdfPage(path, page - 1, dpi, &error) : QImage();
    return drawn.isNull() ? picture::failed(error) : fromQImage(drawn);
}

} // namespace tracelle::ui
