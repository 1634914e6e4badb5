// The copy against a crash: written while the work is unsaved, offered again at the next
// start, gone once the work is saved.
#include "MapWindow.h"
#include "files/Recovery.h"

#include <filesystem>

using namespace tracelle;

namespace {

class Recovery : public tracelle::testing::MapWindow {
protected:
    Recovery() : MapWindow("tracelle_secours_") {}
};

TEST_F(Recovery, AnUnsavedSessionIsOfferedAgainAfterACrash) {
    load();
    w.ecritSecours();
    EXPECT_FALSE(files::secoursLaisse()) << "nothing to keep: the work is saved";
    for (auto [x, y] : {std::pair{20, 20}, {60, 20}, {100, 60}})
        click(x, y);
    w.ecritSecours();
    ASSERT_EQ(files::secoursLaisse(), std::optional<std::string>("carte.bmp"));

    // The next start, after the crash: a new window offers the copy.
    ui::MainWindow next;
    ui.answerConfirm(true);
    next.proposeSecours();
    EXPECT_EQ(
        ui.questions.back().rfind("Tracelle s'est fermé sans enregistrer le projet carte.bmp. "
                                  "Rouvrir la copie de secours du ",
                                  0),
        0u)
        << ui.questions.back();
    EXPECT_EQ(next.project().N(), 3);
    EXPECT_FALSE(next.project().saved()) << "still to be saved under the user's name";
    EXPECT_EQ(next.project().picture().file, picturePath);

    ui.answerConfirm(false); // declined: the copy goes
    next.proposeSecours();
    EXPECT_FALSE(files::secoursLaisse());
}

} // namespace
