#include "files/CommaText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tracelle::files {

namespace {

// Codes 1 to 32, and the NUL byte of a damaged file, which must not stop the reading.
bool blankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The end of an unquoted field: the first comma or code of 32 or less from p, or stop. Eight
// bytes are tested at once, the numbers of a large project being most of its bytes.
const char* unquotedEnd(const char* p, const char* stop) {
    static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (; stop - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t comma = word ^ (kOnes * ',');
        // A byte's high bit is set where it is below 33 or a comma; a byte's borrow can only
        // mark bytes after it, so the lowest mark is exact.
        const std::uint64_t marks = ((word - kOnes * 33) & ~word) | ((comma - kOnes) & ~comma);
        if (marks & kHighBits) return p + std::countr_zero(marks & kHighBits) / 8;
    }
    while (p < stop && *p != ',' && !blankOrControl(*p))
        ++p;
    return p;
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
    std::vector<std::string> cells;
    appendDecodedRow(line, cells, columns);
    return cells;
}

void appendDecodedRow(std::string_view line, std::vector<std::string>& cells, int columns) {
    // Each field is found first, then its cell made once, with no string in between: a
    // project of 100,000 points has 900,000 of them.
    const std::size_t end = cells.size() + static_cast<std::size_t>(std::max(columns, 0));
    const char* p = line.data();
    const char* const stop = p + line.size();
    const auto skipBlanks = [&] {
        while (p < stop && blankOrControl(*p))
            ++p;
    };
    skipBlanks();
    while (p < stop) {
        const char* first = p;
        const char* last;
        bool doubledQuotes = false;
        if (*p == '"') {
            first = ++p;
            // To the quote that is not doubled, or to the end of a line cut short.
            while (p < stop) {
                if (*p == '"') {
                    if (p + 1 == stop || p[1] != '"') break;
                    doubledQuotes = true;
                    ++p;
                }
                ++p;
            }
            last = p;
            if (p < stop) ++p; // the closing quote
        } else {
            p = unquotedEnd(p, stop);
            last = p;
        }
        skipBlanks();
        if (p < stop && *p == ',') {
            ++p;
            skipBlanks();
        }
        if (cells.size() == end) continue;
        if (first == last) {
            cells.emplace_back(1, ' ');
        } else if (!doubledQuotes) {
            cells.emplace_back(first, last);
        } else {
            std::string& cell = cells.emplace_back();
            for (const char* q = first; q < last; ++q) {
                cell += *q;
                if (*q == '"') ++q; // a doubled quote stands for one
            }
        }
    }
    cells.resize(end);
}

} // namespace tracelle::files
