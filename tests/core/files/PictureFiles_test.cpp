#include "files/LastFolder.h"
#include "files/PictureLocator.h"
#include "files/RecentProjects.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tracelle::files;
namespace fs = std::filesystem;

namespace {

// Runs in a folder of its own, which is also the current directory.
class PictureFiles : public ::testing::Test {
protected:
    PictureFiles() {
        fs::create_directories(home_.dir / "maps");
        fs::current_path(home_.dir);
    }
    ~PictureFiles() override { fs::current_path(previous_); }
    static void touch(const fs::path& p) { std::ofstream(p) << "x"; }

    tracelle::testing::ConfigHome home_{"tracelle_files_"};
    const fs::path previous_ = fs::current_path();
    tracelle::testing::ScriptedInteraction ui;
};

TEST_F(PictureFiles, APictureIsTakenWhereNamedThenFromTheCurrentDirectory) {
    touch(home_.dir / "maps" / "carte.jpg");
    EXPECT_EQ(localise_image((home_.dir / "maps" / "carte.jpg").string(), "p.trc").found,
              (home_.dir / "maps" / "carte.jpg").string());

    touch(home_.dir / "carte.jpg");
    EXPECT_EQ(localise_image("/gone/carte.jpg", "p.trc").found, (home_.dir / "carte.jpg").string());

    touch(home_.dir / "maps" / "~tmp.bmp");
    touch(home_.dir / "~tmp.bmp");
    const PictureLocation temporary =
        localise_image((home_.dir / "maps" / "~tmp.bmp").string(), "p.trc");
    EXPECT_TRUE(temporary.found.empty()) << "a temporary picture is never the user's";
}

TEST_F(PictureFiles, AMissingPictureProposesASearchNamedAfterTheProject) {
    touch(home_.dir / "relevé.jpg");
    touch(home_.dir / "relevé.jpg.bmp");
    const PictureLocation where = localise_image("/gone/scan.tif", "/projets/relevé.v2.trc");
    EXPECT_TRUE(where.found.empty());
    EXPECT_EQ(where.question,
              "Dans le fichier /projets/relevé.v2.trc\n    l'image </gone/scan.tif> "
              "est introuvable\n    ainsi que l'image <scan.tif> dans le "
              "répertoire courant\n           Voulez-vous la chercher sur le "
              "poste actuel ?");
    EXPECT_EQ(where.searchTitle, " Rechercher le fichier scan.tif");
    EXPECT_EQ(where.proposedName, "relevé.jpg.bmp");
}

TEST_F(PictureFiles, LastFolderFileRoundTrip) {
    EXPECT_EQ(premiere_ligne_lecture(kLastFolderFile), fs::current_path().string());
    EXPECT_TRUE(premiere_ligne_enregistre(kLastFolderFile, "/données/cartes"));
    EXPECT_EQ(premiere_ligne_lecture(kLastFolderFile), "/données/cartes");
    std::ifstream raw(home_.dir / "config" / "tracelle" / kLastFolderFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(raw)), {});
    EXPECT_EQ(bytes, "/donn\xE9"
                     "es/cartes\r\n")
        << "Windows-1252 with CR LF";

    fs::remove_all(home_.dir / "config");
    std::ofstream(home_.dir / "config") << "a file where the folder should be";
    EXPECT_FALSE(premiere_ligne_enregistre(kLastFolderFile, "/x"));
    ASSERT_EQ(ui.tones.size(), 1u);
    EXPECT_EQ(ui.tones[0], std::make_pair(1250, 100));
}

TEST_F(PictureFiles, RecentProjectsKeepTheNewestEightOnceEach) {
    EXPECT_TRUE(projetsRecents().empty());
    for (int i = 1; i <= 10; ++i) {
        std::string name = "p";
        name += std::to_string(i);
        noteProjetRecent(name + ".trc");
    }
    noteProjetRecent("p5.trc");
    const std::string here = fs::current_path().string() + "/";
    std::vector<std::string> expected = {"p5", "p10", "p9", "p8", "p7", "p6", "p4", "p3"};
    for (std::string& name : expected)
        name = here + name + ".trc";
    EXPECT_EQ(projetsRecents(), expected) << "absolute paths, newest first, no duplicate";

    oublieProjetRecent(here + "p10.trc");
    const std::string foreign = "/cartes/łódź/relevé.trc"; // not Windows-1252
    noteProjetRecent(foreign);
    const auto list = projetsRecents();
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0], foreign);
    EXPECT_EQ(list[1], here + "p5.trc");
    EXPECT_EQ(std::count(list.begin(), list.end(), here + "p10.trc"), 0);
}

} // namespace
