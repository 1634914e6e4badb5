#include "files/CalibrationSections.h"

#include "files/CommaText.h"
#include "files/ProjectCheck.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "model/transform/ModelNames.h"
#include "platform/Language.h"

#include <sstream>

namespace tracelle::files {

using platform::fill;
using platform::translate;

void appendCalibrationSections(std::string& out, const model::Project& project) {
    const auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    if (project.calibrationMethod() != model::TransformMethod::Affine ||
        !(project.axisKinds() == model::AxisKinds{})) {
        line(kCalibrationModelKeyword);
        line(std::string(model::methodName(project.calibrationMethod())) + "  " +
             model::axesText(project.axisKinds()));
    }
    const model::TextTable& cal = project.calibration();
    if (const int count = project.controlPointCount(); count > 3) {
        line(kControlPointsKeyword);
        line(std::to_string(count - 3));
        for (int r = 4; r <= count; ++r) {
            std::string row;
            for (int c = 0; c < cal.columnCount(); ++c) {
                if (c > 0) row += ',';
                appendCell(row, cal.cell(r, c));
            }
            line(row);
        }
    }
    if (const auto rows = project.leftOutRows(); !rows.empty()) {
        line(kLeftOutKeyword);
        std::string list;
        for (const int r : rows)
            list += (list.empty() ? "" : "  ") + std::to_string(r);
        line(list);
    }
}

namespace {

// The line number (from 1) of 0-based line i.
std::int64_t lineNumber(std::size_t i) {
    return static_cast<std::int64_t>(i) + 1;
}

} // namespace

std::optional<ProjectError> readCalibrationSections(const ProjectText& text, std::size_t from,
                                                    ProjectTables& tables) {
    for (std::size_t i = from; i < text.lineCount(); ++i) {
        const std::string_view keyword = text.line(i);
        if (keyword == kCalibrationModelKeyword) {
            const std::string values = model::enleve_blancs(text.line(++i));
            const auto space = values.find(' ');
            const auto method = model::methodNamed(values.substr(0, space));
            const auto axes = model::axesFromText(
                space == std::string::npos ? std::string() : values.substr(space));
            if (!method || !axes)
                return faultAt(lineNumber(i),
                               fill(translate("CalibrationSections",
                                              "le modèle de calage (affine, helmert, projective "
                                              "ou poly2) et ses axes sont attendus, et non <%1>"),
                                    {model::excerptForMessage(values)}));
            tables.method = *method;
            tables.axes = *axes;
        } else if (keyword == kControlPointsKeyword) {
            const model::EntierLu count = model::lit_entier(model::enleve_blancs(text.line(++i)));
            if (count.errorPosition != 0 || count.value < 0)
                return faultAt(lineNumber(i),
                               fill(translate("CalibrationSections",
                                              "le nombre de points de contrôle, un entier positif "
                                              "ou nul, est attendu, et non <%1>"),
                                    {model::excerptForMessage(text.line(i))}));
            if (i + static_cast<std::size_t>(count.value) >= text.lineCount())
                return faultAt(
                    lineNumber(text.lineCount()),
                    fill(translate("CalibrationSections",
                                   "il manque des points de contrôle : %1 sont annoncés"),
                         {std::to_string(count.value)}));
            const model::TextTable header(tables.header);
            for (int r = 0; r < count.value; ++r) {
                auto row = decodeRow(text.line(++i), ProjectTables::kPointCells);
                // Read now, quietly, so that no question can open once the project is replaced.
                if (auto fault = checkCalibrationRow(
                        row, header, lineNumber(i),
                        fill(translate("ProjectCheck", "le point de contrôle %1"),
                             {std::to_string(r + 4)})))
                    return fault;
                tables.controlPoints.push_back(std::move(row));
            }
        } else if (keyword == kLeftOutKeyword) {
            std::istringstream in{std::string(text.line(++i))};
            for (std::string word; in >> word;) {
                const model::EntierLu row = model::lit_entier(word);
                if (row.errorPosition != 0 || row.value < 1)
                    return faultAt(lineNumber(i),
                                   fill(translate("CalibrationSections",
                                                  "des numéros de points de contrôle sont "
                                                  "attendus, et non <%1>"),
                                        {model::excerptForMessage(word)}));
                tables.leftOut.push_back(row.value);
            }
        }
    }
    return std::nullopt;
}

} // namespace tracelle::files
