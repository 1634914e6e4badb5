#include "picture/PictureWriter.h"

#include "model/NumberText.h"
#include "picture/BmpCodec.h"
#include "picture/JpegCodec.h"

namespace tracelle::picture {

std::string writeBmpOrJpeg(const RowSource& rows, const std::string& path) {
    return model::majuscules(path).find("JPG") != std::string::npos ? writeJpeg(rows, path, 90)
                                                                    : writeBmp(rows, path);
}

} // namespace tracelle::picture
