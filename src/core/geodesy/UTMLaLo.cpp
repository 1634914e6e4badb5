#include "geodesy/UTMLaLo.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tracelle::geodesy {

namespace {

constexpr Real kK0 = 0.9996L;
constexpr Real kFalseEasting = 500000;
constexpr Real kFalseNorthing = 10000000;
constexpr Real kDegToRad = 0.017453292519943295769L;
constexpr Real kRadToDeg = 57.295779513082320877L;
// Exact multiples of 6° kept out of the tie of the rounding.
constexpr Real kZoneOffset = 183.0000000001L;
constexpr Real kSecondsLimit = 59.9999L;
constexpr Real kPi = std::numbers::pi_v<Real>;

constexpr std::array<TEllipsoid, 23> kTable = {{
    {"Airy", 6377563, 6356257},
    {"Australian National", 6378160, 6356775},
    {"Bessel 1841", 6377397, 6356079},
    {"Bessel 1841 (Nambia) ", 6377484, 6356166},
    {"Clarke 1866", 6378206, 6356583},
    {"Clarke 1880", 6378249, 6356515},
    {"Everest", 6377276, 6356075},
    {"Fischer 1960(Mercury)", 6378166, 6356784},
    {"Fischer 1968", 6378150, 6356768},
    {"GRS 1967", 6378160, 6356775},
    {"GRS 1980", 6378137, 6356752},
    {"Helmert 1906", 6378200, 6356818},
    {"Hough", 6378270, 6356794},
    {"International", 6378388, 6356912},
    {"Krassovsky", 6378245, 6356863},
    {"Modified Airy", 6377340, 6356034},
    {"Modified Everest", 6377304, 6356103},
    {"Modified Fischer 1960", 6378155, 6356773},
    {"South American 1969", 6378160, 6356775},
    {"WGS 60", 6378165, 6356783},
    {"WGS 66", 6378145, 6356760},
    {"WGS 72", 6378135, 6356751},
    {"WGS 84", 6378137, 6356752.314L},
}};

struct Derived {
    Real a, e2, ep2, e1;
};

Derived derive(TMapDatum datum) {
    const TEllipsoid& el = kTable.at(static_cast<std::size_t>(datum));
    const Real e2 = (el.a * el.a - el.b * el.b) / (el.a * el.a);
    const Real root = std::sqrt(1 - e2);
    return {el.a, e2, e2 / (1 - e2), (1 - root) / (1 + root)};
}

// sin 2x, sin 4x and sin 6x of the series from one sine and cosine: each sine of a large
// angle costs an argument reduction; the identities change the last bits only.
struct Multiples {
    Real sin2, sin4, sin6;
    explicit Multiples(Real x) {
        const Real s = std::sin(2 * x), c = std::cos(2 * x);
        sin2 = s;
        sin4 = 2 * s * c;
        sin6 = s * (3 - 4 * s * s);
    }
};

// The longitude brought into [−180, 180], 180 itself kept (it belongs to zone 60).
Real longitudeReduite(Real longitude) {
    if (longitude >= -180 && longitude <= 180) return longitude;
    const Real turn = std::fmod(longitude + 180, Real(360));
    return (turn < 0 ? turn + 360 : turn) - 180;
}

// The zone of a longitude in [−180, 180] at a latitude of band `letter`, with the standard's
// exceptions: 32V stretches west to 3° over Norway, and over Svalbard (band X) the zones 31,
// 33, 35 and 37 take in the even zones between them.
int zoneDe(Real longitude, char letter) {
    // Halves to even, the offset keeping exact multiples of 6° out of the tie.
    const Real zone = std::nearbyint((longitude + kZoneOffset) / 6);
    if (!(zone >= 1 && zone <= 60)) return zone > 60 ? 60 : 0; // 0: not a number
    if (letter == 'V' && longitude >= 3 && longitude < 12) return 32;
    if (letter == 'X' && longitude >= 0 && longitude < 42)
        return longitude < 9 ? 31 : longitude < 21 ? 33 : longitude < 33 ? 35 : 37;
    return static_cast<int>(zone);
}

} // namespace

const std::array<TEllipsoid, 23>& ellipsoides() {
    return kTable;
}

