// The measurement of the line nearest the mouse: report in the text panel, or rescaling for
// a line of two points.
#include "measure/VectorMeasure.h"
#include "model/extraitUTIL.h"
#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "ui/CalibrationPanels.h"
#include "ui/TextPanel.h"
#include "ui/scroll.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <cstdio>

namespace tracelle::ui {

void Scroll::Surface1Click() {
    if (project_.N() < 2) {
        platform::interaction().beep();
        return;
    }
    redessiner_calque();
    if (drawsLines_ && !project_.lineBreakPending()) eraseRubberBand();
    model::NearestPoint nearest; // line 0 when no point is shown
    project_.cherche_proche_indice_ligne_point(nearest);
    const int l = nearest.line;

    std::vector<measure::FanTriangle> fan;
    measure::surface_indice_ligne(project_, l, &fan);
    if (!layer_.empty() && !fan.empty()) {
        // The fan of triangles from the first point shows how the area was summed.
        QImage image(reinterpret_cast<uchar*>(layer_.data()), layer_.width(), layer_.height(),
                     static_cast<qsizetype>(layer_.stride() * sizeof(picture::Pixel)),
                     QImage::Format_RGB555);
        QPainter p(&image);
        const int width = std::max(1, layer_.width() / 1000);
        for (const auto& t : fan) {
            p.setPen(QPen(QColor(234, 200, 62), width));
            p.drawLine(t.x0, t.y0, t.x1, t.y1);
            p.drawLine(t.x1, t.y1, t.x2, t.y2);
            p.setPen(QPen(QColor(0, 255, 255), width));
            p.drawLine(t.x0, t.y0, t.x2, t.y2);
        }
    }
    repaintView();

    model::Real twoPoints = 0;
    const std::vector<std::string> report = measure::rapportSurface(project_, l, twoPoints);
    if (report.empty()) {
        project_.setLastDistance(twoPoints);
        scalePanel_->captionLabel()->setText(
            QStringLiteral("La suite (") + QString::number(l) +
            QStringLiteral(") ne contient que 2 points distants de ") +
            QString::fromStdString(model::texte_general(twoPoints)));
        char text[64];
        std::snprintf(text, sizeof text, "%8.6f ", static_cast<double>(twoPoints));
        QString distance = QString::fromLatin1(text);
        distance.replace('.', QChar(platform::decimalSeparator()));
        scalePanel_->distanceLabel()->setText(QStringLiteral("distance calculée = ") + distance);
        scalePanel_->show();
        scalePanel_->raise();
        scalePanel_->distanceBox()->setFocus();
        return;
    }
    textPanel_->show();
    textPanel_->raise();
    for (const std::string& line : report)
        textPanel_->append(QString::fromStdString(line));
}

} // namespace tracelle::ui
