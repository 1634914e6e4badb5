#include "GisFixture.h"
#include "gis/Features.h"
#include "gis/GisExport.h"
#include "gis/SystemMemory.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <shapefil.h>
#include <sstream>

using namespace tracelle;
using namespace tracelle::testing;
using gis::Format;

namespace {

void expectNear(double expected, double actual, double tolerance, const char* what) {
    EXPECT_LE(std::fabs(expected - actual), tolerance)
        << what << ": expected " << expected << ", actual " << actual << ", difference "
        << actual - expected;
}

// The position of a point read back against PROJ's own transformation of its X, Y.
void expectLonLat(const Digitized& d, double lon, double lat) {
    const auto [eLon, eLat] = lonLat(kLambert93, d.X, d.Y);
    expectNear(eLon, lon, 1e-9, "longitude");
    expectNear(eLat, lat, 1e-9, "latitude");
}

class GisExport : public GisProject {
protected:
    gis::GisResult run(Format format, const std::string& file, const char* system = kLambert93,
                       bool shownOnly = true) {
        return gis::exporteSig(p, {format, system, shownOnly}, path(file));
    }
};

TRACELLE_UNDER_BOTH_SEPARATORS(GisExport);

TEST_P(GisExport, GeoJsonHoldsTheLineAndEveryPointInLongitudeAndLatitude) {
    const auto r = run(Format::GeoJson, "plan.geojson");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.lines, 1) << "line 2 has one point: a point, not a line";
    EXPECT_EQ(r.points, 3);
    const auto json = nlohmann::json::parse(textOf(path("plan.geojson")));
    EXPECT_EQ(json["type"], "FeatureCollection");
    EXPECT_FALSE(json.contains("crs")) << "RFC 7946 has WGS 84 alone";
    const auto& features = json["features"];
    ASSERT_EQ(features.size(), 4u);
    const auto& line = features[0];
    EXPECT_EQ(line["geometry"]["type"], "LineString");
    EXPECT_EQ(line["properties"]["L"], 1);
    EXPECT_EQ(line["properties"]["couleur"], "#ff0000");
    EXPECT_EQ(line["properties"]["épaisseur"], 4);
    const auto& vertices = line["geometry"]["coordinates"];
    ASSERT_EQ(vertices.size(), 2u);
    for (int i = 0; i < 2; ++i)
        expectLonLat(kWorked[i], vertices[i][0], vertices[i][1]);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& point = features[i + 1];
        EXPECT_EQ(point["geometry"]["type"], "Point");
        expectLonLat(kWorked[i], point["geometry"]["coordinates"][0],
                     point["geometry"]["coordinates"][1]);
        EXPECT_EQ(point["properties"]["n"], i + 1);
        EXPECT_EQ(point["properties"]["L"], kWorked[i].L);
        EXPECT_EQ(point["properties"]["Z"], kWorked[i].Z);
        EXPECT_EQ(point["properties"]["Libellé"], "");
    }
}

TEST_P(GisExport, KmlHasAPlacemarkALineInItsColourAndWidth) {
    ASSERT_EQ(run(Format::Kml, "plan.kml").error, "");
    const KmlRead kml = readKml(textOf(path("plan.kml")));
    ASSERT_EQ(kml.placemarks.size(), 2u) << "the line, and the point of line 2 alone";
    const KmlPlacemark& line = kml.placemarks[0];
    EXPECT_EQ(line.name, "Ligne 1");
    EXPECT_EQ(line.lineStrings, 1);
    ASSERT_EQ(kml.styles.count(line.style.substr(1)), 1u) << line.style;
    EXPECT_EQ(kml.styles.at(line.style.substr(1)).lineColour, "ff0000ff") << "aabbggrr";
    EXPECT_EQ(kml.styles.at(line.style.substr(1)).width, "4");
    std::istringstream vertices(line.coordinates + ' ' + kml.placemarks[1].coordinates);
    for (int i = 0; i < 3; ++i) {
        double lon, lat;
        char comma;
        vertices >> lon >> comma >> lat;
        expectLonLat(kWorked[i], lon, lat);
    }
    EXPECT_EQ(kml.placemarks[1].style, "#ligne2");
}

