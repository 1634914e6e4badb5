// The formatted export of the coordinates: one line a point with the chosen columns,
// separator and decimal mark, or a resampling at a regular X step.
#pragma once

#include "model/Real.h"

#include <string>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

struct ExportChoices {
    bool n = false, L = false, label = false, X = true, Y = true, Z = false;
    bool x = false, y = false, z = false;
    bool interDistance = false, cumulative = false;
    bool withCalibration = false;
    bool shownLinesOnly = true;
    bool decimalComma = false; // "virgule"; "point" otherwise
    std::string separator = "\t";
    std::string extension = "txt"; // "txt", "xls", "bln" or the custom text
    bool firstLine = true;
    bool firstLineCount = true;
    std::string firstLineText = "0";
    bool normalized = false;
    std::string step = "0.05", xMin = "0", xMax = "1";
    bool regression = true; // else the nearest point
};

struct ExportResult {
    std::string text;  // the lines, each ended by CR LF (UTF-8 here; written as Windows-1252)
    std::string error; // a cell that could not be read: nothing is written then
    model::Real xMinRead = 1e10L;
    model::Real xMaxRead = -10000;
};

// The most lines a resampling writes: beyond, the export is refused before it starts.
inline constexpr model::Real kMaxNormalizedSteps = 10'000'000;

ExportResult exporte(const model::Project& project, const ExportChoices& choices);

// base + the chosen extension ("dat" and ".dat" both give base.dat).
std::string nomExport(const std::string& base, const std::string& extension);

} // namespace tracelle::files
