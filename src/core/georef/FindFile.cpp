#include "georef/FindFile.h"

#include "model/NumberText.h"

#include <algorithm>

namespace tracelle::georef {

namespace fs = std::filesystem;
using model::minuscules;

std::string trouveSansCasse(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    const fs::path exact = folder / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    const std::string wanted = minuscules(name);
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        if (minuscules(entry.path().filename().string()) == wanted && entry.is_regular_file(ec))
            return (folder / entry.path().filename()).string();
    }
    return {};
}

std::vector<fs::path> memeNom(const fs::path& folder, const std::string& stem) {
    std::vector<fs::path> found;
    std::error_code ec;
    const std::string wanted = minuscules(stem) + ".";
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        const std::string name = minuscules(entry.path().filename().string());
        if (name.size() > wanted.size() && name.starts_with(wanted) &&
            name.find('.', wanted.size()) == std::string::npos && entry.is_regular_file(ec))
            found.push_back(folder / entry.path().filename());
    }
    // The same answer on every file system, whatever order the folder lists in.
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace tracelle::georef
