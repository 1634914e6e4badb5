// The coordinate systems offered in the list: those of French maps, then the world's.
#pragma once

#include "platform/Language.h"

namespace tracelle::gis {

struct CommonSystem {
    const char* code; // as CoordinateSystem::lit reads it
    const char* name; // translate("CommonSystems", name) where shown
};

inline constexpr CommonSystem kCommonSystems[] = {
    {"aucun", QT_TRANSLATE_NOOP("CommonSystems", "coordonnées locales")},
    {"EPSG:2154", "Lambert-93"},
    {"EPSG:3942", "Lambert CC42"},
    {"EPSG:3943", "Lambert CC43"},
    {"EPSG:3944", "Lambert CC44"},
    {"EPSG:3945", "Lambert CC45"},
    {"EPSG:3946", "Lambert CC46"},
    {"EPSG:3947", "Lambert CC47"},
    {"EPSG:3948", "Lambert CC48"},
    {"EPSG:3949", "Lambert CC49"},
    {"EPSG:3950", "Lambert CC50"},
    {"EPSG:27572", QT_TRANSLATE_NOOP("CommonSystems", "Lambert II étendu")},
    {"EPSG:32630", "UTM 30N (WGS 84)"},
    {"EPSG:32631", "UTM 31N (WGS 84)"},
    {"EPSG:32632", "UTM 32N (WGS 84)"},
    {"EPSG:4326", "WGS 84 longitude, latitude"},
    {"EPSG:3857", QT_TRANSLATE_NOOP("CommonSystems", "Pseudo-Mercator (cartes du web)")},
};

} // namespace tracelle::gis
