// The project file ".trc": the picture, its canvas, the calibration, points and lines
// tables, one comma-text line a row, in Windows-1252 with CR LF.
#pragma once

#include "model/TextTable.h"
#include "model/transform/Axes.h"
#include "model/transform/Transform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tracelle::model {
class Project;
}

namespace tracelle::files {

inline constexpr const char* kProjectKeyword = "/TRACELLE";
// After the last line row, for a PDF picture: this keyword line, then its page and resolution.
inline constexpr std::string_view kPdfPageKeyword = "/page PDF  dpi";

// Writes the project through a temporary file; "" on success, else the reason. The tables
// are written up to N, the current line and K without being cut in memory.
std::string sauve_projet(const model::Project& project, const std::string& path);

// The name of the project file for a name chosen in the save dialog: its extension, if any,
// replaced by ".trc".
std::string nomProjet(const std::string& chosen);

// A project file's text, read line by line and, for its counts, number by number.
class ProjectText {
public:
    // The first line only, so that a file of any size is refused quickly.
    static std::optional<std::string> firstLine(const std::string& path);
    static std::optional<ProjectText> read(const std::string& path, std::string* error);

    std::string_view line(std::size_t index) const; // 0-based; empty past the end
    std::size_t lineCount() const { return lines_.size(); }
    // Whether the last line has its line end: every line the program writes has one.
    bool lastLineEnded() const { return !text_.empty() && text_.back() == '\n'; }

    // From the start of line `index`: the integers of the canvas line, then the three counts,
    // each read after blanks and line ends as the file's layout allows. 0 when read, else
    // the number of the line where the reading failed.
    int readCanvas(int& width, int& height, int& dx0, int& dy0);
    int readCounts(std::int64_t& n, std::int64_t& lines, std::int64_t& k);
    // The line (from 1) where count `which` (0: N, 1: lines, 2: K) was read.
    int countLine(int which) const { return countLines_[which]; }
    // The line after the counts: the header row.
    std::size_t tablesStart() const { return next_; }

    // Where line `index` starts in the bytes `release` gives; throws std::length_error when
    // it ends beyond 4 GB, as `keep`.
    std::size_t lineStart(std::size_t index) const;
    // A text made from the lines, added after them; where it lies in those bytes.
    model::CellSpan keep(std::string_view made);
    // The file's bytes, then its converted lines and the texts kept: the text of the tables'
    // cells. Nothing can be read after.
    std::string release() &&;

private:
    bool readInt(std::int64_t& value);
    void skipRestOfLine();

    std::string text_; // the file's bytes
    // The lines of a Windows-1252 file that hold a byte above 127, as UTF-8, one after the
    // other: a line's start counts on from the end of text_ into them.
    std::string converted_;
    std::string kept_;                                       // after converted_
    std::vector<std::pair<std::size_t, std::size_t>> lines_; // start and length
    std::size_t next_ = 0;                                   // line of the reading cursor
    std::size_t column_ = 0;
    int countLines_[3] = {0, 0, 0};
};

// The rows of the tables as stored, starting at the header row `start`.
struct ProjectTables {
    static constexpr int kPointCells = 9; // n, L, Libellé, X, Y, Z, x, y, z
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> calibration;
    // The points' cells row after row in one block (a row of empty cells first, where the
    // table keeps its headers), pointing into the file's bytes: 100,000 points are not
    // 900,000 strings. Their text is the file's, given once everything else is read.
    model::TextRows points;
    std::vector<std::vector<std::string>> lines;
    // After the lines: the calibration rows from 4 on, the model and axes, the rows left out.
    std::vector<std::vector<std::string>> controlPoints;
    model::TransformMethod method = model::TransformMethod::Affine;
    model::AxisKinds axes;
    std::vector<int> leftOut;

    int pointCount() const {
        return points.cells.empty() ? 0 : static_cast<int>(points.cells.size()) / kPointCells - 1;
    }
    // Cell c of point row j, from 1.
    std::string_view pointCell(int j, int c) const {
        return points[static_cast<std::size_t>(j) * kPointCells + static_cast<std::size_t>(c)];
    }
};
// The header, K calibration rows, then N points and NL lines; rows the file lacks come back
// empty. The points' text is the text's, once released.
ProjectTables litTables(ProjectText& text, std::size_t start, int k, int n, int nl);

// Why a project file was refused: the line of the file where its reading stopped (0 when the
// file as a whole cannot be read) and the program's message, which names that line.
struct ProjectError {
    int line = 0;
    std::string message;
};

// A project file read and checked whole, as the open command replaces the project with it.
struct ProjetLu {
    std::string image; // the picture's path as stored; empty for none
    int width = 0, height = 0, dx0 = 0, dy0 = 0;
    std::int64_t n = 0, lines = 0, k = 0;
    ProjectTables tables;
    int pdfPage = 0, pdfDpi = 0; // a PDF's page and resolution; 0 for any other picture
};
// Either every row the counts announce, each cell the program reads as a number readable
// without a question, or nothing with the reason in `error`: a file that is not a project,
// cannot be read, or has a damaged canvas line, count or row.
std::optional<ProjetLu> lisProjet(const std::string& path, ProjectError& error);

// The project file opened without decoding its picture (for work without windows): the
// picture's path and canvas as stored, then the tables. "" on success, else the message.
std::string chargeProjetSansImage(const std::string& path, model::Project& project);

// The tables read by the open command replace the project's: header, calibration rows and
// records, then, when there are points, points and lines each shown and numbered by its row.
void appliqueTables(model::Project& project, ProjectTables tables, int k, int n, int nl);
// The real X, Y, Z of another project's calibration rows (three at most) replace ours; the
// rest of our rows is kept. Every point is then recomputed.
void importeValeursCalage(model::Project& project, const ProjectTables& tables);
// Another project's points and lines appended after ours, labelled "b", their lines
// numbered after ours; every point is then recomputed from its image position.
void completePoints(model::Project& project, const ProjectTables& tables);

} // namespace tracelle::files
