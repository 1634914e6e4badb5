#include "model/NumberText.h"
#include "picture/BmpCodec.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/CalibrationPanels.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/TextPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tracelle;
using tracelle::testing::ScriptedInteraction;
namespace fs = std::filesystem;

namespace {

// A main window on screen (headless) with a white 200 × 100 picture opened.
class Digitizing : public ::testing::Test {
protected:
    Digitizing() {
        w.action("&Affichage|Garder les proportions L x H")->setChecked(false);
        w.resize(1000, 700);
        w.show();
        QApplication::processEvents();
        area = w.findChild<ui::ImageArea*>("ImageCarte");
        picture::Raster white = picture::Raster::create(200, 100);
        white.fill(picture::rgb555(255, 255, 255));
        const std::string path = (home_.dir / "blanc.bmp").string();
        picture::writeBmp(white, path);
        ui.answerConfirm(false);
        w.Ouvrir_fichier_image(path, "");
    }

    // The image-area position that shows layer pixel (x, y), and the pixel it really maps to.
    QPoint at(int x, int y, int* bx = nullptr, int* by = nullptr) {
        const auto v = area->shown();
        const QPoint p(static_cast<int>((x - v.x1 + 0.5) * area->width() / v.width()),
                       static_cast<int>((y - v.y1 + 0.5) * area->height() / v.height()));
        int mx = 0, my = 0;
        picture::repere_image_bitmap(p.x(), p.y(), v, area->width(), area->height(), mx, my);
        if (bx) *bx = mx;
        if (by) *by = my;
        return p;
    }
    void click(int x, int y) { w.imagePressed(Qt::LeftButton, at(x, y)); }
    picture::Pixel pixel(int x, int y) { return w.layer().pixel(x, y); }

