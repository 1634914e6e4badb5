// One table row as one line of comma-separated cells, quoted when needed.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tracelle::files {

// A cell holding a blank or control character, a double quote or a comma is quoted, its
// quotes doubled; an empty cell is written as nothing.
std::string encodeRow(const std::vector<std::string>& cells);
// Appends one cell as `encodeRow` writes it.
void appendCell(std::string& line, std::string_view cell);

// Fills `columns` cells from the left; an empty field is kept as one space so that it counts
// as filled; fields beyond the last column are dropped, cells no field reaches stay empty.
std::vector<std::string> decodeRow(std::string_view line, int columns);
// The same appended to `cells`: exactly `columns` cells more.
void appendDecodedRow(std::string_view line, std::vector<std::string>& cells, int columns);

namespace detail {

// Codes 1 to 32, and the NUL byte of a damaged file, which must not stop the reading.
inline bool blankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The end of an unquoted field: the first comma or code of 32 or less from p, or stop. Eight
// bytes are tested at once, the numbers of a large project being most of its bytes.
inline const char* unquotedEnd(const char* p, const char* stop) {
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

} // namespace detail

// The fields `decodeRow` reads, each given to `cell(text, inLine)` as it is found: `inLine`
// when the text lies in `line` itself, else it lies in a buffer that lasts for the call
// alone (an empty field's space, a quoted field's doubled quotes made single). The cells no
// field reaches are not given.
template <class Cell> void decodeFields(std::string_view line, int columns, Cell&& cell) {
    using detail::blankOrControl;
    int left = columns;
    const char* p = line.data();
    const char* const stop = p + line.size();
    const auto skipBlanks = [&] {
        while (p < stop && blankOrControl(*p))
            ++p;
    };
    skipBlanks();
    std::string undoubled;
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
            p = detail::unquotedEnd(p, stop);
            last = p;
        }
        skipBlanks();
        if (p < stop && *p == ',') {
            ++p;
            skipBlanks();
        }
        if (left <= 0) continue;
        --left;
        if (first == last) {
            cell(std::string_view(" "), false);
        } else if (!doubledQuotes) {
            cell(std::string_view(first, static_cast<std::size_t>(last - first)), true);
        } else {
            undoubled.clear();
            for (const char* q = first; q < last; ++q) {
                undoubled += *q;
                if (*q == '"') ++q; // a doubled quote stands for one
            }
            cell(std::string_view(undoubled), false);
        }
    }
}

} // namespace tracelle::files
