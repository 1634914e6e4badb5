#include "ui/Convert.h"

namespace tracelle::ui {

Convert::Convert(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form7");
    setWindowTitle(QStringLiteral("Convertions"));
    resize(900, 600);
}

} // namespace tracelle::ui
