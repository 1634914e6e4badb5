// What lies under the mouse on the picture: a shown point, a calibration point, or a segment
// of a shown line, for the editing by hand.
#pragma once

namespace tracelle::model {

class Project;

struct Picked {
    enum Kind { None, Point, Calage, Segment } kind = None;
    int row = 0; // the point's or calibration point's row; for a segment, its second point's
};

// The nearest point (calibration points included) within `radius` layer pixels of (x, y);
// else the nearest segment of a shown line within it.
Picked pointSous(const Project& project, double x, double y, double radius);

} // namespace tracelle::model
