// The worked project placed in Lambert-93, and the exported files read back through other
// code than the writers': nlohmann::json, expat, shapelib's own file access, dxflib's reader,
// and PROJ called directly.
#pragma once

#include "files/ByteSource.h"
#include "files/XmlStream.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <proj.h>
#include <string>
#include <vector>

namespace tracelle::testing {

inline constexpr const char* kLambert93 = "EPSG:2154";

// Longitude and latitude of (X, Y) in `system`, east and north whatever the axis order.
inline std::pair<double, double> lonLat(const char* system, double X, double Y) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* operation = proj_create_crs_to_crs(context, system, "EPSG:4326", nullptr);
    PJ* ordered = proj_normalize_for_visualization(context, operation);
    const PJ_COORD c = proj_trans(ordered, PJ_FWD, proj_coord(X, Y, 0, 0));
    proj_destroy(ordered);
    proj_destroy(operation);
    proj_context_destroy(context);
    return {c.lp.lam, c.lp.phi};
}

// PROJ's WKT of `system` as a .prj file holds it.
inline std::string esriWkt(const char* system) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* crs = proj_create(context, system);
    const char* const options[] = {"MULTILINE=NO", nullptr};
    std::string wkt = proj_as_wkt(context, crs, PJ_WKT1_ESRI, options);
    proj_destroy(crs);
    proj_context_destroy(context);
    return wkt;
}

struct Digitized {
    int L;
    double X, Y, Z;
    const char* label;
};

// The worked example's three points (two on line 1, one on line 2), their real values in
// Lambert-93 near Paris.
inline const std::vector<Digitized> kWorked = {{1, 650243.197, 6860286.047, 12.5, ""},
                                               {1, 650256.803, 6860262.791, 12.5, ""},
                                               {2, 650353.741, 6860767.442, 8.25, ""}};

// The worked example, run under both decimal separators: the cells are written in either.
class GisProject : public ::testing::TestWithParam<char> {
protected:
    GisProject() : dir(tempFolder("tracelle_gis_")) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        p.setDecimalsText("3");
        digitize(kWorked);
    }
    ~GisProject() override { std::filesystem::remove_all(dir); }

    // Rows after the project's last, each line made shown with its own colour and width.
    void digitize(const std::vector<Digitized>& rows) {
        for (const Digitized& d : rows) {
            const int i = p.N() + 1;
            p.affecte_en(i, d.L, d.label, d.Z, d.X, d.Y, 100 + i, 200 + i);
            p.setN(i);
            if (d.L >= p.lines().rowCount()) p.lines().setRowCount(d.L + 1);
            const std::string cells[4] = {std::to_string(d.L), std::to_string(d.L + 1),
                                          std::to_string(0x0000FF + 0x100 * d.L), "x"};
            for (int col = 0; col < 4; ++col)
                if (p.lines().cell(d.L, col).empty()) p.lines().setCell(d.L, col, cells[col]);
        }
    }
    void hide(int L) { p.lines().setCell(L, 3, ""); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    SeparatorScope scope{GetParam()};
    ScriptedInteraction ui;
    model::Project p;
    const std::filesystem::path dir;
};

// A KML read back: the placemarks in order, and the styles by id.
struct KmlPlacemark {
    std::string name, style, coordinates;
    int lineStrings = 0;
};
struct KmlStyle {
    std::string lineColour, width;
};
struct KmlRead {
    std::vector<KmlPlacemark> placemarks;
    std::map<std::string, KmlStyle> styles;
};

inline KmlRead readKml(const std::string& text) {
    struct Source final : files::ByteSource {
        explicit Source(const std::string& t) : text(t) {}
        std::int64_t read(char* into, std::size_t size) override {
            const std::size_t n = std::min(size, text.size() - at);
            std::copy_n(text.data() + at, n, into);
            at += n;
            return static_cast<std::int64_t>(n);
        }
        const std::string& error() const override { return none; }
        const std::string& text;
        std::size_t at = 0;
        std::string none;
    };
    struct Reader final : files::XmlReader {
        void start(std::string_view, std::string_view name, const char** attributes) override {
            path.emplace_back(name);
            collected.clear();
            if (name == "Placemark") out.placemarks.emplace_back();
            if (name == "Style") style = files::xmlAttribute(attributes, "", "id");
            if (name == "LineString") ++out.placemarks.back().lineStrings;
        }
        void end(std::string_view, std::string_view name) override {
            path.pop_back();
            const std::string parent = path.empty() ? "" : path.back();
            if (parent == "Placemark" && name == "name") out.placemarks.back().name = collected;
            if (name == "styleUrl") out.placemarks.back().style = collected;
            if (name == "coordinates") {
                auto& c = out.placemarks.back().coordinates;
                c += (c.empty() ? "" : "|") + collected;
            }
            if (parent == "LineStyle" && name == "color") out.styles[style].lineColour = collected;
            if (parent == "LineStyle" && name == "width") out.styles[style].width = collected;
        }
        void text(std::string_view t) override { collected += t; }
        std::vector<std::string> path;
        std::string collected, style;
        KmlRead out;
    };
    Source source(text);
    Reader reader;
    EXPECT_EQ(files::readXml(source, reader, "kml"), "");
    return reader.out;
}

// A DXF read back through dxflib's reader.
struct DxfRead final : DL_CreationAdapter {
    struct Layer {
        int colour;
        int colour24;
    };
    struct Polyline {
        std::string layer;
        std::vector<std::pair<double, double>> vertices;
    };
    struct Point {
        std::string layer;
        double x, y, z;
    };
    struct Text {
        std::string layer, text;
        double x, y;
    };
    std::map<std::string, Layer> layers;
    std::vector<Polyline> polylines;
    std::vector<Point> points;
    std::vector<Text> texts;

    void addLayer(const DL_LayerData& d) override {
        layers[d.name] = {attributes.getColor(), attributes.getColor24()};
    }
    void addPolyline(const DL_PolylineData&) override {
        polylines.push_back({attributes.getLayer(), {}});
    }
    void addVertex(const DL_VertexData& d) override {
        polylines.back().vertices.emplace_back(d.x, d.y);
    }
    void addPoint(const DL_PointData& d) override {
        points.push_back({attributes.getLayer(), d.x, d.y, d.z});
    }
    void addText(const DL_TextData& d) override {
        texts.push_back({attributes.getLayer(), d.text, d.ipx, d.ipy});
    }
};

// ogrinfo opening and reading every feature: its status and what it printed on stderr.
struct OgrOutcome {
    int status;
    std::string out, err;
};
inline OgrOutcome ogrinfo(const std::string& file) {
    const std::string out = file + ".out", err = file + ".err";
    const std::string command = "ogrinfo -ro -al '" + file + "' >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    OgrOutcome o{WEXITSTATUS(status), {}, {}};
    for (auto [into, from] : {std::pair{&o.out, out}, {&o.err, err}}) {
        const auto bytes = bytesOf(from);
        into->assign(bytes.begin(), bytes.end());
        std::filesystem::remove(from);
    }
    return o;
}

} // namespace tracelle::testing
