#include "ui/scroll.h"

namespace tracelle::ui {

Scroll::Scroll(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("    t r a c e l l e") + QStringLiteral("  3.2"));
    resize(1024, 700);
}

} // namespace tracelle::ui
