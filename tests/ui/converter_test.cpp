// The converter window driven by clicks and keys: its buttons, the ellipsoid chooser, the
// copy-down key, the workbook import and the clipboard export.
#include "geodesy/UTMLaLo.h"
#include "model/NumberText.h"
#include "platform/Paths.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"
#include "support/TempFiles.h"
#include "ui/ConverterWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace tracelle;
namespace fs = std::filesystem;

namespace {

enum : int { kLib = 1, kEst = 2, kNord = 3, kZone = 4, kEll = 7, kLat = 8, kDLat = 10, kDLon = 11 };

class Converter : public ::testing::Test {
protected:
    Converter() {
        w.show();
        QApplication::processEvents();
    }
    void press(const QString& caption) {
        for (auto* b : w.findChildren<QPushButton*>())
            if (b->text() == caption) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
    }
    std::string cell(int row, int column) {
        return std::string(w.worksheet().table().cell(row, column));
    }
    QPoint centreOf(int row, int column) {
        const QModelIndex at = w.grid()->model()->index(row - 1, column);
        w.grid()->scrollTo(at);
        return w.grid()->visualRect(at).center();
    }

    tracelle::testing::ConfigHome home{"tracelle_convert_"};
    tracelle::testing::SeparatorScope scope{','};
    tracelle::testing::ScriptedInteraction ui;
    ui::ConverterWindow w;
};

TEST_F(Converter, ButtonsConvertTheRowsShownInTheGrid) {
    press(QStringLiteral("UTM --> Lat,Long"));
    EXPECT_EQ(cell(7, kLat), "48,5999598581");
    EXPECT_EQ(w.grid()->model()->index(6, kLat).data().toString(), "48,5999598581");
    w.worksheet().table().setCell(7, kZone, "32.5");
    press(QStringLiteral("UTM --> Lat,Long"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "'32.5' n'est pas une valeur entière correcte");

    ui.answerConfirm(false);
    press(QStringLiteral("Tout effacer"));
    EXPECT_EQ(cell(7, kEst), "406 864") << "refused: nothing is cleared";
    ui.answerConfirm(true);
    press(QStringLiteral("Tout effacer"));
    EXPECT_EQ(cell(7, kEst), "");
    EXPECT_EQ(cell(7, 0), "7");
}

// A decimal typed in a degrees-minutes-seconds cell is decimal degrees, never rounded.
TEST_F(Converter, ADecimalTypedInADegreesCellKeepsItsFraction) {
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, centreOf(16, kDLat));
    QTest::keyClick(w.grid(), Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (auto* e : w.grid()->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr) << "F2 opens the cell's editor";
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "48.6");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the delegate commits through a queued call
    ASSERT_EQ(cell(16, kDLat), "48.6");
    press(QStringLiteral("°lat,°long °'\"--> UTM  (tous)"));
    EXPECT_EQ(cell(16, kLat), "48,6000000000");
    EXPECT_EQ(cell(16, kDLat), "48° 36' 0,0000\"");
    const geodesy::UTM u = geodesy::LatLon_vers_UTM(geodesy::kWGS84, 48.6L, 0);
    EXPECT_EQ(cell(16, kNord), model::texte_milliers(u.northing, 8, 2));
    EXPECT_EQ(cell(16, kZone), " 31");
}

TEST_F(Converter, RightClickInTheEllipsoidColumnChoosesAName) {
    QTest::mouseClick(w.grid()->viewport(), Qt::RightButton, {}, centreOf(3, kEll));
    auto* chooser = w.findChild<QComboBox*>("ComboBoxEllipsoide");
    ASSERT_TRUE(chooser && chooser->isVisible());
    EXPECT_EQ(chooser->itemText(0), "WGS 84");
    EXPECT_EQ(chooser->itemText(chooser->count() - 1), "Airy");
    QAbstractItemView* list = chooser->view();
    const QModelIndex airy = list->model()->index(chooser->count() - 1, 0);
    list->scrollTo(airy);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(airy).center());
    EXPECT_EQ(cell(3, kEll), "Airy");
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(w.grid()->currentIndex(), w.grid()->model()->index(2, kEll)) << "the cell stays";

    QTest::mouseClick(w.grid()->viewport(), Qt::RightButton, {}, centreOf(3, kLib));
    EXPECT_FALSE(chooser->isVisible()) << "only in the Ellipsoïde column";
}

TEST_F(Converter, F5CopiesTheCurrentCellDownAfterAsking) {
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, centreOf(20, kDLon));
    ui.answerDialog('N'); // "annuler"
    QTest::keyClick(w.grid(), Qt::Key_F5);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "copier <4>  j'usqu'à la fin");
    EXPECT_EQ(cell(21, kDLon), "5");
    ui.answerDialog('O');
    QTest::keyClick(w.grid(), Qt::Key_F5);
    EXPECT_EQ(cell(21, kDLon), "4");
    EXPECT_EQ(cell(100, kDLon), "4");
    EXPECT_EQ(cell(19, kDLon), "3");
}

TEST_F(Converter, WorkbookImportExampleAndClipboardExport) {
    const std::string example = std::string(RESOURCES_DIR) + "/Exemple UTM to LatLong.xl0";
    const std::string book = (home.dir / "bornes.xls").string();
    fs::copy_file(example, book);
    ui.answerDialog('O');
    ui.answerFileName(book);
    press(QStringLiteral("Importer un fichier XLS UTM->°lat,]lon"));
    EXPECT_EQ(w.findChild<QLabel*>("LabelNombre")->text(), "4 points");
    EXPECT_EQ(w.findChild<QLabel*>("LabelFichier")->text().toStdString(), book);
    EXPECT_EQ(w.grid()->model()->rowCount(), 4);
    EXPECT_EQ(cell(1, kLib), "Tour Eiffel");
    EXPECT_EQ(cell(1, kEst), model::texte_milliers(448252, 7, 0));
    EXPECT_EQ(cell(1, kZone), "31");

    w.worksheet().table().setCell(1, kLib, "Tour Eiffel (sommet)");
    ui.answerDialog('O');
    ui.answerFileName(book);
    ui.answerConfirm(false);
    press(QStringLiteral("Importer un fichier XLS UTM->°lat,]lon"));
    EXPECT_EQ(ui.questions.back(),
              "Les lignes du tableau vont être remplacées par celles du fichier. Continuer ?");
    EXPECT_EQ(cell(1, kLib), "Tour Eiffel (sommet)") << "refused: the rows stay";

    ui.answerConfirm(true);
    press(QStringLiteral("Presse papier"));
    const std::string file = platform::configFile("UTMpresse_papier.txt");
    EXPECT_EQ(ui.clipboard, w.worksheet().texteExport());
    EXPECT_NE(ui.clipboard.find("\r\n1\tTour Eiffel (sommet)\t448252\t5411939\t"),
              std::string::npos)
        << "the metres without their spaces";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(ui.messages.back(),
              "Le presse-papier est à jour  \r ainsi que le fichier <" + file + ">");

    press(QStringLiteral("Lancer Excel avec ..."));
    EXPECT_EQ(ui.opened.back(), book);
}

} // namespace
