// Segments cut to a rectangle before drawing: Qt strokes a segment whole, so one end far
// outside what is drawn would cost its whole length.
#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>

namespace tracelle::ui {

// The part of `segment` within `area`, ends kept where they lie inside; nothing when it
// misses the area.
std::optional<QLineF> clipSegment(const QLineF& segment, const QRectF& area);

} // namespace tracelle::ui
