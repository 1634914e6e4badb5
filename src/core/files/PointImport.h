// Points whose real coordinates come from a text file, and calibration values pasted from
// the clipboard.
#pragma once

#include <string>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

// The lines of a text of "X Y label" (space, or tab from the first line holding one), each
// added to the current line at the image position of its real coordinates. Empty lines and
// lines starting with an apostrophe are skipped. Returns the number of points added.
int ajoutePointsTexte(model::Project& project, const std::string& text);

// The first eleven lines give the X, Y, Z of calibration rows 1 to 3; an empty field leaves
// its cell. Every point is then recomputed.
void colleValeursCalage(model::Project& project, const std::string& text);

} // namespace tracelle::files
