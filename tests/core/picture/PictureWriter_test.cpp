// The picture save: the kind of file follows the name's extension alone.
#include "picture/PictureWriter.h"
#include "support/TempFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tracelle;

namespace {

TEST(PictureWriter, TheExtensionChoosesJpegOrBmp) {
    const auto dir = tracelle::testing::tempFolder("tracelle_picturewriter_");
    std::filesystem::create_directories(dir / "jpg_exports");
    picture::Raster raster = picture::Raster::create(8, 4);
    raster.fill(picture::rgb555(200, 100, 50));
    const struct {
        const char* name;
        bool jpeg;
    } cases[] = {
        {"plan.jpg", true},      {"plan.JPG", true},  {"plan.jpeg", true},
        {"plan.Jpeg", true},     {"plan.bmp", false}, {"jpg_exports/plan.bmp", false},
        {"plan.jpg.bmp", false}, {"plan_jpg", false}, {"plan.tif", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (dir / c.name).string();
        ASSERT_EQ(picture::writeBmpOrJpeg(picture::RowSource::of(raster), path), "");
        const std::vector<char> bytes = tracelle::testing::bytesOf(path);
        ASSERT_GE(bytes.size(), 2u);
        const std::string magic(bytes.begin(), bytes.begin() + 2);
        EXPECT_EQ(magic, c.jpeg ? std::string("\xFF\xD8") : std::string("BM"));
    }
    std::filesystem::remove_all(dir);
}

} // namespace