TEST_P(GisExport, ShapefileHasALineLayerAndAPointLayerWithPrjFromProj) {
    const auto r = run(Format::Shapefile, "plan.shp");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{
                                "plan.dbf", "plan.prj", "plan.shp", "plan.shx", "plan_points.dbf",
                                "plan_points.prj", "plan_points.shp", "plan_points.shx"}));
    EXPECT_EQ(textOf(path("plan.prj")), esriWkt(kLambert93));
    EXPECT_EQ(textOf(path("plan_points.prj")), esriWkt(kLambert93));

    SHPHandle lines = SHPOpen(path("plan.shp").c_str(), "rb");
    ASSERT_NE(lines, nullptr);
    int count = 0, type = 0;
    SHPGetInfo(lines, &count, &type, nullptr, nullptr);
    EXPECT_EQ(type, SHPT_ARC);
    ASSERT_EQ(count, 1);
    SHPObject* line = SHPReadObject(lines, 0);
    ASSERT_EQ(line->nVertices, 2);
    EXPECT_EQ(line->nParts, 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(line->padfX[i], kWorked[i].X) << "native coordinates, as the cells hold them";
        EXPECT_EQ(line->padfY[i], kWorked[i].Y);
    }
    SHPDestroyObject(line);
    SHPClose(lines);

    SHPHandle points = SHPOpen(path("plan_points.shp").c_str(), "rb");
    DBFHandle table = DBFOpen(path("plan_points.dbf").c_str(), "rb");
    ASSERT_NE(points, nullptr);
    ASSERT_NE(table, nullptr);
    SHPGetInfo(points, &count, &type, nullptr, nullptr);
    EXPECT_EQ(type, SHPT_POINT);
    ASSERT_EQ(count, 3);
    ASSERT_EQ(DBFGetFieldCount(table), 4);
    const char* names[] = {"n", "L", "Libell\xE9", "Z"};
    for (int f = 0; f < 4; ++f) {
        char name[12];
        DBFGetFieldInfo(table, f, name, nullptr, nullptr);
        EXPECT_STREQ(name, names[f]);
    }
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        SHPObject* point = SHPReadObject(points, i);
        EXPECT_EQ(point->padfX[0], kWorked[i].X);
        EXPECT_EQ(point->padfY[0], kWorked[i].Y);
        SHPDestroyObject(point);
        EXPECT_EQ(DBFReadIntegerAttribute(table, i, 0), i + 1);
        EXPECT_EQ(DBFReadIntegerAttribute(table, i, 1), kWorked[i].L);
        EXPECT_EQ(DBFReadDoubleAttribute(table, i, 3), kWorked[i].Z);
    }
    DBFClose(table);
    SHPClose(points);
}

TEST_P(GisExport, DxfHasALayerALineAndPointsInNativeCoordinates) {
    ASSERT_EQ(run(Format::Dxf, "plan.dxf", "aucun").error, "") << "DXF needs no system";
    DxfRead dxf;
    DL_Dxf reader;
    ASSERT_TRUE(reader.in(path("plan.dxf"), &dxf));
    ASSERT_EQ(dxf.layers.count("Ligne 1"), 1u);
    ASSERT_EQ(dxf.layers.count("Ligne 2"), 1u) << "a line of one point has its layer too";
    EXPECT_EQ(dxf.layers["Ligne 1"].colour24, 0xFF0000) << "true colour, 0xRRGGBB";
    EXPECT_EQ(dxf.layers["Ligne 1"].colour, 1) << "nearest index: red";
    EXPECT_EQ(dxf.layers["Ligne 2"].colour24, 0xFF0200);
    ASSERT_EQ(dxf.polylines.size(), 1u);
    EXPECT_EQ(dxf.polylines[0].layer, "Ligne 1");
    ASSERT_EQ(dxf.polylines[0].vertices.size(), 2u);
    ASSERT_EQ(dxf.points.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        if (i < 2) {
            EXPECT_EQ(dxf.polylines[0].vertices[i].first, kWorked[i].X);
            EXPECT_EQ(dxf.polylines[0].vertices[i].second, kWorked[i].Y);
        }
        EXPECT_EQ(dxf.points[i].layer, "Ligne " + std::to_string(kWorked[i].L));
        EXPECT_EQ(dxf.points[i].x, kWorked[i].X);
        EXPECT_EQ(dxf.points[i].y, kWorked[i].Y);
        EXPECT_EQ(dxf.points[i].z, kWorked[i].Z) << "the altitude";
    }
    EXPECT_TRUE(dxf.texts.empty()) << "no label, no text";
}

// A line broken by another line's points, a line of one point, labels with quotes and
// accents: every format, read by GDAL, without a warning.
TEST_P(GisExport, OgrinfoReadsEveryFormatWithoutAWarning) {
    digitize({{3, 650400, 6860400, 1, "puits \"Nord\", côté é"},
              {3, 650410, 6860420, 2, "l'été & <b>"},
              {1, 650300, 6860300, 3, ""},
              {1, 650310, 6860320, 4, ""}});
    const std::pair<Format, std::vector<std::string>> sweep[] = {
        {Format::GeoJson, {"plan.geojson"}},
        {Format::Kml, {"plan.kml"}},
        {Format::Shapefile, {"plan.shp", "plan_points.shp"}},
        {Format::Dxf, {"plan.dxf"}}};
    for (const auto& [format, files] : sweep) {
        SCOPED_TRACE(gis::nomFormat(format));
        ASSERT_EQ(run(format, files[0]).error, "");
        for (const std::string& file : files) {
            const OgrOutcome o = ogrinfo(path(file));
            EXPECT_EQ(o.status, 0);
            EXPECT_EQ(o.err, "") << file;
            if (file == "plan.shp") continue; // the lines have no labels
            for (const char* label : {"puits \"Nord\", côté é", "l'été & <b>"})
                EXPECT_NE(o.out.find(label), std::string::npos)
                    << "the label comes back whole in UTF-8:\n"
                    << o.out;
        }
    }
}

