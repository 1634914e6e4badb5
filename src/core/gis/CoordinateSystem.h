// The coordinate system of the real X, Y of a project, as the user names it, read and
// transformed through PROJ.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tracelle::gis {

inline constexpr std::string_view kNoSystem = "aucun";

class CoordinateSystem {
public:
    // `text`: "aucun" (or nothing) for local coordinates, an EPSG code ("EPSG:2154" or
    // "2154"), a PROJ string ("+proj=utm +zone=31 +datum=WGS84") or anything else PROJ reads as
    // a coordinate system (WKT, "IGNF:LAMB93"). Nothing, and the reason in `why`,
    // when PROJ does not understand it or it cannot place the points of a map.
    static std::optional<CoordinateSystem> lit(std::string_view text, std::string* why);
    // Local coordinates when `text` means them ("aucun" or nothing), read without PROJ; nothing
    // for any other text.
    static std::optional<CoordinateSystem> litLocal(std::string_view text);

    bool local() const { return !state_; }
    // PROJ's name of the system ("RGF93 v1 / Lambert-93"), or what "aucun" means.
    const std::string& name() const { return name_; }
    // The text of a .prj file: PROJ's WKT 1 in ESRI's flavour, in GDAL's for a system that ESRI's
    // cannot write; empty for local coordinates or a system that WKT 1 cannot hold.
    std::string prjText() const;
    // The longitude and latitude on WGS 84 of `count` points (east, north) in place, `stride`
    // bytes apart; a point PROJ cannot transform is left infinite. "" or why nothing was done.
    std::string versWgs84(double* x, double* y, std::size_t stride, std::size_t count) const;

private:
    // The text without the blanks around it.
    static std::string trimmed(std::string_view text);

    struct State;
    std::shared_ptr<State> state_;
    std::string name_;
};

} // namespace tracelle::gis
