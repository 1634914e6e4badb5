// UTM on WGS 84 both ways against PROJ's exact transverse Mercator, run as the outside program
// cs2cs (never linked): 10,000 points over every zone and every band. The program's truncated
// series drift by millimetres far from the central meridian and towards the poles; the bounds
// sit just above the largest drift measured, which the test prints.
#include "geodesy/UTMLaLo.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

using namespace tracelle::geodesy;

namespace {

constexpr int kPoints = 10000;
constexpr int kZones = 60;
constexpr double kForwardBoundMm = 0.8;  // 0.69 mm measured, near 71° and 2.5° off
constexpr double kInverseBoundMm = 0.45; // 0.39 mm measured, near ±39° and 3° off

struct Point {
    int zone;
    double lat, lon;
};

double frac(double x) {
    return x - std::floor(x);
}

// Every zone gets every 60th point; its latitudes are stratified from −80° (excluded: the band
// letter there is "Z") to 84°, its longitudes spread within 3° of the central meridian.
std::vector<Point> spreadPoints() {
    std::vector<Point> points;
    points.reserve(kPoints);
    for (int k = 0; k < kPoints; ++k) {
        const int zone = k % kZones + 1;
        const int i = k / kZones;
        const int n = (kPoints - zone + kZones) / kZones;
        const double jitter = 0.05 + 0.9 * frac(k * 0.6180339887498949);
        const double lat = -80 + 164 * (i + jitter) / n;
        const double offset = 3 * (2 * frac(k * 0.4142135623730950 + 0.5) - 1);
        points.push_back({zone, lat, 6.0 * zone - 183 + offset});
    }
    return points;
}

using Pair = std::array<double, 2>;

// One cs2cs process: its input written into the command as a here-document.
struct Job {
    std::string command;
    std::vector<std::size_t> indices; // of the points fed, in order
    FILE* pipe = nullptr;
};

std::string cs2csCommand(const std::string& args, const std::vector<Pair>& in, const char* format) {
    std::ostringstream cmd;
    cmd.precision(17);
    cmd << "cs2cs -f " << format << ' ' << args << " <<'EOF'\n";
    for (const Pair& p : in)
        cmd << p[0] << ' ' << p[1] << '\n';
    cmd << "EOF\n";
    return cmd.str();
}

// Runs the jobs a few at a time (each start costs milliseconds) and gathers their first two
// output columns, indexed like the points; false with a message on any unreadable output.
bool runAll(std::vector<Job>& jobs, std::vector<Pair>& out, std::string& error) {
    constexpr std::size_t kInFlight = 8;
    const auto start = [&](std::size_t j) {
        if (j < jobs.size()) jobs[j].pipe = popen(jobs[j].command.c_str(), "r");
    };
    for (std::size_t j = 0; j < kInFlight; ++j)
        start(j);
    bool ok = true;
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        Job& job = jobs[j];
        if (!job.pipe) {
            error = "popen failed";
            return false;
        }
        char line[256];
        std::size_t read = 0;
        while (std::fgets(line, sizeof line, job.pipe)) {
            Pair p{};
            if (read < job.indices.size() && std::sscanf(line, "%lf %lf", &p[0], &p[1]) == 2)
                out[job.indices[read]] = p;
            else if (ok)
                ok = false, error = "unexpected cs2cs output: " + std::string(line);
            ++read;
        }
        if (pclose(job.pipe) != 0 && ok) ok = false, error = "cs2cs failed: " + job.command;
        if (read != job.indices.size() && ok) ok = false, error = "short output: " + job.command;
        start(j + kInFlight);
    }
    return ok;
}

