// UTM conversions each way and the degrees-minutes-seconds texts, in conversions per second
// ("conversions" column), each beside a floor measured in the same run: for the series, the
// trigonometry they call in 80-bit reals; for the texts, the C library reading and writing one
// number.
#include "RatioReporter.h"
#include "geodesy/UTMLaLo.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tracelle::geodesy;

namespace {

constexpr std::size_t kCount = 4096; // a power of two: the index wraps with a mask

struct Point {
    long double lat, lon;
};

// Every zone and band, spread without a pattern the branch predictor could learn.
const std::vector<Point>& points() {
    static const auto values = [] {
        std::vector<Point> v(kCount);
        for (std::size_t k = 0; k < kCount; ++k) {
            const long double u = std::fmod(k * 0.6180339887498949L, 1.0L);
            const long double w = std::fmod(k * 0.4142135623730950L, 1.0L);
            v[k] = {-79.9L + 163.9L * u, -180 + 360 * w};
        }
        return v;
    }();
    return values;
}

const std::vector<UTM>& utms() {
    static const auto values = [] {
        std::vector<UTM> v;
        for (const Point& p : points())
            v.push_back(LatLon_vers_UTM(kWGS84, p.lat, p.lon));
        return v;
    }();
    return values;
}

const std::vector<std::string>& degreeTexts() {
    static const auto values = [] {
        std::vector<std::string> v;
        for (const Point& p : points()) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.10Lf", p.lon);
            v.emplace_back(buf);
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& dmsTexts() {
    static const auto values = [] {
        std::vector<std::string> v;
        for (const std::string& t : degreeTexts())
            v.push_back(deg_vers_texte_dms(t));
        return v;
    }();
    return values;
}

void countConversions(benchmark::State& state) {
    state.counters["conversions"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void LatLonToUTM(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = points()[i++ & (kCount - 1)];
        benchmark::DoNotOptimize(LatLon_vers_UTM(kWGS84, p.lat, p.lon));
    }
    countConversions(state);
}
BENCHMARK(LatLonToUTM);

void UTMToLatLon(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const UTM& u = utms()[i++ & (kCount - 1)];
        benchmark::DoNotOptimize(UTM_vers_LatLon(kWGS84, u.zone, u.letter, u.easting, u.northing));
    }
    countConversions(state);
}
BENCHMARK(UTMToLatLon);

// What the forward series cannot do without: the sine, cosine and tangent of the latitude, the
// sines of its double, fourfold and sixfold, and a square root.
void TrigOfOnePoint(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const long double phi = points()[i++ & (kCount - 1)].lat * 0.017453292519943295769L;
        const long double s = std::sin(phi);
        benchmark::DoNotOptimize(s + std::cos(phi) + std::tan(phi) + std::sin(2 * phi) +
                                 std::sin(4 * phi) + std::sin(6 * phi) +
                                 std::sqrt(1 - 0.00669438L * s * s));
    }
}
BENCHMARK(TrigOfOnePoint);

void DegreesToDmsText(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(deg_vers_texte_dms(degreeTexts()[i++ & (kCount - 1)]));
    countConversions(state);
}
BENCHMARK(DegreesToDmsText);

void DmsTextToDegrees(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(texte_dms_vers_deg(dmsTexts()[i++ & (kCount - 1)]));
    countConversions(state);
}
BENCHMARK(DmsTextToDegrees);

// The C library reading the decimal degrees and writing one number of the same length.
void StrtoldSnprintf(benchmark::State& state) {
    std::size_t i = 0;
    char buf[64];
    for (auto _ : state) {
        const long double x = std::strtold(degreeTexts()[i++ & (kCount - 1)].c_str(), nullptr);
        std::snprintf(buf, sizeof buf, "%2.4Lf", x);
        benchmark::DoNotOptimize(std::string(buf));
    }
}
BENCHMARK(StrtoldSnprintf);

} // namespace

int main(int argc, char** argv) {
    return tracelle::bench::runWithRatios(argc, argv,
                                          {{"LatLonToUTM", "TrigOfOnePoint", 2.0},
                                           {"UTMToLatLon", "TrigOfOnePoint", 2.5},
                                           {"DegreesToDmsText", "StrtoldSnprintf", 2.0},
                                           {"DmsTextToDegrees", "StrtoldSnprintf", 2.0}});
}
