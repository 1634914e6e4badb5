// Placing top-level windows by their frames (title bar and borders included) within the part
// of the screen that panels leave free.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tracelle::ui {

// The free area of the screen the window is on.
QRect availableArea(const QWidget* window);

// The frame's thickness around the client area; a window the window manager has not framed
// yet borrows the frame of `framed`, which it will get alike.
QMargins frameMargins(const QWidget* window, const QWidget* framed = nullptr);

// Gives the window the frame rectangle `frame`.
void placeFrame(QWidget* window, const QRect& frame, const QMargins& margins);

} // namespace tracelle::ui