// One job a zone and hemisphere; `project` gives the input pair of a point.
template <typename F>
std::vector<Job> jobsByZone(const std::vector<Point>& points, bool inverse, F project) {
    std::vector<Job> jobs;
    for (int zone = 1; zone <= kZones; ++zone) {
        for (const bool south : {false, true}) {
            std::vector<Pair> in;
            Job job;
            for (std::size_t i = 0; i < points.size(); ++i) {
                if (points[i].zone != zone || (points[i].lat < 0) != south) continue;
                in.push_back(project(i));
                job.indices.push_back(i);
            }
            if (in.empty()) continue;
            const std::string geo = "+proj=longlat +datum=WGS84";
            const std::string utm = "+proj=utm +zone=" + std::to_string(zone) +
                                    (south ? " +south" : "") + " +datum=WGS84";
            job.command = inverse ? cs2csCommand(utm + " +to " + geo, in, "%.12f")
                                  : cs2csCommand(geo + " +to " + utm, in, "%.6f");
            jobs.push_back(std::move(job));
        }
    }
    return jobs;
}

struct Worst {
    double mm = -1;
    Point at{};
    void see(double d, const Point& p) {
        if (d > mm) mm = d, at = p;
    }
    std::string where() const {
        std::ostringstream s;
        s.precision(6);
        s << mm << " mm at zone " << at.zone << ", latitude " << at.lat << ", longitude " << at.lon
          << " (" << at.lon - (6.0 * at.zone - 183) << "° from the central meridian)";
        return s.str();
    }
};

TEST(Proj, UTMBothWaysAgreeWithCs2cs) {
    if (std::system("command -v cs2cs >/dev/null 2>&1") != 0)
        FAIL() << "cs2cs (PROJ) is not installed: run scripts/install-deps.sh";
    const std::vector<Point> points = spreadPoints();

    std::vector<Pair> utm(points.size()), geo(points.size());
    std::string error;
    auto forward = jobsByZone(points, false, [&](std::size_t i) {
        return Pair{points[i].lon, points[i].lat};
    });
    ASSERT_TRUE(runAll(forward, utm, error)) << error;
    auto inverse = jobsByZone(points, true, [&](std::size_t i) { return utm[i]; });
    ASSERT_TRUE(runAll(inverse, geo, error)) << error;

    const auto& wgs = ellipsoides()[kWGS84];
    const double e2 = static_cast<double>(1 - (wgs.b * wgs.b) / (wgs.a * wgs.a));
    const double degree = std::numbers::pi / 180;
    Worst fwd, inv;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        const UTM u = LatLon_vers_UTM(kWGS84, p.lat, p.lon);
        ASSERT_EQ(u.zone, p.zone) << "longitude " << p.lon;
        fwd.see(1000 * std::hypot(static_cast<double>(u.easting) - utm[i][0],
                                  static_cast<double>(u.northing) - utm[i][1]),
                p);

        const LatLon r =
            UTM_vers_LatLon(kWGS84, p.zone, LetterDesignator(p.lat), utm[i][0], utm[i][1]);
        // Angles to metres with the radii of curvature at the point.
        const double s = std::sin(geo[i][1] * degree), w = 1 - e2 * s * s;
        const double meridian = static_cast<double>(wgs.a) * (1 - e2) / std::pow(w, 1.5);
        const double parallel =
            static_cast<double>(wgs.a) / std::sqrt(w) * std::cos(geo[i][1] * degree);
        inv.see(1000 *
                    std::hypot((static_cast<double>(r.latitude) - geo[i][1]) * degree * meridian,
                               (static_cast<double>(r.longitude) - geo[i][0]) * degree * parallel),
                p);
    }
    std::cout << "UTM against cs2cs over " << points.size() << " points\n"
              << "  forward: largest difference " << fwd.where() << "\n"
              << "  inverse: largest difference " << inv.where() << "\n";
    RecordProperty("forward_max", fwd.where());
    RecordProperty("inverse_max", inv.where());
    EXPECT_LE(fwd.mm, kForwardBoundMm) << fwd.where();
    EXPECT_LE(inv.mm, kInverseBoundMm) << inv.where();
}

} // namespace
