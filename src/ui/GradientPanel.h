// Vertical gradient painted as 256 horizontal bands, the background of the message dialog.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace tracelle::ui {

// Band k covers rows k·H/256 to (k+1)·H/256 of `area`; each channel goes from `top` to
// `bottom` as top + k·(bottom − top)/255.
void paintGradientPanel(QPainter& painter, const QRect& area, const QColor& top,
                        const QColor& bottom);

} // namespace tracelle::ui
