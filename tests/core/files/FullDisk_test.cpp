// Saves on a full disk: a small memory disk is mounted and filled, then every kind of file the
// program writes is saved again, larger. The previous file must survive whole, no temporary
// file may stay behind, and the message must say why.
#include "files/Export.h"
#include "files/LastFolder.h"
#include "files/PointImport.h"
#include "files/ProjectFile.h"
#include "files/Recovery.h"
#include "files/TextFile.h"
#include "gis/OutputFiles.h"
#include "model/Project.h"
#include "picture/BmpCodec.h"
#include "picture/JpegCodec.h"
#include "picture/TiffWriter.h"
#include "support/TempFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/mount.h>
#include <unistd.h>

namespace tracelle {
namespace fs = std::filesystem;
using testing::bytesOf;

namespace {

// `size` bytes of a project, picture or text: small for the file on disk, large for the save
// that cannot fit.
struct Saver {
    const char* name;
    std::function<std::string(const fs::path& folder, int size)> save;
    const char* file; // the file it writes in `folder`
};

void PrintTo(const Saver& saver, std::ostream* out) {
    *out << saver.name;
}

std::unique_ptr<model::Project> projectOf(int size) {
    std::string points;
    for (int i = 0; i <= size / 40; ++i)
        points += std::to_string(i) + " " + std::to_string(i * 3) + " p" + std::to_string(i) + "\n";
    auto project = std::make_unique<model::Project>();
    files::ajoutePointsTexte(*project, points);
    return project;
}

picture::Rgb24 noise(int size) {
    // Noise, so that no codec packs it smaller than its pixels.
    picture::Rgb24 p;
    p.width = 64;
    p.height = std::max(1, size / (64 * 3));
    p.rgb.resize(static_cast<std::size_t>(p.width * p.height * 3));
    std::mt19937 random(7);
    for (auto& b : p.rgb)
        b = static_cast<std::uint8_t>(random());
    return p;
}

std::string text(int size) {
    return std::string(static_cast<std::size_t>(size), 'x');
}

const Saver kSavers[] = {
    {"projet",
     [](const fs::path& d, int size) {
         return files::sauve_projet(*projectOf(size), (d / "carte.trc").string());
     },
     "carte.trc"},
    {"copie_de_secours",
     [](const fs::path&, int size) { return files::ecritSecours(*projectOf(size), "carte.trc"); },
     "tracelle/secours.trc"},
    {"export",
     [](const fs::path& d, int size) {
         return files::writeTextFile((d / "points.txt").string(),
                                     files::exporte(*projectOf(size), {}).text);
     },
     "points.txt"},
    {"image_bmp",
     [](const fs::path& d, int size) {
         return picture::writeBmp(noise(size), (d / "a.bmp").string());
     },
     "a.bmp"},
    {"image_jpeg",
     [](const fs::path& d, int size) {
         return picture::writeJpeg(noise(size), (d / "a.jpg").string(), 90);
     },
     "a.jpg"},
    {"image_tiff",
     [](const fs::path& d, int size) {
         return picture::writeTiff(noise(size), (d / "a.tif").string());
     },
     "a.tif"},
    {"configuration",
     [](const fs::path&, int size) {
         return files::premiere_ligne_enregistre("dossier.txt", text(size))
                    ? std::string()
                    : std::string("disque plein (bip)");
     },
     "tracelle/dossier.txt"},
    {"relecture",
     [](const fs::path& d, int size) {
         return files::writeTextFile((d / "~memo.txt").string(), text(size));
     },
     "~memo.txt"},
    {"export_sig",
     [](const fs::path& d, int size) {
         return gis::ecritEnsemble({{(d / "lignes.shp").string(), text(size / 2)},
                                    {(d / "lignes.dbf").string(), text(size / 2)}},
                                   {});
     },
     "lignes.dbf"},
};

constexpr int kDiskBytes = 1 << 20;

class FullDisk : public ::testing::TestWithParam<std::tuple<Saver, int>> {
protected:
    void SetUp() override {
        fs::create_directories(folder_);
        if (::mount("tracelle", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m") != 0)
            GTEST_SKIP() << "impossible de monter un petit disque en mémoire (tmpfs) : "
                         << std::strerror(errno)
                         << " ; ce test demande l'administrateur ou un espace de noms (unshare)";
        mounted_ = true;
        config_ = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    void TearDown() override {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        if (config_.empty())
            unsetenv("XDG_CONFIG_HOME");
        else
            setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    // Fills the disk, then frees `room` bytes.
    void fill(int room) {
        const int fd = ::open((folder_ / "remplissage").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'r');
        off_t size = 0;
        while (::write(fd, block.data(), block.size()) > 0)
            size += static_cast<off_t>(block.size());
        ASSERT_EQ(errno, ENOSPC);
        ASSERT_EQ(::ftruncate(fd, std::max<off_t>(0, size - room)), 0);
        ::close(fd);
    }

    fs::path folder_ = testing::tempFolder("tracelle_disque_plein_");
    bool mounted_ = false;
    std::string config_;
};

TEST_P(FullDisk, PreviousFileSurvivesAndTheMessageSaysWhy) {
    const auto& [saver, room] = GetParam();
    ASSERT_EQ(saver.save(folder_, 2000), "");
    const std::string file = (folder_ / saver.file).string();
    const auto before = bytesOf(file);
    ASSERT_FALSE(before.empty());

    fill(room);
    const std::string error = saver.save(folder_, kDiskBytes / 2);
    EXPECT_NE(error.find("disque plein"), std::string::npos) << error;
    EXPECT_EQ(bytesOf(file), before);
    for (const auto& entry : fs::recursive_directory_iterator(folder_))
        EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos)
            << "fichier temporaire laissé : " << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Saves, FullDisk,
                         ::testing::Combine(::testing::ValuesIn(kSavers),
                                            // no room at all, and room for the start only
                                            ::testing::Values(0, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param) / 1024) + "Ko";
                         });

} // namespace
} // namespace tracelle
