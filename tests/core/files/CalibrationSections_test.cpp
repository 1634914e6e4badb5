// Control points beyond three, their model, axes and left-out marks in the project file:
// after the last row, where a reader that does not know them stops with the three-point frame.
#include "files/CalibrationSections.h"
#include "files/ProjectFile.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/transform/ModelNames.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::files;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& p) {
    return tracelle::testing::textOf(p.string());
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

class CalibrationSections : public ::testing::TestWithParam<char> {
protected:
    CalibrationSections() { fs::create_directories(dir_); }
    ~CalibrationSections() override { fs::remove_all(dir_); }

    // Three calibration points of a 1:1000 frame, two points on one line.
    static void makeThreePointProject(model::Project& p) {
        p.picture() = {"/cartes/plan.png", 800, 600, 0, 0};
        p.setCalibration({model::CalibrationPoint{"0", "1000", 100, 500},
                          model::CalibrationPoint{"0", "0", 100, 100},
                          model::CalibrationPoint{"1000", "0", 700, 100}});
        p.setDecimalsText("3");
        p.ajoute_point(250, 300);
        p.ajoute_point(400, 120);
    }

    // Three more control points, fitted by every model.
    const std::vector<model::CalibrationRecord> further = {{true, 400, 300, 500.25L, 498.5L, 2},
                                                           {true, 650, 450, 916.75L, 873, 0},
                                                           {true, 150, 420, 80, 810, 7.5L}};

    fs::path save(const model::Project& p, const char* name) const {
        const fs::path file = dir_ / name;
        EXPECT_EQ(sauve_projet(p, file.string()), "");
        return file;
    }

    tracelle::testing::SeparatorScope scope{GetParam()};
    tracelle::testing::ScriptedInteraction ui;
    const fs::path dir_ = tracelle::testing::tempFolder("tracelle_cps_");
};

TRACELLE_UNDER_BOTH_SEPARATORS(CalibrationSections);

// A paste adds its control points at once: the same project as adding them one by one.
TEST_P(CalibrationSections, ControlPointsAddedAtOnceAreThoseAddedOneByOne) {
    model::AxisKinds polar;
    polar.polar = true;
    polar.origin = 2;
    const struct {
        const char* name;
        model::TransformMethod method;
        model::AxisKinds axes;
    } cases[] = {{"affine", model::TransformMethod::Affine, {}},
                 {"helmert", model::TransformMethod::Helmert, {}},
                 {"polar", model::TransformMethod::Affine, polar}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model::Project oneByOne, atOnce;
        for (model::Project* p : {&oneByOne, &atOnce}) {
            makeThreePointProject(*p);
            ASSERT_EQ(p->setCalibrationModel(c.method, c.axes), model::FitStatus::Fitted);
        }
        for (const model::CalibrationRecord& r : further)
            ASSERT_EQ(oneByOne.addControlPoint(r.x, r.y, r.X, r.Y, r.Z), model::FitStatus::Fitted);
        ASSERT_EQ(atOnce.addControlPoints(further), model::FitStatus::Fitted);
        EXPECT_EQ(atOnce.controlPointCount(), 6);
        EXPECT_EQ(bytesOf(save(atOnce, "at-once.trc")), bytesOf(save(oneByOne, "one-by-one.trc")));
    }
}

TEST_P(CalibrationSections, FollowTheRowsAndComeBackWhole) {
    model::Project p;
    makeThreePointProject(p);
    const std::string threePoints = bytesOf(save(p, "three.trc"));
    ASSERT_EQ(p.addControlPoints(further), model::FitStatus::Fitted);
    ASSERT_EQ(p.setCalibrationModel(model::TransformMethod::Helmert, {}), model::FitStatus::Fitted);
    ASSERT_EQ(p.setControlPointUsed(5, false), model::FitStatus::Fitted);
    const fs::path file = save(p, "more.trc");
    const std::string written = bytesOf(file);

    // What a reader that stops after the rows sees: the three-point head and rows, with the
    // points recomputed by the fitted model.
    const std::string sections = "/mod\xE8le de calage  axes\r\nhelmert  lin lin\r\n"
                                 "/points de contr\xF4le  apr\xE8s les 3 de calage\r\n3\r\n";
    const auto at = written.find(sections);
    ASSERT_NE(at, std::string::npos) << written;
    EXPECT_EQ(written.substr(0, 200), threePoints.substr(0, 200)) << "the head is unchanged";
    EXPECT_NE(written.find("/nombre de points de calage  X Y (Z)\r\n3\r\n"), std::string::npos);
    const std::string leftOut = "/points de contr\xF4le exclus\r\n5\r\n";
    EXPECT_EQ(written.substr(written.size() - leftOut.size()), leftOut);
    writeBytes(dir_ / "older.trc", written.substr(0, at));
    model::Project older;
    ASSERT_EQ(chargeProjetSansImage((dir_ / "older.trc").string(), older), "");
    EXPECT_EQ(older.K(), 3);
    EXPECT_EQ(older.controlPointCount(), 3);
    EXPECT_EQ(older.calibrationMethod(), model::TransformMethod::Affine);
    model::Real X = 0, Y = 0;
    ASSERT_TRUE(older.repere_carte(400, 300, X, Y));
    EXPECT_EQ(X, 500);
    EXPECT_EQ(Y, 500);

    model::Project back;
    ASSERT_EQ(chargeProjetSansImage(file.string(), back), "");
    EXPECT_EQ(back.calibrationMethod(), model::TransformMethod::Helmert);
    EXPECT_EQ(back.controlPointCount(), 6);
    EXPECT_FALSE(back.controlPointUsed(5));
    EXPECT_TRUE(back.controlPointUsed(6));
    ASSERT_TRUE(back.isCalibrated());
    EXPECT_EQ(back.calibrationFit().rms(), p.calibrationFit().rms());
    ASSERT_TRUE(back.repere_carte(400, 300, X, Y));
    model::Real X0 = 0, Y0 = 0;
    ASSERT_TRUE(p.repere_carte(400, 300, X0, Y0));
    EXPECT_EQ(X, X0);
    EXPECT_EQ(Y, Y0);
    // Empty cells come back as one space, as in any project: the second save is the fixed point.
    const std::string second = bytesOf(save(back, "again.trc"));
    EXPECT_EQ(second.substr(second.find(sections)), written.substr(at));
    model::Project third;
    ASSERT_EQ(chargeProjetSansImage((dir_ / "again.trc").string(), third), "");
    EXPECT_EQ(bytesOf(save(third, "third.trc")), second) << "save, open, save: same bytes";
}

