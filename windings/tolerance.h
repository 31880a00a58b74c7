// Where a computed value meets a boundary (a coil's build against the depth,
// a ratio against a whole number of turns, the margins against the length),
// values within a relative 1e-9 of each other are taken as equal: the few
// roundings of the arithmetic on decimal sizes come to far less, and no size
// is given that finely.
#pragma once

#include <algorithm>
#include <cmath>

namespace vintorp::windings {

inline constexpr double kRelativeTolerance = 1e-9;

// |a − b| within kRelativeTolerance of the larger magnitude; false for NaN.
inline bool nearlyEqual(double a, double b)
{
    return std::abs(a - b) <= kRelativeTolerance * std::max(std::abs(a), std::abs(b));
}

// a ≤ b, or nearly equal to it; false for NaN.
inline bool atMost(double a, double b)
{
    return a <= b || nearlyEqual(a, b);
}

}  // namespace vintorp::windings
