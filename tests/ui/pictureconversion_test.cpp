// The picture conversion window's five steps, clicked as a user does.
#include "picture/BmpCodec.h"
#include "support/MetafileBytes.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/PictureConversionWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <tiffio.h>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

class Conversion : public ::testing::Test {
protected:
    Conversion() {
        w.show();
        QApplication::processEvents();
    }
    std::string path(const std::string& name) const { return (home.dir / name).string(); }
    void press(const QString& caption) {
        for (auto* b : w.findChildren<QAbstractButton*>())
            if (b->text() == caption) return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << caption.toStdString();
    }
    void open(const std::string& file) {
        ui.answerFileName(file);
        press(QStringLiteral("1 ->  Ouvrir *.emf *.wmf *.bmp"));
    }
    // A plain blue 40 × 30 bitmap as the source.
    void openBitmap() {
        picture::Raster r = picture::Raster::create(40, 30);
        r.fill(picture::rgb555(0, 0, 255));
        ASSERT_EQ(picture::writeBmp(r, path("carte.bmp")), "");
        open(path("carte.bmp"));
    }
    bool bold(const QString& caption) {
        for (auto* b : w.findChildren<QPushButton*>())
            if (b->text() == caption) return b->font().bold();
        return false;
    }

    tracelle::testing::ConfigHome home{"tracelle_emf_"};
    tracelle::testing::ScriptedInteraction ui;
    ui::PictureConversionWindow w;
};

