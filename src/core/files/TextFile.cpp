#include "files/TextFile.h"

#include "files/AtomicFile.h"
#include "files/Cp1252.h"

namespace tracelle::files {

std::string writeTextFile(const std::string& path, const std::string& text) {
    const std::string bytes = utf8ToCp1252(text);
    AtomicFile file(path);
    std::string error;
    std::FILE* f = file.open(&error);
    if (!f) return error;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        return "écriture impossible dans le fichier " + path;
    if (!file.commit(&error)) return error;
    return {};
}

} // namespace tracelle::files
