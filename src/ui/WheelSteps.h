// The mouse wheel in whole notches of 120: a high-resolution wheel or a touchpad sends parts
// of a notch, which add up until they make one.
#pragma once

namespace tracelle::ui {

class WheelSteps {
public:
    // The notches `delta` completes (an angle in eighths of a degree, positive away from the
    // user); what is left waits for the next delta.
    int add(int delta) {
        rest_ += delta;
        const int notches = rest_ / kNotch;
        rest_ -= notches * kNotch;
        return notches;
    }

private:
    static constexpr int kNotch = 120;
    int rest_ = 0;
};

} // namespace tracelle::ui
