#include "model/NumberText.h"
#include "platform/Language.h"
#include "support/ScriptedInteraction.h"
#include "ui/HelpWindow.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"
#include "ui/TextTableModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace tracelle;
using tracelle::testing::ScriptedInteraction;

namespace {

// The main window and its points table, with a calibrated blank 1000 × 1000 frame and two
// lines: points 1 to 3 on line 1, points 4 and 5 on line 2.
class PointsTable : public ::testing::Test {
protected:
    PointsTable() {
        w.attachWindows({&table, nullptr, nullptr, nullptr, nullptr, nullptr});
        auto& p = w.project();
        p.setDefaultCalibration(1001, 1001, 0, 0);
        p.calibration().setCell(1, p.indice_col_cal("Y"), "1001"); // X = x, Y = 1001 − y
        p.calibration().setCell(3, p.indice_col_cal("X"), "1001");
        p.calcul_nouveaux_calage();
        for (int i = 1; i <= 3; ++i)
            p.ajoute_point(100 * i, 100);
        ui.answerColour(std::nullopt);
        p.Nouvelle_suite_de_points();
        for (int i = 4; i <= 5; ++i)
            p.ajoute_point(100 * i, 200);
        p.points().setCell(1, p.indice_col("Z"), "12.5");
        table.show();
        QApplication::processEvents();
    }
    std::string cell(int row, const char* header) {
        return std::string(w.project().points().cell(row, w.project().indice_col(header)));
    }
    // Types `keys` into a cell of a grid as the user would.
    QString type(QTableView* grid, int row, int column, const QString& keys) {
        grid->setCurrentIndex(grid->model()->index(row - 1, column));
        grid->edit(grid->currentIndex());
        QLineEdit* editor = nullptr;
        for (auto* e : grid->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        if (!editor) return QStringLiteral("<no editor>");
        editor->selectAll();
        QTest::keyClicks(editor, keys);
        const QString text = editor->text();
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the delegate commits through a queued call
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return text;
    }

    ScriptedInteraction ui;
    ui::MainWindow w;
    ui::PointsTableWindow table{w.project()};
};

TEST_F(PointsTable, KeystrokesAreCheckedByColumn) {
    const int z = w.project().indice_col("Z");
    EXPECT_EQ(type(table.pointsGrid(), 2, z, "12.a"), "12.a")
        << "a decimal mark: accepted as typed";
    EXPECT_TRUE(ui.tones.empty());
    EXPECT_EQ(cell(2, "Z"), "12.a");
    EXPECT_EQ(type(table.pointsGrid(), 3, z, "12abc3"), "123") << "each refused key alone";
    EXPECT_EQ(ui.tones, std::vector(3, std::make_pair(1400, 250)));
    EXPECT_EQ(cell(3, "Z"), "123");
    EXPECT_EQ(type(table.pointsGrid(), 4, z, "a"), "0.00000000") << "the cell's own text stays";
    EXPECT_EQ(type(table.calibrationGrid(), 1, w.project().indice_col_cal("X"), "6543210987"),
              "6543210987")
        << "a ten-digit coordinate";
    EXPECT_EQ(type(table.pointsGrid(), 1, w.project().indice_col("Libellé"), "abc"), "abc");
    EXPECT_FALSE(table.pointsGrid()->model()->flags(
                     table.pointsGrid()->model()->index(0, w.project().indice_col("X"))) &
                 Qt::ItemIsEditable);
}

// Whatever grid a value is typed into, quitting then offers to save it.
TEST_F(PointsTable, AValueTypedInAnyGridIsUnsavedWork) {
    auto& p = w.project();
    const struct {
        const char* name;
        QTableView* grid;
        int column;
    } cases[] = {
        {"label", table.pointsGrid(), p.indice_col("Libellé")},
        {"calibration X", table.calibrationGrid(), p.indice_col_cal("X")},
        {"line thickness", table.linesGrid(), model::indice_col_grille(p.lines(), "épaisseur")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        p.setSaved(true);
        type(c.grid, 1, c.column, "7");
        EXPECT_FALSE(p.saved());
    }
    p.setSaved(true);
    QTableView* lines = table.linesGrid();
    const QRect ok =
        lines->visualRect(lines->model()->index(0, model::indice_col_grille(p.lines(), "OK")));
    // As a mouse gives it: a click, then the double click.
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, ok.center());
    QTest::mouseDClick(lines->viewport(), Qt::LeftButton, {}, ok.center());
    EXPECT_EQ(p.lines().cell(1, model::indice_col_grille(p.lines(), "OK")), "")
        << "the line hidden";
    EXPECT_FALSE(p.saved());
}

TEST_F(PointsTable, EditingACalibrationValueRecomputesEveryPoint) {
    const std::string before = cell(2, "X");
    type(table.calibrationGrid(), 3, w.project().indice_col_cal("X"), "2002");
    EXPECT_NE(cell(2, "X"), before);
    EXPECT_EQ(model::val_reel(cell(1, "X")), 200) << "X doubles when the frame's X does";
}

TEST_F(PointsTable, DeletingALineKeepsTheOtherLinesNumbers) {
    table.linesGrid()->setCurrentIndex(table.linesGrid()->model()->index(0, 0));
    ui.answerDialog('O');
    table.supprimeLigneCourante();
    auto& p = w.project();
    EXPECT_EQ(p.N(), 2);
    EXPECT_EQ(cell(1, "L"), "  2");
    EXPECT_EQ(cell(1, "n"), "    1");
    EXPECT_EQ(p.lines().cell(1, 2), "") << "only the deleted line's colour is emptied";
}

TEST_F(PointsTable, F9CopiesTheAltitudeAlongTheRestOfTheLine) {
    table.pointsGrid()->setFocus();
    table.selectRow(model::TableId::Points, 1);
    ui.answerDialog('O');
    table.recopieZ();
    EXPECT_EQ(cell(2, "Z"), "12.5");
    EXPECT_EQ(cell(3, "Z"), "12.5");
    EXPECT_EQ(cell(4, "Z"), "0.00000000") << "line 2 is another line";
}

TEST_F(PointsTable, SelectingAPointTwiceLeavesOneCrossHair) {
    auto* area = w.findChild<ui::ImageArea*>("ImageCarte");
    table.depointer_i_sel_anc_puis_pointer(2);
    table.depointer_i_sel_anc_puis_pointer(2);
    ASSERT_TRUE(area->crossHair().has_value());
    EXPECT_EQ(*area->crossHair(), QPoint(200, 100));
    EXPECT_EQ(table.highlighted(), 2);
    table.depointer_i_sel_anc_puis_pointer(-1);
    EXPECT_EQ(*area->crossHair(), QPoint(0, 0)) << "calibration point 1 of the pixel frame";
}

TEST_F(PointsTable, DecimalsAreTakenOnEnter) {
    table.decimalsBox()->setText("3");
    QTest::keyClick(table.decimalsBox(), Qt::Key_Return);
    EXPECT_EQ(w.project().D(), 3);
    w.project().calcul_nouveaux_calage();
    EXPECT_EQ(cell(1, "X"), model::_format2(model::val_reel(cell(1, "X")), 18, 3));
}

// The number boxes take digits only: a letter typed drops itself and the number stays, where
// it made the labels' height 0 and the labels vanish without a word.
TEST_F(PointsTable, NumberBoxesDropLetters) {
    auto* height = table.findChild<QLineEdit*>("LabelHeight");
    ASSERT_TRUE(height);
    for (QLineEdit* box : {table.decimalsBox(), height}) {
        box->selectAll();
        QTest::keyClicks(box, "2a");
        EXPECT_EQ(box->text(), "2");
    }
    QTest::keyClick(height, Qt::Key_Return);
    EXPECT_EQ(table.labelStyle().height, 2);
}

// A surveyor's point shows whole: Lambert-93 metres at 8 decimals, a millionth point, the
// pixel of a large scan; none of its numbers is cut short to "...".
TEST_F(PointsTable, LargeNumbersShowWhole) {
    auto& p = w.project();
    p.affecte_en(5, 2, "", 1234.5, 6860286.047, -6600000.5, 123456, 99999);
    p.points().setCell(5, p.indice_col("n"), "1000000");
    QTableView* grid = table.pointsGrid();
    grid->scrollTo(grid->model()->index(4, 0));
    for (const char* header : {"n", "L", "X", "Y", "Z", "x", "y"}) {
        SCOPED_TRACE(header);
        const int c = p.indice_col(header);
        const QAbstractItemView* view = grid; // the measure of the shown rows, public there
        EXPECT_GE(grid->columnWidth(c), view->sizeHintForColumn(c)) << cell(5, header);
    }
}

// Stands for the English catalogue: every text comes out marked, so that a window comparing a
// shown text with a key gives itself away.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("EN ") + QString::fromUtf8(source);
    }
};

