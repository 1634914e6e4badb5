#include "files/LastFolder.h"

#include "files/AtomicFile.h"
#include "files/Cp1252.h"
#include "platform/Interaction.h"
#include "platform/Paths.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tracelle::files {

std::string premiere_ligne_lecture(const std::string& name) {
    std::ifstream in(platform::configFile(name), std::ios::binary);
    std::string line;
    if (in) std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) {
        std::error_code ec;
        return std::filesystem::current_path(ec).string();
    }
    return fileTextToUtf8(line);
}

bool premiere_ligne_enregistre(const std::string& name, const std::string& text) {
    AtomicFile file(platform::configFile(name));
    std::FILE* out = file.open(nullptr);
    const std::string line = utf8ToCp1252(text) + "\r\n";
    if (!out || std::fwrite(line.data(), 1, line.size(), out) != line.size() ||
        !file.commit(nullptr)) {
        platform::interaction().beep(1250, 100);
        return false;
    }
    return true;
}

} // namespace tracelle::files