std::optional<TMapDatum> indice_ellipsoide(std::string_view name) {
    const std::string wanted = model::majuscules(model::enleve_blancs(name));
    for (int i = static_cast<int>(kTable.size()) - 1; i >= 0; --i)
        if (model::majuscules(model::enleve_blancs(kTable[static_cast<std::size_t>(i)].Name)) ==
            wanted)
            return i;
    return std::nullopt;
}

char LetterDesignator(Real latitude) {
    if (!(latitude >= -80 && latitude <= 84)) return 'Z';
    // Bands of 8° from −80, upper bound included; C takes in −80 and X runs on to 84. I and O
    // are not letters of bands.
    static constexpr char kBands[] = "CDEFGHJKLMNPQRSTUVWX";
    const int band = static_cast<int>(std::ceil((latitude + 80) / 8)) - 1;
    return kBands[std::clamp(band, 0, 19)];
}

UTM LatLon_vers_UTM(TMapDatum datum, Real latitude, Real longitude) {
    const Derived d = derive(datum);
    const Real phi = latitude * kDegToRad;
    UTM u;
    longitude = longitudeReduite(longitude);
    u.letter = LetterDesignator(latitude);
    u.zone = static_cast<std::uint8_t>(zoneDe(longitude, u.letter));
    const Real lambda0 = (6 * static_cast<Real>(u.zone) - 183) * kDegToRad;
    const Real sinPhi = std::sin(phi), cosPhi = std::cos(phi), tanPhi = sinPhi / cosPhi;
    const Real N = d.a / std::sqrt(1 - d.e2 * sinPhi * sinPhi);
    const Real T = tanPhi * tanPhi;
    const Real C = d.ep2 * cosPhi * cosPhi;
    const Real A = cosPhi * (longitude * kDegToRad - lambda0);
    const Real e4 = d.e2 * d.e2, e6 = e4 * d.e2;
    const Multiples m(phi);
    const Real M = d.a * ((1 - d.e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256) * phi -
                          (3 * d.e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024) * m.sin2 +
                          (15 * e4 / 256 + 45 * e6 / 1024) * m.sin4 - (35 * e6 / 3072) * m.sin6);
    const Real A2 = A * A, A3 = A2 * A, A4 = A3 * A, A5 = A4 * A, A6 = A5 * A;
    u.easting =
        kK0 * N *
            (A + (1 - T + C) * A3 / 6 + (5 - 18 * T + T * T + 72 * C - 58 * d.ep2) * A5 / 120) +
        kFalseEasting;
    u.northing = kK0 * (M + N * tanPhi *
                                (A2 / 2 + (5 - T + 9 * C + 4 * C * C) * A4 / 24 +
                                 (61 - 58 * T + T * T + 600 * C - 330 * d.ep2) * A6 / 720));
    if (latitude < 0) u.northing += kFalseNorthing;
    return u;
}

LatLon UTM_vers_LatLon(TMapDatum datum, int zone, char letter, Real easting, Real northing) {
    const Derived d = derive(datum);
    // A point on the equator carries "M" and northing 0: it is not moved.
    if (letter < 'N' && northing != 0) northing -= kFalseNorthing;
    const Real x = easting - kFalseEasting;
    const Real lambda0 = 6 * Real(zone) - 183;
    const Real e4 = d.e2 * d.e2, e6 = e4 * d.e2;
    const Real M = northing / kK0;
    const Real mu = M / (d.a * (1 - d.e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256));
    const Real e1 = d.e1, e12 = e1 * e1, e13 = e12 * e1, e14 = e13 * e1;
    const Multiples m(mu);
    const Real phi1 = mu + (3 * e1 / 2 - 27 * e13 / 32) * m.sin2 +
                      (21 * e12 / 16 - 55 * e14 / 32) * m.sin4 + (151 * e13 / 96) * m.sin6;
    const Real sin1 = std::sin(phi1), cos1 = std::cos(phi1), tan1 = sin1 / cos1;
    const Real w = 1 - d.e2 * sin1 * sin1;
    const Real N1 = d.a / std::sqrt(w);
    const Real T1 = tan1 * tan1;
    const Real C1 = d.ep2 * cos1 * cos1;
    const Real R1 = d.a * (1 - d.e2) / (w * std::sqrt(w));
    const Real D = x / (N1 * kK0);
    const Real D2 = D * D, D3 = D2 * D, D4 = D3 * D, D5 = D4 * D, D6 = D5 * D;
    LatLon r;
    r.latitude = (phi1 - (N1 * tan1 / R1) *
                             (D2 / 2 - (5 + 3 * T1 + 10 * C1 - 4 * C1 * C1 - 9 * d.ep2) * D4 / 24 +
                              (61 + 90 * T1 + 298 * C1 + 45 * T1 * T1 - 252 * d.ep2 - 3 * C1 * C1) *
                                  D6 / 720)) *
                 kRadToDeg;
    r.longitude = ((D - (1 + 2 * T1 + C1) * D3 / 6 +
                    (5 - 2 * C1 + 28 * T1 - 3 * C1 * C1 + 8 * d.ep2 + 24 * T1 * T1) * D5 / 120) /
                   cos1) *
                      kRadToDeg +
                  lambda0;
    return r;
}

