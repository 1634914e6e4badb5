#include "files/ProjectFile.h"

#include "files/CalibrationSections.h"
#include "files/CommaText.h"
#include "files/Cp1252.h"
#include "files/ProjectCheck.h"
#include "files/TextFile.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "platform/Language.h"
#include "platform/LargePages.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tracelle::files {

namespace {

void appendRow(std::string& out, const model::TextTable& table, int row) {
    for (int c = 0; c < table.columnCount(); ++c) {
        if (c > 0) out += ',';
        appendCell(out, table.cell(row, c));
    }
}

} // namespace

std::string nomProjet(const std::string& chosen) {
    std::filesystem::path p(chosen);
    p.replace_extension(".trc");
    return p.string();
}

std::string sauve_projet(const model::Project& project, const std::string& path) {
    std::string out;
    out.reserve(static_cast<std::size_t>(project.N()) * 80 + 1024);
    const auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };
    const auto& picture = project.picture();
    line(kProjectKeyword);
    line(picture.file);
    line("/taille image LxH dx0/dy0");
    line(std::to_string(picture.canvasWidth) + "  " + std::to_string(picture.canvasHeight) + "  " +
         std::to_string(picture.ox) + "  " + std::to_string(picture.oy));
    line("/nombre de  points");
    line(std::to_string(project.N()));
    line("/nombre de  lignes");
    line(std::to_string(project.currentLine()));
    line("/nombre de points de calage  X Y (Z)");
    line(std::to_string(project.K()));
    const auto rows = [&out](const model::TextTable& table, int first, int last) {
        for (int r = first; r <= last; ++r) {
            appendRow(out, table, r);
            out += "\r\n";
        }
    };
    rows(project.calibration(), 0, project.K());
    rows(project.points(), 1, project.N());
    rows(project.lines(), 1, project.currentLine());
    // After the last row, where the readers that do not know it stop reading.
    if (const model::PictureState& p = project.picture(); p.pdfPage > 0) {
        line(std::string(kPdfPageKeyword));
        line(std::to_string(p.pdfPage) + "  " + std::to_string(p.pdfDpi));
    }
    appendCalibrationSections(out, project);
    return writeTextFile(path, out);
}

std::optional<std::string> ProjectText::firstLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string first(4096, '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    first.resize(static_cast<std::size_t>(in.gcount()));
    first = first.substr(0, first.find('\n'));
    if (!first.empty() && first.back() == '\r') first.pop_back();
    return fileTextToUtf8(first);
}

std::optional<ProjectText> ProjectText::read(const std::string& path, std::string* error) {
    // Room for the converted lines of a usual project (its header, a few labels) and the texts
    // kept for its cells: they join the bytes without moving them.
    auto bytes = readBytesFile(path, error, 4096);
    if (!bytes) return std::nullopt;
    ProjectText t;
    t.text_ = std::move(*bytes);
    const std::string_view text = t.text_;
    // The file is read as Windows-1252 unless it is valid UTF-8 as a whole; its ASCII lines,
    // nearly all, read the same either way and are kept as places in the one text, uncopied.
    const bool cp1252 = !isValidUtf8(text);
    std::size_t high = cp1252 ? asciiPrefix(text) : text.size(); // the next byte above 127
    // A guess: counting the lines first costs a pass.
    platform::reserveInLargePages(t.lines_, text.size() / 64);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t length = end - start;
        if (length > 0 && text[start + length - 1] == '\r') --length;
        if (high < end) {
            const std::size_t from = t.converted_.size();
            appendCp1252AsUtf8(t.converted_, text.substr(start, length));
            t.lines_.push_back({text.size() + from, t.converted_.size() - from});
            high = end + asciiPrefix(text.substr(end));
        } else if (end < text.size() || length > 0) {
            t.lines_.push_back({start, length});
        }
        start = end + 1;
    }
    return t;
}

namespace {

// Cells are found by 32-bit places: a text beyond is refused, never cut.
void checkPlace(std::size_t end) {
    if (end > UINT32_MAX) throw std::length_error("ProjectText");
}

} // namespace

std::size_t ProjectText::lineStart(std::size_t index) const {
    checkPlace(lines_[index].first + lines_[index].second);
    return lines_[index].first;
}

model::CellSpan ProjectText::keep(std::string_view made) {
    const std::size_t at = text_.size() + converted_.size() + kept_.size();
    checkPlace(at + made.size());
    kept_.append(made);
    return {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(made.size())};
}

std::string ProjectText::release() && {
    text_.append(converted_).append(kept_);
    return std::move(text_);
}

std::string_view ProjectText::line(std::size_t index) const {
    if (index >= lines_.size()) return {};
    const auto [start, length] = lines_[index];
    if (start < text_.size()) return std::string_view(text_).substr(start, length);
    return std::string_view(converted_).substr(start - text_.size(), length);
}

