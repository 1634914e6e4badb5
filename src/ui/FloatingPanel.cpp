#include "ui/FloatingPanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <algorithm>

namespace tracelle::ui {

FloatingPanel::FloatingPanel(const QString& objectName, const QColor& colour, QWidget* parent)
    : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    hide();
    if (parent) parent->installEventFilter(this);
}

void FloatingPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!natural_.isValid()) natural_ = size();
    fitInParent();
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) fitInParent();
    return false;
}

void FloatingPanel::fitInParent() {
    const QWidget* area = parentWidget();
    if (!area) return;
    resize(natural_.boundedTo(area->size()));
    const int x = std::clamp(pos().x(), 0, std::max(0, area->width() - width()));
    const int y = std::clamp(pos().y(), 0, std::max(0, area->height() - height()));
    move(x, y);
}

void FloatingPanel::placeBeside(const QRect& zone, const QRect& room) {
    if (!natural_.isValid()) natural_ = size();
    constexpr int kGap = 8;
    enum Side { Right, Left, Below, Above };
    const QRect sides[] = {
        QRect(QPoint(zone.right() + kGap, room.top()), room.bottomRight()),
        QRect(room.topLeft(), QPoint(zone.left() - kGap, room.bottom())),
        QRect(QPoint(room.left(), zone.bottom() + kGap), room.bottomRight()),
        QRect(room.topLeft(), QPoint(room.right(), zone.top() - kGap)),
    };
    const QSize least = minimumSizeHint();
    QRect best;
    for (const Side side : {Right, Left, Below, Above}) {
        const QRect free = sides[side];
        QSize s = natural_.boundedTo(free.size());
        if (!free.isValid() || s.width() < least.width()) continue;
        // Narrower, what wraps (a row of buttons) needs more height than its least.
        const int wrapped =
            hasHeightForWidth() ? heightForWidth(s.width()) - heightForWidth(natural_.width()) : 0;
        s.setHeight(std::max(s.height(), least.height() + wrapped));
        if (s.height() > free.height()) continue;
        // Next to the zone: level with its top beside it, with its left edge above or below.
        QPoint at(side == Left ? free.right() - s.width() + 1 : free.left(),
                  side == Above ? free.bottom() - s.height() + 1 : free.top());
        if (side == Left || side == Right)
            at.setY(std::clamp(zone.top(), free.top(), free.bottom() - s.height() + 1));
        else
            at.setX(std::clamp(zone.left(), free.left(), free.right() - s.width() + 1));
        const auto shown = [](const QSize& z) { return z.width() * z.height(); };
        if (best.isNull() || shown(s) > shown(best.size())) best = QRect(at, s);
    }
    if (!best.isNull()) setGeometry(best);
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragStart_ = event->globalPosition().toPoint();
        raise();
    }
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || event->buttons() == Qt::NoButton) return;
    const QPoint now = event->globalPosition().toPoint();
    move(pos() + now - dragStart_);
    dragStart_ = now;
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

} // namespace tracelle::ui
