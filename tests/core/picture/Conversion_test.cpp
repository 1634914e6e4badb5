#include "picture/ConversionOutput.h"
#include "picture/ConversionSize.h"
#include "support/TempFiles.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using namespace tracelle::picture;

namespace {

TEST(CalcRes, TargetWidthOrWhyNot) {
    const struct {
        const char *cm, *dpi;
        bool computed;
        long long pixels;
        const char* error;
    } rows[] = {
        {"18", "150", true, 1063, ""}, // 1062.99
        {"10", "300", true, 1181, ""}, // 1181.10
        {"127", "1", true, 50, ""},    // exact
        {"", "150", false, 0, ""},
        {"", "abc", false, 0, ""},
        {"18,5", "150", false, 0, "'18,5' n'est pas une valeur entière correcte"},
        {"18", "150 dpi", false, 0, "'150 dpi' n'est pas une valeur entière correcte"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.cm) + " cm at " + r.dpi);
        const TargetWidth t = calc_res(r.cm, r.dpi);
        EXPECT_EQ(t.computed, r.computed);
        EXPECT_EQ(t.pixels, r.pixels);
        EXPECT_EQ(t.error, r.error);
    }
}

TEST(ConversionZoom, BringsAMetafileNearTheTargetWidth) {
    EXPECT_EQ(conversionZoom(1063, 500), 213); // 212.6
    EXPECT_EQ(zoomedSize(500, 213), 1065);
    EXPECT_EQ(conversionZoom(1, 200), 0); // 0.5: halves to even
    EXPECT_EQ(conversionZoom(3, 200), 2); // 1.5
    EXPECT_EQ(conversionZoom(1063, 0), 0);
}

// The data follow the radio group, whatever the name says.
TEST(OutputNames, SavedUnderTheRuleOfEachFormat) {
    const std::filesystem::path dir = tracelle::testing::tempFolder("conversion_") / "v1.2";
    std::filesystem::create_directories(dir);
    const Rgb24 picture{2, 2, std::vector<std::uint8_t>(12, 200)};
    const struct {
        OutputFormat format;
        const char *chosen, *saved;
        std::string magic;
    } rows[] = {
        {OutputFormat::Tif, "a.jpg", "a.tif", std::string("II*\0", 4)},
        {OutputFormat::Jpeg, "b", "b.jpg", "\xFF\xD8\xFF"}, // the folder's dot is not the name's
        {OutputFormat::Bmp, "c.jpg", "c.jpg", "BM"},
        {OutputFormat::Tif, "d.old.png", "d.old.tif", std::string("II*\0", 4)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.saved);
        const std::string saved = savedOutputName((dir / r.chosen).string(), r.format);
        EXPECT_EQ(saved, (dir / r.saved).string());
        ASSERT_EQ(writeConverted(*rowsOf(picture), r.format, saved), "");
        const std::vector<char> b = tracelle::testing::bytesOf(saved);
        EXPECT_EQ(std::string(b.data(), std::min(b.size(), r.magic.size())), r.magic);
    }
    std::filesystem::remove_all(dir.parent_path());
    EXPECT_EQ(proposedOutputName("/home/a.b/Plan.EMF", OutputFormat::Jpeg), "Plan.jpg");
    EXPECT_EQ(proposedOutputName("/home/a/plan", OutputFormat::Tif), "plan.tif");
}

} // namespace