    tracelle::testing::ConfigHome home_{"tracelle_digit_"};
    ScriptedInteraction ui;
    ui::MainWindow w;
    ui::ImageArea* area = nullptr;
};

TEST_F(Digitizing, CalibrateThenDigitizeTwoLines) {
    auto& p = w.project();
    emit w.calibrationPanel()->calibrer();
    EXPECT_EQ(p.K(), 0);
    int bx = 0, by = 0;
    w.imageMoved(at(20, 20));
    EXPECT_EQ(w.statusText(1), QStringLiteral("Cliquer le PREMIER POINT DE CALAGE"));
    click(20, 20);
    click(20, 80);
    click(180, 80);
    EXPECT_EQ(p.K(), 3);
    at(20, 20, &bx, &by);
    EXPECT_EQ(pixel(bx - 10, by), picture::rgb555(255, 0, 0)) << "calibration cross";

    click(50, 50);
    click(100, 50);
    EXPECT_EQ(p.N(), 2);
    EXPECT_FALSE(p.saved());
    int x2 = 0, y2 = 0;
    at(100, 50, &x2, &y2);
    EXPECT_EQ(p.points().cell(2, p.indice_col("x")), model::_format(x2, 4, 0));
    const picture::Pixel red = picture::rgb555(255, 0, 0);
    EXPECT_EQ(pixel(75, 50), red) << "segment of line 1";
    EXPECT_EQ(pixel(x2 + 3, y2), red) << "dots are 2 × épaisseur = 8 pixels wide";
    EXPECT_EQ(pixel(x2, y2), 0) << "2 × 2 marker";

    ui.answerColour(0xFF0000); // blue for line 2
    QApplication::processEvents();
    w.FormKeyDown(Qt::Key_Space, Qt::NoModifier);
    click(100, 80);
    EXPECT_EQ(p.N(), 3);
    EXPECT_EQ(p.points().cell(3, p.indice_col("L")), "  2");
    EXPECT_EQ(pixel(100, 65), picture::rgb555(255, 255, 255)) << "line 2 is not joined to line 1";
    click(150, 80);
    EXPECT_EQ(pixel(125, 80), picture::rgb555(0, 0, 255));
}

TEST_F(Digitizing, TheBandFollowsTheMouseOverTheViewNeverInTheLayer) {
    click(50, 50);
    ASSERT_EQ(w.project().N(), 1);
    w.imageMoved(at(150, 20));
    ASSERT_TRUE(area->band().has_value());
    for (int x = 60; x < 150; x += 7)
        EXPECT_NE(w.layer().pixel(x, 50 - (x - 50) * 30 / 100), picture::rgb555(255, 255, 0));
    ui.answerColour(std::nullopt);
    w.FormKeyDown(Qt::Key_Space, Qt::NoModifier); // a new line breaks the band
    w.imageMoved(at(160, 20));
    EXPECT_FALSE(area->band().has_value());
}

TEST_F(Digitizing, ZoomAndPanningFollowTheirArithmetic) {
    w.imageMoved(at(100, 50));
    w.toucheVue(Qt::Key_Plus);
    EXPECT_EQ(w.view().width(), 200 * 100 / 105);
    EXPECT_EQ(w.view().height(), 100 * 100 / 105);
    const int before = ui.beeps;
    w.toucheVue(Qt::Key_Home);
    w.toucheVue(Qt::Key_Left);
    EXPECT_EQ(ui.beeps, before + 1) << "at the left edge";
    EXPECT_EQ(w.view().x1, 0);
    w.Carte_complete();
    EXPECT_EQ(w.view(), (picture::ViewRect{0, 0, 199, 99}));
    w.toucheVue(Qt::Key_Minus);
    EXPECT_EQ(w.view().width(), 210);
}

TEST_F(Digitizing, TableModeWorksOnABlankSheet) {
    w.ouvrir_sans_bmp();
    EXPECT_FALSE(w.hasPicture());
    EXPECT_EQ(w.layer().width(), 2100);
    EXPECT_EQ(w.layer().pixel(1000, 700), picture::rgb555(139, 231, 195));
    EXPECT_TRUE(w.project().tableMode());
    emit w.calibrationPanel()->calibrer();
    const int before = ui.beeps;
    click(100, 100);
    EXPECT_EQ(ui.beeps, before + 1) << "table mode confirms a calibration click";
    click(1000, 100);
    click(1000, 1000);
    click(500, 500);
    EXPECT_EQ(w.project().N(), 1);
    ui.answerColour(std::nullopt);
    w.imagePressed(Qt::RightButton, at(10, 10)); // the right button starts a new line
    click(600, 600);
    EXPECT_EQ(w.project().points().cell(2, w.project().indice_col("L")), "  2");
}

TEST_F(Digitizing, ThinLinesHaveNoMarkersAndLabelsAreDrawnWhenAsked) {
    ui::PointsTableWindow table(w.project());
    w.attachWindows({&table, nullptr, nullptr, nullptr, nullptr, nullptr});
    auto& p = w.project();
    p.lines().setCell(1, 1, "1");
    click(50, 50);
    click(150, 50);
    int x = 0, y = 0;
    at(150, 50, &x, &y);
    const picture::Pixel red = picture::rgb555(255, 0, 0);
    const picture::Pixel white = picture::rgb555(255, 255, 255);
    EXPECT_EQ(pixel(x, y), red) << "no 2 × 2 marker on a 1-pixel line";
    EXPECT_EQ(pixel(x, y - 2), white) << "the line is 1 pixel wide";
    EXPECT_EQ(pixel(100, 50), red);

    p.points().setCell(1, p.indice_col("Libellé"), " A ");
    table.findChild<QCheckBox*>("CheckBoxLabels")->setChecked(true);
    int lx = 0, ly = 0;
    at(50, 50, &lx, &ly);
    const picture::Pixel aqua = picture::rgb555(0, 255, 255);
    int aquaPixels = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = 3; dx < 30; ++dx)
            aquaPixels += pixel(lx + dx, ly + dy) == aqua;
    EXPECT_GT(aquaPixels, 100) << "the label's background, right of the point";
}

TEST_F(Digitizing, SurfaceClicksReportTheNearestLineOrOfferTheScale) {
    click(20, 20);
    click(120, 20);
    click(120, 80);
    ui.answerColour(std::nullopt);
    w.FormKeyDown(Qt::Key_Space, Qt::NoModifier);
    click(150, 90);
    click(190, 90);
    w.SurfaceClick();
    w.imagePressed(Qt::LeftButton, at(118, 78));
    const QString report = w.textPanel()->memo()->toPlainText();
    EXPECT_TRUE(report.startsWith(QStringLiteral(" Suite(1)= \t3\t points")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Surface  A = \t"))) << report.toStdString();

    w.imagePressed(Qt::LeftButton, at(185, 90));
    EXPECT_FALSE(w.scalePanel()->isHidden()) << "a line of two points: the rescaling";
    EXPECT_GT(w.project().lastDistance(), 0);
}

TEST_F(Digitizing, CapSumsDistancesFromPointToPoint) {
    w.CapClick();
    click(50, 50);
    EXPECT_EQ(ui.messages.back(), "pas de points digitalisés");
    w.DigitaliserClick();
    click(20, 20);
    click(120, 20);
    w.CapClick();
    EXPECT_TRUE(
        w.textPanel()->memo()->toPlainText().contains(QStringLiteral(" Distance cumulée : ")));
    click(20, 20);
    w.imageMoved(at(119, 21));
    click(119, 21);
    const QString text = w.textPanel()->memo()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral(" distance cumulée à partir de (1)... ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" distance cumulée +(1 à 2) = ")))
        << text.toStdString();
}

} // namespace
