// The measurement of the line nearest the mouse: report in the text panel, or rescaling for
// a line of two points.
#include "measure/VectorMeasure.h"
#include "model/NumberText.h"
#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "ui/CalibrationPanels.h"
#include "ui/ImageArea.h"
#include "ui/LayerPainter.h"
#include "ui/MainWindow.h"
#include "ui/TextPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>
#include <cstdio>

namespace tracelle::ui {

void MainWindow::reportNearestLine() {
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
        LayerPainter painter(layer_);
        const int width = std::max(1, layer_.width() / 1000);
        const QPen edge(QColor(234, 200, 62), width), closing(QColor(0, 255, 255), width);
        for (const auto& t : fan) {
            painter.line({t.x0, t.y0}, {t.x1, t.y1}, edge);
            painter.line({t.x1, t.y1}, {t.x2, t.y2}, edge);
            painter.line({t.x0, t.y0}, {t.x2, t.y2}, closing);
        }
    }
    repaintView();

    model::Real twoPoints = 0;
    const std::vector<std::string> report = measure::rapportSurface(project_, l, twoPoints);
    if (report.empty()) {
        project_.setLastDistance(twoPoints);
        const measure::TextesDeuxPoints texts = measure::textesDeuxPoints(l, twoPoints);
        scalePanel_->captionLabel()->setText(QString::fromStdString(texts.caption));
        scalePanel_->distanceLabel()->setText(QString::fromStdString(texts.distance));
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

void MainWindow::CapClick() {
    capButton_->setChecked(true);
    modeBefore_ = capButton_;
    project_.setLineBreakPending(true);
    if (hasPicture()) Redessiner();
    cap_.CapClick();
    cumulLabel_->setText(QStringLiteral("Distance cumulée= 0.0"));
    if (!textPanel_->isHidden()) {
        textPanel_->append(cumulLabel_->text());
    } else {
        textPanel_->show();
        textPanel_->raise();
        textPanel_->memo()->clear();
        textPanel_->append(QStringLiteral(" "));
        textPanel_->append(QStringLiteral(" Distance cumulée : "));
    }
    avecLignes_->setChecked(true);
    hideColouringControls();
}

void MainWindow::capClickAt(int x, int y) {
    if (project_.N() == 0) {
        platform::interaction().information("pas de points digitalisés");
        DigitaliserClick();
        return;
    }
    project_.setMousePosition({x, y});
    model::NearestPoint nearest{0, cap_.previous()};
    project_.cherche_proche_indice_ligne_point(nearest);
    selectRow(model::TableId::Points, nearest.point);
    const QString text = QString::fromStdString(cap_.click(project_, nearest.point, {}));
    cumulLabel_->setText(text);
    textPanel_->append(text);
}

void MainWindow::capMoveAt(int x, int y, QPoint position) {
    model::NearestPoint nearest{0, cap_.previous()};
    project_.cherche_proche_indice_ligne_point(nearest);
    const std::string step = cap_.move(project_, nearest.point, {});
    if (!step.empty()) {
        stepLabel_->setText(QString::fromStdString(step));
        stepLabel_->repaint();
    }
    if (cap_.startPending()) {
        floating_->setText(QStringLiteral(" sélectionnez un départ"));
    } else {
        const measure::DistanceCap toMouse =
            measure::distance_entre_point_et_XY(project_, cap_.previous(), x, y, {});
        char text[96];
        std::snprintf(text, sizeof text, "Distance= %8.4f  Cap= %8.2f  ",
                      static_cast<double>(toMouse.d), static_cast<double>(toMouse.cap));
        QString status = QString::fromLatin1(text);
        status.replace('.', QChar(platform::decimalSeparator()));
        status_[2]->setText(status);
        std::snprintf(text, sizeof text, "D= %8.4f  Cap= %8.2f  proxi=  %2d",
                      static_cast<double>(toMouse.d), static_cast<double>(toMouse.cap),
                      nearest.point);
        QString floating = QString::fromLatin1(text);
        floating.replace('.', QChar(platform::decimalSeparator()));
        floating_->setText(floating);
    }
    floating_->adjustSize();
    QPoint near = position + QPoint(10, 10);
    near.setX(std::min(near.x(), imageArea_->width() - floating_->width()));
    near.setY(std::min(near.y(), imageArea_->height() - floating_->height()));
    floating_->move(imageArea_->mapTo(centralWidget(), near));
    floating_->show();
    floating_->raise();
}

} // namespace tracelle::ui
