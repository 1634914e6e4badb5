#include "ui/tools/ColourTools.h"

#include <QColor>
#include <QToolButton>

namespace tracelle::ui {

namespace {

void paintSwatch(QToolButton* swatch, measure::Rgb c) {
    swatch->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid black; }")
                              .arg(QColor(c.r, c.g, c.b).name()));
}

} // namespace

void ColourTools::setBorder(measure::Rgb colour) {
    border = colour;
    paintSwatch(borderSwatch, colour);
}

void ColourTools::setFill(measure::Rgb colour) {
    fill = colour;
    paintSwatch(fillSwatch, colour);
}

void ColourTools::normaliseColours() {
    setBorder(measure::normalise(border));
    setFill(measure::normalise(fill));
}

QList<QWidget*> ColourTools::shownWhenColouring() const {
    return {borderSwatch, fillSwatch, pickBorder, chooseFill, brush, eraser};
}

} // namespace tracelle::ui
