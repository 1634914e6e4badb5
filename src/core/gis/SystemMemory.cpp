#include "gis/SystemMemory.h"

#include "files/TextFile.h"
#include "platform/Paths.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace tracelle::gis {

namespace {

constexpr std::size_t kRemembered = 200;

std::string memoryFile() {
    return platform::configFile("systemes_de_coordonnees.txt");
}

std::string key(const std::string& project) {
    std::error_code ec;
    return std::filesystem::absolute(project, ec).lexically_normal().string();
}

// One line a project, newest first: the system, a tab, the project's path.
std::vector<std::pair<std::string, std::string>> readAll() {
    std::vector<std::pair<std::string, std::string>> entries;
    const auto text = files::readTextFile(memoryFile(), nullptr);
    if (!text) return entries;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (const auto tab = line.find('\t'); tab != std::string::npos)
            entries.emplace_back(line.substr(tab + 1), line.substr(0, tab));
        start = end + 1;
    }
    return entries;
}

} // namespace

std::string systemeRetenu(const std::string& project) {
    if (project.empty()) return {};
    const std::string path = key(project);
    for (const auto& [file, system] : readAll())
        if (file == path) return system;
    return {};
}

void retientSysteme(const std::string& project, const std::string& system) {
    if (project.empty()) return;
    // A system of several lines (pasted WKT) is kept on one.
    std::string flat = system;
    for (char& c : flat)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    const std::string path = key(project);
    auto entries = readAll();
    std::erase_if(entries, [&path](const auto& e) { return e.first == path; });
    entries.insert(entries.begin(), {path, flat});
    if (entries.size() > kRemembered) entries.resize(kRemembered);
    std::string text;
    for (const auto& [file, remembered] : entries)
        text += remembered + '\t' + file + '\n';
    // UTF-8 as it is; losing the list only costs the user a choice to make again.
    files::writeBytesFile(memoryFile(), text);
}

} // namespace tracelle::gis
