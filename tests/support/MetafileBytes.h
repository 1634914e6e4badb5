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
    put(records, 4, {5});
    put(records, 2, {0x020B, 0, 0}); // META_SETWINDOWORG y, x
    put(records, 4, {5});
    put(records, 2, {0x020C, l.bboxBottom, l.bboxRight}); // META_SETWINDOWEXT y, x
    put(records, 4, {7});
    put(records, 2, {0x02FC, 0 /* BS_SOLID */});
    put(records, 4, {l.fill});
    put(records, 2, {0}); // META_CREATEBRUSHINDIRECT
    put(records, 4, {4});
    put(records, 2, {0x012D, 0}); // META_SELECTOBJECT brush
    put(records, 4, {8});
    put(records, 2, {0x02FA, 5 /* PS_NULL */, 0, 0});
    put(records, 4, {0});
    put(records, 4, {4});
    put(records, 2, {0x012D, 1}); // META_SELECTOBJECT pen
    put(records, 4, {7});
    put(records, 2, {0x041B, l.fillBottom, l.fillRight, 0, 0}); // META_RECTANGLE
    put(records, 4, {3});
    put(records, 2, {0}); // META_EOF

    std::vector<char> b;
    if (l.placeable) {
        put(b, 4, {0x9AC6CDD7});
        put(b, 2, {0, 0, 0, l.bboxRight, l.bboxBottom, l.inch, 0, 0});
        std::uint16_t sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[2 * i]) |
                                              static_cast<std::uint8_t>(b[2 * i + 1]) << 8);
        put(b, 2, {sum});
    }
    const auto words = static_cast<std::int64_t>((18 + records.size()) / 2);
    put(b, 2, {1 /* in memory */, 9, 0x0300});
    put(b, 4, {words});
    put(b, 2, {2 /* objects */});
    put(b, 4, {8 /* longest record, in words */});
    put(b, 2, {0});
    b.insert(b.end(), records.begin(), records.end());
    return b;
}

} // namespace tracelle::testing
