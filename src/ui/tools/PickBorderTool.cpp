#include "ui/tools/PickBorderTool.h"

#include "ui/ImageArea.h"

#include <QColor>
#include <QLabel>
#include <QToolButton>

namespace tracelle::ui {

PickBorderTool::PickBorderTool(ToolContext context, ColourTools& colours)
    : ClickTool(std::move(context)), colours_(colours),
      picker_(new QLabel(tr(" prélever la couleur de bordure"), context_.area.parentWidget())) {
    picker_->setObjectName("LabelPrelever");
    picker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    picker_->setStyleSheet("background: rgb(0, 255, 0); color: rgb(255, 0, 255); padding: 2px;");
    picker_->hide();
}

void PickBorderTool::activate() {
    if (context_.layer.empty()) return;
    QWidget* room = picker_->parentWidget();
    const ImageArea& area = context_.area;
    picker_->adjustSize();
    const QPoint button = colours_.pickBorder->mapTo(room, QPoint(0, 0));
    const QPoint bottom = area.mapTo(room, QPoint(0, area.height()));
    picker_->move(button.x(), bottom.y() - picker_->height());
    picker_->show();
    picker_->raise();
}

void PickBorderTool::deactivate() {
    picker_->hide();
}

void PickBorderTool::pressed(const ToolEvent& event) {
    const picture::Layer& layer = context_.layer;
    const int x = event.pixel.x(), y = event.pixel.y();
    if (x < 0 || y < 0 || x >= layer.width() || y >= layer.height()) return;
    const picture::Pixel p = layer.pixel(x, y);
    colours_.setBorder({picture::red8(p), picture::green8(p), picture::blue8(p)});
    const measure::Rgb c = colours_.border;
    picker_->setStyleSheet(
        QStringLiteral("background: %1; color: %2; padding: 2px;")
            .arg(QColor(c.r, c.g, c.b).name(), QColor(255 - c.r, 255 - c.g, 255 - c.b).name()));
}

bool PickBorderTool::moved(const ToolEvent& event) {
    const ImageArea& area = context_.area;
    const QPoint at = event.position + QPoint(10, 10);
    picker_->move(area.mapTo(picker_->parentWidget(),
                             QPoint(at.x(), std::min(at.y(), area.height() - picker_->height()))));
    picker_->show();
    picker_->raise();
    return false;
}

} // namespace tracelle::ui
