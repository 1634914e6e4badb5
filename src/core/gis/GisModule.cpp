#include "gis/GisModule.h"

#include "platform/Module.h"

namespace tracelle::gis {

namespace {

// The tags through the module; the module's absence told as tags that cannot be used, so
// that the picture still opens with its default calibration.
georef::GeoTiffTags tagsThroughModule(const std::string& path) {
    std::string why;
    if (const GisModule* gis = module(&why)) return gis->lit_geotiff(path);
    georef::GeoTiffTags tags;
    tags.found = true;
    tags.error = why;
    return tags;
}

} // namespace

const GisModule* module(std::string* why) {
    const auto function =
        platform::moduleFunction<GisModuleFunction>(kGisModuleName, kGisModuleFunction, why);
    return function ? function() : nullptr;
}

std::optional<CoordinateSystem> readSystem(std::string_view text, std::string* why) {
    if (auto local = CoordinateSystem::litLocal(text)) return local;
    const GisModule* gis = module(why);
    return gis ? gis->litSysteme(text, why) : std::nullopt;
}

std::optional<georef::Calage> ownCalibration(const std::string& picture, int w, int h) {
    return georef::calagePropre(picture, w, h, tagsThroughModule);
}

} // namespace tracelle::gis
