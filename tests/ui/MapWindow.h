// The main window on screen (headless) with its points table, over a white 200 × 100 picture
// holding a black 40 × 40 square at (80, 30); clicks reach it as real mouse events.
#pragma once

#include "picture/BmpCodec.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"
#include "ui/CalibrationPanels.h"
#include "ui/GraphWindow.h"
#include "ui/ImageArea.h"
#include "ui/MainWindow.h"
#include "ui/PointsTableWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tracelle::testing {

class MapWindow : public ::testing::Test {
protected:
    explicit MapWindow(const std::string& prefix) : home_(prefix) {
        w.attachWindows({&table, nullptr, &graph, nullptr, nullptr, nullptr});
        w.action("&Affichage|Garder les proportions L x H")->setChecked(false);
        w.resize(1000, 700);
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w)) << "shortcuts need the active window";
        picture::Raster map = picture::Raster::create(200, 100);
        map.fill(picture::rgb555(255, 255, 255));
        for (int y = 30; y < 70; ++y)
            for (int x = 80; x < 120; ++x)
                map.row(y)[x] = 0;
        picture::writeBmp(map, picturePath);
        area = w.findChild<ui::ImageArea*>("ImageCarte");
    }

    // Opens the picture as a new project, declining the calibration panel.
    void load() {
        ui.answerConfirm(false);
        w.Ouvrir_fichier_image(picturePath, "");
    }
    // Where the layer pixel (x, y) shows in the image area: the centre of its screen pixels.
    QPoint at(int x, int y) const { return area->toArea({x, y}).toPoint(); }
    void click(int x, int y) { QTest::mouseClick(area, Qt::LeftButton, {}, at(x, y)); }
    // A key typed as the keyboard sends it: to the widget that has the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &w, k, modifiers);
    }
    // The Edition menu's item as the menu shows it: named after what it would undo or redo.
    std::string undoCaption(const char* item = "Annuler") {
        QMenu* edition = nullptr;
        for (QMenu* m : w.findChildren<QMenu*>())
            if (m->title() == "Edition") edition = m;
        if (!edition) return {};
        emit edition->aboutToShow();
        const QString caption = w.action(QStringLiteral("Edition|") + item)->text();
        emit edition->aboutToHide();
        return caption.toStdString();
    }
    // Calibrates anew by the panel's button and three clicks.
    void calibrate() {
        QTest::mouseClick(w.calibrationPanel()->findChild<QPushButton*>("BoutonCalibrer"),
                          Qt::LeftButton);
        for (const auto& [x, y] : {std::pair{20, 20}, {20, 80}, {180, 80}})
            click(x, y);
    }
    // Types into a cell of the calibration grid as the user would: the editor opened, the
    // keys, Enter.
    void typeCalibration(int row, const char* header, const std::string& text) {
        QTableView* view = table.calibrationGrid();
        view->setCurrentIndex(view->model()->index(row - 1, w.project().indice_col_cal(header)));
        view->edit(view->currentIndex());
        QLineEdit* editor = nullptr;
        for (auto* e : view->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_TRUE(editor) << header;
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromStdString(text));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents(); // the delegate commits through a queued call
    }
    QToolButton* button(const QString& caption) {
        for (auto* b : w.findChildren<QToolButton*>())
            if (b->text() == caption || b->toolTip() == caption) return b;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }

    ConfigHome home_;
    const std::string picturePath = (home_.dir / "carte.bmp").string();
    ScriptedInteraction ui;
    ui::GraphWindow graph;
    ui::MainWindow w;
    ui::PointsTableWindow table{w.project()};
    ui::ImageArea* area = nullptr;
};

} // namespace tracelle::testing
