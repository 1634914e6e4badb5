#include "picture/PictureWriter.h"

#include "model/NumberText.h"
#include "picture/BmpCodec.h"
#include "picture/JpegCodec.h"

#include <filesystem>

namespace tracelle::picture {

std::string writeBmpOrJpeg(const RowSource& rows, const std::string& path) {
    // The extension alone: a folder or a name that merely holds "jpg" keeps BMP.
    const std::string extension =
        model::majuscules(std::filesystem::path(path).extension().string());
    return extension == ".JPG" || extension == ".JPEG" ? writeJpeg(rows, path, 90)
                                                       : writeBmp(rows, path);
}

} // namespace tracelle::picture
