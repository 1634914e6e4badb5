#include "ui/emf.h"

namespace tracelle::ui {

Emf::Emf(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form9");
    setWindowTitle(QStringLiteral("e m f"));
    resize(760, 560);
}

} // namespace tracelle::ui
