// Small Windows metafiles built byte by byte, so that no drawing file need be kept in the
// repository: the left part of the picture filled with one colour, the rest left empty.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tracelle::testing {

struct EmfLayout {
    // rclBounds, in the reference device's pixels (inclusive)
    int boundsRight = 499;
    int boundsBottom = 249;
    // rclFrame, in 0.01 mm (inclusive)
    int frameRight = 13229; // 500 pixels at 96 per inch
    int frameBottom = 6614;
    // The reference device: its size in pixels and in millimetres.
    int devicePixels[2] = {1920, 1080};
    int deviceMm[2] = {508, 286};
    // Logical units, those of the reference device: the part [0, fillRight) × [0, fillBottom)
    // is filled with `fill` (0x00BBGGRR).
    int fillRight = 250;
    int fillBottom = 250;
    std::uint32_t fill = 0x000000FF;
    // "Ab" written at (300, 100), for the drawings that need fonts.
    bool text = false;
};

struct WmfLayout {
    // The placeable header's box, in metafile units, and those units per inch.
    int bboxRight = 1000;
    int bboxBottom = 500;
    int inch = 192; // 1000 units: 500 pixels at 96 per inch
    bool placeable = true;
    int fillRight = 500; // metafile units
    int fillBottom = 500;
    std::uint32_t fill = 0x000000FF;
    // The window's origin, which is also the box's top-left corner: every coordinate above
    // is taken from it.
    int originX = 0;
    int originY = 0;
    // META_SETMAPMODE when not 0 (8: MM_ANISOTROPIC, as most programs write placeable files),
    // and META_SETVIEWPORTEXT when `viewportX` is not 0.
    int mapMode = 0;
    int viewportX = 0;
    int viewportY = 0;
    // Instead of the fill: a black frame round the box, then, in `fill` without outline, the
    // rectangle (100, 100)–(400, 300) and the ellipse in (500, 50)–(900, 450).
    bool plan = false;
};

namespace metafile_detail {

inline void put(std::vector<char>& b, int size, std::initializer_list<std::int64_t> values) {
    for (std::int64_t v : values)
        for (int i = 0; i < size; ++i)
            b.push_back(static_cast<char>((static_cast<std::uint64_t>(v) >> (8 * i)) & 0xFF));
}

inline void set32(std::vector<char>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace metafile_detail

// An enhanced metafile: header (with both extensions), a brush, the null pen, a rectangle.
inline std::vector<char> emfBytes(const EmfLayout& l = {}) {
    using metafile_detail::put;
    std::vector<char> b;
    put(b, 4, {1, 108, 0, 0, l.boundsRight, l.boundsBottom, 0, 0, l.frameRight, l.frameBottom});
    put(b, 4, {0x464D4520, 0x10000, 0 /* nBytes */, 6 /* records */});
    put(b, 2, {2 /* handles */, 0});
    put(b, 4, {0, 0, 0, l.devicePixels[0], l.devicePixels[1], l.deviceMm[0], l.deviceMm[1]});
    put(b, 4, {0, 0, 0, l.deviceMm[0] * 1000, l.deviceMm[1] * 1000});
    put(b, 4, {39, 24, 1, 0 /* BS_SOLID */, l.fill, 0});  // EMR_CREATEBRUSHINDIRECT
    put(b, 4, {37, 12, 1});                               // EMR_SELECTOBJECT brush
    put(b, 4, {37, 12, 0x80000008});                      // EMR_SELECTOBJECT NULL_PEN
    put(b, 4, {43, 24, 0, 0, l.fillRight, l.fillBottom}); // EMR_RECTANGLE
    if (l.text) {
        // EMR_EXTTEXTOUTW: bounds, graphics mode, scales 1.0f, then the text's own record.
        put(b, 4, {84, 88, 0, 0, 0, 0, 1, 0x3F800000, 0x3F800000});
        put(b, 4, {300, 100, 2 /* characters */, 76, 0, 0, 0, 0, 0, 80 /* advances */});
        put(b, 2, {'A', 'b'});
        put(b, 4, {20, 20});
    }
    put(b, 4, {14, 20, 0, 16, 20}); // EMR_EOF
    metafile_detail::set32(b, 48, static_cast<std::uint32_t>(b.size()));
    return b;
}

// A Windows metafile, with or without the placeable header in front.
inline std::vector<char> wmfBytes(const WmfLayout& l = {}) {
    using metafile_detail::put;
    std::vector<char> records;
    const auto record = [&records](std::initializer_list<std::int64_t> words) {
        put(records, 4, {static_cast<std::int64_t>(words.size()) + 2});
        put(records, 2, words);
    };
    const int x0 = l.originX, y0 = l.originY;
    if (l.mapMode) record({0x0103, l.mapMode});                  // META_SETMAPMODE
    record({0x020B, y0, x0});                                    // META_SETWINDOWORG y, x
    record({0x020C, l.bboxBottom, l.bboxRight});                 // META_SETWINDOWEXT y, x
    if (l.viewportX) record({0x020E, l.viewportY, l.viewportX}); // META_SETVIEWPORTEXT
    const auto brush = [&](int style, std::uint32_t colour) {    // META_CREATEBRUSHINDIRECT
        record({0x02FC, style, colour & 0xFFFF, colour >> 16, 0});
    };
    const auto pen = [&](int style) { record({0x02FA, style, 1, 0, 0, 0}); }; // black, 1 unit
    const auto select = [&](int object) { record({0x012D, object}); };
    const auto shape = [&](int function, int left, int top, int right, int bottom) {
        record({function, y0 + bottom, x0 + right, y0 + top, x0 + left});
    };
    int objects = 0;
    if (l.plan) {
        brush(1 /* BS_NULL */, 0);
        pen(0 /* PS_SOLID */);
        select(objects++);
        select(objects++);
        shape(0x041B, 0, 0, l.bboxRight, l.bboxBottom); // META_RECTANGLE
    }
    brush(0 /* BS_SOLID */, l.fill);
    pen(5 /* PS_NULL */);
    select(objects++);
    select(objects++);
    if (l.plan) {
        shape(0x041B, 100, 100, 400, 300);
        shape(0x0418, 500, 50, 900, 450); // META_ELLIPSE
    } else {
        shape(0x041B, 0, 0, l.fillRight, l.fillBottom);
    }
    record({0}); // META_EOF

    std::vector<char> b;
    if (l.placeable) {
        put(b, 4, {0x9AC6CDD7});
        put(b, 2, {0, x0, y0, x0 + l.bboxRight, y0 + l.bboxBottom, l.inch, 0, 0});
        std::uint16_t sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[2 * i]) |
                                              static_cast<std::uint8_t>(b[2 * i + 1]) << 8);
        put(b, 2, {sum});
    }
    const auto words = static_cast<std::int64_t>((18 + records.size()) / 2);
    put(b, 2, {1 /* in memory */, 9, 0x0300});
    put(b, 4, {words});
    put(b, 2, {objects});
    put(b, 4, {8 /* longest record, in words */});
    put(b, 2, {0});
    b.insert(b.end(), records.begin(), records.end());
    return b;
}

} // namespace tracelle::testing
