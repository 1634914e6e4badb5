#include "georef/Descriptor.h"

#include "files/AtomicFile.h"
#include "model/NumberText.h"
#include "platform/Language.h"

#include <cerrno>
#include <fstream>

namespace tracelle::georef {

DescriptorText lit_descripteur(const std::string& path) {
    DescriptorText d;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        d.error = platform::fill(platform::translate("Descriptor", "<%1> impossible à ouvrir : %2"),
                                 {path, files::systemReason(errno)});
        return d;
    }
    // One byte more than allowed tells a file too large without reading all of it.
    d.text.resize(kMaxDescriptorBytes + 1);
    in.read(d.text.data(), static_cast<std::streamsize>(d.text.size()));
    d.text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        d.error = platform::fill(platform::translate("Descriptor", "<%1> illisible : %2"),
                                 {path, files::systemReason(errno)});
    } else if (d.text.size() > kMaxDescriptorBytes) {
        d.error = platform::fill(
            platform::translate("Descriptor",
                                "<%1> fait plus de 1 Mo : ce n'est pas un fichier de calage"),
            {path});
    } else if (d.text.empty()) {
        d.error = platform::fill(platform::translate("Descriptor", "<%1> est vide"), {path});
    }
    if (!d.error.empty()) d.text.clear();
    return d;
}

std::string extrait_entre(std::string& text, std::string_view key, std::string_view open,
                          std::string_view close, bool numeric) {
    if (!key.empty()) {
        const std::size_t k = text.find(key);
        text.erase(0,
                   k == std::string::npos ? std::min(text.size(), key.size() - 1) : k + key.size());
    }
    std::size_t p1 = 0; // 1-based positions, 0 for "not found"
    if (const std::size_t o = text.find(open); o != std::string::npos) {
        text.erase(0, o);
        text[0] = '\x01'; // so that a closing delimiter like the opening one is not found here
        p1 = 1;
    }
    const std::size_t c = text.find(close);
    const std::size_t p2 = c == std::string::npos ? 0 : c + 1;
    const long n = static_cast<long>(p2) - static_cast<long>(p1) - 1;
    if (n < 1) {
        std::string marker = "?";
        marker += std::to_string(p1);
        marker += '-';
        marker += std::to_string(p2);
        return marker.append("  ").append(text);
    }
    std::string field = text.substr(p1, static_cast<std::size_t>(n));
    text.erase(0, p2 + close.size() - 2);
    if (numeric) model::filtre_numerique(field);
    return field;
}

} // namespace tracelle::georef
