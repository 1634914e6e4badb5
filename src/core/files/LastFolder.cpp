#include "files/LastFolder.h"

#include "files/Cp1252.h"
#include "files/TextFile.h"
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
    if (!writeTextFile(platform::configFile(name), text + "\r\n").empty()) {
        platform::interaction().beep(1250, 100);
        return false;
    }
    return true;
}

platform::FileDialogRequest dansDernierDossier(std::string title, std::string filter) {
    platform::FileDialogRequest request;
    request.title = std::move(title);
    request.filter = std::move(filter);
    request.directory = premiere_ligne_lecture(kLastFolderFile);
    return request;
}

} // namespace tracelle::files