TEST_P(GisExport, ALineBreakSplitsTheLineIntoParts) {
    // Line 1 resumes after line 3; a point of line 1 alone after line 2 makes no part.
    digitize({{3, 650400, 6860400, 1, ""},
              {3, 650410, 6860420, 2, ""},
              {1, 650300, 6860300, 3, ""},
              {1, 650310, 6860320, 4, ""},
              {2, 650500, 6860500, 5, ""},
              {1, 650600, 6860600, 6, ""}});
    ASSERT_EQ(run(Format::GeoJson, "plan.geojson").error, "");
    const auto json = nlohmann::json::parse(textOf(path("plan.geojson")));
    const auto& line1 = json["features"][0];
    ASSERT_EQ(line1["properties"]["L"], 1);
    EXPECT_EQ(line1["geometry"]["type"], "MultiLineString");
    ASSERT_EQ(line1["geometry"]["coordinates"].size(), 2u);
    EXPECT_EQ(line1["geometry"]["coordinates"][1].size(), 2u);
    EXPECT_EQ(json["features"][1]["properties"]["L"], 3) << "line 2's points never form a line";
    EXPECT_EQ(json["features"].size(), 2u + 9u);

    ASSERT_EQ(run(Format::Shapefile, "plan.shp").error, "");
    SHPHandle shp = SHPOpen(path("plan.shp").c_str(), "rb");
    SHPObject* shape = SHPReadObject(shp, 0);
    EXPECT_EQ(shape->nParts, 2);
    EXPECT_EQ(shape->panPartStart[1], 2);
    SHPDestroyObject(shape);
    SHPClose(shp);

    ASSERT_EQ(run(Format::Dxf, "plan.dxf").error, "");
    DxfRead dxf;
    DL_Dxf().in(path("plan.dxf"), &dxf);
    EXPECT_EQ(dxf.polylines.size(), 3u) << "a polyline a part";

    // A hidden line between two runs still breaks the line, as the map draws it.
    hide(3);
    ASSERT_EQ(run(Format::Kml, "plan.kml").error, "");
    const KmlRead kml = readKml(textOf(path("plan.kml")));
    EXPECT_EQ(kml.placemarks[0].name, "Ligne 1");
    EXPECT_EQ(kml.placemarks[0].lineStrings, 2);
    EXPECT_EQ(kml.placemarks.size(), 1u + 3u) << "line 1, and the three points no line draws";
    ASSERT_EQ(run(Format::Kml, "all.kml", kLambert93, false).error, "");
    EXPECT_EQ(readKml(textOf(path("all.kml"))).placemarks.size(), 2u + 3u)
        << "all lines, the hidden one too";
}

struct Refusal {
    Format format;
    const char* system;
    const char* reason;
};

// Nothing is written when the export is refused.
TEST_P(GisExport, BadInputIsRefusedAndNothingIsWritten) {
    const Refusal refusals[] = {
        {Format::GeoJson, "EPSG:99999",
         "Système de coordonnées « EPSG:99999 » : code EPSG "
         "inconnu : 99999"},
        {Format::Shapefile, "n'importe quoi", "ni un code EPSG, ni une chaîne PROJ"},
        {Format::GeoJson, "aucun", "Le GeoJSON situe les points en longitude et latitude"},
        {Format::Kml, "", "au lieu de « aucun »"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.system);
        const auto result = run(r.format, "plan.out", r.system);
        EXPECT_NE(result.error.find(r.reason), std::string::npos) << result.error;
        EXPECT_TRUE(filesInDir().empty());
    }
    p.points().setCell(1, p.indice_col("X"), "1000000000");
    EXPECT_EQ(run(Format::GeoJson, "plan.geojson", "EPSG:32631").error,
              "le point 1 n'a ni longitude ni latitude dans « WGS 84 / UTM zone 31N » : ses X, Y "
              "sont hors du domaine du système");
    hide(1);
    hide(2);
    EXPECT_EQ(run(Format::Dxf, "plan.dxf").error,
              "Aucun point à exporter dans les lignes affichées.");
    p.points().setCell(2, p.indice_col("L"), "un");
    EXPECT_EQ(run(Format::Dxf, "plan.dxf", kLambert93, false).error,
              "'un' n'est pas une valeur entière correcte");
    EXPECT_TRUE(filesInDir().empty());
}