TDMS deg_vers_dms(Real x) {
    TDMS r;
    if (!(std::fabs(x) < 2147483647)) return r; // no angle in degrees of 32 bits
    r.degrees = static_cast<std::int32_t>(std::trunc(x));
    const Real s = (x - r.degrees) * 3600;
    r.minutes = static_cast<std::int32_t>(std::trunc(s / 60));
    r.seconds = s - 60 * static_cast<Real>(r.minutes);
    // Away from zero on both sides: -4.6 is -4° 36' 0", not -4° 35' 60".
    if (std::fabs(r.seconds) >= kSecondsLimit) {
        const int away = r.seconds < 0 ? -1 : 1;
        r.seconds -= 60 * away;
        r.minutes += away;
        if (std::abs(r.minutes) >= 60) {
            r.minutes -= 60 * away;
            r.degrees += away;
        }
    }
    return r;
}

Real dms_vers_deg(const TDMS& r) {
    const Real t = static_cast<Real>(r.minutes) * 60 + r.seconds;
    return static_cast<Real>(r.degrees) + (r.negative ? -t : t) / 3600;
}

Real texte_dms_vers_deg(std::string_view text) {
    // "°" is two bytes here: every mark becomes one separator character.
    std::string t;
    t.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\'' || text[i] == '"') {
            t += '\x01';
        } else if (text.substr(i, 2) == "\xC2\xB0") {
            t += '\x01';
            ++i;
        } else {
            t += text[i];
        }
    }
    // Each field as written: a decimal typed where degrees or minutes are expected ("48.6")
    // keeps its fraction, where rounding it would move the point by kilometres.
    const Real degrees = model::extrait_reel(t, 1, '\x01', 0);
    const Real rest =
        model::extrait_reel(t, 2, '\x01', 0) * 60 + model::extrait_reel(t, 3, '\x01', 0);
    return degrees + (t.find('-') != std::string::npos ? -rest : rest) / 3600;
}

std::string deg_vers_texte_dms(std::string_view text) {
    const std::string local = model::separateurs_locaux(text);
    if (!model::est_reel_utm(local)) return {};
    const auto x = model::texte_en_reel_strict(local);
    if (!x || !(std::fabs(*x) < 2147483647)) return {};
    const TDMS r = deg_vers_dms(*x);
    const std::string s = model::texte_fixe(std::fabs(r.seconds), 2, 4);
    // A negative angle under one degree keeps its sign on the degrees, where the reading of
    // the text looks for it.
    std::string out = r.degrees == 0 && *x < 0 ? "-0" : std::to_string(r.degrees);
    out += "° ";
    out += std::to_string(std::abs(r.minutes));
    out += "' ";
    out += s;
    out += '"';
    return out;
}

Km approx_km(Real latitude, Real longitude, Real ra, Real rb) {
    Km k;
    k.y = latitude * rb / 180 * kPi;
    if (latitude < 0) k.y += 10000;
    const Real l0 =
        longitude >= 0 ? 6 * std::trunc(longitude / 6) + 3 : 6 * std::trunc(longitude / 6) - 3;
    k.x = (longitude - l0) * ra / 180 * kPi * std::cos(latitude / 180 * kPi) + 500;
    return k;
}

} // namespace tracelle::geodesy
