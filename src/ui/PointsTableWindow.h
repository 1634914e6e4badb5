// The points table window: the grids of the project's points, calibration points and lines,
// where they are read and edited.
#pragma once

#include "model/ProjectView.h"

#include <QColor>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace tracelle::model {
class Project;
}

namespace tracelle::ui {

// How the labels of the points are drawn on the picture.
struct LabelStyle {
    bool shown = false;
    int height = 30;
    QColor text{0, 0, 128};         // navy
    QColor background{0, 255, 255}; // aqua
};

class PointsTableWindow : public QWidget {
    Q_OBJECT
public:
    PointsTableWindow(model::Project& project, QWidget* parent = nullptr);

    static constexpr int kWidth = 720;

    QTableView* pointsGrid() const { return grids_[0]; }
    QTableView* calibrationGrid() const { return grids_[1]; }
    // The residual columns after a change of the fit that no calibration cell shows.
    void refreshResiduals();
    QTableView* linesGrid() const { return grids_[2]; }
    QLineEdit* decimalsBox() const { return decimals_; }
    // "altitude Z + -  (F2,F3)": while checked, the main window shows its altitude panel.
    QCheckBox* altitudeCheckBox() const { return altitude_; }
    // The selected point: the current row of the points grid (0: none). The highlighted row,
    // the cross-hair, the coordinate read-out and the Z panel all follow it.
    int selectedPointRow() const;
    // The point (> 0) or calibration point (< 0) whose cross-hair is drawn; 0 for none.
    int highlighted() const;
    void selectRow(model::TableId table, int row);
    void setPointCount(int n);
    // The clipboard's text shown over the points grid while its values are taken.
    void showPaste(const QString& text);
    void hidePaste();
    // The mouse's real coordinates on the map, for the coordinate read-out.
    void showCoordinates(const QString& x, const QString& y);
    // The coordinate system of a georeferenced picture; empty hides it.
    void showCoordinateSystem(const QString& crs);
    LabelStyle labelStyle() const;

    // Moves the cross-hair to a point (j > 0) or a calibration point (j < 0).
    void depointer_i_sel_anc_puis_pointer(int j);
    void pointer_sur_carte(int j);
    // The "Supprimer la ligne courante" button.
    void supprimeLigneCourante();
    // F9 in the points grid: the selected point's Z along the rest of its line.
    void recopieZ();

signals:
    void altitudeToggled(bool on);
    void labelStyleChanged();
    void redessinerDemande();   // the picture is drawn again
    void calibrationDemandee(); // "Calibration"
    void grapheDemande();       // "Graphe F7"
    void crossHair(int x, int y, bool shown);
    void rendLaMain();               // the user went back to the main window
    void zAffiche(const QString& z); // the selected point's Z, for the Z panel
    void decalage(int dx, int dy);   // the picture's offset typed in dx0 / dy0
    void laterCommand(const QString& caption);
    void quitDirect(); // "Quit direct": ends the program once unsaved work is dealt with

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+V in the calibration grid pastes control points.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A number box where a key other than a digit drops itself: a letter never turns the
    // number into one that reads as 0.
    static void takeDigitsOnly(QLineEdit* box);
    void buildGrids();
    QWidget* buildButtons();
    void onPointSelected(int row);
    void onCalibrationSelected(int row);
    // Brings the highlight, the cross-hair, the read-out and the Z panel back to the selected
    // rows, after the selection or the points changed.
    void followSelection();
    void showReadout(const QString& x, const QString& y);
    void onLineSelected(int row);
    // The caption of the "Supprimer la ligne courante" button once a line is chosen.
    static QString lineCaption(int row);
    void linesCellClicked(const QModelIndex& index);

    model::Project& project_;
    QTableView* grids_[3];
    QLabel* count_;
    QLabel* crs_;
    QPlainTextEdit* paste_ = nullptr;
    QLabel* readX_;
    QLabel* readY_;
    QLineEdit* decimals_;
    QCheckBox* altitude_;
    QCheckBox* labels_;
    QLineEdit* labelHeight_;
    QPushButton* labelText_;
    QPushButton* labelBackground_;
    QPushButton* deleteLine_;
    QLineEdit* dx0_;
    QLineEdit* dy0_;
    int selectedLine_ = 0;
    // Which grid's selected row the cross-hair marks: the user picked it in that grid.
    enum class CrossHairOn { None, Point, Calibration };
    CrossHairOn crossHairOn_ = CrossHairOn::None;
    bool calibrationEdited_ = false;
};

} // namespace tracelle::ui
