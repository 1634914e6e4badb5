#include "picture/MetafileHeader.h"
#include "support/MetafileBytes.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tracelle::picture;
using namespace tracelle::testing;

namespace {

MetafileHeader read(const std::vector<char>& b) {
    return readMetafileHeader({reinterpret_cast<const std::uint8_t*>(b.data()), b.size()});
}

// 500 × 250 pixels each time: the frame decides, whatever the reference device.
TEST(MetafileHeader, EmfSizeComesFromItsFrame) {
    // A printer of 600 dots per inch draws the same picture on 3125 dots; some writers make
    // the frame one hundredth wider.
    const EmfLayout printer{.boundsRight = 3124,
                            .boundsBottom = 1562,
                            .devicePixels = {4960, 7016},
                            .deviceMm = {210, 297}};
    // Without a frame, the bounds: 1920 pixels on 508 mm, 96 per inch.
    const EmfLayout noFrame{.frameRight = 0, .frameBottom = 0};
    for (const EmfLayout& l : {EmfLayout{}, printer, EmfLayout{.frameRight = 13230}, noFrame}) {
        SCOPED_TRACE(::testing::Message()
                     << l.devicePixels[0] << " device pixels, frame " << l.frameRight);
        const MetafileHeader h = read(emfBytes(l));
        ASSERT_TRUE(h.ok()) << h.error;
        EXPECT_EQ(h.kind, MetafileKind::Emf);
        EXPECT_EQ(h.width, 500);
        EXPECT_EQ(h.height, 250);
    }
    // The frame in the device's pixels, from its micrometres: what fills the picture.
    const MetafileHeader h = read(emfBytes(printer));
    EXPECT_NEAR(h.frame.right, 13229 * 4960 / 21000.0, 1e-9);
    EXPECT_NEAR(h.frame.bottom, 6614 * 7016 / 29700.0, 1e-9);
    EXPECT_EQ(read(emfBytes(noFrame)).frame.right, 500);
}

// The file that locates the box is a sound placeable WMF of the same box, holding the mapping
// records of the drawing and one fill, whatever drawing came with them.
TEST(MetafileHeader, WmfBoxOnlyKeepsTheBoxAndTheMapping) {
    for (const WmfLayout& l : {WmfLayout{}, WmfLayout{.originX = -300,
                                            .originY = 700,
                                            .mapMode = 8,
                                            .viewportX = 700,
                                            .viewportY = 250,
                                            .plan = true}}) {
        SCOPED_TRACE(l.mapMode);
        const std::vector<char> wmf = wmfBytes(l);
        const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(wmf.data()),
                                                  wmf.size());
        const MetafileHeader h = readMetafileHeader(bytes);
        const std::vector<std::uint8_t> box = wmfBoxOnly(bytes, h);
        const MetafileHeader b = readMetafileHeader(box);
        ASSERT_TRUE(b.ok()) << b.error;
        EXPECT_EQ(b.frame.left, h.frame.left);
        EXPECT_EQ(b.frame.bottom, h.frame.bottom);
        EXPECT_EQ(b.unitsPerInch, h.unitsPerInch);
        // Placeable header, WMF header, mapping records of 4 or 5 words, the fill, the end.
        const std::size_t mapping = l.mapMode ? 4 + 5 + 5 + 5 : 5 + 5;
        EXPECT_EQ(box.size(), 22 + 18 + 2 * (mapping + 9 + 3));
    }
}

TEST(MetafileHeader, WmfSizeComesFromThePlaceableBox) {
    const struct {
        WmfLayout layout;
        int width, height;
    } rows[] = {{{}, 500, 250},
                {{.bboxRight = 1440, .bboxBottom = 720, .inch = 1440}, 96, 48},
                {{.bboxRight = 2540, .bboxBottom = 1270, .inch = 2540}, 96, 48}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.layout.inch);
        const MetafileHeader h = read(wmfBytes(r.layout));
        ASSERT_TRUE(h.ok()) << h.error;
        EXPECT_EQ(h.kind, MetafileKind::Wmf);
        EXPECT_TRUE(h.sized);
        EXPECT_EQ(h.width, r.width);
        EXPECT_EQ(h.height, r.height);
    }
    const MetafileHeader h = read(wmfBytes({.placeable = false}));
    EXPECT_TRUE(h.ok()) << h.error;
    EXPECT_FALSE(h.sized);
}

TEST(MetafileHeader, DamagedFilesAreRefusedWithTheReason) {
    const std::vector<char> emf = emfBytes();
    std::vector<char> badRecord = emf;
    badRecord[108 + 4] = 6; // a record of 6 bytes
    const std::vector<char> wmf = wmfBytes();
    std::vector<char> hugeRecord = wmf;
    hugeRecord[22 + 18 + 2] = 0x7F; // 8 million words
    const struct {
        const char* name;
        std::vector<char> bytes;
        const char* error;
    } rows[] = {
        {"empty", {}, "ce fichier n'est pas un métafichier EMF ou WMF"},
        {"text", {'%', 'P', 'D', 'F', '-', '1'}, "ce fichier n'est pas un métafichier EMF ou WMF"},
        {"emf header only", std::vector<char>(emf.begin(), emf.begin() + 60), "fichier tronqué"},
        {"emf cut", std::vector<char>(emf.begin(), emf.end() - 20), "fichier tronqué"},
        {"emf record", badRecord, "métafichier EMF endommagé"},
        {"wmf cut", std::vector<char>(wmf.begin(), wmf.end() - 10), "fichier tronqué"},
        {"wmf inch", wmfBytes({.inch = 0}), "métafichier WMF endommagé"},
        {"wmf record", hugeRecord, "métafichier WMF endommagé"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const MetafileHeader h = read(r.bytes);
        EXPECT_FALSE(h.ok());
        EXPECT_EQ(h.error, r.error);
    }
}

} // namespace
