// The running sum of distances and bearings from point to point ("Cap et angle").
#pragma once

#include "measure/VectorMeasure.h"

#include <string>

namespace tracelle::measure {

class CapState {
public:
    // "Cap et angle" pressed: the sum starts again, and so does the sequence.
    void CapClick();
    // A click whose nearest shown point is c: the step from the previous Cap point to c is
    // added to the sum; returns the text for the cumulative label, also appended to the text
    // panel.
    std::string click(const model::Project& p, int c, const BearingCorrection& correction);
    // A move whose nearest shown point is c: the step label's text (empty when none).
    std::string move(const model::Project& p, int c, const BearingCorrection& correction);

    bool startPending() const { return startPending_; }
    int previous() const { return previous_; }
    Real cumulative() const { return cumulative_; }

private:
    bool startPending_ = true;
    int previous_ = 1;
    Real cumulative_ = 0;
};

// "P/C=> D=…… cap=……": one step between two points.
std::string texteEtape(int from, int to, const DistanceCap& step);

} // namespace tracelle::measure
