// A line's height typed once: every point of that line takes it, written as the grid writes a
// Z, under either decimal separator; the other lines keep theirs; one undo gives them back.
#include "model/History.h"
#include "model/LineHeight.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "support/ScriptedInteraction.h"
#include "support/Separator.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tracelle;

namespace {

std::vector<std::string> heights(const model::Project& p) {
    std::vector<std::string> z;
    for (int i = 1; i <= p.N(); ++i)
        z.emplace_back(p.points().cell(i, p.indice_col("Z")));
    return z;
}

TEST(LineHeight, EveryPointOfTheLineAndNoOtherTakesTheHeight) {
    for (const char separator : {',', '.'}) {
        SCOPED_TRACE(std::string("separator ") + separator);
        const tracelle::testing::SeparatorScope scope(separator);
        tracelle::testing::ScriptedInteraction ui;
        model::Project p;
        p.setDefaultCalibration(1001, 1001, 0, 0);
        for (auto [x, y] : {std::pair{10, 10}, {20, 10}})
            p.ajoute_point(x, y);
        ui.answerColour(std::nullopt);
        p.Nouvelle_suite_de_points();
        for (auto [x, y] : {std::pair{50, 50}, {60, 60}, {70, 50}})
            p.ajoute_point(x, y);
        p.history().clear();
        p.setSaved(true);
        const auto before = heights(p);

        EXPECT_EQ(model::setLineHeight(p, 2, 1250.5L), 3);
        const auto after = heights(p);
        EXPECT_EQ(after[0], before[0]);
        EXPECT_EQ(after[1], before[1]);
        for (int i = 2; i < 5; ++i) {
            EXPECT_EQ(after[i], model::_format2(1250.5L, 18, p.D()));
            EXPECT_EQ(model::val_reel(after[i]), 1250.5L);
        }
        EXPECT_EQ(p.history().undoName(), "la cote de la ligne 2");
        EXPECT_FALSE(p.saved());
        p.history().undo();
        EXPECT_EQ(heights(p), before);

        EXPECT_EQ(model::setLineHeight(p, 7, 3), 0) << "no such line";
        EXPECT_EQ(heights(p), before);
    }
}

} // namespace
