// Undo and redo from the keyboard, and points moved, deleted and inserted on the map, all
// driven by real mouse and key events.
#include "MapWindow.h"
#include "model/NumberText.h"
#include "ui/AltitudePanel.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <functional>
#include <set>

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
    QPushButton* tableButton(const QString& caption) {
        for (auto* b : table.findChildren<QPushButton*>())
            if (b->text().startsWith(caption)) return b;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }
    void activateTable() {
        table.show();
        table.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    }
    // A click on a row of a grid of the points table, as the user picks it.
    void pickRow(QTableView* grid, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Lines 2 and 3 of two points each after line 1's three.
    void twoMoreLines() {
        for (int line = 2; line <= 3; ++line) {
            ui.answerColour(std::nullopt);
            key(Qt::Key_Space);
            click(40 * line, 60);
            click(40 * line + 20, 70);
        }
        ASSERT_EQ(w.project().N(), 7);
    }
    void deleteLine(int line) {
        table.linesGrid()->setCurrentIndex(table.linesGrid()->model()->index(line - 1, 0));
        ui.answerDialog('O');
        QTest::mouseClick(tableButton("Supprimer la ligne courante"), Qt::LeftButton);
    }
    // The highlighted row, the cross-hair, the X= Y= read-out and the Z panel name the point
    // the commands act on, or nothing at all.
    void expectOneSelectedPoint() {
        const int row = table.selectedPointRow();
        SCOPED_TRACE("selected point " + std::to_string(row));
        std::set<int> highlighted;
        for (const QModelIndex& index : table.pointsGrid()->selectionModel()->selectedRows())
            highlighted.insert(index.row() + 1);
        if (row >= 1) {
            EXPECT_EQ(highlighted, std::set<int>{row});
        }
        const auto& crossHair = area->crossHair();
        if (!crossHair) return;
        ASSERT_GE(row, 1) << "a cross-hair with no selected point";
        ASSERT_LE(row, w.project().N());
        EXPECT_EQ(*crossHair, QPoint(std::stoi(cell(row, "x")), std::stoi(cell(row, "y"))));
        QStringList readout;
        for (auto* label : table.findChildren<QLabel*>())
            if (label->text().startsWith("X=") || label->text().startsWith("Y="))
                readout << label->text().simplified();
        readout.sort();
        EXPECT_EQ(readout.join(" / ").toStdString(),
                  "X= " + cell(row, "X") + " / Y= " + cell(row, "Y"));
        EXPECT_EQ(w.altitudePanel()->zBox()->text().toStdString(),
                  w.project().points().cell(row, w.project().indice_col("Z")));
    }
};

TEST_F(Editing, CtrlZTakesBackAClickAndCtrlYGivesItAgain) {
    ASSERT_EQ(w.project().N(), 3);
    const int rows = pointsShown();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.project().N(), 2);
    EXPECT_EQ(pointsShown(), rows - 1) << "the points table follows";
    EXPECT_EQ(picture::green8(w.layer().pixel(100, 20)), 255) << "the point is gone from the map";
    EXPECT_EQ(undoCaption(), "Annuler l'ajout du point 2");
    EXPECT_EQ(undoCaption("Rétablir"), "Rétablir l'ajout du point 3");

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

TEST_F(Editing, TheSelectedPointIsOneAndTheSameEverywhere) {
    for (int i = 4; i <= 8; ++i)
        click(20 * i, 20 + 5 * i);
    activateTable();
    pickRow(table.pointsGrid(), 6);
    ASSERT_EQ(table.selectedPointRow(), 6);
    ASSERT_TRUE(area->crossHair().has_value()) << "a point picked in the table is marked";
    expectOneSelectedPoint();

    struct Step {
        const char* name;
        std::function<void()> act;
        int n;
        const char* selectedX; // the point the selection names afterwards, by its x
        std::optional<bool> marked;
    };
    const Step steps[] = {
        {"deletion", [&] { QTest::mouseClick(tableButton("Supprimer le point"), Qt::LeftButton); },
         7, "140", true},
        {"second deletion",
         [&] { QTest::mouseClick(tableButton("Supprimer le point"), Qt::LeftButton); }, 6, "160",
         true},
        {"undo", [&] { key(Qt::Key_Z, Qt::ControlModifier); }, 7, "160", true},
        {"redo", [&] { key(Qt::Key_Y, Qt::ControlModifier); }, 6, "160", true},
        {"Shift+drag",
         [&] {
             QTest::mousePress(area, Qt::LeftButton, Qt::ShiftModifier, at(160, 60));
             QTest::mouseMove(area, at(150, 80));
             QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, at(150, 80));
         },
         6, "150", true},
        {"deletion on the map",
         [&] {
             ui.answerMenu(0);
             QTest::mouseClick(area, Qt::RightButton, {}, at(150, 80));
         },
         5, nullptr, std::nullopt},
        {"new picture", [&] { load(); }, 0, nullptr, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(w.project().N(), step.n);
        expectOneSelectedPoint();
        if (step.marked) {
            EXPECT_EQ(area->crossHair().has_value(), *step.marked);
        }
        if (step.selectedX) {
            EXPECT_EQ(cell(table.selectedPointRow(), "x"), step.selectedX);
        }
    }
}

