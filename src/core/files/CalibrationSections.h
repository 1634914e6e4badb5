// The calibration beyond three points in a project file: the model and the axes, the further
// control points and the left-out ones, each under its keyword line after the last line row,
// where a reader that does not know them has stopped.
#pragma once

#include "files/ProjectFile.h"

#include <optional>
#include <string>

namespace tracelle::files {

inline constexpr std::string_view kCalibrationModelKeyword = "/modèle de calage  axes";
inline constexpr std::string_view kControlPointsKeyword =
    "/points de contrôle  après les 3 de calage";
inline constexpr std::string_view kLeftOutKeyword = "/points de contrôle exclus";

// Nothing for a three-point affine calibration on linear axes: such files keep their bytes.
void appendCalibrationSections(std::string& out, const model::Project& project);

// The sections found from line `from` (0-based) on, into `tables`; other lines are passed over.
std::optional<ProjectError> readCalibrationSections(const ProjectText& text, std::size_t from,
                                                    ProjectTables& tables);

} // namespace tracelle::files
