#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace tracelle::model;

namespace {

struct Recorder : TableListener {
    std::vector<std::string> events;
    void cellsChanged(const TextTable&, int a, int b) override { add("cells", a, b); }
    void rowsAboutToBeInserted(const TextTable&, int a, int b) override { add("+?", a, b); }
    void rowsInserted(const TextTable&, int a, int b) override { add("+", a, b); }
    void rowsAboutToBeRemoved(const TextTable&, int a, int b) override { add("-?", a, b); }
    void rowsRemoved(const TextTable&, int a, int b) override { add("-", a, b); }
    void add(const char* what, int a, int b) {
        events.push_back(std::string(what) + " " + std::to_string(a) + ".." + std::to_string(b));
    }
};

TEST(TextTable, TellsListenersAroundEveryChange) {
    TextTable t({"a", "b"});
    Recorder r;
    t.addListener(&r);
    t.setRowCount(3);
    t.setCell(2, 1, "x");
    t.setCell(2, 1, "x"); // unchanged text: no event
    t.setCell(5, 0, "ignored");
    t.removeRow(1);
    EXPECT_EQ(t.cell(1, 1), "x") << "the rows below move up";
    t.removeRow(0);   // the header row cannot be removed
    t.setRowCount(0); // row 0 holds the headers and always stays
    EXPECT_EQ(r.events, (std::vector<std::string>{"+? 1..2", "+ 1..2", "cells 2..2", "-? 1..1",
                                                  "- 1..1", "-? 1..1", "- 1..1"}));
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.cell(0, 1), "b");
    EXPECT_EQ(t.cell(9, 9), "");
    t.removeListener(&r);
    t.setRowCount(4);
    EXPECT_EQ(r.events.size(), 7u);
}

TEST(TextTable, BulkChangesAreToldOnceAtTheEnd) {
    TextTable t({"a"});
    struct ResetRecorder : Recorder {
        void aboutToReset(const TextTable&) override { events.push_back("reset?"); }
        void reset(const TextTable&) override { events.push_back("reset"); }
    } rr;
    t.addListener(&rr);
    {
        TextTable::Bulk outer(t);
        TextTable::Bulk inner(t);
        t.setRowCount(5);
        t.setCell(3, 0, "x");
    }
    EXPECT_EQ(rr.events, (std::vector<std::string>{"reset?", "reset"}));
}

TEST(TextTable, GatheredCellWritesAreToldAsOneRangeOfRows) {
    TextTable t({"a", "b"});
    t.setRowCount(9);
    Recorder r;
    t.addListener(&r);
    {
        TextTable::CellChanges outer(t);
        {
            TextTable::CellChanges inner(t);
            t.setCell(6, 0, "x");
            t.setCell(2, 1, "y");
        }
        t.setCell(4, 0, "z");
        t.setCell(4, 0, "z");
        EXPECT_TRUE(r.events.empty()) << "nothing before the outer batch ends";
    }
    {
        TextTable::CellChanges unchanged(t);
        t.setCell(4, 0, "z");
    }
    {
        TextTable::CellChanges shrinking(t);
        t.setCell(8, 0, "w");
        t.setRowCount(3); // the written row is gone before the batch ends
    }
    EXPECT_EQ(r.events, (std::vector<std::string>{"cells 2..6", "-? 3..8", "- 3..8"}));
    EXPECT_EQ(t.cell(6, 0), "");
    EXPECT_EQ(t.cell(2, 1), "y");
}

TEST(TextTable, ReplacedRowsKeepTheHeaders) {
    TextTable t({"a", "b"});
    t.setRowCount(5);
    Recorder r;
    t.addListener(&r);
    t.replaceRows({"", "", "1", "2", "3", "4"}, 2);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.cell(0, 1), "b");
    EXPECT_EQ(t.cell(2, 0), "3");
    t.replaceRows({"", "", "", "", "5", "6", "7", "8"}, 4); // another width: cell by cell
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cell(1, 0), "5");
    EXPECT_EQ(t.cell(1, 1), "6");
    EXPECT_EQ(t.cell(0, 0), "a");
    EXPECT_TRUE(r.events.empty()) << "told as resets only";
}

TEST(TextTable, ExchangingRowsKeepsTheListedColumns) {
    TextTable t({"n", "v", "w"});
    t.replaceRows({"", "", "", "1", "a", "A", "2", "b", "B"}, 3);
    t.exchangeRows(1, 2, {0});
    EXPECT_EQ(t.cell(1, 0), "1");
    EXPECT_EQ(t.cell(1, 1), "b");
    EXPECT_EQ(t.cell(2, 2), "A");
}

} // namespace

// The cells lie in one text, written over in place or appended to and compacted from time to
// time: a long run of every kind of change, against plain rows of strings, from rows taken
// from a file's text (cells pointing into it, one made after it).
TEST(TextTable, ManyChangesReadBackAsPlainRows) {
    constexpr int kWidth = 3;
    TextRows rows;
    rows.text = "..alpha,beta,,gamma..";
    rows.cells = {{}, {}, {}, {2, 5}, {8, 4}, {}, {14, 5}, {}, rows.append("made")};
    std::vector<std::vector<std::string>> model = {
        {"h0", "h1", "h2"}, {"alpha", "beta", ""}, {"gamma", "", "made"}};
    TextTable t({"h0", "h1", "h2"});
    t.replaceRows(std::move(rows), kWidth);
    std::uint32_t seed = 7;
    const auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(below));
    };
    const auto text = [&] {
        // From empty to longer than a short string's room, so that both kinds move about.
        return std::string(static_cast<std::size_t>(next(24)), static_cast<char>('a' + next(26)));
    };
    for (int step = 0; step < 20000; ++step) {
        const int rowsNow = static_cast<int>(model.size());
        const int row = 1 + next(rowsNow);
        switch (next(6)) {
        case 0:
        case 1: {
            const int r = next(rowsNow), c = next(kWidth);
            const std::string s = text();
            t.setCell(r, c, s);
            model[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = s;
            break;
        }
        case 2: {
            std::vector<std::string> cells = {text(), text(), text()};
            if (row < rowsNow || rowsNow < 40) { // the row after the last is appended
                t.setRow(row, cells);
                if (row < rowsNow)
                    model[static_cast<std::size_t>(row)] = cells;
                else
                    model.push_back(cells);
            }
            break;
        }
        case 3:
            if (row < rowsNow) {
                const std::string a = text(), b = text();
                t.insertRow(row, {a, b}); // the missing cell is empty
                model.insert(model.begin() + row, {a, b, ""});
            }
            break;
        case 4:
            if (row < rowsNow) {
                const int count = 1 + next(3);
                t.removeRows(row, count);
                model.erase(model.begin() + row, model.begin() + std::min(rowsNow, row + count));
            }
            break;
        default:
            if (const int other = 1 + next(rowsNow); row < rowsNow && other < rowsNow) {
                t.exchangeRows(row, other, {1});
                std::swap(model[static_cast<std::size_t>(row)][0],
                          model[static_cast<std::size_t>(other)][0]);
                std::swap(model[static_cast<std::size_t>(row)][2],
                          model[static_cast<std::size_t>(other)][2]);
            }
        }
        ASSERT_EQ(t.rowCount(), static_cast<int>(model.size())) << "step " << step;
        for (int r = 0; r < t.rowCount(); ++r)
            for (int c = 0; c < kWidth; ++c)
                ASSERT_EQ(t.cell(r, c),
                          model[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                    << "step " << step << ", row " << r << ", column " << c;
    }
}