bool ProjectText::readInt(std::int64_t& value) {
    // Blanks and line ends before the number are passed.
    while (next_ < lines_.size()) {
        const std::string_view l = line(next_);
        while (column_ < l.size() && (l[column_] == ' ' || l[column_] == '\t'))
            ++column_;
        if (column_ < l.size()) break;
        ++next_;
        column_ = 0;
    }
    const std::string_view l = line(next_);
    std::size_t i = column_;
    const bool negative = i < l.size() && l[i] == '-';
    if (i < l.size() && (l[i] == '-' || l[i] == '+')) ++i;
    const std::size_t digits = i;
    std::int64_t v = 0;
    while (i < l.size() && l[i] >= '0' && l[i] <= '9' && v < (std::int64_t{1} << 40))
        v = v * 10 + (l[i++] - '0');
    if (i == digits || (i < l.size() && l[i] != ' ' && l[i] != '\t')) return false;
    column_ = i;
    value = negative ? -v : v;
    return true;
}

void ProjectText::skipRestOfLine() {
    ++next_;
    column_ = 0;
}

int ProjectText::readCanvas(int& width, int& height, int& dx0, int& dy0) {
    next_ = 3; // line 4
    column_ = 0;
    std::int64_t v[4];
    for (int i = 0; i < 4; ++i) {
        if (!readInt(v[i]) || v[i] < INT32_MIN || v[i] > INT32_MAX)
            return static_cast<int>(next_) + 1;
    }
    column_ = line(next_).size(); // the rest of the canvas line is ignored
    width = static_cast<int>(v[0]);
    height = static_cast<int>(v[1]);
    dx0 = static_cast<int>(v[2]);
    dy0 = static_cast<int>(v[3]);
    return 0;
}

int ProjectText::readCounts(std::int64_t& n, std::int64_t& lines, std::int64_t& k) {
    // Each count follows its keyword line, read where the previous reading stopped.
    std::int64_t* targets[3] = {&n, &lines, &k};
    for (int i = 0; i < 3; ++i) {
        skipRestOfLine(); // the end of the line read last
        skipRestOfLine(); // the keyword line
        const bool read = readInt(*targets[i]);
        countLines_[i] = static_cast<int>(next_) + 1;
        if (!read) return countLines_[i];
        column_ = line(next_).size();
    }
    skipRestOfLine();
    return 0;
}

ProjectTables litTables(ProjectText& text, std::size_t start, int k, int n, int nl) {
    ProjectTables t;
    constexpr int width = ProjectTables::kPointCells;
    std::size_t at = start;
    t.header = decodeRow(text.line(at++), width);
    for (int i = 0; i < k; ++i)
        t.calibration.push_back(decodeRow(text.line(at++), width));
    if (n > 0) {
        const std::size_t cells = (static_cast<std::size_t>(n) + 1) * width;
        auto& spans = t.points.cells;
        platform::reserveInLargePages(spans, cells);
        spans.resize(width);
        for (int i = 1; i <= n; ++i) {
            const std::size_t end = spans.size() + width;
            const std::string_view line = text.line(at);
            const std::size_t start = text.lineStart(at++);
            decodeFields(line, width, [&](std::string_view cell, bool inLine) {
                if (inLine)
                    spans.push_back(
                        {static_cast<std::uint32_t>(
                             start + static_cast<std::size_t>(cell.data() - line.data())),
                         static_cast<std::uint32_t>(cell.size())});
                else
                    spans.push_back(text.keep(cell));
            });
            spans.resize(end);
        }
    }
    // Written whatever N: the open command alone passes them over when there is no point.
    for (int i = 0; i < nl; ++i)
        t.lines.push_back(decodeRow(text.line(at++), 4));
    return t;
}

