// A project with a scripted user and recording windows, and a simple calibration:
// image (x, y) is real (x − 10, 110 − y).
#pragma once

#include "model/NumberText.h"
#include "model/Project.h"
#include "support/RecordingView.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <gtest/gtest.h>

namespace tracelle::testing {

class ProjectTest : public ::testing::TestWithParam<char> {
protected:
    ProjectTest() { project.setView(&view); }

    void calibrate() {
        project.affecte_calage(1, 0, "cal 1", 0, 100, 0);
        project.affecte_calage(2, 0, "cal 2", 0, 0, 0);
        project.affecte_calage(3, 0, "cal 3", 0, 0, 100);
        project.valide_point_calage(10, 10);
        project.valide_point_calage(10, 110);
        project.valide_point_calage(110, 110);
        view.calls.clear();
    }

    std::string cell(int row, const char* header) const {
        return std::string(project.points().cell(row, project.indice_col(header)));
    }
    std::string calCell(int row, const char* header) const {
        return std::string(project.calibration().cell(row, project.indice_col_cal(header)));
    }
    std::string ds(const char* text) const { return withSeparator(text, GetParam()); }

    SeparatorScope scope{GetParam()};
    ScriptedInteraction ui;
    RecordingView view;
    model::Project project;
};

} // namespace tracelle::testing
