// Reference ellipsoids, the transverse Mercator series between latitude/longitude and UTM,
// band letters, degrees-minutes-seconds in numbers and in text, and a kilometric
// approximation. Angles in decimal degrees (north and east positive), distances in metres.
#pragma once

#include "model/Real.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tracelle::geodesy {

using model::Real;

struct TEllipsoid {
    const char* Name;
    Real a; // semi-major axis
    Real b; // semi-minor axis
};

// Index into the ellipsoid table, 0 to 22.
using TMapDatum = int;
inline constexpr TMapDatum kWGS84 = 22;
const std::array<TEllipsoid, 23>& ellipsoides();

// Compared without blanks and case; the table searched from the last entry down.
std::optional<TMapDatum> indice_ellipsoide(std::string_view name);

struct UTM {
    Real northing = 0;
    Real easting = 0;
    char letter = 'Z';
    std::uint8_t zone = 0;
};
// The zone is the longitude's (180° in zone 60, longitudes beyond ±180° brought back), with the
// standard's exceptions over Norway and Svalbard.
UTM LatLon_vers_UTM(TMapDatum datum, Real latitude, Real longitude);

struct LatLon {
    Real latitude = 0;
    Real longitude = 0;
};
LatLon UTM_vers_LatLon(TMapDatum datum, int zone, char letter, Real easting, Real northing);

// The band of 8° holding the latitude (upper bound included), from C, which takes in −80, to X,
// which runs on to 84; 'Z' outside the UTM limits.
char LetterDesignator(Real latitude);

struct TDMS {
    bool negative = false; // the sign of the whole angle when read from text
    std::int32_t degrees = 0;
    std::int32_t minutes = 0;
    Real seconds = 0;
};
TDMS deg_vers_dms(Real x);
Real dms_vers_deg(const TDMS& r);
// "48° 35' 59,8555\"": apostrophes and double quotes count as degree signs.
Real texte_dms_vers_deg(std::string_view text);
// Decimal degrees as text ("." or ",") to "48° 35' 59,8555\""; empty when not a number.
std::string deg_vers_texte_dms(std::string_view text);

struct Km {
    Real x = 0;
    Real y = 0;
};
// x and y in kilometres from the middle of the 6° band, with radii ra and rb in kilometres.
Km approx_km(Real latitude, Real longitude, Real ra, Real rb);

} // namespace tracelle::geodesy
