#include "gis/CommonSystems.h"
#include "gis/CoordinateSystem.h"

#include <array>
#include <gtest/gtest.h>
#include <proj.h>
#include <vector>

using tracelle::gis::CoordinateSystem;

namespace {

struct Reading {
    const char* typed;
    const char* nameOrReason; // the beginning of it
    bool understood;
};

TEST(CoordinateSystem, TypedTextsAreReadThroughProj) {
    const Reading readings[] = {
        {"EPSG:2154", "RGF93 v1 / Lambert-93", true},
        {" epsg:3944 ", "RGF93 v1 / CC44", true},
        {"2154", "RGF93 v1 / Lambert-93", true},
        {"+proj=utm +zone=31 +datum=WGS84", "système sans nom", true},
        {"IGNF:LAMB93", "RGF93 Lambert 93", true},
        {"aucun", "aucun : coordonnées locales", true},
        {"  AUCUN", "aucun : coordonnées locales", true},
        {"", "aucun : coordonnées locales", true},
        {"EPSG:99999", "code EPSG inconnu : 99999", false},
        {"EPSG:", "ni un code EPSG, ni une chaîne PROJ, ni « aucun »", false},
        {"+proj=utm +zone=99", "chaîne PROJ non comprise (", false},
        {"EPSG:4978", "« WGS 84 » ne situe pas les X, Y d'une carte", false},
        {"urn:ogc:def:ellipsoid:EPSG::7019",
         "« urn:ogc:def:ellipsoid:EPSG::7019 » n'est pas un "
         "système de coordonnées",
         false},
    };
    for (const Reading& r : readings) {
        SCOPED_TRACE(r.typed);
        std::string why;
        const auto system = CoordinateSystem::lit(r.typed, &why);
        ASSERT_EQ(system.has_value(), r.understood) << why;
        const std::string told = system ? system->name() : why;
        EXPECT_EQ(told.rfind(r.nameOrReason, 0), 0u) << told;
    }
}

TEST(CoordinateSystem, EveryListedSystemIsUnderstood) {
    for (const auto& listed : tracelle::gis::kCommonSystems) {
        SCOPED_TRACE(listed.code);
        std::string why;
        const auto system = CoordinateSystem::lit(listed.code, &why);
        ASSERT_TRUE(system) << why;
        EXPECT_EQ(system->prjText().empty(), system->local());
    }
}

TEST(CoordinateSystem, GeographicAxesComeOutEastThenNorth) {
    // EPSG:4326 orders latitude first; the program's X is east all the same.
    const auto wgs84 = CoordinateSystem::lit("EPSG:4326", nullptr);
    double point[2] = {2.35, 48.85};
    ASSERT_EQ(wgs84->versWgs84(&point[0], &point[1], 0, 1), "");
    EXPECT_DOUBLE_EQ(point[0], 2.35);
    EXPECT_DOUBLE_EQ(point[1], 48.85);
}

// Enough points for the transformation to be shared among threads: each comes out as PROJ
// alone gives it.
TEST(CoordinateSystem, ManyPointsGiveWhatProjGivesOneByOne) {
    constexpr int kPoints = 30001;
    std::vector<std::array<double, 2>> points(kPoints);
    for (int i = 0; i < kPoints; ++i)
        points[i] = {600000 + 7.5 * i, 6800000 + 3.25 * i};
    const auto expected = points;
    const auto lambert93 = CoordinateSystem::lit("EPSG:2154", nullptr);
    ASSERT_EQ(lambert93->versWgs84(&points[0][0], &points[0][1], sizeof points[0], kPoints), "");
    PJ_CONTEXT* context = proj_context_create();
    PJ* operation = proj_create_crs_to_crs(context, "EPSG:2154", "EPSG:4326", nullptr);
    PJ* ordered = proj_normalize_for_visualization(context, operation);
    for (int i = 0; i < kPoints; ++i) {
        const PJ_COORD c =
            proj_trans(ordered, PJ_FWD, proj_coord(expected[i][0], expected[i][1], 0, 0));
        ASSERT_EQ(points[i][0], c.lp.lam) << i;
        ASSERT_EQ(points[i][1], c.lp.phi) << i;
    }
    proj_destroy(ordered);
    proj_destroy(operation);
    proj_context_destroy(context);
}

} // namespace
