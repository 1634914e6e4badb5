#include "ui/scrollrep.h"

namespace tracelle::ui {

Scrollrep::Scrollrep(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("   Graphe 3D"));
    resize(640, 520);
}

} // namespace tracelle::ui
