// The converter window: a worksheet of positions converted between UTM, decimal degrees and
// degrees-minutes-seconds, with its imports and its clipboard export.
#pragma once

#include "geodesy/Worksheet.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace tracelle::ui {

class ConverterWindow : public QWidget {
    Q_OBJECT
public:
    explicit ConverterWindow(QWidget* parent = nullptr);
    ~ConverterWindow() override;

    geodesy::Worksheet& worksheet() { return sheet_; }
    QTableView* grid() const { return grid_; }

    // The buttons' commands.
    void utmVersLatLon();
    void latLonVersUtm(bool onlyEmpty);
    void dmsVersDecimal();
    void decimalVersDms();
    void km();
    void importeTexte();
    void importeClasseur(bool utm);
    void lanceTableur();
    void pressePapier();
    void recopie();
    void basculeAide();
    void aideUtmPdf();
    void toutEffacer();

signals:
    // "Quitter direct": the program ends once unsaved work is dealt with.
    void quitDirect();
    // The window left: the map is drawn again under it.
    void left();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildButtons();
    QWidget* buildLabels();
    void placeNotes();
    void showStopped(const std::optional<geodesy::Stopped>& stopped);
    // Whether the rows may be replaced by an import (asked when they are not the examples).
    bool remplacementAccepte();
    void showChooser();
    void chooseEllipsoid(int index);
    void hideChooser();
    // The cell the user is on, (data row, column); row 0 when none.
    std::pair<int, int> currentCell() const;

    geodesy::Worksheet sheet_;
    QTableView* grid_ = nullptr;
    QComboBox* chooser_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* aide_ = nullptr;
    QLineEdit* ra_ = nullptr;
    QLineEdit* rb_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* workbook_ = nullptr;
    std::string workbookPath_;
};

} // namespace tracelle::ui
