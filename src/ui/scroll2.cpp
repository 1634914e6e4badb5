#include "ui/scroll2.h"

#include "model/Project.h"

#include <QCheckBox>

namespace tracelle::ui {

Scroll2::Scroll2(model::Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      project_(project) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Points digitalisés"));
    setFixedSize(440, 680);
    altitude_ = new QCheckBox(QStringLiteral("altitude Z + -  (F2,F3)"), this);
    altitude_->setGeometry(8, 640, 200, 24);
    connect(altitude_, &QCheckBox::toggled, this, &Scroll2::altitudeToggled);
}

void Scroll2::selectRow(model::TableId table, int row) {
    if (table == model::TableId::Points && row >= 0 && row < project_.points().rowCount())
        selectedPoint_ = row;
}

} // namespace tracelle::ui
