// The colouring tools of the tool panel: their buttons, the swatches' colours and the state
// the colouring modes share.
#pragma once

#include "measure/RasterSurface.h"
#include "picture/Layer.h"

#include <QList>
#include <memory>

class QLineEdit;
class QProgressBar;
class QToolButton;
class QWidget;

namespace tracelle::ui {

struct ColourTools {
    QToolButton* surface = nullptr;    // "Colorer la surface"
    QToolButton* bordered = nullptr;   // "Colorer la surf. bordée"
    QToolButton* pickBorder = nullptr; // "Choix couleur de bord"
    QToolButton* chooseFill = nullptr; // "Choix couleur de fond"
    QToolButton* brush = nullptr;
    QToolButton* eraser = nullptr;
    QToolButton* threshold = nullptr; // "n && b : seuil de gris ->"
    QToolButton* borderSwatch = nullptr;
    QToolButton* fillSwatch = nullptr;
    QLineEdit* thresholdMillions = nullptr;
    QLineEdit* thresholdUnits = nullptr; // its text is not read
    QProgressBar* progress = nullptr;
    measure::Rgb border{0, 255, 0}; // the swatches' colours
    measure::Rgb fill{0, 128, 0};
    // The layer before the last fill ("une annulation colorée").
    std::shared_ptr<picture::Layer::Recording> undo;

    // The colours, shown by their swatches.
    void setBorder(measure::Rgb colour);
    void setFill(measure::Rgb colour);
    // Both colours as the layer keeps them, so that the swatches show what a fill compares.
    void normaliseColours();
    // Hidden but in the colouring modes.
    QList<QWidget*> shownWhenColouring() const;
};

} // namespace tracelle::ui
