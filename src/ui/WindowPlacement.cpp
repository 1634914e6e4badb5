#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tracelle::ui {

QRect availableArea(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins frameMargins(const QWidget* window, const QWidget* framed) {
    const auto margins = [](const QWidget* w) {
        const QRect f = w->frameGeometry();
        const QRect c = w->geometry();
        return QMargins(c.left() - f.left(), c.top() - f.top(), f.right() - c.right(),
                        f.bottom() - c.bottom());
    };
    if (window->isVisible() || !framed || !framed->isVisible()) return margins(window);
    return margins(framed);
}

void placeFrame(QWidget* window, const QRect& frame, const QMargins& margins) {
    window->setGeometry(frame.marginsRemoved(margins));
}

} // namespace tracelle::ui
