#pragma once
// The pseudocylindrical equal-area projections (Mollweide, Eckert IV,
// Wagner IV) do not place a parallel at its latitude phi but at an auxiliary
// angle theta given implicitly by g(theta) = k sin(phi), with g increasing.
// Near the pole g flattens out (Mollweide: g' = 4 cos^2 theta), so plain
// Newton steps crawl or jump out of range there; this solver keeps every step
// inside a bracket that shrinks around the root and bisects when Newton would
// leave it, so it ends on the root to the last bits for every latitude.

#include <cmath>

namespace gis_pseudocylindrical {

// g and its slope at one angle: they share their sine and cosine.
struct TGIS_ValueSlope {
  double value;
  double slope;
};

// The theta in [0, upper] with g(theta) = target, for g odd and increasing on
// that interval (so g(0) = 0), given g(upper); a target at or beyond an end
// gives that end. `guess` is where the search starts (any value inside the
// interval). `gs` gives g and its slope at once.
template <class ValueSlope>
double SolveIncreasing(ValueSlope gs, double target, double upper, double gUpper, double guess) {
  // The ends exactly: the poles must land on the pole line or point itself,
  // not a Newton step short of it.
  if (!(target < gUpper)) return upper;
  if (!(target > 0)) return 0;
  double low = 0;
  double high = upper;
  double theta = guess > low && guess < high ? guess : 0.5 * (low + high);
  // Bisection alone halves the bracket each time; 200 steps cover any double.
  for (int i = 0; i < 200; ++i) {
    const TGIS_ValueSlope here = gs(theta);
    const double residual = here.value - target;
    if (residual == 0) return theta;
    if (residual > 0)
      high = theta;
    else
      low = theta;
    double next = here.slope > 0 ? theta - residual / here.slope : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::fabs(next - theta) <= 4e-16 * (1 + std::fabs(theta))) return next;
    theta = next;
  }
  return theta;
}

// The equation g(theta) = k sin(phi) of one projection, g odd and increasing
// on [-upper, upper].
struct TGIS_AuxiliaryEquation {
  double k;
  double upper;
  // Start of the search away from the pole: theta ~ slope * |phi|.
  double slope;
  // Near the pole, where g(upper) - g(theta) ~ c (upper - theta)^n, the start
  // comes from that estimate instead (n = 0: no such contact).
  int contactOrder;
  double contactCoefficient;
};

// theta for the latitude phi (same sign).
template <class ValueSlope>
double AuxiliaryAngle(double phi, const TGIS_AuxiliaryEquation& eq, ValueSlope gs) {
  const double target = eq.k * std::fabs(std::sin(phi));
  const double gUpper = gs(eq.upper).value;
  const double gap = gUpper - target;
  double guess = eq.slope * std::fabs(phi);
  if (eq.contactOrder > 0 && gap < 0.1)
    guess = eq.upper - std::pow(std::fmax(gap, 0.0) / eq.contactCoefficient, 1.0 / eq.contactOrder);
  return std::copysign(SolveIncreasing(gs, target, eq.upper, gUpper, guess), phi);
}

}  // namespace gis_pseudocylindrical
