#include "ui/tools/CapTool.h"

#include "measure/VectorMeasure.h"
#include "model/Project.h"
#include "platform/DecimalSeparator.h"
#include "platform/Interaction.h"
#include "ui/ImageArea.h"
#include "ui/TextPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <cstdio>

namespace tracelle::ui {

CapTool::CapTool(ToolContext context, CapLabels labels, std::function<void()> noPoints)
    : ClickTool(std::move(context)), labels_(labels), noPoints_(std::move(noPoints)) {}

void CapTool::activate() {
    context_.project.setLineBreakPending(true);
    cap_.CapClick();
    labels_.cumul->setText(tr("Distance cumulée= 0.0"));
    TextPanel* panel = labels_.text;
    if (!panel->isHidden()) {
        panel->append(labels_.cumul->text());
    } else {
        panel->show();
        panel->raise();
        panel->memo()->clear();
        panel->append(QStringLiteral(" "));
        panel->append(tr(" Distance cumulée : "));
    }
}

void CapTool::deactivate() {
    labels_.step->clear();
    labels_.cumul->clear();
    labels_.floating->hide();
}

void CapTool::pressed(const ToolEvent& event) {
    model::Project& project = context_.project;
    if (project.N() == 0) {
        platform::interaction().information(tr("pas de points digitalisés").toStdString());
        noPoints_();
        return;
    }
    if (const auto refusal = measure::mesureSansSens(project)) {
        platform::interaction().information(*refusal);
        return;
    }
    project.setMousePosition({event.pixel.x(), event.pixel.y()});
    model::NearestPoint nearest{0, cap_.previous()};
    project.cherche_proche_indice_ligne_point(nearest);
    project.view().selectRow(model::TableId::Points, nearest.point);
    const QString text = QString::fromStdString(cap_.click(project, nearest.point, {}));
    labels_.cumul->setText(text);
    labels_.text->append(text);
}

bool CapTool::moved(const ToolEvent& event) {
    model::Project& project = context_.project;
    // Axes turned logarithmic or polar during a sequence: nothing to show; a click says why.
    if (measure::mesureSansSens(project)) {
        labels_.floating->hide();
        return false;
    }
    model::NearestPoint nearest{0, cap_.previous()};
    project.cherche_proche_indice_ligne_point(nearest);
    const std::string step = cap_.move(project, nearest.point, {});
    if (!step.empty()) {
        labels_.step->setText(QString::fromStdString(step));
        labels_.step->repaint();
    }
    QLabel* floating = labels_.floating;
    if (cap_.startPending()) {
        floating->setText(tr(" sélectionnez un départ"));
    } else {
        const measure::DistanceCap toMouse = measure::distance_entre_point_et_XY(
            project, cap_.previous(), event.pixel.x(), event.pixel.y(), {});
        const auto number = [](model::Real value, int decimals) {
            char text[48];
            std::snprintf(text, sizeof text, "%8.*f", decimals, static_cast<double>(value));
            return QString::fromLatin1(text).replace('.', QChar(platform::decimalSeparator()));
        };
        const QString d = number(toMouse.d, 4);
        const QString cap = number(toMouse.cap, 2);
        context_.setStatus(2, tr("Distance= %1  Cap= %2  ").arg(d, cap));
        floating->setText(tr("D= %1  Cap= %2  proxi=  %3")
                              .arg(d, cap, QStringLiteral("%1").arg(nearest.point, 2)));
    }
    floating->adjustSize();
    ImageArea& area = context_.area;
    QPoint near = event.position + QPoint(10, 10);
    near.setX(std::min(near.x(), area.width() - floating->width()));
    near.setY(std::min(near.y(), area.height() - floating->height()));
    floating->move(area.mapTo(floating->parentWidget(), near));
    floating->show();
    floating->raise();
    return false;
}

} // namespace tracelle::ui