TEST_F(Editing, DeletingFromTheTableTakesTheSelectedRowEachTime) {
    for (int i = 4; i <= 8; ++i)
        click(20 * i, 20 + 5 * i);
    activateTable();
    pickRow(table.pointsGrid(), 6);
    for (const char* next : {"140", "160"}) {
        QTest::mouseClick(tableButton("Supprimer le point"), Qt::LeftButton);
        EXPECT_EQ(undoCaption(), "Annuler la suppression du point 6");
        EXPECT_EQ(table.selectedPointRow(), 6) << "the row now there";
        EXPECT_EQ(cell(6, "x"), next);
    }
}

TEST_F(Editing, AShiftDragMovesACalibrationPointAndEveryPointWithIt) {
    auto& p = w.project();
    const auto calibrationCell = [&](const char* header) {
        return model::enleve_blancs(p.calibration().cell(1, p.indice_col_cal(header)));
    };
    const std::string x0 = calibrationCell("x"), y0 = calibrationCell("y");
    std::vector<std::string> before;
    for (int i = 1; i <= 3; ++i)
        before.push_back(cell(i, "X") + " " + cell(i, "Y"));
    const QPoint from(std::stoi(x0), std::stoi(y0));
    const QPoint to = from + QPoint(30, 20);

    QTest::mousePress(area, Qt::LeftButton, Qt::ShiftModifier, at(from.x(), from.y()));
    QTest::mouseMove(area, at(from.x() + 10, from.y() + 10));
    QTest::mouseMove(area, at(to.x(), to.y()));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, at(to.x(), to.y()));
    EXPECT_EQ(calibrationCell("x"), std::to_string(to.x()));
    EXPECT_EQ(calibrationCell("y"), std::to_string(to.y()));
    EXPECT_EQ(p.N(), 3) << "no point added";
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        model::Real X = 0, Y = 0;
        ASSERT_TRUE(p.repere_carte(std::stoi(cell(i, "x")), std::stoi(cell(i, "y")), X, Y));
        EXPECT_NE(cell(i, "X") + " " + cell(i, "Y"), before[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(model::val_reel(cell(i, "X")), model::val_reel(model::_format2(X, 18, p.D())))
            << "made again in the moved frame";
    }

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(calibrationCell("x"), x0) << "one step puts all back";
    EXPECT_EQ(calibrationCell("y"), y0);
    EXPECT_EQ(p.record(1).x, std::stoi(x0)) << "the calibration in force too";
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(cell(i, "X") + " " + cell(i, "Y"), before[static_cast<std::size_t>(i - 1)]);
}

// Deleting lines asks once for each and nothing after: no redraw asks about a cell the
// deletion itself emptied, nor about the line left without its colour that a click continues.
TEST_F(Editing, DeletingLinesAsksOnceForEachAndNothingAfter) {
    const std::size_t asked = ui.questions.size();
    twoMoreLines();
    deleteLine(2);
    deleteLine(3);
    ASSERT_EQ(w.project().currentLine(), 2);
    click(30, 30);
    EXPECT_EQ(w.project().N(), 4);
    EXPECT_EQ(cell(4, "L"), "2");
    deleteLine(1);
    ASSERT_EQ(w.project().N(), 1);
    deleteLine(2); // the line that holds every point
    EXPECT_EQ(w.project().N(), 0) << "the points the user confirmed are gone";
    EXPECT_EQ(pointsShown(), 1) << "the table's one blank row";
    click(30, 30);
    EXPECT_EQ(w.project().N(), 1);
    EXPECT_EQ(ui.questions.size(), asked + 4) << "the four deletions, nothing else";
}

} // namespace
