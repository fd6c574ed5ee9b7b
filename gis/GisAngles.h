#pragma once
// The angles the engine's formulas keep returning to, in radians, so that no
// projection carries its own copy of pi or of a degree.

#include <numbers>

namespace gis_angle {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kHalfPi = kPi / 2;
inline constexpr double kQuarterPi = kPi / 4;
inline constexpr double kTwoPi = 2 * kPi;
inline constexpr double kDegree = kPi / 180;  // one degree

}  // namespace gis_angle
