#include "files/CommaText.h"

#include <algorithm>

namespace tracelle::files {

void appendCell(std::string& line, std::string_view cell) {
    bool quote = false;
    for (const char c : cell)
        quote = quote || detail::blankOrControl(c) || c == '"' || c == ',';
    if (!quote) {
        line += cell;
        return;
    }
    line += '"';
    for (const char c : cell) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

std::string encodeRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        appendCell(line, cells[i]);
    }
    return line;
}

std::vector<std::string> decodeRow(std::string_view line, int columns) {
    std::vector<std::string> cells;
    appendDecodedRow(line, cells, columns);
    return cells;
}

void appendDecodedRow(std::string_view line, std::vector<std::string>& cells, int columns) {
    const std::size_t end = cells.size() + static_cast<std::size_t>(std::max(columns, 0));
    decodeFields(line, columns, [&](std::string_view cell, bool) { cells.emplace_back(cell); });
    cells.resize(end);
}

} // namespace tracelle::files
