#include "ui/GradientPanel.h"

#include <QPainter>

namespace tracelle::ui {

void paintGradientPanel(QPainter& painter, const QRect& area, const QColor& top,
                        const QColor& bottom) {
    const int h = area.height();
    for (int k = 0; k < 256; ++k) {
        const int y0 = k * h / 256;
        const int y1 = (k + 1) * h / 256;
        if (y1 <= y0) continue;
        const QColor band(top.red() + k * (bottom.red() - top.red()) / 255,
                          top.green() + k * (bottom.green() - top.green()) / 255,
                          top.blue() + k * (bottom.blue() - top.blue()) / 255);
        painter.fillRect(QRect(area.left(), area.top() + y0, area.width(), y1 - y0), band);
    }
}

} // namespace tracelle::ui
