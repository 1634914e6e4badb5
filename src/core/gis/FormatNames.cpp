// The formats' names and what each asks of the system, apart from the writers and their
// libraries: the windows show them at every start.
#include "gis/Features.h"
#include "gis/GisExport.h"
#include "platform/Language.h"

#include <string>

namespace tracelle::gis {

namespace {

struct FormatName {
    Format format;
    const char* shown;
    const char* extension;
};
constexpr FormatName kFormats[] = {{Format::GeoJson, "GeoJSON", "geojson"},
                                   {Format::Kml, "KML", "kml"},
                                   {Format::Shapefile, "Shapefile", "shp"},
                                   {Format::Dxf, "DXF", "dxf"}};

const FormatName& entry(Format format) {
    return kFormats[static_cast<int>(format)];
}

} // namespace

std::optional<Format> formatNomme(std::string_view name) {
    for (const FormatName& f : kFormats)
        if (name == f.extension) return f.format;
    return std::nullopt;
}

const char* nomFormat(Format format) {
    return entry(format).shown;
}

const char* extensionFormat(Format format) {
    return entry(format).extension;
}

bool enLongitudeLatitude(Format format) {
    return format == Format::GeoJson || format == Format::Kml;
}

std::string cutLabelsText(int count, Format format) {
    return platform::fill(
        count > 1 ? platform::translate("GisExport", "%1 libellés ont plus de %2 caractères, la "
                                                     "limite du format %3 : ils y sont écrits "
                                                     "coupés.")
                  : platform::translate("GisExport", "%1 libellé a plus de %2 caractères, la "
                                                     "limite du format %3 : il y est écrit coupé."),
        {std::to_string(count), std::to_string(kLabelWidth), nomFormat(format)});
}

} // namespace tracelle::gis