// A shapefile whose last file cannot be replaced: the earlier ones are put back as they were.
TEST_P(GisExport, AShapefileIsWrittenWholeOrNotAtAll) {
    writeBytes(path("plan.shp"), {'a', 'n', 'c', 'i', 'e', 'n'});
    std::filesystem::create_directory(path("plan_points.shx"));
    EXPECT_NE(run(Format::Shapefile, "plan.shp").error, "");
    EXPECT_EQ(textOf(path("plan.shp")), "ancien");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"plan.shp", "plan_points.shx"}))
        << "no companion file, no temporary left";
    std::filesystem::remove(path("plan_points.shx"));
    ASSERT_EQ(run(Format::Shapefile, "plan.shp").error, "");
    ASSERT_EQ(filesInDir().size(), 8u);

    // The files already there besides the chosen one, named before anything is written.
    const std::string before = textOf(path("plan_points.dbf"));
    digitize({{1, 650300, 6860300, 3, ""}});
    std::vector<std::string> asked;
    const auto declined = gis::exporteSig(p, {Format::Shapefile, "aucun", true}, path("plan.shp"),
                                          [&](const std::vector<std::string>& existing) {
                                              asked = existing;
                                              return false;
                                          });
    EXPECT_TRUE(declined.declined);
    EXPECT_EQ(declined.error, "");
    EXPECT_TRUE(declined.written.empty());
    std::vector<std::string> expected;
    for (const char* file : {"plan.shx", "plan.dbf", "plan_points.shp", "plan_points.shx",
                             "plan_points.dbf", "plan.prj", "plan_points.prj"})
        expected.push_back(path(file));
    EXPECT_EQ(asked, expected) << "the .prj that would go too";
    EXPECT_EQ(filesInDir().size(), 8u);
    EXPECT_EQ(textOf(path("plan_points.dbf")), before) << "no is no";

    ASSERT_EQ(run(Format::Shapefile, "plan.shp", "aucun").error, "");
    EXPECT_EQ(filesInDir().size(), 6u) << "the .prj of a system no longer named goes";
    const auto again = gis::exporteSig(p, {Format::Dxf, "aucun", true}, path("plan.shp"),
                                       [](const std::vector<std::string>&) {
                                           ADD_FAILURE() << "the save dialog asked already";
                                           return false;
                                       });
    EXPECT_EQ(again.error, "");
    EXPECT_FALSE(again.declined);
}

// A shapefile's text field and a DXF text hold 254 characters: a longer label is cut there and
// counted, GeoJSON and KML keep it whole.
TEST_P(GisExport, LabelsLongerThanATextFieldAreCutAndCounted) {
    std::string longest;
    for (int i = 0; i < 300; ++i)
        longest += "é";
    const std::string fits(gis::kLabelWidth, 'a');
    digitize({{3, 650400, 6860400, 1, longest.c_str()}, {3, 650410, 6860420, 2, fits.c_str()}});
    const std::pair<Format, int> sweep[] = {
        {Format::Shapefile, 1}, {Format::GeoJson, 0}, {Format::Kml, 0}, {Format::Dxf, 1}};
    for (const auto& [format, cut] : sweep) {
        SCOPED_TRACE(gis::nomFormat(format));
        const std::string file = std::string("plan.") + gis::extensionFormat(format);
        const auto r = run(format, file);
        ASSERT_EQ(r.error, "");
        EXPECT_EQ(r.cutLabels, cut);
        const OgrOutcome o = ogrinfo(path(format == Format::Shapefile ? "plan_points.shp" : file));
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "");
        // "é" is two bytes in UTF-8.
        const std::string kept = cut ? longest.substr(0, 2 * gis::kLabelWidth) + "\n" : longest;
        EXPECT_NE(o.out.find(kept), std::string::npos)
            << "read back in UTF-8, cut at a character's end:\n"
            << o.out;
    }
}

} // namespace

TEST(SystemMemory, EachProjectKeepsItsOwnSystem) {
    ConfigHome home("tracelle_gis_memory_");
    EXPECT_EQ(gis::systemeRetenu("/cartes/a.trc"), "");
    gis::retientSysteme("/cartes/a.trc", "EPSG:2154");
    gis::retientSysteme("/cartes/b.trc", "+proj=utm +zone=31\n+datum=WGS84");
    gis::retientSysteme("/cartes/../cartes/a.trc", "EPSG:3944");
    EXPECT_EQ(gis::systemeRetenu("/cartes/a.trc"), "EPSG:3944") << "one entry a project";
    EXPECT_EQ(gis::systemeRetenu("/cartes/b.trc"), "+proj=utm +zone=31 +datum=WGS84");
    EXPECT_EQ(gis::systemeRetenu(""), "") << "a project never saved has no name to keep";
}
