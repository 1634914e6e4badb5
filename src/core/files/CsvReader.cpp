#include "files/CsvReader.h"

#include "files/Cp1252.h"
#include "model/NumberText.h"
#include "platform/Language.h"

namespace tracelle::files {

namespace {

bool endsLine(char c) {
    return c == '\n' || c == '\r';
}

char separatorOf(std::string_view text) {
    bool tab = false, semicolon = false, comma = false, quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        tab = tab || c == '\t';
        semicolon = semicolon || c == ';';
        comma = comma || c == ',';
        if (endsLine(c) && (tab || semicolon || comma)) break;
    }
    return tab ? '\t' : semicolon ? ';' : ',';
}

void place(CellGrid& grid, std::int64_t column, std::string_view field) {
    if (const auto number = model::reel_de_champ(model::enleve_blancs(field)))
        grid.addNumber(column, 1, static_cast<double>(*number));
    else
        grid.addText(column, 1, field);
}

// The field that opens with a quote at `i`, to its closing quote, doubled quotes made single;
// false when the text ends first (`line` is then the line of the opening quote).
bool readQuoted(std::string_view text, std::size_t& i, std::string& field, std::int64_t& line) {
    std::int64_t lines = 0;
    for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 >= text.size() || text[i + 1] != '"') {
                ++i;
                line += lines;
                return true;
            }
            ++i;
        }
        if (text[i] == '\n') ++lines;
        field += text[i];
    }
    return false;
}

// A page or an XML document saved under a workbook's name, which the separators would cut
// into nonsense.
bool isMarkup(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] != '<' || first + 1 >= text.size())
        return false;
    const char next = text[first + 1];
    return next == '?' || next == '!' || (next >= 'a' && next <= 'z') ||
           (next >= 'A' && next <= 'Z');
}

} // namespace

std::unique_ptr<CellGrid> readCsv(std::string_view bytes, std::string& error) {
    if (bytes.find('\0') != std::string_view::npos) {
        error = platform::translate("CsvReader", "ce n'est ni un classeur ni un texte");
        return nullptr;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string utf8 = fileTextToUtf8(bytes);
    const std::string_view text = utf8;
    if (isMarkup(text)) {
        error = platform::translate("CsvReader",
                                    "le fichier est une page HTML ou XML, pas un classeur");
        return nullptr;
    }
    const char separator = separatorOf(text);
    auto grid = std::make_unique<CellGrid>();
    std::int64_t row = 1, column = 1, line = 1;
    std::string field;
    grid->beginRows(row, 1);
    for (std::size_t i = 0; i <= text.size();) {
        // One field, from i to a separator, a line end or the end of the text.
        field.clear();
        if (i < text.size() && text[i] == '"' && !readQuoted(text, i, field, line)) {
            error = platform::fill(
                platform::translate("CsvReader", "guillemet non refermé à la ligne %1"),
                {std::to_string(line)});
            return nullptr;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != separator && !endsLine(text[i]))
            ++i;
        field.append(text.substr(start, i - start));
        if (!field.empty()) {
            if (row > kSheetMaxRows) {
                error = tooManyRows();
                return nullptr;
            }
            if (column <= kSheetLastColumn) place(*grid, column, field);
        }
        if (i >= text.size()) break;
        if (text[i] == separator) {
            if (++column > kSheetMaxColumns) {
                error = tooManyColumns();
                return nullptr;
            }
            ++i;
            continue;
        }
        i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        ++line;
        if (i >= text.size()) break;
        grid->beginRows(++row, 1);
        column = 1;
    }
    grid->finish();
    return grid;
}

} // namespace tracelle::files
