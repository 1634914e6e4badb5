#include "ui/Artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>

namespace tracelle::ui {

namespace {

QPixmap blank(int w, int h, const QColor& colour) {
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

void frame(QPainter& p, int w, int h) {
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, w - 2, h - 2);
}

} // namespace

QPixmap splashMapPicture(int w, int h) {
    QPixmap pixmap = blank(w, h, QColor(245, 238, 214));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Contour lines of a hill.
    p.setPen(QPen(QColor(170, 120, 70), 1.2));
    for (int k = 1; k <= 5; ++k) {
        const double rx = w * 0.09 * k;
        const double ry = h * 0.08 * k;
        p.drawEllipse(QPointF(w * 0.42, h * 0.48), rx, ry * (1.0 + 0.08 * std::sin(k)));
    }
    // A river.
    QPainterPath river(QPointF(0, h * 0.85));
    river.cubicTo(w * 0.3, h * 0.7, w * 0.55, h * 0.98, w, h * 0.78);
    p.setPen(QPen(QColor(60, 120, 200), 3));
    p.drawPath(river);
    // The digitized line, red, with its points.
    const QPointF points[] = {{w * 0.1, h * 0.2},
                              {w * 0.3, h * 0.3},
                              {w * 0.5, h * 0.22},
                              {w * 0.7, h * 0.4},
                              {w * 0.88, h * 0.3}};
    p.setPen(QPen(Qt::red, 2));
    p.drawPolyline(points, 5);
    p.setBrush(Qt::red);
    for (const auto& pt : points)
        p.drawEllipse(pt, 3, 3);
    frame(p, w, h);
    return pixmap;
}

QPixmap splashTargetPicture(int w, int h) {
    QPixmap pixmap = blank(w, h, QColor(255, 250, 235));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(w / 2.0, h / 2.0);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawEllipse(c, w * 0.28, h * 0.28);
    p.drawLine(QPointF(c.x() - w * 0.4, c.y()), QPointF(c.x() + w * 0.4, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - h * 0.4), QPointF(c.x(), c.y() + h * 0.4));
    p.setPen(QPen(Qt::red, 2));
    p.drawEllipse(c, 4, 4);
    QFont f = p.font();
    f.setPointSize(7);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(2, h - 16, w - 4, 14), Qt::AlignCenter, "X=0  Y=0");
    frame(p, w, h);
    return pixmap;
}

QPixmap splashGraphPicture(int w, int h) {
    QPixmap pixmap = blank(w, h, Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int k = 1; k < 6; ++k) {
        p.drawLine(QPointF(w * k / 6.0, 4), QPointF(w * k / 6.0, h - 4));
        p.drawLine(QPointF(4, h * k / 6.0), QPointF(w - 4, h * k / 6.0));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(8, h - 8), QPointF(w - 4, h - 8));
    p.drawLine(QPointF(8, h - 8), QPointF(8, 4));
    QPolygonF curve;
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0;
        curve << QPointF(8 + t * (w - 16), h - 10 - (h - 20) * (0.5 + 0.4 * std::sin(t * 5.5)));
    }
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawPolyline(curve);
    p.setBrush(QColor(0, 128, 0));
    for (const auto& pt : curve)
        p.drawEllipse(pt, 2.5, 2.5);
    frame(p, w, h);
    return pixmap;
}