TEST_P(CalibrationSections, LogAndPolarAxesComeBack) {
    const model::AxisKinds kinds[] = {
        {model::AxisScale::Log10, model::AxisScale::Linear},
        {model::AxisScale::Linear, model::AxisScale::Log10},
        {model::AxisScale::Linear, model::AxisScale::Linear, true, model::AngleUnit::Radians, true},
    };
    for (const auto& axes : kinds) {
        SCOPED_TRACE(model::axesText(axes));
        model::Project p;
        p.picture() = {"/graphes/g.png", 800, 600, 0, 0};
        p.setCalibration({model::CalibrationPoint{"1", "10", 100, 100},
                          model::CalibrationPoint{"100", "1000", 300, 100},
                          model::CalibrationPoint{"1", "1000", 100, 300}});
        ASSERT_EQ(p.setCalibrationModel(model::TransformMethod::Affine, axes),
                  model::FitStatus::Fitted);
        const fs::path file = save(p, "axes.trc");
        model::Project back;
        ASSERT_EQ(chargeProjetSansImage(file.string(), back), "");
        EXPECT_TRUE(back.axisKinds() == axes);
        const std::string again = bytesOf(save(back, "axes2.trc"));
        const std::string first = bytesOf(file);
        const std::string keyword = "/mod\xE8le de calage";
        ASSERT_NE(first.find(keyword), std::string::npos);
        EXPECT_EQ(again.substr(again.find(keyword)), first.substr(first.find(keyword)));
    }
}

// A radar plot's centre at -20 dB, given as the third control point.
TEST_P(CalibrationSections, APolarCentreComesBack) {
    model::Project p;
    p.picture() = {"/graphes/radar.png", 800, 600, 0, 0};
    p.setCalibration({model::CalibrationPoint{"0", "0", 500, 300},
                      model::CalibrationPoint{"0", "90", 400, 200},
                      model::CalibrationPoint{"-20", "0", 400, 300}});
    model::AxisKinds axes;
    axes.polar = true;
    axes.origin = 3;
    ASSERT_EQ(p.setCalibrationModel(model::TransformMethod::Affine, axes),
              model::FitStatus::Fitted);
    const fs::path file = save(p, "radar.trc");
    const std::string written = bytesOf(file);
    EXPECT_NE(written.find("polaire lin degr\xE9s direct origine 3\r\n"), std::string::npos);
    model::Project back;
    ASSERT_EQ(chargeProjetSansImage(file.string(), back), "");
    EXPECT_TRUE(back.axisKinds() == axes);
    model::Real r = 0, theta = 0;
    ASSERT_TRUE(back.repere_carte(350, 300, r, theta));
    EXPECT_NEAR(static_cast<double>(r), -10, 1e-9) << "half way from the centre to 0 dB";
    EXPECT_NEAR(static_cast<double>(theta), 180, 1e-9);
    EXPECT_EQ(bytesOf(save(back, "radar2.trc")), written);
}

TEST_P(CalibrationSections, DamagedSectionsAreRefusedWithTheirLine) {
    model::Project p;
    makeThreePointProject(p);
    const std::string head = bytesOf(save(p, "three.trc"));
    const int lines = static_cast<int>(std::count(head.begin(), head.end(), '\n'));
    const struct {
        const char* name;
        std::string trailer;
        int line; // counted after the head
        const char* says;
    } cases[] = {
        {"unknown model", "/mod\xE8le de calage  axes\r\nspline  lin lin\r\n", 2,
         "<spline  lin lin>"},
        {"unknown axis", "/mod\xE8le de calage  axes\r\naffine  lin racine\r\n", 2,
         "<affine  lin racine>"},
        {"count", "/points de contr\xF4le  apr\xE8s les 3 de calage\r\ndeux\r\n", 2, "<deux>"},
        {"missing rows",
         "/points de contr\xF4le  apr\xE8s les 3 de calage\r\n2\r\n4,0,,1,2,0,5,6,\r\n", 4,
         "2 sont annonc"},
        {"unreadable row",
         "/points de contr\xF4le  apr\xE8s les 3 de calage\r\n1\r\n4,0,,1,2,0,cinq,6,\r\n", 3,
         "le point de contr\xC3\xB4le 4 attend un entier en colonne x, et non <cinq>"},
        {"left out", "/points de contr\xF4le exclus\r\n2  x\r\n", 2, "<x>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir_ / "bad.trc", head + c.trailer);
        ProjectError error;
        EXPECT_FALSE(lisProjet((dir_ / "bad.trc").string(), error));
        EXPECT_EQ(error.line, lines + c.line);
        EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
    }
}

} // namespace
