#include "files/CommaText.h"

#include <algorithm>

namespace tracelle::files {

namespace {

// Codes 1 to 32, and the NUL byte of a damaged file, which must not stop the reading.
bool blankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string encodeRow(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        const std::string& cell = cells[i];
        bool quote = false;
        for (const char c : cell)
            quote = quote || blankOrControl(c) || c == '"' || c == ',';
        if (!quote) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

std::vector<std::string> decodeRow(std::string_view line, int columns) {
    std::vector<std::string> cells(static_cast<std::size_t>(std::max(columns, 0)));
    std::size_t i = 0;
    int filled = 0;
    const auto skipBlanks = [&] {
        while (i < line.size() && blankOrControl(line[i]))
            ++i;
    };
    skipBlanks();
    while (i < line.size()) {
        std::string field;
        if (line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        } else {
            while (i < line.size() && line[i] != ',' && !blankOrControl(line[i]))
                field += line[i++];
        }
        skipBlanks();
        if (i < line.size() && line[i] == ',') {
            ++i;
            skipBlanks();
        }
        if (filled < columns)
            cells[static_cast<std::size_t>(filled++)] = field.empty() ? " " : field;
    }
    return cells;
}

} // namespace tracelle::files
