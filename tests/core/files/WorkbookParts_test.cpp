// The pieces under the workbook reader: separated text, serial dates, archive limits.
#include "files/CsvReader.h"
#include "files/SerialDate.h"
#include "files/ZipArchive.h"
#include "support/Separator.h"

#include <gtest/gtest.h>

using namespace tracelle;
using namespace tracelle::files;

namespace {

class SeparatedText : public ::testing::TestWithParam<char> {
protected:
    tracelle::testing::SeparatorScope scope{GetParam()};
};

TRACELLE_UNDER_BOTH_SEPARATORS(SeparatedText);

TEST_P(SeparatedText, CellsAsASpreadsheetOpensThem) {
    const struct {
        const char* text;
        int column;
        int row;
        const char* cell; // '.' stands for the decimal mark
    } cases[] = {
        {"a,b;c\td\n", 2, 1, "d"},                        // the tab first
        {"a,b;c\n", 2, 1, "c"},                           // then ";"
        {"a,b\n", 2, 1, "b"},                             // then ","
        {"x\n\n1;2\n", 2, 3, "2"},                        // found on the first line that has one
        {"\"a;b\",c\n", 2, 1, "c"},                       // not inside quotes
        {"\"a;b\",c\n", 1, 1, "a;b"},                     //
        {"\"dit \"\"oui\"\"\";x\n", 1, 1, "dit \"oui\""}, // doubled quotes
        {"\"deux\nlignes\";x\ny;z\n", 1, 1, "deux\nlignes"},
        {"\"deux\nlignes\";x\ny;z\n", 2, 2, "z"}, // a quoted line end ends no row
        {"1,5;2.25;1 234,5\n", 1, 1, "1.5"},      // either mark
        {"1,5;2.25;1 234,5\n", 2, 1, "2.25"},
        {"1,5;2.25;1 234,5\n", 3, 1, "1 234,5"}, // not a number: kept as written
        {"\" 7 \";1e3\n", 1, 1, "7"},
        {"\" 7 \";1e3\n", 2, 1, "1000"},
        {"a;;c\r\nd\r\n", 3, 1, "c"},
        {"a;;c\r\nd\r\n", 2, 1, ""},
        {"a;;c\r\nd\r\n", 1, 2, "d"},
        {"\xEF\xBB\xBFX;Y\n", 1, 1, "X"},    // UTF-8 with its mark
        {"\xC3\x89glise\n", 1, 1, "Église"}, // UTF-8
        {"\xC9glise\n", 1, 1, "Église"},     // Windows-1252
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        const auto grid = readCsv(c.text, error);
        ASSERT_TRUE(grid) << error;
        EXPECT_EQ(grid->cellText(c.column, c.row),
                  tracelle::testing::withSeparator(c.cell, GetParam()));
    }
}

TEST(SeparatedTextLimits, AWiderOrLongerSheetThanSpreadsheetsHoldIsRefused) {
    std::string error;
    EXPECT_FALSE(readCsv(std::string(16384, ';') + "x\n", error));
    EXPECT_EQ(error, tooManyColumns());
    EXPECT_TRUE(readCsv(std::string(16383, ';') + "x\n", error)) << error;
    std::string rows(1048576, '\n');
    EXPECT_TRUE(readCsv(rows, error)) << "empty rows hold nothing";
    EXPECT_FALSE(readCsv(rows + "x\n", error));
    EXPECT_EQ(error, tooManyRows());
}

TEST(SerialDates, DaysFromTheBaseAndTheTimeAsAFraction) {
    EXPECT_EQ(serialDay("2024-01-01", kBase1900), 45292);
    EXPECT_EQ(serialDay("1900-03-01", kBase1900), 61);
    EXPECT_EQ(serialDay("2024-01-01T18:00:00", kBase1900), 45292.75);
    EXPECT_EQ(serialDay("2024-01-01T12:00:00.000Z", kBase1900), 45292.5);
    EXPECT_EQ(serialDay("1904-01-02", kBase1904), 1);
    EXPECT_EQ(durationDays("PT12H00M00S"), 0.5);
    EXPECT_EQ(durationDays("-P1DT6H"), -1.25);
    for (const char* bad : {"", "2024-13-01", "2024-1-1", "le 1er", "2024-01-01T1:00"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(serialDay(bad, kBase1900));
    }
    for (const char* bad : {"", "P", "PT", "12H", "PT1X"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(durationDays(bad));
    }
}

// The limits hold against what a member claims, before a byte is inflated.
TEST(ZipLimitsTest, AMemberPastTheLimitsIsNotInflated) {
    const std::string path = std::string(TEST_DATA_DIR) + "/points.xlsx";
    const std::string sheet = "xl/worksheets/sheet2.xml"; // 856 bytes, about 4 times smaller
    const struct {
        ZipLimits limits;
        const char* reason;
    } cases[] = {
        {{800, 1000}, "xl/worksheets/sheet2.xml dépasse 800 octets une fois décompressé"},
        {{1u << 20, 2}, "xl/worksheets/sheet2.xml est comprimé plus de 2 fois"},
        {{856, 5}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limits.maxSize);
        std::string error;
        const auto zip = ZipArchive::open(path, error, c.limits);
        ASSERT_TRUE(zip) << error;
        const auto member = zip->member(sheet, error);
        if (!c.reason) {
            ASSERT_TRUE(member) << error;
            char buffer[2000];
            EXPECT_EQ(member->read(buffer, sizeof buffer), 856);
            EXPECT_EQ(member->read(buffer, sizeof buffer), 0);
            continue;
        }
        EXPECT_FALSE(member);
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

} // namespace
