// The 3D graph of the points: extents, a central perspective turned by two angles, and the
// segments a drawing is made of, so that a window only has to paint them.
#pragma once

#include "model/Real.h"

#include <cstdint>
#include <random>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::graph {

using model::Real;

struct Pixel {
    int x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};

// A line of `width` pixels in a colour 0x00BBGGRR; a dot when both ends are the same.
struct Segment {
    Pixel from, to;
    std::uint32_t colour = 0;
    int width = 1;
    bool operator==(const Segment&) const = default;
};

inline constexpr std::uint32_t kAxes = 0x008000;     // green
inline constexpr std::uint32_t kCalage = 0x0000FF;   // red
inline constexpr std::uint32_t kDropLine = 0x800000; // dark blue
inline constexpr int kDotWidth = 3;

struct Extents {
    Real xmin = 0, xmax = 0, ymin = 0, ymax = 0, zmin = 0, zmax = 0;
};

struct View {
    Real cx = 0, cy = 0;         // offsets taken from X and Y before scaling
    Real sx = 1, sy = 1, sz = 1; // scale divisors
    Real tx = 0, ty = 0;         // translation steps
    Real theta = 0, phi = 0;     // azimuth and elevation, radians
    Real step = 0;               // angle step
    Real rho = 0;                // eye distance, scaled units
    Real dp = 0;                 // projection distance
};

enum class Command {
    Initialisation,
    Eloigner,   // "/"
    Rapprocher, // "*"
    Agrandir,   // "+"
    Reduire,    // "-"
    TourneGauche,
    TourneDroite,
    TourneHaut,
    TourneBas,
    DecaleGauche,
    DecaleDroite,
    DecaleHaut,
    DecaleBas,
};

class GraphView {
public:
    // `seed` drives the heights drawn for the points whose Z is "-".
    explicit GraphView(unsigned seed = std::random_device{}());

    // Reads the points, the calibration points and the line colours, computes the extents
    // and starts from the initial view, for a buffer of width × height pixels.
    void init_variables_book(const model::Project& project, int width, int height);
    // A new buffer size; the view stays.
    void resize(int width, int height);
    void calcul_cos_sin();
    Pixel rotation(Real X, Real Y, Real Z) const;
    void affaxes(std::vector<Segment>& out) const;
    void trace_book(std::vector<Segment>& out);
    // One whole drawing, in the order it is painted.
    std::vector<Segment> dessine_graphe();

    void apply(Command command);
    // A drag of the mouse: `steps` angle steps of azimuth and of elevation (fractions allowed).
    void turn(Real thetaSteps, Real phiSteps);

    const Extents& extents() const { return extents_; }
    const View& view() const { return view_; }

private:
    struct Point {
        Real x, y, z;
        bool randomZ; // "-": a height drawn anew at each drawing
        bool startsLine;
        std::uint32_t colour;
    };

    void initialView();

    struct Calage {
        Real x, y;
    };

    std::vector<Point> points_;
    std::vector<Calage> calage_; // the project's calibration points, three at most
    Extents extents_;
    View view_;
    int wd_ = 0, hd_ = 0;
    Real sinT_ = 0, cosT_ = 1, sinP_ = 0, cosP_ = 1;
    Real cTsP_ = 0, sTsP_ = 0, cTcP_ = 1, sTcP_ = 0;
    std::minstd_rand random_;
};

} // namespace tracelle::graph