namespace {

constexpr const char* kCountNames[3] = {
    QT_TRANSLATE_NOOP("ProjectFile", "le nombre de points"),
    QT_TRANSLATE_NOOP("ProjectFile", "le nombre de lignes"),
    QT_TRANSLATE_NOOP("ProjectFile", "le nombre de points de calage")};

ProjectError countFault(int line, int which, std::string_view found) {
    return faultAt(
        line, platform::fill(platform::translate("ProjectFile", "%1, un entier positif ou nul, est "
                                                                "attendu, et non <%2>"),
                             {platform::translate("ProjectFile", kCountNames[which]),
                              model::excerptForMessage(found)}));
}

// Counts that cannot be right: told with the line they stand on and what they should be.
std::optional<ProjectError> checkCounts(const ProjectText& text, const ProjetLu& read) {
    const std::int64_t counts[3] = {read.n, read.lines, read.k};
    for (int i = 0; i < 3; ++i) {
        if (counts[i] < 0 || counts[i] > INT32_MAX)
            return countFault(text.countLine(i), i, std::to_string(counts[i]));
    }
    if (read.k > 3)
        return ProjectError{
            text.countLine(2),
            platform::fill(platform::translate("ProjectFile", "Problème de lecture\nn_calc=%1 à "
                                                              "la ligne %2 du fichier : 3 points "
                                                              "de calage au plus"),
                           {std::to_string(read.k), std::to_string(text.countLine(2))})};
    return std::nullopt;
}

// The lines after the tables: the file's last line end, a PDF's page, the calibration
// beyond three points.
std::optional<ProjectError> readAfterTables(const ProjectText& text, ProjetLu& read) {
    // The line rows are written whatever N; the PDF page follows them.
    const std::size_t after = text.tablesStart() + 1 + static_cast<std::size_t>(read.k) +
                              static_cast<std::size_t>(read.n) +
                              static_cast<std::size_t>(read.lines);
    // Every line is written with its line end: without one, the file was cut inside its last line.
    if (!text.lastLineEnded())
        return faultAt(
            static_cast<std::int64_t>(text.lineCount()),
            platform::translate("ProjectFile",
                                "la ligne est incomplète : le fichier s'arrête avant sa fin"));
    if (text.line(after) == kPdfPageKeyword) {
        const std::string values = model::enleve_blancs(text.line(after + 1));
        const auto space = values.find(' ');
        const model::EntierLu page = model::lit_entier(values.substr(0, space));
        const model::EntierLu dpi = model::lit_entier(
            space == std::string::npos ? std::string()
                                       : model::enleve_blancs(values.substr(space)));
        if (page.errorPosition != 0 || dpi.errorPosition != 0 || page.value < 1 || dpi.value < 1)
            return faultAt(static_cast<std::int64_t>(after) + 2,
                           platform::fill(platform::translate("ProjectFile",
                                                              "la page PDF et sa résolution, deux "
                                                              "entiers positifs, sont attendues, "
                                                              "et non <%1>"),
                                          {model::excerptForMessage(values)}));
        read.pdfPage = page.value;
        read.pdfDpi = dpi.value;
    }
    return readCalibrationSections(text, after, read.tables);
}

} // namespace

std::optional<ProjetLu> lisProjet(const std::string& path, ProjectError& error) {
    error = {};
    const auto first = ProjectText::firstLine(path);
    if (!first) {
        error.message = platform::fill(
            platform::translate("ProjectFile", "impossible de lire le fichier %1"), {path});
        return std::nullopt;
    }
    if (*first != kProjectKeyword) {
        error = {1, platform::fill(platform::translate("ProjectFile",
                                                       " Le fichier n'est pas compatible \n le mot "
                                                       "clé en première ligne est manquant\n "
                                                       "/TRACELLE introuvable : mess= <%1>"),
                                   {model::excerptForMessage(*first)})};
        return std::nullopt;
    }
    auto text = ProjectText::read(path, &error.message);
    if (!text) return std::nullopt;
    ProjetLu read;
    read.image = std::string(text->line(1));
    if (const int failed = text->readCanvas(read.width, read.height, read.dx0, read.dy0)) {
        error = {failed, platform::fill(
                             platform::translate(
                                 "ProjectFile",
                                 "Ancien format : erreur =%1\nLes données dx0/dy0 sont "
                                 "manquantes\néventuellement recharger juste l'image, et recopier "
                                 "la ligne qui suit celle contenant\n /taille image LxH   "
                                 "dx0/dy0\ndans les fichiers *.trc"),
                             {std::to_string(failed)})};
        return std::nullopt;
    }
    if (const int failed = text->readCounts(read.n, read.lines, read.k)) {
        int which = 0; // the count whose line the reading stopped on
        while (which < 2 && text->countLine(which) != failed)
            ++which;
        error = countFault(failed, which,
                           model::enleve_blancs(text->line(static_cast<std::size_t>(failed - 1))));
        return std::nullopt;
    }
    // Everything is checked before anything is replaced: a damaged file leaves the project whole.
    const auto headerLine = static_cast<std::int64_t>(text->tablesStart()) + 1;
    auto fault = checkCounts(*text, read);
    if (!fault)
        fault = checkRowsPresent(static_cast<std::int64_t>(text->lineCount()), headerLine, read.k,
                                 read.n, read.lines);
    if (fault) {
        error = std::move(*fault);
        return std::nullopt;
    }
    try {
        read.tables = litTables(*text, text->tablesStart(), static_cast<int>(read.k),
                                static_cast<int>(read.n), static_cast<int>(read.lines));
    } catch (const std::length_error&) {
        error.message = tooLargeText(path, std::uint64_t{UINT32_MAX} + 1, UINT32_MAX);
        return std::nullopt;
    }
    // The faults of the lines after the tables are told after those of the tables, as they
    // come in the file; the text is then the points'.
    const std::optional<ProjectError> later = readAfterTables(*text, read);
    read.tables.points.text = std::move(*text).release();
    if (auto rows = checkTables(read.tables, headerLine))
        fault = std::move(rows);
    else
        fault = later;
    if (fault) {
        error = std::move(*fault);
        return std::nullopt;
    }
    return read;
}

