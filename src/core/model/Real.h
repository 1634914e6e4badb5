// Reals of the program and the mark of a value never given.
#pragma once

#include <cmath>

namespace tracelle::model {

// 80-bit extended on x86-64: the undefined value below has no 64-bit double form.
using Real = long double;

// −3.6 × 10^−495, shown as "-": above all a missing altitude Z. Compared exactly.
inline constexpr Real kUndefinedReal = -3.6e-495L;

// A point in real coordinates.
struct RealPoint {
    Real X = 0;
    Real Y = 0;
};

inline bool isUndefined(Real value) {
    return value == kUndefinedReal;
}

// The nearest integer, halves to even, for |x| < 2^63. Cheaper than nearbyint and trunc,
// which switch the x87 rounding mode or save the floating-point state on every call.
inline long long entierProche(Real x) {
    return std::llrint(x);
}

} // namespace tracelle::model
