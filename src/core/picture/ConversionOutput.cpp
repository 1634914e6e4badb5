#include "picture/ConversionOutput.h"

#include "picture/BmpCodec.h"
#include "picture/JpegCodec.h"
#include "picture/TiffWriter.h"

namespace tracelle::picture {

namespace {

// Where the file name begins: the folders before it may hold dots of their own.
std::size_t nameStart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// The position of the extension's dot in the file name, or npos.
std::size_t extensionDot(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    return dot == std::string::npos || dot < nameStart(path) ? std::string::npos : dot;
}

std::string withExtension(const std::string& path, const char* extension) {
    return path.substr(0, extensionDot(path)) + extension;
}

} // namespace

const char* outputExtension(OutputFormat format) {
    switch (format) {
    case OutputFormat::Jpeg:
        return ".jpg";
    case OutputFormat::Bmp:
        return ".bmp";
    case OutputFormat::Tif:
        break;
    }
    return ".tif";
}

std::string proposedOutputName(const std::string& sourcePath, OutputFormat format) {
    return withExtension(sourcePath.substr(nameStart(sourcePath)), outputExtension(format));
}

std::string savedOutputName(const std::string& chosen, OutputFormat format) {
    std::string name = chosen;
    if (extensionDot(name) == std::string::npos) name += outputExtension(format);
    if (format == OutputFormat::Tif) name = withExtension(name, ".tif");
    return name;
}

std::string writeConverted(const Rgb24Rows& picture, OutputFormat format, const std::string& path) {
    switch (format) {
    case OutputFormat::Jpeg:
        return writeJpeg(picture, path, 90);
    case OutputFormat::Bmp:
        return writeBmp(picture, path);
    case OutputFormat::Tif:
        break;
    }
    return writeTiff(picture, path);
}

} // namespace tracelle::picture
