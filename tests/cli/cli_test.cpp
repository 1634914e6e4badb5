// tracelle-cli run as a process on projects made here; its output is compared with what the
// core functions give for the same input.
#include "core/trace/Drawing.h"
#include "files/Cp1252.h"
#include "files/Export.h"
#include "files/PointImport.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "files/Workbook.h"
#include "geodesy/Worksheet.h"
#include "gis/GeoreferencedPicture.h"
#include "gis/GisExport.h"
#include "measure/Cap.h"
#include "measure/RasterSurface.h"
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/FittedCalibration.h"
#include "picture/BmpCodec.h"
#include "picture/ConversionOutput.h"
#include "picture/Decoder.h"
#include "picture/JpegCodec.h"
#include "picture/Layer.h"
#include "render/ConversionSource.h"
#include "render/RgbImage.h"
#include "support/Gdal.h"
#include "support/GeoTiffFile.h"
#include "support/MetafileBytes.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"
#include "support/WebpFile.h"
#include "trace/Trace.h"
#include "trace/Vectorize.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    Cli() : dir_(tracelle::testing::tempFolder("tracelle_cli_")) {
        fs::create_directories(dir_);
        // A frame of 1 real unit a pixel; a square on line 1, two points on line 2.
        p.setDefaultCalibration(1001, 1001, 0, 0);
        p.picture() = {"/cartes/carte.jpg", 1001, 1001, 0, 0};
        for (auto [x, y] : {std::pair{100, 100}, {300, 100}, {300, 400}, {100, 400}})
            p.ajoute_point(x, y);
        ui.answerColour(std::nullopt);
        p.Nouvelle_suite_de_points();
        p.ajoute_point(500, 500);
        p.ajoute_point(800, 900);
        project_ = path("plan.trc");
        EXPECT_EQ(files::sauve_projet(p, project_), "");
        // What the tool reads: the project as the file gives it back.
        EXPECT_EQ(files::chargeProjetSansImage(project_, p), "");
    }
    ~Cli() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string read(const std::string& file) { return tracelle::testing::textOf(file); }

    // `environment`: more variables, "NAME=value ...", or what the shell runs before.
    Outcome run(const std::vector<std::string>& args, const std::string& environment = "",
                const std::string& program = TRACELLE_CLI) {
        std::string command = environment + " TRACELLE_DECIMAL_SEPARATOR=. '" + program + "'";
        for (const auto& a : args) {
            std::string quoted;
            for (const char c : a)
                quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
            command += " '" + quoted + "'";
        }
        command += " >'" + path("out") + "' 2>'" + path("err") + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read(path("out")), read(path("err"))};
    }
    // The standard output of a run that must succeed.
    std::string ok(const std::vector<std::string>& args, const std::string& environment = "") {
        const Outcome r = run(args, environment);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    // A map in greys with zones painted: a square of the fill colour, a bar of another green.
    std::string paintedMap() {
        picture::Raster r = picture::Raster::create(60, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                const int g = (4 * x + 2 * y) % 256;
                r.row(y)[x] = x >= 5 && x < 15 && y >= 5 && y < 15     ? picture::rgb555(0, 128, 0)
                              : x >= 30 && x < 50 && y >= 20 && y < 24 ? picture::rgb555(0, 200, 0)
                                                                       : picture::rgb555(g, g, g);
            }
        EXPECT_EQ(picture::writeBmp(r, path("carte.bmp")), "");
        return path("carte.bmp");
    }
    static picture::Layer layerOf(const std::string& file) {
        auto decoded = std::make_shared<const picture::Raster>(picture::decodeFile(file).raster);
        return picture::Layer::over(decoded, decoded->width(), decoded->height(), 0, 0, 0);
    }
    static std::vector<picture::Pixel> pixelsOf(const picture::Layer& layer) {
        std::vector<picture::Pixel> all;
        for (int y = 0; y < layer.height(); ++y)
            for (int x = 0; x < layer.width(); ++x)
                all.push_back(layer.pixel(x, y));
        return all;
    }

    static std::vector<std::string> with(std::vector<std::string> args,
                                         const std::vector<std::string>& more) {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    static std::string linesOf(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }

    struct Refusal {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    // Each refused with its status and one line on standard error that says why.
    void expectRefusals(const std::vector<Refusal>& cases,
                        const std::vector<std::string>& command = {}) {
        for (const auto& c : cases) {
            const std::vector<std::string> args = with(command, c.args);
            SCOPED_TRACE(::testing::PrintToString(args));
            const Outcome r = run(args);
            EXPECT_EQ(r.status, c.status) << r.err;
            EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
            EXPECT_EQ(r.out, "");
        }
    }

    fs::path dir_;
    tracelle::testing::ScriptedInteraction ui;
    tracelle::testing::SeparatorScope scope{'.'};
    model::Project p;
    std::string project_;
};

TEST_F(Cli, InfoTellsThePictureTheCountsAndTheCalibration) {
    const std::string out = ok({"info", project_});
    for (const char* part : {"Image : /cartes/carte.jpg\n", "Taille LxH : 1001 x 1001\n",
                             "Points (N) : 6\nLignes : 2\nPoints de calage (K) : 3\n", "\n3\t"})
        EXPECT_NE(out.find(part), std::string::npos) << part << " in " << out;
}

// Control points fitted as the core fits them: the residual table, the project written with
// every point recomputed, and `info` naming the model; bad control points write nothing.
TEST_F(Cli, CalibrateFitsControlPointsAndWritesTheProject) {
    const char* control = "100 100 210.5 4800\n900\t120  1810 4760.25\n\n"
                          "880 950 1770 3099.5 7\n130 870 270 3260\n500 500 1009.5 4000.5\n";
    ASSERT_EQ(files::writeTextFile(path("points.txt"), control), "");
    const std::string out = ok({"calibrate", project_, "--control", path("points.txt"), "--model",
                                "helmert", "-o", path("out.trc")});

    std::vector<model::ControlPoint> points = {{{100, 100}, {210.5L, 4800}, true},
                                               {{900, 120}, {1810, 4760.25L}, true},
                                               {{880, 950}, {1770, 3099.5L}, true},
                                               {{130, 870}, {270, 3260}, true},
                                               {{500, 500}, {1009.5L, 4000.5L}, true}};
    model::FittedCalibration fit(model::TransformMethod::Helmert);
    ASSERT_EQ(fit.fit(points), model::FitStatus::Fitted);
    std::string expected = "n\tx\ty\tX\tY\tdX\tdY\td\n";
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& c = points[i];
        const auto& d = fit.residuals()[i];
        expected += std::to_string(i + 1);
        for (const auto n : {model::Real(int(c.pixel.x)), model::Real(int(c.pixel.y)), c.real.X,
                             c.real.Y, d.dX, d.dY, d.distance})
            (expected += '\t') += model::texte_general(n);
        expected += "\n";
    }
    expected += "RMS\t" + model::texte_general(fit.rms()) + "\n";
    EXPECT_EQ(out, expected);

    model::Project q;
    ASSERT_EQ(files::chargeProjetSansImage(path("out.trc"), q), "");
    EXPECT_EQ(q.calibrationMethod(), model::TransformMethod::Helmert);
    EXPECT_EQ(q.controlPointCount(), 5);
    EXPECT_EQ(q.calibration().cell(3, q.indice_col_cal("Z")), "7");
    for (int i = 1; i <= q.N(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        const model::ImagePoint xy = q.extrait_xy(i);
        const auto real =
            fit.toReal({static_cast<model::Real>(xy.x), static_cast<model::Real>(xy.y)});
        const auto stored = q.extrait_xr_yr(i);
        ASSERT_TRUE(real && stored);
        EXPECT_NEAR(static_cast<double>(stored->X), static_cast<double>(real->X), 1e-6);
        EXPECT_NEAR(static_cast<double>(stored->Y), static_cast<double>(real->Y), 1e-6);
    }
    const std::string info = ok({"info", path("out.trc")});
    EXPECT_NE(
        info.find("Modèle de calage : helmert\nAxes : lin lin\nPoints de contrôle : 5\nRMS : " +
                  model::texte_general(fit.rms()) + "\n"),
        std::string::npos)
        << info;

    // On a logarithmic axis the points get the axis values, and lengths are refused.
    ASSERT_EQ(
        files::writeTextFile(path("decades.txt"), "100 900 1 0\n900 900 10000 0\n100 100 1 800\n"),
        "");
    ok({"calibrate", project_, "--control", path("decades.txt"), "--log-x", "-o", path("log.trc")});
    model::Project logProject;
    ASSERT_EQ(files::chargeProjetSansImage(path("log.trc"), logProject), "");
    model::Real X = 0, Y = 0;
    ASSERT_TRUE(logProject.repere_carte(300, 500, X, Y));
    EXPECT_NEAR(static_cast<double>(X), 10, 1e-12);
    EXPECT_NEAR(static_cast<double>(Y), 400, 1e-12);
    expectRefusals({{{"measure", path("log.trc"), "--line", "1"}, 1, "logarithmiques ou polaires"},
                    {{"raster-area", paintedMap(), "--project", path("log.trc")},
                     1,
                     "logarithmiques ou polaires"}});

    const char* refused[] = {"1 1 0 0\n5 9 3 3\n9 1 7 1\n", "1 1 0 0\n5 5 3 3\n9 9 7 1\n",
                             "1 1 1 0\n5 9 3 3\n9 1 7 1\n", "1 1 0 0\n5 9 trois 3\n9 1 7 1\n"};
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(files::writeTextFile(path("bad" + std::to_string(i)), refused[i]), "");
    expectRefusals({{{path("bad0"), "--model", "projective"}, 1, "au moins 4"},
                    {{path("bad1")}, 1, "alignés"},
                    {{path("bad2"), "--log-y"}, 1, "logarithmique"},
                    {{path("bad3")}, 1, "ligne 2"}},
                   {"calibrate", project_, "-o", path("bad.trc"), "--control"});
    EXPECT_FALSE(fs::exists(path("bad.trc")));
}

// A polar graph centred at pixel (600, 450): control points at known r and θ, and each project
// point read back as the radius and angle of its pixel about that centre (to the 8 decimals
// the project keeps).
TEST_F(Cli, CalibrateReadsPolarGraphs) {
    constexpr double pi = 3.14159265358979323846;
    const double cx = 600, cy = 450;
    const struct {
        std::vector<std::string> options;
        double centreRadius;       // r at the centre, the first control point
        std::vector<double> radii; // at θ = 0, 90°, 180°, 270°
        std::string axes;          // as `info` tells them; what the options ask
    } cases[] = {
        {{}, 0, {50, 100, 25, 75}, "polaire lin degrés direct"},
        {{"--theta", "rad", "--clockwise"}, 0, {50, 100, 25, 75}, "polaire lin radians horaire"},
        {{"--log-r"}, 1, {10, 100, 10, 1000}, "polaire log degrés direct"},
        {{"--centre", "1", "--theta", "deg"},
         5,
         {55, 105, 30, 80},
         "polaire lin degrés direct origine 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.axes);
        const bool logarithmic = c.axes.find(" log ") != std::string::npos;
        const double turn = c.axes.find("radians") != std::string::npos ? 2 * pi : 360;
        const double side = c.axes.find("horaire") != std::string::npos ? 1 : -1; // rows go down
        // Distance from the centre: 2 pixels a unit of r, or 100 a decade.
        const auto pixels = [&](double r) {
            return logarithmic ? 100 * std::log10(r) : 2 * (r - c.centreRadius);
        };
        const auto radius = [&](double d) {
            return logarithmic ? std::pow(10, d / 100) : c.centreRadius + d / 2;
        };
        std::ostringstream control;
        control.precision(17);
        control << cx << ' ' << cy << ' ' << c.centreRadius << " 0\n";
        for (std::size_t k = 0; k < c.radii.size(); ++k) {
            const double a = static_cast<double>(k) * pi / 2;
            const double d = pixels(c.radii[k]);
            control << std::lround(cx + d * std::cos(a)) << ' '
                    << std::lround(cy + side * d * std::sin(a)) << ' ' << c.radii[k] << ' '
                    << static_cast<double>(k) * turn / 4 << '\n';
        }
        ASSERT_EQ(files::writeTextFile(path("polar.txt"), control.str()), "");
        ok(with({"calibrate", project_, "--control", path("polar.txt"), "--polar", "-o",
                 path("polar.trc")},
                c.options));
        model::Project q;
        ASSERT_EQ(files::chargeProjetSansImage(path("polar.trc"), q), "");
        ASSERT_EQ(q.N(), 6);
        for (int i = 1; i <= q.N(); ++i) {
            SCOPED_TRACE("point " + std::to_string(i));
            const model::ImagePoint xy = q.extrait_xy(i);
            const double dx = xy.x - cx, dy = side * (xy.y - cy);
            const double angle = std::fmod(std::atan2(dy, dx) + 2 * pi, 2 * pi) * turn / (2 * pi);
            const auto stored = q.extrait_xr_yr(i);
            ASSERT_TRUE(stored);
            EXPECT_NEAR(static_cast<double>(stored->X), radius(std::hypot(dx, dy)), 1e-8);
            EXPECT_NEAR(static_cast<double>(stored->Y), angle, 1e-8);
        }
        const std::string info = ok({"info", path("polar.trc")});
        EXPECT_NE(info.find("Axes : " + c.axes + "\n"), std::string::npos) << info;
    }

    // The fit's refusals, then the options that have no meaning together.
    ASSERT_EQ(files::writeTextFile(path("small.txt"), "600 450 5 0\n700 450 2 0\n600 350 9 90\n"),
              "");
    ASSERT_EQ(files::writeTextFile(path("zero.txt"), "600 450 0 0\n700 450 2 0\n600 350 9 90\n"),
              "");
    const std::vector<std::string> small = {"calibrate",       project_, "--control",
                                            path("small.txt"), "-o",     path("refus.trc")};
    expectRefusals(
        {
            {{"--polar", "--centre", "1"}, 1, "rayon plus petit que celui de l'origine"},
            {{"--polar", "--centre", "4"}, 1, "n'a que 3 points de contrôle"},
            {{"--polar", "--centre", "0"}, 2, "--centre attend le numéro"},
            {{"--polar", "--theta", "grad"}, 2, "--theta : deg ou rad, et non grad"},
            {{"--polar", "--log-y"}, 2, "--log-y ne s'emploie pas avec --polar"},
            {{"--clockwise"}, 2, "--clockwise ne s'emploie qu'avec --polar"},
            {{"--centre", "1"}, 2, "--centre ne s'emploie qu'avec --polar"},
        },
        small);
    expectRefusals({{{"--polar", "--log-r"}, 1, "logarithmique"}},
                   {"calibrate", project_, "--control", path("zero.txt"), "-o", path("refus.trc")});
    EXPECT_FALSE(fs::exists(path("refus.trc")));
}

// Each format as the export panel's section writes it; bad input and bad usage write nothing.
TEST_F(Cli, ExportForGisWritesWhatThePanelsSectionWrites) {
    fs::create_directories(dir_ / "cli");
    fs::create_directories(dir_ / "core");
    for (const char* format : {"geojson", "kml", "shp", "dxf"}) {
        SCOPED_TRACE(format);
        const std::string name = std::string("plan.") + format;
        const Outcome r = run({"export", project_, "--format", format, "--crs", "EPSG:2154",
                               "--all-lines", "-o", path("cli/" + name)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        const auto made = gis::exporteSig(p, {*gis::formatNomme(format), "EPSG:2154", false},
                                          path("core/" + name));
        ASSERT_EQ(made.error, "");
        for (const std::string& file : made.written) {
            const std::string written = fs::path(file).filename().string();
            EXPECT_EQ(read(path("cli/" + written)), read(file)) << written;
        }
    }
    expectRefusals(
        {
            {{"--format", "geojson", "--crs", "EPSG:99999"}, 1, "code EPSG inconnu : 99999"},
            {{"--format", "kml"}, 1, "au lieu de « aucun »"},
            {{"--format", "svg"}, 2, "--format attend geojson, kml, shp ou dxf"},
            {{"--format", "dxf", "--columns", "X"}, 2, "--columns ne s'emploie pas avec --format"},
            {{"--crs", "EPSG:2154"}, 2, "--crs ne s'emploie qu'avec --format"},
        },
        {"export", project_, "-o", path("refus.out")});
    EXPECT_FALSE(fs::exists(path("refus.out")));
    EXPECT_EQ(run({"export", project_, "--format", "dxf"}).status, 2) << "no file named";

    // Labels longer than the format holds are written cut, and the user told.
    p.points().setCell(1, model::indice_col_grille(p.points(), "Libellé"), std::string(300, 'a'));
    ASSERT_EQ(files::sauve_projet(p, path("long.trc")), "");
    for (const char* format : {"shp", "dxf"}) {
        const Outcome r = run({"export", path("long.trc"), "--format", format, "-o",
                               path(std::string("long.") + format)});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("1 libellé a plus de 254 caractères"), std::string::npos) << r.err;
    }
}

TEST_F(Cli, ExportWritesWhatTheExportPanelWrites) {
    const auto exported = [&](const files::ExportChoices& c) {
        return files::utf8ToCp1252(files::exporte(p, c).text);
    };
    EXPECT_EQ(ok({"export", project_}), exported({}));

    ok({"export", project_, "--columns", "n,L,Libellé,X,Y,Z", "--cumulative-distance",
        "--decimal-mark", "virgule", "--separator", "comma-space", "--first-line-count=off",
        "--first-line-text", "titre été", "-o", path("plan.dat"), "--extension", "bln"});
    files::ExportChoices c;
    c.n = c.L = c.label = c.Z = c.cumulative = c.decimalComma = true;
    c.separator = ", ";
    c.firstLineCount = false;
    c.firstLineText = "titre été";
    EXPECT_EQ(read(path("plan.bln")), exported(c));
    EXPECT_EQ(
        ok({"export", project_, "--normalized", "--step", "50", "--x-min", "100", "--x-max", "300",
            "--method", "nearest"}),
        exported(
            {.normalized = true, .step = "50", .xMin = "100", .xMax = "300", .regression = false}));

    // A project written under the comma reads under the comma.
    tracelle::testing::SeparatorScope comma(',');
    p.calcul_nouveaux_calage();
    ASSERT_EQ(files::sauve_projet(p, path("virgule.trc")), "");
    EXPECT_EQ(ok({"export", path("virgule.trc"), "--decimal-separator", ",", "--columns", "X,Y,Z"}),
              exported({.Z = true}));
}

TEST_F(Cli, MeasureWritesTheSurfaceAndCapTexts) {
    model::Real two = 0;
    EXPECT_EQ(ok({"measure", project_, "--line", "1"}),
              linesOf(measure::rapportSurface(p, 1, two)));

    EXPECT_TRUE(measure::rapportSurface(p, 2, two).empty());
    const auto texts = measure::textesDeuxPoints(2, two);
    EXPECT_EQ(ok({"measure", project_, "--line=2"}), texts.caption + "\n" + texts.distance + "\n");

    measure::CapState cap;
    cap.CapClick();
    std::string expected;
    for (int c : {1, 3, 2})
        expected += cap.click(p, c, {}) + "\n";
    EXPECT_EQ(ok({"measure", project_, "--cap", "1,3,2"}), expected);
    const std::string out = ok({"measure", project_, "--cap", "1,2"});
    const model::Real step = measure::distance_entre_point(p, 1, 2, {}).d;
    EXPECT_NE(out.find("+(1 à 2) = " + model::_format(step, 6, 4)), std::string::npos) << out;
}

// The area report and contour, and the black and white picture, are the core's.
TEST_F(Cli, RasterAreaAndThresholdWriteWhatTheCoreWrites) {
    const std::string map = paintedMap();
    const struct {
        std::vector<std::string> options;
        measure::Rgb fill;
        bool scaled;
    } cases[] = {
        {{}, {0, 128, 0}, false},
        {{"--fill", "0,200,0", "--project", project_}, {0, 200, 0}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scaled);
        picture::Layer layer = layerOf(map);
        const auto counts = measure::rasterArea(layer, measure::bounds(layer, 0, 0), c.fill);
        EXPECT_EQ(
            ok(with({"raster-area", map, "-o", path("contour.bmp")}, c.options)),
            linesOf(measure::rapportRaster(counts, c.scaled ? measure::echelleRaster(p) : 1)));
        EXPECT_EQ(pixelsOf(layerOf(path("contour.bmp"))), pixelsOf(layer));
    }

    picture::Layer layer = layerOf(map);
    measure::threshold(layer, measure::bounds(layer, 0, 0), *measure::seuil("10,5"), {0, 0, 0});
    EXPECT_EQ(
        ok({"threshold", map, "--threshold", "10,5", "--border", "0,0,0", "-o", path("nb.bmp")}),
        "");
    EXPECT_EQ(pixelsOf(layerOf(path("nb.bmp"))), pixelsOf(layer));
    ok({"threshold", map, "--threshold", "10", "-o", path("nb.JPG")});
    const auto jpeg = tracelle::testing::bytesOf(path("nb.JPG"));
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF) << "a JPEG, as the picture save writes";
    EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
}

// A map with a red contour and a graph's curve in green on white.
std::string tracedMap(const std::string& file) {
    using tracelle::testing::sampled;
    using tracelle::testing::stroke;
    picture::Raster r = tracelle::testing::sheet(300, 200);
    const auto wave = [](double x) { return trace::PointF{x, 60 + 30 * std::sin(x / 25)}; };
    const auto slope = [](double x) { return trace::PointF{x, 150 - 0.2 * x}; };
    stroke(r, sampled(wave, 20, 280), 2, {200, 30, 30});
    stroke(r, sampled(slope, 0, 299), 2, {20, 150, 40});
    EXPECT_EQ(picture::writeBmp(r, file), "");
    return file;
}

std::string asText(const std::vector<trace::PixelPoint>& points) {
    std::string text;
    for (const trace::PixelPoint& q : points)
        text += std::to_string(q.x) + "\t" + std::to_string(q.y) + "\n";
    return text;
}

// The points printed are the core's for the same picture and choices; with a project, they are
// appended as the core appends them, and the project written. A refusal writes nothing.
TEST_F(Cli, TraceGivesTheCoresPointsOrRefusesInOneLine) {
    const std::string map = tracedMap(path("courbes.bmp"));
    const picture::Layer layer = layerOf(map);
    const trace::Trace t = trace::followLine(layer, {100, 37});
    ASSERT_EQ(t.result, trace::TraceResult::Followed);
    const struct {
        std::vector<std::string> options;
        std::vector<trace::PixelPoint> expected;
    } cases[] = {
        {{"--from", "100,37"}, trace::resample(t.centreline)},
        {{"--from", "100,37", "--spacing", "25"}, trace::resample(t.centreline, 25)},
        {{"--from", "100,37", "--simplify", "2"}, trace::simplify(t.centreline, 2)},
        {{"--box", "0,100,299,199", "--colour", "20,150,40", "--x-step", "10"},
         trace::curveInBox(layer, {0, 100, 299, 199}, trace::Rgb{20, 150, 40},
                           trace::kDefaultTolerance, 10)
             .points},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options[0] + " " + c.options.back());
        ASSERT_GT(c.expected.size(), 5u);
        EXPECT_EQ(ok(with({"trace", map}, c.options)), asText(c.expected));
    }

    ok({"trace", map, "--from", "100,37", "--project", project_, "-o", path("trace.trc")});
    ui.answerColour(std::nullopt);
    trace::appendTrace(p, trace::resample(t.centreline));
    ASSERT_EQ(files::sauve_projet(p, path("attendu.trc")), "");
    EXPECT_EQ(read(path("trace.trc")), read(path("attendu.trc")));

    expectRefusals(
        {
            {{"--from", "150,150"}, 1, "Pas de trait sous le clic"},
            {{"--from", "100,37", "--colour", "20,150,40"}, 1, "La couleur choisie n'est pas"},
            {{"--box", "0,0,299,40", "--colour", "20,150,40"}, 1, "n'est pas dans le cadre"},
            {{"--box", "0,0,299,40"}, 1, "--box demande la couleur"},
            {{"--from", "100"}, 1, "--from : '100' n'est pas de la forme X,Y"},
            {{"--from", "400,74"}, 1, "hors de l'image"},
            {{"--from", "100,37", "--gap", "-2"}, 1, "--gap : '-2' n'est pas un entier positif"},
            {{"--from", "100,37", "--gap", "2.5"}, 1, "--gap : '2.5' n'est pas un entier positif"},
            {{"--box", "0,100,299,199", "--colour", "20,150,40", "--x-step", "0"},
             1,
             "--x-step : '0' n'est pas un entier positif"},
            {{"--from", "100,37", "--tolerance", "0"}, 1, "--tolerance : '0' n'est pas un nombre"},
            {{"--from", "100,37", "--spacing", "5", "--simplify", "1"}, 1, "s'excluent"},
            {{}, 1, "--from X,Y ou --box X0,Y0,X1,Y1 est obligatoire"},
        },
        {"trace", map, "--project", project_, "-o", path("x.trc")});
    EXPECT_FALSE(fs::exists(path("x.trc")));
}

// A map with a closed contour and a forked river in blue, and a black grid across them.
std::string riverMap(const std::string& file) {
    using tracelle::testing::sampled;
    using tracelle::testing::stroke;
    picture::Raster r = tracelle::testing::sheet(300, 200);
    const trace::Rgb blue{30, 80, 200};
    const auto ellipse = [](double t) {
        return trace::PointF{80 + 50 * std::cos(t), 70 + 35 * std::sin(t)};
    };
    stroke(r, sampled(ellipse, 0, 2 * M_PI), 2, blue);
    stroke(r, {{170.5, 180.3}, {220.4, 120.6}, {280.2, 110.5}}, 2, blue);
    stroke(r, {{220.4, 120.6}, {230.3, 30.2}}, 2, blue);
    for (int x = 50; x < 300; x += 100)
        stroke(r, {{double(x), 0}, {double(x), 199}}, 1, {0, 0, 0});
    EXPECT_EQ(picture::writeBmp(r, file), "");
    return file;
}

// The lines printed are the core's for the same picture and choices; with a project, they are
// appended as the core appends them, and the project written. A refusal writes nothing.
TEST_F(Cli, VectorizeGivesTheCoresLinesOrRefusesInOneLine) {
    const std::string map = riverMap(path("rivieres.bmp"));
    const picture::Layer layer = layerOf(map);
    const auto core = [&](std::optional<trace::Box> box, int gap, double length, double simplify) {
        trace::VectorizeSettings s{.colour = {30, 80, 200}, .box = box, .gap = gap};
        s.minLength = length;
        s.simplify = simplify;
        const trace::Vectorized v = trace::vectorize(layer, s);
        EXPECT_EQ(v.result, trace::VectorizeResult::Done);
        return v.lines;
    };
    const struct {
        std::vector<std::string> options;
        std::vector<trace::VectorLine> expected;
        std::size_t count; // lines: the contour, then the river's three branches
    } cases[] = {
        {{}, core(std::nullopt, trace::kDefaultGap, 20, 1), 4},
        {{"--box", "150,0,299,199"}, core(trace::Box{150, 0, 299, 199}, 6, 20, 1), 3},
        {{"--gap", "0", "--min-length", "5", "--simplify", "3"}, core(std::nullopt, 0, 5, 3), 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.empty() ? "defaults" : c.options[0]);
        ASSERT_EQ(c.expected.size(), c.count);
        std::string expected;
        for (std::size_t l = 0; l < c.expected.size(); ++l)
            for (const trace::PixelPoint& q : c.expected[l].points)
                expected += std::to_string(l + 1) + "\t" + asText({q});
        EXPECT_EQ(ok(with({"vectorize", map, "--colour", "30,80,200"}, c.options)), expected);
    }

    ok({"vectorize", map, "--colour", "30,80,200", "--project", project_, "-o",
        path("vecteurs.trc")});
    trace::appendLines(p, cases[0].expected);
    ASSERT_EQ(files::sauve_projet(p, path("attendu.trc")), "");
    EXPECT_EQ(read(path("vecteurs.trc")), read(path("attendu.trc")));

    expectRefusals(
        {
            {{"--colour", "200,30,30"}, 1, "Aucun pixel de la couleur choisie"},
            {{"--colour", "30,80,200", "--box", "0,190,40,199"}, 1, "Aucun pixel de la couleur"},
            {{"--colour", "255,255,255"}, 1, "ne se distingue pas du fond"},
            {{}, 1, "--colour R,G,B est obligatoire"},
            {{"--colour", "30,80"}, 1, "n'est pas une couleur R,G,B"},
            {{"--colour", "30,80,200", "--box", "1,2,3"}, 1, "n'est pas de la forme X0,Y0,X1,Y1"},
            {{"--colour", "30,80,200", "--gap", "-1"}, 1, "--gap : '-1' n'est pas un entier"},
            {{"--colour", "30,80,200", "--min-length", "0"}, 1, "--min-length : '0' n'est pas"},
            {{"--colour", "30,80,200", "--simplify", "x"}, 1, "--simplify : 'x' n'est pas"},
            {{"--colour", "30,80,200", "--tolerance", "-3"}, 1, "--tolerance : '-3' n'est pas"},
        },
        {"vectorize", map, "--project", project_, "-o", path("x.trc")});
    EXPECT_FALSE(fs::exists(path("x.trc")));
    expectRefusals({{{"vectorize", map, "--colour", "30,80,200", "--project", project_},
                     1,
                     "--project et -o SORTIE.trc vont ensemble"}});
}

TEST_F(Cli, ImportWritesTheProjectWithTheAddedPoints) {
    const std::string points = path("points.txt");
    const std::string lines = "10 20 a\n'\n30\t40\nbonjour le monde\n50 60\n";
    tracelle::testing::writeBytes(points, {lines.begin(), lines.end()});
    EXPECT_EQ(ok({"import", project_, points, "-o", path("avec.trc")}),
              "nombre de points rajoutés : 3\n1 ligne ignorée (X ou Y illisible) : 4\n");
    ui.answerColour(std::nullopt);
    p.Nouvelle_suite_de_points();
    files::ajoutePointsTexte(p, read(points));
    ASSERT_EQ(files::sauve_projet(p, path("attendu.trc")), "");
    EXPECT_EQ(read(path("avec.trc")), read(path("attendu.trc")));

    ASSERT_EQ(files::chargeProjetSansImage(path("avec.trc"), p), "");
    const std::string xls = std::string(TEST_DATA_DIR) + "/points.xls";
    EXPECT_EQ(ok({"import", path("avec.trc"), xls, "-o", path("classeur.trc"), "--z-column", "0"}),
              "nombre de points rajoutés : 4\n1 ligne ignorée (X ou Y illisible) : 5\n");
    std::string error;
    const auto book = files::Workbook::open(xls, error);
    ASSERT_TRUE(book) << error;
    ui.answerColour(std::nullopt);
    p.Nouvelle_suite_de_points();
    files::ajoutePointsTableur(p, *book, {.Z = 0});
    ASSERT_EQ(files::sauve_projet(p, path("attendu.trc")), "");
    EXPECT_EQ(read(path("classeur.trc")), read(path("attendu.trc")));
}

// Bad input and bad usage write nothing. A project whose rows do not read is bad data for every
// command: each stops with the line and what was expected there (files cut short are the core's
// test).
TEST_F(Cli, BadInputAndBadUsageGiveTheirStatusAndOneLine) {
    p.calibration().setCell(1, p.indice_col_cal("x"), "1x0");
    const std::string file = path("entier.trc"), points = path("points.txt");
    ASSERT_EQ(files::sauve_projet(p, file), "");
    ASSERT_EQ(files::writeBytesFile(points, "1 2\n"), "");
    const char* says = "entier.trc : Problème de lecture à la ligne 12 du fichier : le point de "
                       "calage 1 attend un entier en colonne x, et non <1x0>";
    ASSERT_EQ(files::writeBytesFile(path("abime.trc"), "/TRACELLE\nx\nyz\n"), "");
    std::vector<char> damaged(600, 'q'); // a compound file's signature, then nothing sound
    std::copy_n("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8, damaged.begin());
    tracelle::testing::writeBytes(path("abime.xls"), damaged);
    const std::string map = paintedMap();
    model::Project single;
    single.setDefaultCalibration(1001, 1001, 0, 0);
    single.ajoute_point(10, 10);
    ASSERT_EQ(files::sauve_projet(single, path("seul.trc")), "");
    expectRefusals({
        {{"info", file}, 1, says},
        {{"export", file, "-o", path("x.txt")}, 1, says},
        {{"export", file, "--format", "geojson", "-o", path("x.geojson")}, 1, says},
        {{"measure", file, "--line", "1"}, 1, says},
        {{"import", file, points, "-o", path("x.trc")}, 1, says},
        {{"export", project_, "--normalized", "--step", "0.00001", "--x-max", "1000", "-o",
          path("n.txt")},
         1,
         "l'export normalisé demande plus de 10 000 000 pas"},
        {{"info", path("absent.trc")}, 1, "impossible de lire le fichier"},
        {{"export", path("abime.trc")}, 1, "abime.trc : Ancien format"},
        {{"measure", project_, "--line", "7"}, 1, "la ligne 7 n'existe pas"},
        {{"measure", path("seul.trc"), "--line", "1"}, 1, "la ligne 1 n'a qu'un point"},
        {{"measure", project_, "--cap", "1,9"}, 1, "le point 9 n'existe pas"},
        {{"import", project_, path("abime.xls"), "-o", path("x.trc")},
         1,
         "Impossible d'ouvrir le classeur"},
        {{"raster-area", path("absent.bmp")}, 1, "Impossible de lire l'image"},
        {{"raster-area", map, "--fill", "0,300,0"}, 1, "--fill : '0,300,0' n'est pas une couleur"},
        {{"raster-area", map, "--project", path("abime.trc")}, 1, "abime.trc : Ancien format"},
        {{"threshold", map, "--threshold", "dix", "-o", path("x.bmp")},
         1,
         "'dix' n'est pas une valeur en virgule flottante correcte"},
        {{"threshold", map, "--threshold", "10", "--border", "1,2,3,", "-o", path("x.bmp")},
         1,
         "--border : '1,2,3,'"},
        {{"export", project_, "--colonnes", "X"}, 2, "option inconnue : --colonnes"},
        {{"threshold", map, "-o", path("x.bmp")}, 2, "--threshold SEUIL est obligatoire"},
        {{"measure", project_}, 2, "indiquez soit --line L, soit --cap"},
        {{"import", project_, path("p.txt")}, 2, "-o SORTIE.trc est obligatoire"},
        {{"info", project_, "--decimal-separator", ";"}, 2, "--decimal-separator attend"},
        {{"dessine"}, 2, "commande inconnue : dessine"},
    });
    for (const char* written : {"x.txt", "x.geojson", "x.trc", "x.bmp", "n.txt"})
        EXPECT_FALSE(fs::exists(path(written))) << written;
    EXPECT_EQ(ok({"export", "--help"}).rfind("Usage : tracelle-cli export FICHIER.trc", 0), 0u);
}

// Standard input is held to the size of the largest file read: one byte more is refused,
// read no further.
TEST_F(Cli, StandardInputHasItsLimit) {
    const Outcome r =
        run({"utm", "km"}, "head -c " + std::to_string(files::kMaxReadBytes + 1) + " /dev/zero |");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tracelle-cli : l'entrée standard est trop grande (1024 Mo au plus)\n");
    EXPECT_EQ(r.out, "");
}

// The temporary files that a killed run left in the working folder are removed at the next
// start; those of a process still running, and files of other names, are not.
TEST_F(Cli, TemporaryFilesOfEndedProcessesAreRemovedAtStart) {
    const pid_t ended = fork();
    ASSERT_NE(ended, -1);
    if (ended == 0) _exit(0);
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    const std::string dead = ".~" + std::to_string(ended), alive = ".~" + std::to_string(getpid());
    const std::vector<std::string> kept = {"plan.trc" + alive, "notes.~12a", "nb.bmp"};
    for (const std::string& name : kept)
        tracelle::testing::writeBytes(path(name), {'x'});
    tracelle::testing::writeBytes(path("nb.bmp" + dead), {'x'});
    ok({"info", "plan.trc"}, "cd '" + dir_.string() + "' &&");
    EXPECT_FALSE(fs::exists(path("nb.bmp" + dead)));
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(path(name))) << name;
}

// --version and --help answer on standard output with status 0, even where no display can be
// opened: the window program must not start its windows for them.
TEST_F(Cli, BothProgramsAnswerVersionAndHelpWithoutADisplay) {
    const std::string version = TRACELLE_VERSION;
    const char* noDisplay = "</dev/null env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";
    const struct {
        const char* program;
        const char* option;
        std::string starts;
    } cases[] = {
        {TRACELLE_CLI, "--version", "tracelle-cli " + version + "\n"},
        {TRACELLE_CLI, "--help", "Usage : tracelle-cli COMMANDE"},
        {TRACELLE_GUI, "--version", "tracelle " + version + "\n"},
        {TRACELLE_GUI, "--help", "Usage : tracelle [PROJET.trc | IMAGE]"},
        {TRACELLE_GUI, "-h", "Usage : tracelle [PROJET.trc | IMAGE]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + c.option);
        const Outcome r = run({c.option}, noDisplay, c.program);
        EXPECT_EQ(r.status, 0) << "-1: ended by a signal";
        EXPECT_EQ(r.out.rfind(c.starts, 0), 0u) << r.out;
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(Cli, FewCalibrationPointsAndABinaryFileAreWrittenAsTheyAre) {
    for (const int k : {0, 2}) {
        model::Project few;
        for (int i = 1; i <= k; ++i)
            few.valide_point_calage(10 * i, 20);
        ASSERT_EQ(files::sauve_projet(few, path("few.trc")), "");
        const std::string out = ok({"export", path("few.trc"), "--calibration"});
        EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + k) << "k=" << k << out;
    }

    // Every byte but the line feed; a NUL would end the message early.
    std::vector<char> binary = {'\x89', 'P', 'N', 'G', '\r', '\x1A'};
    for (int i = 0; i < 4000; ++i)
        binary.push_back(static_cast<char>(1 + i % 255 == '\n' ? 1 : 1 + i % 255));
    tracelle::testing::writeBytes(path("image.trc"), binary);
    const Outcome r = run({"info", path("image.trc")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("mess= <"), std::string::npos) << r.err;
    EXPECT_LT(r.err.size(), 300u) << r.err;
    EXPECT_EQ(std::count_if(r.err.begin(), r.err.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 32; }),
              1)
        << "one line of printable characters: " << r.err;
}

// Georeferenced sources made beside their pictures: each must give a project whose pixels
// follow the map its numbers describe, written here by hand rather than through the core.
class CliGeoref : public Cli {
protected:
    struct Map {
        model::Real A, D, B, E, C, F; // pixel (i, j) at (A·i + B·j + C, D·i + E·j + F)
    };

    std::string picture(const std::string& name, int w = 50, int h = 40) {
        fs::create_directories(fs::path(path(name)).parent_path());
        picture::Raster r = picture::Raster::create(w, h);
        r.fill(picture::rgb555(200, 190, 170));
        EXPECT_EQ(picture::writeBmp(r, path(name)), "");
        return path(name);
    }
    std::string text(const std::string& name, const std::string& content) {
        fs::create_directories(fs::path(path(name)).parent_path());
        tracelle::testing::writeBytes(path(name), {content.begin(), content.end()});
        return path(name);
    }
    static std::string world(const Map& m) {
        std::ostringstream out;
        out.precision(17);
        for (const model::Real v : {m.A, m.D, m.B, m.E, m.C, m.F})
            out << static_cast<double>(v) << "\r\n";
        return out.str();
    }
    static std::string tab(const std::string& file, const std::string& points) {
        return "!table\r\n!version 300\r\n\r\nDefinition Table\r\n  File \"" + file +
               "\"\r\n  Type \"RASTER\"\r\n" + points + "  Units \"m\"\r\n";
    }
};

// Each kind of source the command tells apart; how each maps its pixels is the core's test.
TEST_F(CliGeoref, EachSourceGivesAProjectCalibratedOnItsMap) {
    // MapInfo's pixel (0, 0) is the picture's corner, half a pixel from the first centre.
    const Map north{10, 0, 0, -10, 600005.5L, 1999995.25L}, plan{1.5L, 0, 0, -1.5L, 10, 20};
    const Map rotated{2, 0.5L, 0.25L, -2, 500000.5L, 6000000.25L};
    text("cartes/nord.tab",
         tab("images\\nord.bmp", "  (600000.5,2000000.25) (0,0) Label \"Pt 1\",\r\n"
                                 "  (610000.5,2000000.25) (1000,0) Label \"Pt 2\",\r\n"
                                 "  (600000.5,1990000.25) (0,1000) Label \"Pt 3\"\r\n"));
    const std::string nord = picture("cartes/images/nord.bmp");
    const std::string ortho = picture("ortho.bmp");
    text("ortho.bpw", world(rotated));
    text("plan.wld", world(plan));
    const std::string feuille = picture("scans/feuille.bmp", 30, 20);
    const std::string tif = path("geo.tif");
    ASSERT_TRUE(tracelle::testing::writeGeoTiff(
        tif, {.tiePoint = {0, 0, 0, 700000, 5000000, 0}, .scale = {5, 5, 0}, .epsg = 32631}));
    const Map fromTags{5, 0, 0, -5, 700002.5L, 4999997.5L};

    const struct {
        std::vector<std::string> args;
        std::string picture;
        int width, height;
        Map map;
        std::string source; // the "Calage :" line
    } cases[] = {
        {{path("cartes/nord.tab")}, nord, 50, 40, north, "nord.tab"},
        {{ortho}, ortho, 50, 40, rotated, "ortho.bpw"},
        {{path("plan.wld"), "--picture", feuille}, feuille, 30, 20, plan, "plan.wld"},
        {{tif}, tif, 40, 30, fromTags, "GeoTIFF, EPSG:32631"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const Outcome r = run(
            with(with({"georef"}, c.args), {"-o", path("cale.trc"), "--decimal-separator", ","}));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "") << "no warning of the GeoTIFF tags";
        EXPECT_EQ(r.out.rfind("Image : " + c.picture + " (" + std::to_string(c.width) + " x " +
                                  std::to_string(c.height) + ")\nCalage : " + c.source,
                              0),
                  0u)
            << r.out;
        model::Project q;
        ASSERT_EQ(files::chargeProjetSansImage(path("cale.trc"), q), "");
        EXPECT_EQ(q.picture().file, c.picture);
        EXPECT_EQ(q.picture().canvasWidth, c.width);
        EXPECT_EQ(q.picture().canvasHeight, c.height);
        EXPECT_EQ(q.N(), 0);
        model::Real X = 0, Y = 0;
        ASSERT_TRUE(q.repere_carte(17, 11, X, Y));
        EXPECT_NEAR(static_cast<double>(X),
                    static_cast<double>(c.map.A * 17 + c.map.B * 11 + c.map.C), 1e-6);
        EXPECT_NEAR(static_cast<double>(Y),
                    static_cast<double>(c.map.D * 17 + c.map.E * 11 + c.map.F), 1e-6);
    }
    const std::string info = ok({"info", path("cale.trc"), "--decimal-separator", ","});
    EXPECT_NE(info.find("Points de calage (K) : 3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("\n2\t0\tcal 2\t700002,5\t4999847,5\t0\t0\t30\t"), std::string::npos)
        << "row 2 at pixel (0, h), its centre read from the tags";
}

// The readers' own refusals are the core's tests; here, each kind of source the command
// turns away, once, and what it leaves behind.
TEST_F(CliGeoref, ARefusedSourceWritesNothing) {
    const std::string good = text("bon.tab", tab("bon.bmp", "(0,0) (0,0)\n(10,0) (10,0)\n"
                                                            "(0,10) (0,10)\n"));
    picture("bon.bmp");
    text("sans-image.tab", tab("perdue.bmp", "(0,0) (0,0)\n(10,0) (10,0)\n(0,10) (0,10)\n"));
    text("plat.bpw", world({1, 2, 2, 4, 100, 200}));
    picture("plat.bmp");
    text("bon.hdr", "ncols 50\nnrows 20\nxdim 1\nydim 1\nulxmap 0\nulymap 0\n");
    text("orphelin.tfw", world({1, 0, 0, -1, 0, 0}));
    text("abime.bpw", world({1, 0, 0, -1, 0, 0}));
    text("abime.bmp", "BM pas une image");
    const std::string bare = picture("nue.bmp");
    ASSERT_TRUE(tracelle::testing::writeGeoTiff(path("zero.tif"),
                                                {.tiePoint = {0, 0, 0, 700000, 5000000, 0}}));

    const std::string out = path("refus.trc");
    expectRefusals(
        {
            {{path("absent.tab")}, 1, "absent.tab> impossible à ouvrir"},
            {{path("sans-image.tab")}, 1, "perdue.bmp> impossible à ouvrir"},
            {{path("plat.bpw")}, 1, "alignés"},
            {{path("bon.hdr")}, 1, "50 x 20 pixels, <bon.bmp> en a 50 x 40"},
            {{path("orphelin.tfw")}, 1, "aucune image du même nom"},
            {{path("abime.bpw")}, 1, "Impossible de lire l'image"},
            {{bare}, 1, "nue.bmp> n'est pas calée"},
            {{path("zero.tif")}, 1, "<zero.tif> : les trois points de calage sont alignés"},
            {{path("absent.tif")}, 1, "Impossible de lire l'image"},
            {{good, "--picture", bare}, 2, "--picture ne sert qu'avec un fichier de calage"},
            {{good, bare}, 2, "argument en trop"},
        },
        {"georef", "-o", out});
    expectRefusals({{{"georef", good}, 2, "-o PROJET.trc est obligatoire"}});
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().filename().string().rfind("refus", 0), std::string::npos)
            << entry.path();

    // A project already there is left whole by a refusal.
    const std::string kept = text("garde.trc", "ancien projet");
    EXPECT_EQ(run({"georef", path("plat.bpw"), "-o", kept}).status, 1);
    EXPECT_EQ(read(kept), "ancien projet");
}

// The converter's commands give, through the file, what the worksheet gives in memory.
TEST_F(Cli, UtmRunsTheConvertersCommandsOnAWorksheet) {
    const std::string_view previous = platform::thousandsSeparator();
    platform::setThousandsSeparator(platform::localeThousandsSeparator()); // as the child's
    const geodesy::Worksheet example;
    ASSERT_EQ(files::writeTextFile(path("feuille.txt"), example.texteExport()), "");
    const struct {
        const char* command;
        void (*apply)(geodesy::Worksheet&);
    } cases[] = {
        {"utm-to-latlon", [](geodesy::Worksheet& w) { w.utmVersLatLon("6400", "6347"); }},
        {"latlon-to-utm", [](geodesy::Worksheet& w) { w.latLonVersUtm(false, "6400", "6347"); }},
        {"latlon-to-utm-empty",
         [](geodesy::Worksheet& w) { w.latLonVersUtm(true, "6400", "6347"); }},
        {"dms-to-decimal", [](geodesy::Worksheet& w) { w.dmsVersDecimal(); }},
        {"decimal-to-dms", [](geodesy::Worksheet& w) { w.decimalVersDms(); }},
        {"km", [](geodesy::Worksheet& w) { w.km("6400", "6347"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        std::string error;
        auto expected = geodesy::Worksheet::lit(example.texteExport(), error);
        c.apply(*expected);
        ok({"utm", c.command, path("feuille.txt"), "-o", path("sortie.txt"), "--ra", "6400"});
        EXPECT_EQ(read(path("sortie.txt")), files::utf8ToCp1252(expected->texteExport()));
    }
    const Outcome piped = run({"utm", "km", "-o", path("sortie.txt")}); // empty standard input
    EXPECT_EQ(piped.status, 1);
    EXPECT_NE(piped.err.find("n'est pas l'en-tête d'un tableau de conversion"), std::string::npos);
    platform::setThousandsSeparator(previous);

    geodesy::Worksheet bad(3);
    const char* zone[] = {"406864", "5383757", "32.5", "", "N", "WGS 84"}; // a zone not whole
    for (int column = 2; column < 8; ++column)
        bad.table().setCell(2, column, zone[column - 2]);
    ASSERT_EQ(files::writeTextFile(path("zone.txt"), bad.texteExport()), "");
    fs::remove(path("sortie.txt"));
    expectRefusals({
        {{"utm", "utm-to-latlon", path("zone.txt"), "-o", path("sortie.txt")},
         1,
         "zone.txt : ligne 3 (n° 2 du tableau) : '32.5' n'est pas une valeur entière correcte"},
        {{"utm", "km", path("zone.txt"), "--rb", "x", "-o", path("sortie.txt")},
         2,
         "--rb : 'x' n'est pas un nombre de kilomètres"},
        {{"utm", "utm-vers-latlon", path("zone.txt")}, 2, "conversion inconnue : utm-vers-latlon"},
    });
    EXPECT_FALSE(fs::exists(path("sortie.txt"))) << "nothing written after a stop";

    // A worksheet kept as a workbook (here its tab-separated text named .csv) converts as its text.
    geodesy::Worksheet sheet(1);
    const char* row[] = {"1", "P", "406864", "5383757", "32", "", "N", "WGS 84"};
    for (int column = 0; column < 8; ++column)
        sheet.table().setCell(1, column, row[column]);
    for (const char* name : {"feuille.txt", "feuille.csv"})
        ASSERT_EQ(files::writeTextFile(path(name), sheet.texteExport()), "");
    ok({"utm", "utm-to-latlon", path("feuille.txt"), "-o", path("texte.txt")});
    ok({"utm", "utm-to-latlon", path("feuille.csv"), "-o", path("classeur.txt")});
    EXPECT_EQ(read(path("classeur.txt")), read(path("texte.txt")));
    EXPECT_NE(read(path("classeur.txt")).find("48"), std::string::npos) << "a latitude";
}

// The window's steps 1 to 4 without a window: the same file, byte for byte.
TEST_F(Cli, ConvertWritesWhatTheConversionWindowWrites) {
    tracelle::testing::writeBytes(path("plan.emf"), tracelle::testing::emfBytes());
    ok({"convert", path("plan.emf"), "-o", path("plan.jpg"), "--format", "tif", "--background",
        "0,255,0"});
    EXPECT_FALSE(fs::exists(path("plan.jpg")));

    std::string error;
    const auto source = render::ConversionSource::load(path("plan.emf"), &error);
    const QImage bitmap = source.draw(QSize(1065, 532), QColor(0, 255, 0), &error);
    ASSERT_EQ(picture::writeConverted(render::rowsOf(bitmap), picture::OutputFormat::Tif,
                                      path("attendu.tif")),
              "");
    EXPECT_EQ(read(path("plan.tif")), read(path("attendu.tif")));

    tracelle::testing::writeBytes(path("abime.emf"), std::vector<char>(64, 'x'));
    expectRefusals(
        {
            {{path("abime.emf")}, 1, "abime.emf"},
            {{path("plan.txt")}, 1, "se convertissent"},
            {{path("plan.emf"), "--page", "2"}, 1, "pas de page 2"},
            {{path("plan.emf"), "--dpi", "1a"}, 2, "'1a' n'est pas une valeur entière correcte"},
            {{path("plan.emf"), "--format", "gif"}, 2, "--format"},
        },
        {"convert", "-o", path("x.bmp")});
    EXPECT_FALSE(fs::exists(path("x.bmp")));
}

// A WebP picture is read by every picture command as the window reads it. A WebP, or a JPEG
// that still ends with an end marker, cut short is refused by each command that reads it, with
// the decoder's reason, nothing written.
TEST_F(Cli, WebpPicturesAreReadAsTheOthersAndCutPicturesAreRefused) {
    const std::string bmp = tracedMap(path("courbes.bmp"));
    const auto decoded = picture::decodeFile(bmp);
    ASSERT_TRUE(decoded.ok());
    ASSERT_TRUE(tracelle::testing::writeWebp(path("courbes.webp"), decoded.raster));
    EXPECT_EQ(ok({"trace", path("courbes.webp"), "--from", "100,37"}),
              ok({"trace", bmp, "--from", "100,37"}));
    ASSERT_EQ(picture::writeJpeg(decoded.raster, path("courbes.jpg"), 90), "");
    ASSERT_TRUE(tracelle::testing::writeAnimatedWebp(path("anime.webp"), 20, 10,
                                                     {{200, 40, 40, 255}, {40, 40, 200, 255}}));
    expectRefusals({{{"trace", path("anime.webp"), "--from", "1,1"},
                     1,
                     "WebP : les images animées ne sont pas lues"}});

    const struct {
        const char *name, *end, *says;
    } cuts[] = {{"courbes.jpg", "\xFF\xD9", "fichier JPEG tronqué"},
                {"courbes.webp", "", "fichier WebP tronqué"}};
    for (const auto& [name, end, says] : cuts) {
        auto bytes = tracelle::testing::bytesOf(path(name));
        bytes.resize(bytes.size() / 2);
        bytes.insert(bytes.end(), end, end + std::strlen(end));
        const std::string cut = path(std::string("coupe-") + name);
        tracelle::testing::writeBytes(cut, bytes);
        expectRefusals({
            {{"threshold", cut, "--threshold", "10", "-o", path("x.bmp")}, 1, says},
            {{"raster-area", cut, "-o", path("x.bmp")}, 1, says},
            {{"trace", cut, "--from", "100,37"}, 1, says},
        });
    }
    expectRefusals(
        {{{"convert", path("coupe-courbes.jpg"), "-o", path("x.tif")}, 1, "JPEG tronqué"}});
    EXPECT_FALSE(fs::exists(path("x.tif")) || fs::exists(path("x.bmp")));
}

// The commands that need the core alone start without the libraries of pictures, zip
// workbooks, drawing, PDF pages and GIS formats, nor the C++ library: the dynamic loader's
// own report of a run lists none of them. Those that need them still load them, through the
// full program.
TEST_F(Cli, OnlyTheCommandsThatNeedThemLoadQtPopplerProjAndGdal) {
    const std::string map = paintedMap();
    ASSERT_EQ(files::writeTextFile(path("carte.wld"), "2\n0\n0\n-2\n1000\n5000\n"), "");
    ASSERT_EQ(files::writeTextFile(path("bornes.txt"), "10 20 borne\n"), "");
    ASSERT_EQ(files::writeTextFile(path("feuille.txt"), geodesy::Worksheet().texteExport()), "");
    tracelle::testing::writeBytes(path("plan.emf"), tracelle::testing::emfBytes());
    const std::string data = TEST_DATA_DIR;
    const char* heavy[] = {"libQt6Gui", "libpoppler", "libgdal", "libproj", "libgeotiff",
                           "libtiff",   "libjpeg",    "libpng",  "libzip",  "libstdc++"};
    const struct {
        std::vector<std::string> args;
        bool loadsThem;
    } cases[] = {
        {{"info", project_}, false},
        {{"export", project_, "-o", path("plan.txt")}, false},
        {{"measure", project_, "--line", "1"}, false},
        {{"import", project_, path("bornes.txt"), "-o", path("plan2.trc")}, false},
        {{"import", project_, data + "/points.xls", "-o", path("plan3.trc")}, false},
        {{"import", project_, data + "/points.xlsx", "-o", path("plan4.trc")}, true},
        {{"utm", "km", path("feuille.txt"), "-o", path("sortie.txt")}, false},
        {{"georef", path("carte.wld"), "-o", path("carte.trc")}, true},
        {{"threshold", map, "--threshold", "10", "-o", path("nb.bmp")}, true},
        {{"convert", path("plan.emf"), "-o", path("plan.bmp")}, true},
        {{"export", project_, "--format", "dxf", "-o", path("plan.dxf")}, true},
    };
#ifdef __SANITIZE_ADDRESS__
    const bool sanitized = true; // the sanitizers' runtime loads the C++ library itself
#else
    const bool sanitized = false;
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const Outcome r = run(c.args, "LD_DEBUG=libs");
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_NE(r.err.find("calling init"), std::string::npos) << "the loader's report";
        for (const std::string_view library : heavy) {
            if (sanitized && library == "libstdc++") continue;
            EXPECT_EQ(r.err.find(library) != std::string::npos, c.loadsThem) << library;
        }
    }
}

// A copy of the tool without the full program beside it or in its prefix still runs the
// commands of the core, and says why it cannot run the others.
TEST_F(Cli, WithoutTheFullProgramTheOtherCommandsAreRefusedInOneLine) {
    fs::create_directories(dir_ / "seul" / "bin");
    const fs::path alone = dir_ / "seul" / "bin" / "tracelle-cli";
    fs::copy_file(TRACELLE_CLI, alone);
    const Outcome info = run({"info", project_}, "", alone.string());
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Points (N) : 6"), std::string::npos) << info.out;
    const std::vector<std::string> handedOver[] = {
        {"--help"},
        {"convert", "x.emf", "-o", "x.bmp"},
        {"export", project_, "--format", "dxf", "-o", "x.dxf"}};
    for (const auto& args : handedOver) {
        SCOPED_TRACE(args[0]);
        const Outcome r = run(args, "", alone.string());
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("tracelle-cli-full"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("installation incomplète"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
}

// The largest resident size of one run of the tool, in bytes; its output thrown away.
long long peakBytes(std::vector<std::string> args) {
    std::string cli = TRACELLE_CLI;
    std::vector<char*> argv{cli.data()};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cli.c_str(), &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

// A picture is held once and written a row at a time: beyond what the tool needs for a tiny
// picture, a command holds no more bytes a pixel than its memory check reserves (the
// conversion a picture of 32-bit words; the threshold the picture and its layer's copy).
TEST_F(Cli, PictureCommandsHoldNoMoreThanTheyCheck) {
    constexpr int side = 3000;
    for (const auto& [name, size] : {std::pair{"petite.jpg", 30}, {"grande.jpg", side}}) {
        picture::Raster r = picture::Raster::create(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                r.row(y)[x] = picture::rgb555(x * 7 % 256, y * 3 % 256, 128);
        ASSERT_EQ(picture::writeJpeg(r, path(name), 90), "");
    }
    const struct {
        const char* name;
        std::vector<std::string> args; // after the picture
        double reserved;               // bytes a pixel
    } cases[] = {
        {"convert to TIFF", {"-o", path("sortie.tif")}, 4.5},
        {"convert to BMP", {"-o", path("sortie.bmp")}, 4.5},
        {"convert to JPEG", {"-o", path("sortie.jpg")}, 4.5},
        {"threshold", {"--threshold", "10", "-o", path("seuil.bmp")}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string command = c.name[0] == 'c' ? "convert" : "threshold";
        const long long base = peakBytes(with({command, path("petite.jpg")}, c.args)),
                        peak = peakBytes(with({command, path("grande.jpg")}, c.args));
        ASSERT_GT(base, 0);
        ASSERT_GT(peak, 0);
        EXPECT_LE(static_cast<double>(peak - base) / (side * side), c.reserved)
            << "peak " << peak / 1000000 << " MB, " << base / 1000000 << " MB for a tiny picture";
    }
}

// The world file and .prj beside the project's picture, as the core writes them; a refusal
// writes nothing and says why in one line.
TEST_F(Cli, GeorefPictureWritesTheWorldFileBesideThePicture) {
    picture::Raster r = picture::Raster::create(60, 40);
    r.fill(0);
    ASSERT_EQ(picture::writeBmp(r, path("scan.bmp")), "");
    model::Project q;
    q.picture() = {path("scan.bmp"), 60, 40, 0, 0};
    q.setCalibration({model::CalibrationPoint{"700000", "6600000", 0, 0},
                      model::CalibrationPoint{"700100", "6600010", 50, 0},
                      model::CalibrationPoint{"700008", "6599920", 0, 40}});
    ASSERT_EQ(q.addControlPoint(30, 25, 700061.3L, 6599946.9L, 0), model::FitStatus::Fitted);
    ASSERT_EQ(q.setCalibrationModel(model::TransformMethod::Helmert, {}), model::FitStatus::Fitted);
    ASSERT_EQ(files::sauve_projet(q, path("scan.trc")), "");
    ASSERT_EQ(q.setCalibrationModel(model::TransformMethod::Projective, {}),
              model::FitStatus::Fitted);
    ASSERT_EQ(files::sauve_projet(q, path("photo.trc")), "");
    const std::string world = path("scan.bpw"), prj = path("scan.prj"), tiff = path("scan.tif");

    expectRefusals(
        {
            {{path("scan.trc"), "--world"}, 2, "--crs"},
            {{path("scan.trc"), "--crs", "EPSG:999999"}, 1, ""},
            {{path("photo.trc"), "--crs", "EPSG:2154"}, 1, ""},
            {{path("scan.trc"), "--crs", "EPSG:999999", "--geotiff", tiff}, 1, ""},
            {{path("scan.trc"), "--crs", "EPSG:2154", "--geotiff", path("nowhere/scan.tif")},
             1,
             ""},
        },
        {"georef-picture"});
    EXPECT_FALSE(fs::exists(world) || fs::exists(prj) || fs::exists(tiff));

    EXPECT_EQ(ok({"georef-picture", path("scan.trc"), "--crs", "EPSG:2154", "--world"}),
              world + "\n" + prj + "\n");
    model::Project read;
    ASSERT_EQ(files::chargeProjetSansImage(path("scan.trc"), read), "");
    std::string why;
    const auto map = gis::pictureMap(read, &why);
    ASSERT_TRUE(map) << why;
    EXPECT_EQ(this->read(world), gis::worldFileText(*map));
    EXPECT_EQ(this->read(prj).rfind("PROJCS[", 0), 0U);

    // The GeoTIFF alone unless --world asks for both: GDAL places it as the world file does.
    fs::remove(world);
    EXPECT_EQ(ok({"georef-picture", path("scan.trc"), "--crs", "EPSG:2154", "--geotiff", tiff}),
              tiff + "\n");
    EXPECT_FALSE(fs::exists(world));
    ASSERT_EQ(files::writeTextFile(world, gis::worldFileText(*map)), "");
    const auto fromTiff = tracelle::testing::gdalGeoTransform(tiff);
    const auto fromWorld = tracelle::testing::gdalGeoTransform(path("scan.bmp"));
    ASSERT_TRUE(fromTiff && fromWorld);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR((*fromTiff)[i], (*fromWorld)[i], 1e-6) << i;
}

// The numbers of a text and its line ends, in order: what a script reads from a report.
std::vector<std::string> numbersIn(const std::string& text) {
    static const std::regex token(R"(\n|[-+]?\d+(?:[.,]\d+)*(?:[eE][-+]?\d+)?)");
    return {std::sregex_token_iterator(text.begin(), text.end(), token), {}};
}

// In English the tool prints the same numbers on the same lines and writes the same bytes;
// --lang fr gives the French run back to the byte.
TEST_F(Cli, EnglishRunsKeepTheNumbersAndTheFiles) {
    const std::string river = riverMap(path("rivieres.bmp"));
    const std::string traced = tracedMap(path("courbes.bmp"));
    ASSERT_EQ(files::writeBytesFile(path("points.txt"), "10 20 a\nbonjour\n50 60\n"), "");
    ASSERT_EQ(files::writeBytesFile(path("rivieres.wld"), "2\n0\n0\n-2\n1000\n5000\n"), "");
    ASSERT_EQ(files::writeTextFile(path("feuille.txt"), geodesy::Worksheet().texteExport()), "");
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> written;
    } cases[] = {
        {{"info", project_}, {}},
        {{"export", project_, "--columns", "n,L,X,Y", "--cumulative-distance"}, {}},
        {{"export", project_, "--decimal-mark", "virgule", "-o", path("e.txt")}, {"e.txt"}},
        {{"export", project_, "--format", "kml", "--crs", "EPSG:2154", "-o", path("e.kml")},
         {"e.kml"}},
        {{"export", project_, "--format", "dxf", "-o", path("e.dxf")}, {"e.dxf"}},
        {{"measure", project_, "--line", "1"}, {}},
        {{"measure", project_, "--cap", "1,2,3,5"}, {}},
        {{"measure", project_, "--line", "7"}, {}},
        {{"utm", "latlon-to-utm", path("feuille.txt")}, {}},
        {{"georef", path("rivieres.wld"), "-o", path("g.trc")}, {"g.trc"}},
        {{"import", project_, path("points.txt"), "-o", path("i.trc")}, {"i.trc"}},
        {{"vectorize", river, "--colour", "30,80,200", "--box", "0,0,9"}, {}},
        {{"vectorize", river, "--colour", "30,80,200"}, {}},
        {{"trace", traced, "--from", "100,37", "--project", project_, "-o", path("t.trc")},
         {"t.trc"}},
        {{"convert", river, "-o", path("c.tif")}, {"c.tif"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const std::vector<std::string> forced = with({"--lang", "fr"}, c.args);
        std::vector<Outcome> runs;
        std::vector<std::string> written;
        for (const auto& [args, language] :
             {std::pair{c.args, "fr"}, {c.args, "en"}, {forced, "en"}}) {
            runs.push_back(run(args, std::string("LANGUAGE=") + language));
            for (const std::string& name : c.written) {
                written.push_back(read(path(name)));
                fs::remove(path(name));
            }
        }
        const Outcome &fr = runs[0], &en = runs[1], &back = runs[2];
        EXPECT_EQ(en.status, fr.status) << en.err;
        EXPECT_EQ(numbersIn(en.out), numbersIn(fr.out)) << en.out;
        EXPECT_EQ(numbersIn(en.err), numbersIn(fr.err)) << en.err;
        if (!fr.err.empty()) {
            EXPECT_NE(en.err, fr.err);
        }
        EXPECT_EQ(std::tie(back.status, back.out, back.err), std::tie(fr.status, fr.out, fr.err));
        for (std::size_t i = 0; i < c.written.size(); ++i) {
            EXPECT_FALSE(written[i].empty()) << c.written[i];
            EXPECT_EQ(written[i + c.written.size()], written[i]) << c.written[i];
            EXPECT_EQ(written[i + 2 * c.written.size()], written[i]) << c.written[i];
        }
    }
}

// Every help and the refusals of the command line speak the language asked for.
TEST_F(Cli, HelpAndRefusalsSpeakEnglish) {
    const Outcome fr = run({"--help"}, "LANGUAGE=fr"), en = run({"--help"}, "LANGUAGE=en");
    EXPECT_EQ(en.out.substr(0, en.out.find('\n')), "Usage: tracelle-cli COMMAND [OPTIONS] ...");
    EXPECT_NE(en.out.find("\n  --lang fr or en "), std::string::npos) << en.out;
    EXPECT_NE(fr.out.find("\n  --lang fr ou en "), std::string::npos) << fr.out;
    for (const char* name :
         {"calibrate", "convert", "export", "georef", "georef-picture", "import", "info", "measure",
          "raster-area", "threshold", "trace", "utm", "vectorize"}) {
        SCOPED_TRACE(name);
        const auto summary = [&](const std::string& help) {
            const auto at = help.find("\n  " + std::string(name) + " ");
            return at == std::string::npos ? "" : help.substr(at, help.find('\n', at + 1) - at);
        };
        EXPECT_NE(summary(en.out), summary(fr.out));
        const Outcome own = run({name, "--help"}, "LANGUAGE=en");
        EXPECT_EQ(own.out.rfind("Usage: tracelle-cli " + std::string(name) + " ", 0), 0u);
        EXPECT_NE(own.out, run({name, "--help"}, "LANGUAGE=fr").out);
    }
    EXPECT_EQ(run({"info", "--lang", "en"}, "LANGUAGE=fr").err,
              "tracelle-cli: missing argument: FILE.trc (tracelle-cli --help for help)\n");
    const Outcome wrong = run({"--lang=de", "info"}, "LANGUAGE=en");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "tracelle-cli: --lang expects fr or en (not “de”) (tracelle-cli --help "
                         "for help)\n");
}

} // namespace
