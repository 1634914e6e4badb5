// Ellipsoids, UTM both ways, band letters, degrees-minutes-seconds and the kilometric
// approximation. Projected coordinates not exact by construction are PROJ's (cs2cs, WGS 84).
#include "geodesy/UTMLaLo.h"
#include "support/Separator.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace tracelle::geodesy;
using tracelle::testing::SeparatorScope;
using tracelle::testing::withSeparator;

namespace {

TEST(Ellipsoids, LookUpByTrimmedNameWhateverTheCase) {
    const struct {
        const char* name;
        std::optional<TMapDatum> index;
    } cases[] = {
        {" wgs 84 ", 22},   {"WGS 84", 22}, {"WGS84", std::nullopt}, {"bessel 1841 (NAMBIA)", 3},
        {"Bessel 1841", 2}, {"airy", 0},    {"", std::nullopt},      {"WGS 8", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(indice_ellipsoide(c.name), c.index);
    }
}

// At 45° the edges of a zone lie 3° from its central meridian: eastings mirror around 500 km.
constexpr long double kWest45 = 263553.9739L, kEast45 = 736445.9473L;

TEST(LatLonToUTM, ZonesLettersAndFalseNorthing) {
    const struct {
        long double lat, lon;
        int zone;
        char letter;
        long double easting, northing;
    } cases[] = {{48.5999598581L, 7.73672367L, 32, 'U', 406863.999839L, 5383757.000126L},
                 {45, 3, 31, 'T', 500000, 4982950.4002L},
                 {45, 0, 31, 'T', kWest45, 4987329.5047L},
                 {45, 5.999999L, 31, 'T', kEast45, 4987329.5018L},
                 {45, 6, 32, 'T', kWest45, 4987329.5047L},
                 {45, -6, 30, 'T', kWest45, 4987329.5047L},
                 {45, -0.000001L, 30, 'T', kEast45, 4987329.5018L},
                 {45, -180, 1, 'T', kWest45, 4987329.5047L},
                 {45, 179.999999L, 60, 'T', kEast45, 4987329.5018L},
                 {45, 180, 60, 'T', 1000000 - kWest45, 4987329.5047L}, // 3° east of 177°
                 {0, 3, 31, 'M', 500000, 0},
                 {-0.000001L, -3, 30, 'M', 500000, 9999999.889470L},
                 {-27.1224696416L, 15, 33, 'J', 500000, 7000000.000172L}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lat " << c.lat << " lon " << c.lon);
        const UTM u = LatLon_vers_UTM(kWGS84, c.lat, c.lon);
        EXPECT_EQ(u.zone, c.zone);
        EXPECT_EQ(u.letter, c.letter);
        EXPECT_NEAR(u.easting, c.easting, 1e-3);
        EXPECT_NEAR(u.northing, c.northing, 1e-3);
        // Back through its own zone and letter.
        const LatLon back = UTM_vers_LatLon(kWGS84, u.zone, u.letter, u.easting, u.northing);
        EXPECT_NEAR(back.latitude, c.lat, 1e-8);
        EXPECT_NEAR(back.longitude, c.lon, 1e-8);
    }
}

// Zones computed from a longitude follow the standard's exceptions: 32V over south-west Norway,
// 31X, 33X, 35X and 37X over Svalbard.
TEST(LatLonToUTM, NorwayAndSvalbardZones) {
    const struct {
        long double lat, lon;
        int zone;
        char letter;
    } cases[] = {{60, 2.9999L, 31, 'V'},  {60, 3, 32, 'V'},        {60, 11.9999L, 32, 'V'},
                 {60, 12, 33, 'V'},       {56, 5, 31, 'U'},        {64, 5, 32, 'V'},
                 {64.0001L, 5, 31, 'W'},  {78, 0, 31, 'X'},        {78, 8.9999L, 31, 'X'},
                 {78, 9, 33, 'X'},        {78, 20.9999L, 33, 'X'}, {78, 21, 35, 'X'},
                 {84, 32.9999L, 35, 'X'}, {72.0001L, 33, 37, 'X'}, {78, 41.9999L, 37, 'X'},
                 {78, 42, 38, 'X'},       {72, 10, 32, 'W'},       {78, -0.0001L, 30, 'X'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "lat " << c.lat << " lon " << c.lon);
        const UTM u = LatLon_vers_UTM(kWGS84, c.lat, c.lon);
        EXPECT_EQ(u.zone, c.zone);
        EXPECT_EQ(u.letter, c.letter);
    }
}

TEST(LatLonToUTM, LongitudesBeyond180AreBroughtBack) {
    for (const long double lon : {-179.5L, 0.25L, 179.75L}) {
        SCOPED_TRACE(::testing::Message() << lon);
        const UTM u = LatLon_vers_UTM(kWGS84, 45, lon);
        for (const long double turns : {-720.0L, -360.0L, 360.0L, 1080.0L}) {
            const UTM w = LatLon_vers_UTM(kWGS84, 45, lon + turns);
            EXPECT_EQ(w.zone, u.zone);
            EXPECT_NEAR(w.easting, u.easting, 1e-6);
            EXPECT_NEAR(w.northing, u.northing, 1e-6);
        }
    }
}

TEST(UTMToLatLon, SouthernLettersAndTheEquator) {
    const struct {
        int zone;
        char letter;
        long double easting, northing, lat, lon;
    } cases[] = {{33, 'J', 500000, 7000000, -27.1224696416L, 15},
                 {33, 'C', 500000, 7000000, -27.1224696416L, 15},
                 {31, 'N', 500000, 4982950.4002L, 45, 3},
                 {31, 'M', 500000, 0, 0, 3}, // the equator is not moved south
                 {31, 'M', 611280.65L, 0, 0, 3.9999999920L},
                 {31, 'M', 611000.65L, 0, 0, 3.9974840875L},
                 {30, 'M', 500000, 9999999.889470L, -0.000001L, -3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.zone << c.letter << " " << c.easting << " " << c.northing);
        const LatLon r = UTM_vers_LatLon(kWGS84, c.zone, c.letter, c.easting, c.northing);
        EXPECT_NEAR(r.latitude, c.lat, 5e-9);
        EXPECT_NEAR(r.longitude, c.lon, 5e-9);
    }
}

TEST(LetterDesignator, BandsOfEightDegreesUpperBoundIncluded) {
    const struct {
        long double lat;
        char letter;
    } cases[] = {{0.0001L, 'N'}, {72.0001L, 'X'},  {80, 'X'},  {80.0001L, 'X'},
                 {84, 'X'},      {84.0001L, 'Z'},  {-80, 'C'}, {-80.0001L, 'Z'},
                 {-79.9L, 'C'},  {-71.9999L, 'D'}, {-90, 'Z'}, {90, 'Z'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat);
        EXPECT_EQ(LetterDesignator(c.lat), c.letter);
    }
    const std::string bands = "CDEFGHJKLMNPQRSTUVWX";
    for (int b = 0; b < 20; ++b) {
        SCOPED_TRACE(::testing::Message() << "band " << b);
        EXPECT_EQ(LetterDesignator(-80 + 8 * b + 0.5L), bands[b]);
        EXPECT_EQ(LetterDesignator(-72 + 8 * b), bands[b]);
    }
}

TEST(DegreesMinutesSeconds, TruncatedTowardZeroWithTheSecondsCarried) {
    const struct {
        long double x;
        int d, m;
        long double s;
    } cases[] = {{10.99999999L, 11, 0, -0.000036L},
                 {0.99999999L, 1, 0, -0.000036L},
                 {-10.99999999L, -11, 0, 0.000036L},
                 {-4.6L, -4, -36, 0},
                 {-45.5L, -45, -30, 0},
                 {-0.5L, 0, -30, 0},
                 {48.5999598581L, 48, 35, 59.85548916L},
                 {12.75L, 12, 45, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x);
        const TDMS r = deg_vers_dms(c.x);
        EXPECT_EQ(r.degrees, c.d);
        EXPECT_EQ(r.minutes, c.m);
        EXPECT_NEAR(r.seconds, c.s, 1e-6);
    }
    for (long double x = -181; x <= 181; x += 0.0137L) {
        SCOPED_TRACE(::testing::Message() << x);
        const TDMS r = deg_vers_dms(x);
        EXPECT_LT(std::abs(r.minutes), 60);
        EXPECT_LT(std::fabs(r.seconds), 59.9999L);
        EXPECT_NEAR(dms_vers_deg(r), x, 1e-12);
    }
}

class DmsText : public ::testing::TestWithParam<char> {
protected:
    SeparatorScope scope{GetParam()};
};
TRACELLE_UNDER_BOTH_SEPARATORS(DmsText);

TEST_P(DmsText, ReadsMarksSignAndRounding) {
    const struct {
        const char* text;
        long double deg;
    } cases[] = {{"7°", 7},
                 {"48° 36' 12,637\"", 48 + 36 / 60.0L + 12.637L / 3600},
                 {"48'36\"12.637'", 48 + 36 / 60.0L + 12.637L / 3600},
                 {"-4° 36' 0,0\"", -4.6L},
                 {"-0° 30'", -0.5L},
                 {"2.5°", 2.5L}, // decimals are never rounded away
                 {"3,5°", 3.5L},
                 {"48.6", 48.6L},
                 {"-48,6", -48.6L},
                 {"0° 30.5'", 30.5L / 60},
                 {"-0° 31.5'", -31.5L / 60},
                 {"-10° 59' 60,0000\"", -11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(texte_dms_vers_deg(c.text), c.deg, 1e-12);
    }
}

TEST_P(DmsText, WritesAndReadsBack) {
    const struct {
        const char* in;
        const char* out; // "." for the decimal separator
    } cases[] = {{"48.5999598581", "48° 35' 59.8555\""},
                 {"48,5999598581", "48° 35' 59.8555\""},
                 {"-45.5", "-45° 30' 0.0000\""},
                 {"-0.5", "-0° 30' 0.0000\""},
                 {"-0,01", "-0° 0' 36.0000\""},
                 {"10.99999999", "11° 0' 0.0000\""},
                 {"-4.6", "-4° 36' 0.0000\""},
                 {"-0.99999999", "-1° 0' 0.0000\""},
                 {"7", "7° 0' 0.0000\""},
                 {"1.001", "1° 0' 3.6000\""},
                 {"abc", ""},
                 {"", ""},
                 {"1.2.3", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        const std::string text = deg_vers_texte_dms(c.in);
        EXPECT_EQ(text, withSeparator(c.out, GetParam()));
        if (text.empty()) continue;
        std::string number = c.in;
        for (char& ch : number)
            if (ch == ',') ch = '.';
        EXPECT_NEAR(texte_dms_vers_deg(text), std::stold(number), 0.0001L / 3600);
    }
}

TEST(ApproxKm, FromTheMiddleOfTheBand) {
    const long double pi = 3.14159265358979323846L;
    const struct {
        long double lat, lon, x, y;
    } cases[] = {{45, 3, 500, 6347 * pi / 4},
                 {-45, 3, 500, 10000 - 6347 * pi / 4},
                 {0, 4, 500 + 6378 * pi / 180, 0},
                 {0, -4, 500 - 6378 * pi / 180, 0},
                 {60, 10, 500 + 6378 * pi / 180 / 2, 6347 * pi / 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lat << " " << c.lon);
        const Km k = approx_km(c.lat, c.lon, 6378, 6347);
        EXPECT_NEAR(k.x, c.x, 1e-9);
        EXPECT_NEAR(k.y, c.y, 1e-9);
    }
}

} // namespace