TEST_F(Conversion, AMetafileInFiveSteps) {
    tracelle::testing::writeBytes(path("plan.emf"), tracelle::testing::emfBytes());
    EXPECT_EQ(w.findChild<QLineEdit*>("EditResultante")->text(), "1063");
    open(path("plan.emf"));
    EXPECT_EQ(w.source().size(), QSize(500, 250));
    EXPECT_EQ(w.findChild<QLineEdit*>("EditActuelle")->text(), "500");
    EXPECT_TRUE(bold(QStringLiteral("2 -> couleur de fond")));

    ui.answerColour(0x00FF00); // green behind the drawing
    QTest::mouseClick(w.findChild<QPushButton*>("PanelCouleurFond"), Qt::LeftButton);
    press(QStringLiteral("3 -> appliquer"));
    EXPECT_EQ(w.zoom(), 213);
    EXPECT_EQ(w.result().size(), QSize(1065, 532));
    EXPECT_EQ(w.result().pixelColor(1000, 100), QColor(0, 255, 0)) << "the background";
    EXPECT_EQ(w.result().pixelColor(100, 100), QColor(255, 0, 0)) << "the drawing";
    EXPECT_TRUE(bold(QStringLiteral("4 -> Enregistrer")));

    // "tif" with a name ending in .jpg: a TIFF file named .tif.
    w.findChildren<QRadioButton*>()[2]->click();
    ui.answerFileName(path("sortie.jpg"));
    press(QStringLiteral("4 -> Enregistrer"));
    EXPECT_EQ(ui.fileDialogs.back().fileName, "plan.tif");
    EXPECT_FALSE(fs::exists(path("sortie.jpg")));
    TIFF* tif = TIFFOpen(path("sortie.tif").c_str(), "r");
    ASSERT_TRUE(tif);
    std::uint32_t width = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    TIFFClose(tif);
    EXPECT_EQ(width, 1065u);

    QSignalSpy opened(&w, &ui::PictureConversionWindow::lectureTest);
    press(QStringLiteral("5- Lecture test"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toString().toStdString(), path("sortie.tif"));
    EXPECT_FALSE(w.isVisible()) << "out of the way of the map";
    EXPECT_TRUE(bold(QStringLiteral("1 ->  Ouvrir *.emf *.wmf *.bmp")));
}

TEST_F(Conversion, ABitmapKeepsItsSizeAndABadSourceKeepsThePrevious) {
    ASSERT_NO_FATAL_FAILURE(openBitmap());
    w.findChild<QLineEdit*>("EditLargeur")->setText("10");
    w.findChild<QComboBox*>("ComboBoxDpi")->setCurrentText("300");
    press(QStringLiteral("3 -> appliquer"));
    EXPECT_EQ(w.findChild<QLineEdit*>("EditResultante")->text(), "1181");
    EXPECT_EQ(w.zoom(), 100);
    EXPECT_EQ(w.result().size(), QSize(40, 30));

    tracelle::testing::writeBytes(path("abime.emf"), std::vector<char>(64, 'x'));
    open(path("abime.emf"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("abime.emf"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(w.source().path(), path("carte.bmp"));

    // "jpeg" and a name without a dot: ".jpg" appended.
    w.findChildren<QRadioButton*>()[0]->click();
    ui.answerFileName(path("sortie"));
    press(QStringLiteral("4 -> Enregistrer"));
    EXPECT_TRUE(fs::exists(path("sortie.jpg")));
    // The file dialog asked about "sortie" only: the "sortie.jpg" it would replace is asked
    // about here, and a "no" keeps it.
    tracelle::testing::writeBytes(path("sortie.jpg"), std::vector<char>(16, 'j'));
    ui.answerFileName(path("sortie"));
    ui.answerConfirm(false);
    press(QStringLiteral("4 -> Enregistrer"));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions[0].find("sortie.jpg"), std::string::npos) << ui.questions[0];
    EXPECT_EQ(fs::file_size(path("sortie.jpg")), 16u) << "kept";
    ui.answerFileName(path("sortie"));
    ui.answerConfirm(true);
    press(QStringLiteral("4 -> Enregistrer"));
    EXPECT_NE(fs::file_size(path("sortie.jpg")), 16u) << "replaced once the user agreed";

    w.findChild<QLineEdit*>("EditLargeur")->setText("1a");
    press(QStringLiteral("3 -> appliquer"));
    EXPECT_EQ(ui.messages.back(), "'1a' n'est pas une valeur entière correcte");
    EXPECT_EQ(w.findChild<QLineEdit*>("EditResultante")->text(), "1181") << "unchanged";
}

// Step 2 is optional: the colour dialog cancelled, step 3 is next all the same. A file of a
// kind not converted here is named, and the previous source stays.
TEST_F(Conversion, ACancelledColourAndAnUnknownSourceLeadOn) {
    ASSERT_NO_FATAL_FAILURE(openBitmap());
    ASSERT_TRUE(bold(QStringLiteral("2 -> couleur de fond")));
    ui.answerColour(std::nullopt);
    QTest::mouseClick(w.findChild<QPushButton*>("PanelCouleurFond"), Qt::LeftButton);
    EXPECT_TRUE(bold(QStringLiteral("3 -> appliquer")));
    EXPECT_FALSE(bold(QStringLiteral("2 -> couleur de fond")));

    tracelle::testing::writeBytes(path("notes.xyz"), std::vector<char>(64, 'x'));
    open(path("notes.xyz"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("notes.xyz"), std::string::npos) << ui.messages[0];
    EXPECT_EQ(w.source().path(), path("carte.bmp"));
}

// The entry "toutes" shows every kind of source the window converts, the PDF included: chosen
// there, a PDF is not hidden from the user.
TEST_F(Conversion, TheAllSourcesFilterShowsEveryKind) {
    ui.answerFileName(std::nullopt);
    press(QStringLiteral("1 ->  Ouvrir *.emf *.wmf *.bmp"));
    ASSERT_FALSE(ui.fileDialogs.empty());
    const QStringList parts = QString::fromStdString(ui.fileDialogs.back().filter).split('|');
    QStringList every, all;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(';');
        (parts[i].startsWith(QStringLiteral("toutes")) ? all : every) << patterns;
    }
    for (const QString& pattern : every)
        EXPECT_TRUE(all.contains(pattern)) << pattern.toStdString();
}

// Centred on a netbook's screen of 1024 × 600, the window keeps its lower edge on it once a
// window manager has given it a title bar and borders.
TEST_F(Conversion, FitsASmallScreenWithItsFrame) {
    constexpr int kFrame = 40;
    EXPECT_LE(w.height() + kFrame, 600);
    EXPECT_LE(w.width() + kFrame, 1024);
}

} // namespace
