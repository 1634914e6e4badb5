// Undo and redo from the keyboard, and points moved, deleted and inserted on the map, all
// driven by real mouse and key events.
#include "MapWindow.h"
#include "model/NumberText.h"

#include <QMenu>
#include <QTableView>

using namespace tracelle;

namespace {

class Editing : public tracelle::testing::MapWindow {
protected:
    Editing() : MapWindow("tracelle_edit_") {
        load();
        for (auto [x, y] : {std::pair{20, 20}, {60, 20}, {100, 20}})
            click(x, y);
    }
    std::string cell(int row, const char* header) {
        return model::enleve_blancs(w.project().points().cell(row, w.project().indice_col(header)));
    }
    int pointsShown() { return table.pointsGrid()->model()->rowCount(); }
};

TEST_F(Editing, CtrlZTakesBackAClickAndCtrlYGivesItAgain) {
    ASSERT_EQ(w.project().N(), 3);
    const int rows = pointsShown();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.project().N(), 2);
    EXPECT_EQ(pointsShown(), rows - 1) << "the points table follows";
    EXPECT_EQ(picture::green8(w.layer().pixel(100, 20)), 255) << "the point is gone from the map";
    QMenu* edition = nullptr;
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == "Edition") edition = m;
    ASSERT_TRUE(edition);
    emit edition->aboutToShow();
    EXPECT_EQ(w.action("Edition|Annuler")->text(), "Annuler l'ajout du point 2");
    EXPECT_EQ(w.action("Edition|Rétablir")->text(), "Rétablir l'ajout du point 3");
    emit edition->aboutToHide();

    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.project().N(), 3);
    EXPECT_EQ(cell(3, "x"), "100");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing left to redo
    EXPECT_EQ(w.project().N(), 3);
}

TEST_F(Editing, AShiftDragMovesAPointAndCtrlZPutsItBack) {
    QTest::mousePress(area, Qt::LeftButton, Qt::ShiftModifier, at(60, 20));
    QTest::mouseMove(area, at(60, 40));
    EXPECT_EQ(cell(2, "y"), "40") << "the point follows the drag";
    QTest::mouseMove(area, at(70, 60));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, at(70, 60));
    EXPECT_EQ(cell(2, "x"), "70");
    EXPECT_EQ(cell(2, "y"), "60");
    EXPECT_EQ(w.project().N(), 3) << "no point added";
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, "x"), "60") << "the whole drag is one step";
    EXPECT_EQ(cell(2, "y"), "20");
    EXPECT_EQ(w.project().N(), 3);

    QTest::mousePress(area, Qt::LeftButton, Qt::ShiftModifier, at(100, 20));
    QTest::mouseMove(area, at(150, 80));
    key(Qt::Key_Escape);
    QTest::mouseRelease(area, Qt::LeftButton, {}, at(150, 80));
    EXPECT_EQ(cell(3, "x"), "100") << "Esc puts it back";
    EXPECT_FALSE(ui.quitRequested);
}

TEST_F(Editing, ARightClickDeletesAPointOrInsertsOneOnASegment) {
    ui.answerMenu(0);
    QTest::mouseClick(area, Qt::RightButton, {}, at(60, 20));
    ASSERT_EQ(ui.menus.size(), 1u);
    EXPECT_EQ(ui.menus[0], std::vector<std::string>{"Supprimer ce point"});
    EXPECT_EQ(w.project().N(), 2);
    EXPECT_EQ(cell(2, "x"), "100");
    EXPECT_EQ(cell(2, "n"), "2");

    ui.answerMenu(0);
    QTest::mouseClick(area, Qt::RightButton, {}, at(50, 20));
    EXPECT_EQ(ui.menus.back(), std::vector<std::string>{"Insérer un point ici"});
    EXPECT_EQ(w.project().N(), 3);
    EXPECT_EQ(cell(2, "x"), "50");
    EXPECT_EQ(cell(2, "L"), "1");
    EXPECT_EQ(cell(3, "n"), "3");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell(2, "x"), "60") << "both edits undone";

    QTest::mouseClick(area, Qt::RightButton, {}, at(150, 80)); // nothing there: no menu
    EXPECT_EQ(ui.menus.size(), 2u);
}

} // namespace
