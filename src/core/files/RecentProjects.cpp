#include "files/RecentProjects.h"

#include "files/TextFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>

namespace tracelle::files {

namespace {

std::string listFile() {
    return platform::configFile("projets_recents.txt");
}

void write(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths)
        text += path + '\n';
    // UTF-8 as it is: a path of any language must come back whole. A list that cannot be
    // written only costs the list.
    writeBytesFile(listFile(), text);
}

} // namespace

std::vector<std::string> projetsRecents() {
    std::vector<std::string> paths;
    const auto text = readTextFile(listFile(), nullptr);
    if (!text) return paths;
    std::size_t start = 0;
    while (start < text->size() && paths.size() < kRecentProjects) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && std::find(paths.begin(), paths.end(), line) == paths.end())
            paths.push_back(std::move(line));
        start = end + 1;
    }
    return paths;
}

void noteProjetRecent(const std::string& path) {
    std::error_code ec;
    const std::string absolute = std::filesystem::absolute(path, ec).lexically_normal().string();
    std::vector<std::string> paths = projetsRecents();
    std::erase(paths, absolute);
    paths.insert(paths.begin(), absolute);
    if (paths.size() > kRecentProjects) paths.resize(kRecentProjects);
    write(paths);
}

void oublieProjetRecent(const std::string& path) {
    std::vector<std::string> paths = projetsRecents();
    if (std::erase(paths, path) > 0) write(paths);
}

} // namespace tracelle::files
