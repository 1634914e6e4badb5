#include "ui/tools/PickBorderTool.h"

#include "ui/ImageArea.h"

#include <QColor>
#include <QLabel>
#include <QToolButton>

namespace tracelle::ui {

void PickBorderTool::activate() {
    if (context_.layer.empty()) return;
    QLabel* picker = colours_.picker;
    QWidget* room = picker->parentWidget();
    const ImageArea& area = context_.area;
    picker->adjustSize();
    const QPoint button = colours_.pickBorder->mapTo(room, QPoint(0, 0));
    const QPoint bottom = area.mapTo(room, QPoint(0, area.height()));
    picker->move(button.x(), bottom.y() - picker->height());
    picker->show();
    picker->raise();
}

void PickBorderTool::deactivate() {
    colours_.picker->hide();
}

void PickBorderTool::pressed(const ToolEvent& event) {
    const picture::Layer& layer = context_.layer;
    const int x = event.pixel.x(), y = event.pixel.y();
    if (x < 0 || y < 0 || x >= layer.width() || y >= layer.height()) return;
    const picture::Pixel p = layer.pixel(x, y);
    colours_.setBorder({picture::red8(p), picture::green8(p), picture::blue8(p)});
    const measure::Rgb c = colours_.border;
    colours_.picker->setStyleSheet(
        QStringLiteral("background: %1; color: %2; padding: 2px;")
            .arg(QColor(c.r, c.g, c.b).name(), QColor(255 - c.r, 255 - c.g, 255 - c.b).name()));
}

bool PickBorderTool::moved(const ToolEvent& event) {
    QLabel* picker = colours_.picker;
    const ImageArea& area = context_.area;
    const QPoint at = event.position + QPoint(10, 10);
    picker->move(area.mapTo(picker->parentWidget(),
                            QPoint(at.x(), std::min(at.y(), area.height() - picker->height()))));
    picker->show();
    picker->raise();
    return false;
}

} // namespace tracelle::ui
