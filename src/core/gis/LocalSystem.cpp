// Local coordinates need no PROJ: the windows tell them without opening the GIS module.
#include "gis/CoordinateSystem.h"
#include "platform/Language.h"

#include <algorithm>
#include <cctype>

namespace tracelle::gis {

std::string CoordinateSystem::trimmed(std::string_view text) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::optional<CoordinateSystem> CoordinateSystem::litLocal(std::string_view typed) {
    const std::string text = trimmed(typed);
    const auto sameLetter = [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    };
    if (!text.empty() &&
        !std::equal(text.begin(), text.end(), kNoSystem.begin(), kNoSystem.end(), sameLetter))
        return std::nullopt;
    CoordinateSystem system;
    system.name_ =
        platform::translate("CoordinateSystem", "aucun : coordonnées locales, sans système");
    return system;
}

} // namespace tracelle::gis
