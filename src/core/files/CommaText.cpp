#include "files/CommaText.h"

#include <algorithm>

namespace tracelle::files {

namespace {

// Codes 1 to 32, and the NUL byte of a damaged file, which must not stop the reading.
bool blankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

void appendCell(std::string& line, const std::string& cell) {
    bool quote = false;
    for (const char c : cell)
        quote = quote || blankOrControl(c) || c == '"' || c == ',';
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
    std::vector<std::string> cells(static_cast<std::size_t>(std::max(columns, 0)));
    decodeRowInto(line, cells.data(), columns);
    return cells;
}

void decodeRowInto(std::string_view line, std::string* cells, int columns) {
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
            // Runs between quotes are copied whole; a doubled quote stands for one.
            while (i < line.size()) {
                const std::size_t quote = line.find('"', i);
                const std::size_t end = quote == std::string_view::npos ? line.size() : quote;
                field.append(line.substr(i, end - i));
                i = end;
                if (i >= line.size()) break;
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ',' && !blankOrControl(line[i]))
                ++i;
            field.assign(line.substr(start, i - start));
        }
        skipBlanks();
        if (i < line.size() && line[i] == ',') {
            ++i;
            skipBlanks();
        }
        if (filled < columns) {
            if (field.empty()) field.assign(1, ' ');
            cells[filled++] = std::move(field);
        }
    }
}

} // namespace tracelle::files
