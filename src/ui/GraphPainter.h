// Paints the graph's segments on a 32-bit picture: lines first, then the dots over them.
#pragma once

#include "graph/GraphView.h"

#include <QImage>
#include <vector>

namespace tracelle::ui {

// Black first, then the segments.
void paintGraph(QImage& buffer, const std::vector<graph::Segment>& segments);

} // namespace tracelle::ui