// Installed before the windows are made, as at start-up.
struct InEnglish {
    InEnglish() {
        platform::setLanguage(platform::Language::English);
        QCoreApplication::installTranslator(&translator);
    }
    ~InEnglish() {
        QCoreApplication::removeTranslator(&translator);
        platform::setLanguage(platform::Language::French);
    }
    MarkingTranslator translator;
};

class EnglishPointsTable : private InEnglish, public PointsTable {};

TEST_F(EnglishPointsTable, ShownTextsAreTranslatedWhileKeysStayFrench) {
    const QAbstractItemModel* points = table.pointsGrid()->model();
    const int label = w.project().indice_col("Libellé");
    EXPECT_EQ(points->headerData(label, Qt::Horizontal).toString(), QStringLiteral("EN Libellé"));
    EXPECT_EQ(points->headerData(label, Qt::Horizontal, ui::TextTableModel::kKeyRole).toString(),
              QStringLiteral("Libellé"));
    EXPECT_EQ(type(table.pointsGrid(), 1, label, "abc"), "abc") << "a label takes letters";
    EXPECT_TRUE(ui.tones.empty());

    // The button shows its English caption and still runs its command.
    QPushButton* addText = nullptr;
    for (auto* b : table.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("EN *.TXT rajouter des points (X,Y,Lib)")) addText = b;
    ASSERT_NE(addText, nullptr);
    ui.answerConfirm(false);
    QTest::mouseClick(addText, Qt::LeftButton);
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();

    EXPECT_FALSE(ui::HelpWindow().text().isEmpty()) << "the French help stands in for the English";
}

} // namespace
