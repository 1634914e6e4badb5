#include "files/LastFolder.h"
#include "files/PictureLocator.h"
#include "support/ScriptedInteraction.h"

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
    PictureFiles()
        : dir_(fs::temp_directory_path() / ("tracelle_files_" + std::to_string(getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "maps");
        fs::create_directories(dir_ / "config");
        previous_ = fs::current_path();
        fs::current_path(dir_);
        setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    }
    ~PictureFiles() override {
        fs::current_path(previous_);
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(dir_);
    }
    static void touch(const fs::path& p) { std::ofstream(p) << "x"; }

    fs::path dir_;
    fs::path previous_;
    tracelle::testing::ScriptedInteraction ui;
};

TEST_F(PictureFiles, APictureIsTakenWhereNamedThenFromTheCurrentDirectory) {
    touch(dir_ / "maps" / "carte.jpg");
    EXPECT_EQ(localise_image((dir_ / "maps" / "carte.jpg").string(), "p.trc").found,
              (dir_ / "maps" / "carte.jpg").string());

    touch(dir_ / "carte.jpg");
    EXPECT_EQ(localise_image("/gone/carte.jpg", "p.trc").found, (dir_ / "carte.jpg").string());

    touch(dir_ / "maps" / "~tmp.bmp");
    touch(dir_ / "~tmp.bmp");
    const PictureLocation temporary =
        localise_image((dir_ / "maps" / "~tmp.bmp").string(), "p.trc");
    EXPECT_TRUE(temporary.found.empty()) << "a temporary picture is never the user's";
}

TEST_F(PictureFiles, AMissingPictureProposesASearchNamedAfterTheProject) {
    touch(dir_ / "relevé.jpg");
    touch(dir_ / "relevé.jpg.bmp");
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
    std::ifstream raw(dir_ / "config" / "tracelle" / kLastFolderFile, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(raw)), {});
    EXPECT_EQ(bytes, "/donn\xE9"
                     "es/cartes\r\n")
        << "Windows-1252 with CR LF";

    fs::remove_all(dir_ / "config");
    std::ofstream(dir_ / "config") << "a file where the folder should be";
    EXPECT_FALSE(premiere_ligne_enregistre(kLastFolderFile, "/x"));
    ASSERT_EQ(ui.tones.size(), 1u);
    EXPECT_EQ(ui.tones[0], std::make_pair(1250, 100));
}

} // namespace
