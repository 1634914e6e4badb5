#include "files/AtomicFile.h"
#include "picture/PixelRows.h"
#include "picture/Raster.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tracelle::picture;
namespace fs = std::filesystem;

namespace {

TEST(Raster, ChannelsRoundTripThroughFiveBits) {
    EXPECT_EQ(rgb555(255, 255, 255), 0x7FFF);
    EXPECT_EQ(rgb555(255, 0, 0), 0x7C00);
    EXPECT_EQ(rgb555(0, 255, 0), 0x03E0);
    const Pixel p = rgb555(200, 100, 50);
    EXPECT_EQ(red8(p), 205);
    EXPECT_EQ(green8(p), 98);
    EXPECT_EQ(blue8(p), 49);
    EXPECT_EQ(red8(0x7FFF), 255);

    const std::uint8_t bits[] = {0b10110000};
    const Pixel palette[] = {0x0000, 0x7FFF};
    Pixel row[4];
    indexedRowTo555(bits, 1, palette, 2, row, 4);
    EXPECT_EQ(row[0], 0x7FFF);
    EXPECT_EQ(row[1], 0x0000);
    EXPECT_EQ(row[3], 0x7FFF);
}

TEST(Raster, RefusesImpossibleSizesBeforeAllocating) {
    std::string error;
    EXPECT_TRUE(Raster::create(0, 10, &error).empty());
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_TRUE(Raster::create(1 << 30, 1 << 30, &error).empty());
    EXPECT_NE(error.find("trop grande"), std::string::npos);
    error.clear();
    EXPECT_TRUE(Raster::create(300000, 300000, &error).empty()) << "180 GB: not in this memory";
    EXPECT_NE(error.find("mémoire insuffisante"), std::string::npos);
    EXPECT_NE(error.find(" (214576 Mo nécessaires, "), std::string::npos)
        << error << "\nthe picture and a quarter more";

    Raster r = Raster::create(3, 2);
    ASSERT_FALSE(r.empty());
    r.fill(0x1234);
    r.row(1)[2] = 7;
    const Raster c = r.copy();
    EXPECT_EQ(c.pixel(2, 1), 7);
    EXPECT_EQ(c.pixel(0, 0), 0x1234);
}

TEST(AtomicFile, AFailedSaveKeepsTheOldFileWhole) {
    const fs::path dir =
        fs::temp_directory_path() / ("tracelle_atomic_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string target = (dir / "a.txt").string();
    std::ofstream(target) << "old";
    {
        tracelle::files::AtomicFile f(target);
        std::FILE* out = f.open(nullptr);
        ASSERT_NE(out, nullptr);
        std::fputs("half written", out);
        // destroyed without commit: as when a writer stops on an error
    }
    std::string content;
    std::getline(std::ifstream(target), content);
    EXPECT_EQ(content, "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    {
        tracelle::files::AtomicFile f(target);
        std::fputs("new", f.open(nullptr));
        std::string error;
        EXPECT_TRUE(f.commit(&error)) << error;
    }
    std::getline(std::ifstream(target), content);
    EXPECT_EQ(content, "new");
    std::string error;
    tracelle::files::AtomicFile nowhere((dir / "missing" / "b.txt").string());
    EXPECT_EQ(nowhere.open(&error), nullptr);
    EXPECT_NE(error.find("impossible de créer le fichier"), std::string::npos);
    fs::remove_all(dir);
}

} // namespace
