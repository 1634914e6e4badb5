#include "Lettering.h"

#include "Drawing.h"
#include "render/GuiApplication.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace tracelle::testing {

void letter(picture::Raster& r, const std::string& text, trace::PointF centre, int pixels,
            trace::Rgb colour) {
    ASSERT_EQ(render::ensureGuiApplication(), "");
    QImage cover(r.width(), r.height(), QImage::Format_Alpha8);
    cover.fill(0);
    {
        QPainter p(&cover);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setHintingPreference(QFont::PreferNoHinting);
        p.setFont(font);
        const QRectF box = p.fontMetrics().boundingRect(QString::fromStdString(text));
        p.translate(centre.x - box.center().x(), centre.y - box.center().y());
        p.drawText(QPointF(0, 0), QString::fromStdString(text));
    }
    for (int y = 0; y < r.height(); ++y) {
        const uchar* c = cover.constScanLine(y);
        for (int x = 0; x < r.width(); ++x)
            if (c[x] > 0) blend(r.row(y)[x], c[x] / 255.0, colour);
    }
}

} // namespace tracelle::testing
