#include "files/ProjectCheck.h"

#include "model/NumberText.h"
#include "model/TextTable.h"
#include "platform/Language.h"

#include <array>

namespace tracelle::files {

using platform::fill;
using platform::translate;

namespace {

// The columns whose cells are read as numbers, found by their header as the program finds them.
constexpr std::array<const char*, 6> kHeaders = {"L", "X", "Y", "Z", "x", "y"};
// The cells of a line row, in the order the file holds them.
constexpr int kLineWidth = 1;
constexpr int kLineColour = 2;

// Row 0 is the header, then the calibration rows, the points and the lines.
std::string rowName(std::int64_t row, std::int64_t k, std::int64_t n) {
    if (row == 0) return translate("ProjectCheck", "la ligne des en-têtes");
    if (row <= k)
        return fill(translate("ProjectCheck", "le point de calage %1"), {std::to_string(row)});
    if (row <= k + n)
        return fill(translate("ProjectCheck", "le point %1"), {std::to_string(row - k)});
    return fill(translate("ProjectCheck", "la ligne %1 du tableau des lignes"),
                {std::to_string(row - k - n)});
}

bool readsAsInteger(std::string_view cell) {
    return model::lit_entier(cell).errorPosition == 0;
}

// "le point 3 attend un entier en colonne x, et non <1x0>": `expected` holds the row's name
// (%1), the column (%2) and the cell read (%3).
std::string notA(const char* expected, const std::string& row, const char* column,
                 std::string_view read) {
    return fill(expected, {row, column, model::excerptForMessage(read)});
}

const char* notAnInteger() {
    return translate("ProjectCheck", "%1 attend un entier en colonne %2, et non <%3>");
}

} // namespace

ProjectError faultAt(std::int64_t line, const std::string& expected) {
    return {static_cast<int>(line),
            fill(translate("ProjectCheck", "Problème de lecture à la ligne %1 du fichier :\n%2"),
                 {std::to_string(line), expected})};
}

std::optional<ProjectError> checkRowsPresent(std::int64_t lineCount, std::int64_t headerLine,
                                             std::int64_t k, std::int64_t n, std::int64_t nl) {
    const std::int64_t missing = lineCount + 1 - headerLine; // the first row past the end
    if (missing > k + n + nl) return std::nullopt;
    return faultAt(lineCount + 1,
                   fill(translate("ProjectCheck",
                                  "il manque %1 : le fichier s'arrête à la ligne %2 (il annonce %3 "
                                  "points, %4 lignes et %5 points de calage)"),
                        {rowName(missing, k, n), std::to_string(lineCount), std::to_string(n),
                         std::to_string(nl), std::to_string(k)}));
}

std::optional<ProjectError> checkCalibrationRow(const std::vector<std::string>& cells,
                                                const model::TextTable& header, std::int64_t line,
                                                const std::string& name) {
    const auto cell = [&](const char* column) -> const std::string& {
        return cells[static_cast<std::size_t>(model::indice_col_grille(header, column))];
    };
    for (const char* column : {"x", "y"})
        if (!readsAsInteger(cell(column)))
            return faultAt(line, notA(notAnInteger(), name, column, cell(column)));
    for (const char* column : {"X", "Y", "Z"})
        if (!model::readRealQuietly(cell(column)))
            return faultAt(line, notA(translate("ProjectCheck",
                                                "%1 attend un nombre en colonne %2, et non <%3>"),
                                      name, column, cell(column)));
    return std::nullopt;
}

std::optional<ProjectError> checkTables(const ProjectTables& tables, std::int64_t headerLine) {
    const model::TextTable header(tables.header);
    std::array<int, kHeaders.size()> column{};
    for (std::size_t i = 0; i < kHeaders.size(); ++i) {
        column[i] = model::indice_col_grille(header, kHeaders[i]);
        if (column[i] < 0) {
            std::string read;
            for (const std::string& cell : tables.header) {
                if (!read.empty()) read += ',';
                read += model::enleve_blancs(cell);
            }
            return faultAt(headerLine,
                           notA(translate("ProjectCheck", "%1 attend la colonne %2, et non <%3>"),
                                rowName(0, 0, 0), kHeaders[i], read));
        }
    }
    const auto at = [&column](const char* name) {
        for (std::size_t i = 0; i < kHeaders.size(); ++i)
            if (std::string_view(kHeaders[i]) == name) return static_cast<std::size_t>(column[i]);
        return std::size_t{0};
    };
    const auto k = static_cast<std::int64_t>(tables.calibration.size());
    const std::int64_t n = tables.pointCount();
    for (std::int64_t r = 1; r <= k; ++r) {
        if (auto fault = checkCalibrationRow(tables.calibration[static_cast<std::size_t>(r - 1)],
                                             header, headerLine + r, rowName(r, k, n)))
            return fault;
    }
    for (std::int64_t i = 1; i <= n; ++i) {
        for (const char* name : {"L", "x", "y"}) {
            const std::string_view cell =
                tables.pointCell(static_cast<int>(i), static_cast<int>(at(name)));
            if (!readsAsInteger(cell))
                return faultAt(headerLine + k + i,
                               notA(notAnInteger(), rowName(k + i, k, n), name, cell));
        }
    }
    for (std::size_t l = 0; l < tables.lines.size(); ++l) {
        const auto& cells = tables.lines[l];
        const std::int64_t row = k + n + static_cast<std::int64_t>(l) + 1;
        for (const auto& [index, name] :
             {std::pair{kLineWidth, "épaisseur"}, {kLineColour, "couleur"}}) {
            const std::string& cell = cells[static_cast<std::size_t>(index)];
            if (!model::enleve_blancs(cell).empty() && !readsAsInteger(cell))
                return faultAt(headerLine + row,
                               notA(notAnInteger(), rowName(row, k, n), name, cell));
        }
    }
    return std::nullopt;
}

} // namespace tracelle::files
