#include "georef/WorldFile.h"

#include "georef/Descriptor.h"
#include "georef/FindFile.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace tracelle::georef {

namespace fs = std::filesystem;
using model::minuscules;

namespace {

constexpr std::array<const char*, 7> kPictureExtensions = {"tif", "tiff", "jpg", "jpeg",
                                                           "png", "bmp",  "gif"};

// The usual names: first and last letters of the picture's extension and "w", the whole
// extension and "w", and "wld" for any picture.
std::vector<std::string> worldExtensions(const std::string& pictureExtension) {
    if (pictureExtension.empty()) return {"wld"};
    return {std::string{pictureExtension.front(), pictureExtension.back(), 'w'},
            pictureExtension + "w", "wld"};
}

std::string extensionOf(const fs::path& path) {
    const std::string e = minuscules(path.extension().string());
    return e.empty() ? e : e.substr(1);
}

bool isPictureExtension(const std::string& e) {
    return std::find(kPictureExtensions.begin(), kPictureExtensions.end(), e) !=
           kPictureExtensions.end();
}

} // namespace

std::string worldFileFor(const std::string& picture) {
    const fs::path p(picture);
    for (const std::string& w : worldExtensions(extensionOf(p))) {
        const std::string found = trouveSansCasse(p.parent_path(), p.stem().string() + "." + w);
        if (!found.empty()) return found;
    }
    return {};
}

bool estFichierMonde(const std::string& path) {
    const std::string e = extensionOf(path);
    return std::any_of(kPictureExtensions.begin(), kPictureExtensions.end(), [&e](const char* p) {
        const auto names = worldExtensions(p);
        return std::find(names.begin(), names.end(), e) != names.end();
    });
}

std::string pictureForWorldFile(const std::string& worldFile) {
    const fs::path w(worldFile);
    const std::string e = extensionOf(w);
    for (const fs::path& candidate : memeNom(w.parent_path(), w.stem().string())) {
        const std::string c = extensionOf(candidate);
        if (!isPictureExtension(c)) continue;
        const auto names = worldExtensions(c);
        if (std::find(names.begin(), names.end(), e) != names.end()) return candidate.string();
    }
    return {};
}

WorldRead lit_world(const std::string& path) {
    WorldRead r;
    const DescriptorText d = lit_descripteur(path);
    if (!d.ok()) {
        r.error = d.error;
        return r;
    }
    const std::string name = fs::path(path).filename().string();
    std::array<model::Real, 6> v{};
    std::size_t count = 0, start = 0;
    int line = 0;
    while (count < v.size() && start < d.text.size()) {
        std::size_t end = d.text.find('\n', start);
        if (end == std::string::npos) end = d.text.size();
        std::string_view field = std::string_view(d.text).substr(start, end - start);
        const std::size_t first = field.find_first_not_of(" \t\r");
        field = first == std::string_view::npos
                    ? std::string_view()
                    : field.substr(first, field.find_last_not_of(" \t\r") - first + 1);
        start = end + 1;
        ++line;
        if (field.empty()) continue;
        const auto value = model::reel_de_champ(field);
        if (!value) {
            r.error = platform::fill(
                platform::translate("WorldFile", "<%1> ligne %2 : <%3> n'est pas un nombre (un "
                                                 "fichier de calage porte six nombres : A, "
                                                 "D, B, E, C, F)"),
                {name, std::to_string(line), model::excerptForMessage(field)});
            return r;
        }
        v[count++] = *value;
    }
    if (count < v.size()) {
        r.error = platform::fill(
            platform::translate("WorldFile", "<%1> : un fichier de calage porte six nombres "
                                             "(A, D, B, E, C, F), celui-ci en a %2"),
            {name, std::to_string(count)});
        return r;
    }
    r.map = {v[0], v[1], v[2], v[3], v[4], v[5]};
    return r;
}

} // namespace tracelle::georef