std::string chargeProjetSansImage(const std::string& path, model::Project& project) {
    ProjectError error;
    auto read = lisProjet(path, error);
    if (!read) return error.message;
    project.picture() = {read->image, read->width,   read->height, read->dx0,
                         read->dy0,   read->pdfPage, read->pdfDpi};
    appliqueTables(project, std::move(read->tables), static_cast<int>(read->k),
                   static_cast<int>(read->n), static_cast<int>(read->lines));
    return {};
}

void appliqueTables(model::Project& project, ProjectTables tables, int k, int n, int nl) {
    auto& cal = project.calibration();
    auto& points = project.points();
    auto& lines = project.lines();
    model::TextTable::Bulk bulkPoints(points);
    model::TextTable::Bulk bulkLines(lines);
    cal.setRow(0, tables.header);
    points.setRow(0, tables.header);
    for (int i = 0; i < k; ++i)
        cal.setRow(i + 1, tables.calibration[static_cast<std::size_t>(i)]);
    cal.setRowCount(k + 1); // as written: clicks make the missing rows again
    if (k == 3) {
        for (auto& row : tables.controlPoints)
            cal.setRow(cal.rowCount(), std::move(row));
    }
    project.restoreCalibrationModel(tables.method, tables.axes, tables.leftOut);
    project.chargeCalage(k);
    if (n > 0) {
        points.replaceRows(std::move(tables.points), ProjectTables::kPointCells);
        lines.setRowCount(nl + 1);
        const int lCol = model::indice_col_grille(lines, "L");
        const int okCol = model::indice_col_grille(lines, "OK");
        for (int l = 1; l <= nl; ++l) {
            lines.setRow(l, tables.lines[static_cast<std::size_t>(l - 1)]);
            lines.setCell(l, lCol, model::_format(l, 2, 0));
            lines.setCell(l, okCol, "x");
        }
    }
    project.setN(n);
    project.setCurrentLine(nl);
    project.setLineBreakPending(false);
}

void importeValeursCalage(model::Project& project, const ProjectTables& tables) {
    project.completeCalibrationRows();
    auto& cal = project.calibration();
    for (std::size_t k = 0; k < tables.calibration.size() && k < 3; ++k) {
        const int row = static_cast<int>(k) + 1;
        for (const char* header : {"X", "Y", "Z"}) {
            const int from = model::indice_col_grille(model::TextTable(tables.header), header);
            const int to = project.indice_col_cal(header);
            if (from >= 0 && static_cast<std::size_t>(from) < tables.calibration[k].size())
                cal.setCell(row, to, tables.calibration[k][static_cast<std::size_t>(from)]);
        }
    }
    project.calcul_nouveaux_calage();
}

void completePoints(model::Project& project, const ProjectTables& tables) {
    auto& points = project.points();
    auto& lines = project.lines();
    const int n = project.N();
    const int nl = project.currentLine();
    {
        model::TextTable::Bulk bulk(points);
        points.setRowCount(n + tables.pointCount() + 1);
        for (int j = 1; j <= tables.pointCount(); ++j) {
            const int row = n + j;
            std::vector<std::string> cells;
            for (int c = 0; c < ProjectTables::kPointCells; ++c)
                cells.emplace_back(tables.pointCell(j, c));
            // By position, as the file's columns are the program's own.
            const int lineRead = model::val_entier(cells.size() > 1 ? cells[1] : "");
            if (cells.size() > 2) {
                cells[0] = model::_format(row, 3, 0);
                cells[1] = model::_format(nl + lineRead, 2, 0);
                cells[2].assign(1, 'b');
            }
            points.setRow(row, cells);
        }
    }
    project.setN(n + tables.pointCount());
    lines.setRowCount(nl + static_cast<int>(tables.lines.size()) + 1);
    const int lCol = model::indice_col_grille(lines, "L");
    for (std::size_t j = 0; j < tables.lines.size(); ++j) {
        const int row = nl + static_cast<int>(j) + 1;
        lines.setRow(row, tables.lines[j]);
        lines.setCell(row, lCol, model::_format(row, 2, 0));
    }
    project.setCurrentLine(nl + static_cast<int>(tables.lines.size()));
    project.calcul_nouveaux_calage();
}

} // namespace tracelle::files
