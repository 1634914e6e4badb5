// What the first bytes of a Windows metafile tell before it is drawn: its kind, its size in
// screen pixels and the part of its drawing that the picture shows. The records are walked
// once, so that a file cut short or damaged is refused here rather than by the renderer.
//
// Sizes are given at 96 pixels per inch, the screen's logical resolution:
// - EMF: the picture frame (rclFrame, in 0.01 mm) is the picture's physical size, so the
//   width is round((right − left) × 96 / 2540), the height likewise. The frame also says
//   which part of the drawing fills the picture: in the reference device's pixels it is the
//   frame times the device's pixels per 0.01 mm (szlDevice over szlMicrometers, or over
//   szlMillimeters without the second header extension). A file without a frame falls back
//   on its bounds (rclBounds, inclusive, in device pixels) and the same device resolution.
// - WMF with a placeable header: its box is in metafile units, `inch` of them an inch, so
//   the width is round(|right − left| × 96 / inch). Without that header a WMF holds no size:
//   the renderer measures its drawing instead.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tracelle::picture {

inline constexpr int kScreenPixelsPerInch = 96;

enum class MetafileKind { None, Emf, Wmf };

struct MetafileRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

struct MetafileHeader {
    MetafileKind kind = MetafileKind::None;
    bool sized = false; // false for a WMF without placeable header
    int width = 0;      // pixels; 0 for a picture without extent
    int height = 0;
    // EMF: the picture frame in the reference device's pixels. Placeable WMF: the box in
    // metafile units, `unitsPerInch` of them an inch.
    MetafileRect frame;
    int unitsPerInch = 0;
    std::string error; // the reason in French, without the file's name
    bool ok() const { return error.empty() && kind != MetafileKind::None; }
};

MetafileHeader readMetafileHeader(std::span<const std::uint8_t> bytes);

// A WMF that only fills the box of the placeable WMF `bytes` (which `header` has read), under
// the mapping records (map mode, window, viewport) of the file. A player's device units follow
// the mapping (libwmf's are points in the default mode, the viewport's units in the
// anisotropic one most programs write): playing this file shows where the box lies on the
// device, and so where the drawing is to be placed.
std::vector<std::uint8_t> wmfBoxOnly(std::span<const std::uint8_t> bytes,
                                     const MetafileHeader& header);

} // namespace tracelle::picture
