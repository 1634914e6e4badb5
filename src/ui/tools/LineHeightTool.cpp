#include "ui/tools/LineHeightTool.h"

#include "model/LineHeight.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Interaction.h"
#include "platform/Language.h"
#include "ui/tools/PointDragTool.h"

namespace tracelle::ui {

void LineHeightTool::pressed(const ToolEvent& event) {
    model::Project& project = context_.project;
    const model::Picked picked = pointSousSouris(project, context_.area, event.position);
    model::PointRow row;
    if ((picked.kind != model::Picked::Point && picked.kind != model::Picked::Segment) ||
        !project.liste_extrait_Lxy(picked.row, row)) {
        platform::interaction().beep();
        context_.setStatus(1, tr("Pas de ligne sous le clic"));
        return;
    }
    const std::string line = model::format_entier(row.L, 1);
    // The height the line holds now is proposed: the first point's, as the table shows it.
    const auto typed = platform::interaction().askText(
        tr("Z par ligne").toStdString(),
        platform::fill(tr("Z de tous les points de la ligne %1 :").toStdString(), {line}),
        model::texte_general(row.Z));
    if (!typed) return;
    const auto Z = model::texte_en_reel_strict(*typed);
    if (!Z) {
        platform::interaction().information(model::texte_pas_un_reel(*typed));
        return;
    }
    const int changed = model::setLineHeight(project, row.L, *Z);
    context_.setStatus(1, tr("Ligne %1 : %2 points à Z = %3")
                              .arg(QString::fromStdString(line), QString::number(changed),
                                   QString::fromStdString(model::texte_general(*Z))));
    settled_();
}

} // namespace tracelle::ui