QPixmap quitPicture(int w, int h) {
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // An open door and an arrow leaving through it.
    const int dw = h * 2 / 5;
    const QRect door(10, 8, dw, h - 16);
    p.setPen(QPen(QColor(255, 255, 0), 3));
    p.setBrush(QColor(0, 0, 90));
    p.drawRect(door);
    QPolygon leaf;
    leaf << door.topLeft() << QPoint(door.left() + dw * 2 / 3, door.top() + 10)
         << QPoint(door.left() + dw * 2 / 3, door.bottom() - 10) << door.bottomLeft();
    p.setBrush(QColor(0, 160, 200));
    p.drawPolygon(leaf);
    p.setPen(QPen(QColor(255, 255, 0), 5, Qt::SolidLine, Qt::RoundCap));
    const int ay = h / 2;
    p.drawLine(door.left() + dw / 2, ay, door.right() + 40, ay);
    p.drawLine(door.right() + 40, ay, door.right() + 26, ay - 12);
    p.drawLine(door.right() + 40, ay, door.right() + 26, ay + 12);
    QFont f("DejaVu Sans", 26, QFont::Bold);
    p.setFont(f);
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(door.right() + 56, 0, w - door.right() - 60, h),
               Qt::AlignVCenter | Qt::AlignLeft,
               QCoreApplication::translate("Artwork", "Quitter ?"));
    return pixmap;
}

QPixmap emblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 60, 20), 2));
    p.setBrush(QColor(255, 150, 100));
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), size / 6.0, size / 6.0);
    p.setPen(QPen(Qt::red, size / 16.0));
    const QPointF line[] = {{size * 0.2, size * 0.75},
                            {size * 0.45, size * 0.4},
                            {size * 0.62, size * 0.58},
                            {size * 0.82, size * 0.22}};
    p.drawPolyline(line, 4);
    p.setBrush(QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    for (const auto& pt : line)
        p.drawEllipse(pt, size / 18.0, size / 18.0);
    return pixmap;
}

QIcon toolIcon(ToolIcon which) {
    constexpr int s = 24;
    QPixmap pixmap(s, s);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    switch (which) {
    case ToolIcon::Table: // a digitizing tablet and its puck
        p.setBrush(QColor(210, 210, 210));
        p.drawRect(3, 6, 18, 13);
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QPointF(14, 12), 3.5, 3.5);
        p.drawLine(QPointF(14, 8), QPointF(14, 16));
        break;
    case ToolIcon::OpenPicture: // a folder with a picture
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(2, 7, 20, 14);
        p.setBrush(QColor(120, 180, 240));
        p.drawRect(7, 3, 12, 10);
        p.setPen(QPen(QColor(30, 120, 30), 1.5));
        p.drawLine(8, 12, 12, 7);
        p.drawLine(12, 7, 18, 12);
        break;
    case ToolIcon::ReadProject: // a table of points being opened
        p.setBrush(Qt::white);
        p.drawRect(4, 3, 16, 18);
        for (int y = 7; y <= 17; y += 4)
            p.drawLine(6, y, 18, y);
        p.drawLine(11, 3, 11, 21);
        break;
    case ToolIcon::SaveProject: // a floppy disk
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(3, 3, 18, 18);
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 10, 7);
        p.drawRect(6, 13, 12, 8);
        break;
    case ToolIcon::SavePicture: // a picture with a red line and a disk corner
        p.setBrush(QColor(200, 230, 200));
        p.drawRect(2, 3, 17, 14);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(4, 14, 9, 8);
        p.drawLine(9, 8, 16, 12);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(14, 13, 9, 9);
        break;
    case ToolIcon::FitWindow: // arrows pointing at the corners
        p.setBrush(Qt::NoBrush);
        p.drawRect(5, 5, 14, 14);
        p.drawLine(2, 2, 8, 8);
        p.drawLine(22, 2, 16, 8);
        p.drawLine(2, 22, 8, 16);
        p.drawLine(22, 22, 16, 16);
        break;
    case ToolIcon::Brush:
        p.setBrush(QColor(150, 90, 40));
        p.drawLine(20, 3, 10, 14);
        p.setBrush(QColor(0, 160, 0));
        p.drawEllipse(QPointF(7, 17), 4, 4);
        break;
    case ToolIcon::Eraser:
        p.setBrush(QColor(240, 150, 170));
        p.drawRect(5, 9, 14, 8);
        p.setBrush(Qt::white);
        p.drawRect(5, 9, 5, 8);
        break;
    }
    return QIcon(pixmap);
}

} // namespace tracelle::ui
