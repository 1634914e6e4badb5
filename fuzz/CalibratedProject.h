// A project calibrated on three points, so that every point a reader adds is also converted.
#pragma once

#include "model/Project.h"

namespace tracelle::fuzz {

inline void calibrate(model::Project& project) {
    project.setCalibration({model::CalibrationPoint{"0", "0", 0, 0},
                            model::CalibrationPoint{"1000", "0", 500, 0},
                            model::CalibrationPoint{"0", "1000", 0, 500}});
}

} // namespace tracelle::fuzz
