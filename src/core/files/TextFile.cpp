#include "files/TextFile.h"

#include "files/AtomicFile.h"
#include "files/Cp1252.h"
#include "platform/Language.h"
#include "platform/LargePages.h"

#include <algorithm>
#include <fstream>

namespace tracelle::files {

std::string writeTextFile(const std::string& path, const std::string& text) {
    // Plain ASCII, the usual export, is written as it is: no copy of a large text.
    const bool ascii = asciiPrefix(text) == text.size();
    const std::string converted = ascii ? std::string() : utf8ToCp1252(text);
    return writeBytesFile(path, ascii ? text : converted);
}

std::string writeBytesFile(const std::string& path, const std::string& bytes) {
    AtomicFile file(path);
    std::string error;
    std::FILE* f = file.open(&error);
    if (!f) return error;
    if (!file.write(bytes.data(), bytes.size())) return file.writeFailure();
    if (!file.commit(&error)) return error;
    return {};
}

std::string tooLargeText(const std::string& path, std::uint64_t bytes, std::uint64_t most) {
    return platform::fill(
        platform::translate("TextFile", "le fichier %1 est trop grand (%2 Mo ; %3 Mo au plus)"),
        {path, std::to_string(bytes >> 20), std::to_string(most >> 20)});
}

std::optional<std::string> readBytesFile(const std::string& path, std::string* error,
                                         std::size_t spare) {
    std::ifstream in(path, std::ios::binary);
    if (in) in.seekg(0, std::ios::end);
    if (!in) {
        if (error)
            *error = platform::fill(
                platform::translate("ProjectFile", "impossible de lire le fichier %1"), {path});
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0));
    if (size > kMaxReadBytes) {
        if (error) *error = tooLargeText(path, size, kMaxReadBytes);
        return std::nullopt;
    }
    std::string bytes;
    platform::reserveInLargePages(bytes, size + spare);
    bytes.resize(size);
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::optional<std::string> readTextFile(const std::string& path, std::string* error) {
    auto bytes = readBytesFile(path, error);
    if (!bytes || isValidUtf8(*bytes)) return bytes;
    return cp1252ToUtf8(*bytes);
}

} // namespace tracelle::files
