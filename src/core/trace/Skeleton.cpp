// Thinning to a skeleton one pixel wide. The two-subiteration parallel thinning of Guo and
// Hall, as lookup tables on the eight neighbours: unlike Zhang–Suen it does not erase lines
// two pixels thick on the diagonal, and a table lookup a pixel keeps each pass to a read of
// the mask. Each pass judges every pixel on the mask as the pass found it, in two bands of
// rows at once, holding back only the removals of the rows still to be read.
#include "trace/Skeleton.h"

#include <algorithm>
#include <array>
#include <bit>

namespace tracelle::trace::skeleton {

namespace {

bool bit(unsigned code, int k) {
    return (code >> (k & 7)) & 1;
}

// Hilditch's crossing number: how many separate runs of neighbours the pixel joins. At 1,
// removing it leaves them connected as they were.
int crossings(unsigned code) {
    int runs = 0;
    for (int i = 0; i < 8; i += 2)
        runs += !bit(code, i) && (bit(code, i + 1) || bit(code, i + 2));
    return runs;
}

using Table = std::array<bool, 256>;

std::array<Table, 2> makeTables() {
    std::array<Table, 2> removable{};
    for (unsigned code = 0; code < 256; ++code) {
        int n1 = 0, n2 = 0;
        for (int k = 1; k < 8; k += 2) {
            n1 += bit(code, k) || bit(code, k - 1);
            n2 += bit(code, k) || bit(code, k + 1);
        }
        const int least = std::min(n1, n2);
        const bool thins = crossings(code) == 1 && least >= 2 && least <= 3;
        // First pass: not on the north-east side; second: not on the south-west side.
        removable[0][code] =
            thins && !((bit(code, 1) || bit(code, 2) || !bit(code, 7)) && bit(code, 0));
        removable[1][code] =
            thins && !((bit(code, 5) || bit(code, 6) || !bit(code, 3)) && bit(code, 4));
    }
    return removable;
}

} // namespace

void thin(Mask& mask) {
    static const std::array<Table, 2> removable = makeTables();
    const auto clear = [&mask](const std::vector<std::size_t>& cells) {
        for (const std::size_t i : cells)
            mask.cells[i] = 0;
    };
    // Rows that lost pixels in each of the last two passes: a pixel is judged again only when
    // its neighbours changed since the last pass of the same table, so that a wide patch of
    // the colour costs its own rows, not the sheet's.
    const auto rows = static_cast<std::size_t>(mask.height);
    std::vector<std::uint8_t> before(rows, 1), last(rows, 1), now(rows, 0);
    before.front() = before.back() = last.front() = last.back() = 0; // the border, empty
    const auto moved = [&](std::size_t r) {
        return before[r - 1] | before[r] | before[r + 1] | last[r - 1] | last[r] | last[r + 1];
    };
    // A round of both passes that removes nothing leaves nothing more to remove.
    for (int pass = 0, quiet = 0; pass < 2 * kThinningRounds && quiet < 2; ++pass) {
        const Table& table = removable[pass % 2];
        // A row's pixels are removed once the next row has been judged, which no longer reads
        // it; the first and last rows of a band, which the other band reads, wait until both
        // are done.
        struct Band {
            std::vector<std::size_t> first, last;
        };
        std::array<Band, 2> bands;
        inBands(mask, [&](int index, int first, int end) {
            Band& band = bands[static_cast<std::size_t>(index)];
            std::vector<std::size_t> above, here;
            for (int row = first; row < end; ++row) {
                const auto r = static_cast<std::size_t>(row);
                here.clear();
                if (moved(r))
                    eachOn(mask, row, row + 1, [&](std::size_t i) {
                        if (table[mask.neighbours(i)]) here.push_back(i);
                    });
                now[r] = !here.empty();
                if (row == first + 1)
                    band.first.swap(above);
                else if (row > first + 1)
                    clear(above);
                above.swap(here);
            }
            if (end - first == 1)
                band.first.swap(above);
            else
                band.last.swap(above);
        });
        for (const Band& band : bands) {
            clear(band.first);
            clear(band.last);
        }
        before.swap(last);
        last.swap(now);
        quiet = std::find(last.begin(), last.end(), 1) != last.end() ? 0 : quiet + 1;
    }
}

void dropCorners(Mask& mask, int first, int end) {
    eachOn(mask, first, end, [&](std::size_t i) {
        const unsigned code = mask.neighbours(i);
        if (std::popcount(code) >= 2 && crossings(code) == 1) mask.cells[i] = 0;
    });
}

void dropCorners(Mask& mask) {
    dropCorners(mask, 1, mask.height - 1);
}

void fillSpecks(Mask& mask) {
    constexpr std::size_t kLargestHole = 6; // pixels
    const auto s = static_cast<std::ptrdiff_t>(mask.stride);
    const std::ptrdiff_t around[4] = {1, -1, s, -s};
    std::vector<std::size_t> hole;
    eachOn(mask, 1, mask.height - 1, [&](std::size_t i) {
        // A hole's leftmost pixel follows a pixel of the line: search from there.
        if (mask.cells[i + 1] & kOn) return;
        hole.assign(1, i + 1);
        for (std::size_t k = 0; k < hole.size() && hole.size() <= kLargestHole; ++k)
            for (const std::ptrdiff_t d : around) {
                const std::size_t n =
                    static_cast<std::size_t>(static_cast<std::ptrdiff_t>(hole[k]) + d);
                const auto row = static_cast<int>(n / mask.stride);
                const auto col = static_cast<int>(n % mask.stride);
                if (row == 0 || col == 0 || row == mask.height - 1 || col >= mask.width - 1) {
                    hole.resize(kLargestHole + 1); // open to the outside
                    break;
                }
                if (!(mask.cells[n] & kOn) && std::find(hole.begin(), hole.end(), n) == hole.end())
                    hole.push_back(n);
            }
        if (hole.size() <= kLargestHole)
            for (const std::size_t n : hole)
                mask.cells[n] = kOn;
    });
}

} // namespace tracelle::trace::skeleton
