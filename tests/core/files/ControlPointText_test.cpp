// Control points read from text as the command-line tool's control file and the calibration
// grid's pastes give them: tabs or spaces, an optional Z, either decimal mark.
#include "files/ControlPointText.h"
#include "support/Separator.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tracelle;

namespace {

TEST(ControlPointText, ReadsEveryLineOrTellsTheFirstUnreadableOne) {
    const struct {
        const char* name;
        const char* text;
        std::vector<files::ControlPointLine> points;
        int badLine; // and its text, quoted in the message
        const char* bad = "";
    } cases[] = {
        {"tabs from a spreadsheet",
         "100\t200\t650243.5\t6860286,25\r\n120\t210\t650250\t6860300\t12.5\r\n",
         {{100, 200, 650243.5L, 6860286.25L, 0}, {120, 210, 650250, 6860300, 12.5L}},
         0},
        {"spaces and blank lines", "\n 1  2 3E2 -4\n\n", {{1, 2, 300, -4, 0}}, 0},
        {"nothing", "", {}, 0},
        {"three values", "1 2 3\n", {}, 1, "1 2 3"},
        {"six values", "1 2 3 4 5\n1 2 3 4 5 6\n", {}, 2, "1 2 3 4 5 6"},
        {"a word", "1 2 trois 4\n", {}, 1, "1 2 trois 4"},
        {"a pixel with decimals", "1.5 2 3 4\n", {}, 1, "1.5 2 3 4"},
    };
    const auto fields = [](const files::ControlPointLine& p) {
        return std::tuple(p.x, p.y, p.X, p.Y, p.Z);
    };
    for (const char separator : {'.', ','}) {
        const tracelle::testing::SeparatorScope scope(separator);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with " + separator);
            const files::ControlPointLines r = files::readControlPoints(c.text, "pp");
            EXPECT_EQ(r.error, c.badLine == 0
                                   ? ""
                                   : "pp : ligne " + std::to_string(c.badLine) +
                                         " : « x y X Y [Z] » est attendu, et non <" + c.bad + ">");
            ASSERT_EQ(r.points.size(), c.points.size());
            for (std::size_t i = 0; i < r.points.size(); ++i)
                EXPECT_EQ(fields(r.points[i]), fields(c.points[i])) << i;
        }
    }
}

} // namespace
