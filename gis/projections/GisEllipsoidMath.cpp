#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

#include "gis/GisAngles.h"

namespace gis_ellipsoid {

using gis_angle::kHalfPi;
using gis_angle::kQuarterPi;

double ConformalT(double phi, double e) {
  const double es = e * std::sin(phi);
  return std::tan(kQuarterPi - phi / 2) / std::pow((1 - es) / (1 + es), e / 2);
}

double LatitudeFromT(double t, double e, double tolerance, int maxIterations, int* iterations) {
  const double halfE = e / 2;
  double phi = kHalfPi - 2 * std::atan(t);
  // A previous value of 0 makes the first test fail unless the first estimate
  // is already the equator, where it is exact.
  double previous = 0;
  int steps = 0;
  while (std::fabs(phi - previous) > tolerance && steps < maxIterations) {
    previous = phi;
    const double es = e * std::sin(previous);
    phi = kHalfPi - 2 * std::atan(t * std::pow((1 - es) / (1 + es), halfE));
    ++steps;
  }
  if (iterations) *iterations = steps;
  return phi;
}

double ExactLatitudeFromT(double t, double e) {
  if (t == 0) return kHalfPi;
  if (t > 1e150) return -kHalfPi;  // beyond, t^2 would overflow; phi is the pole to 1e-150
  // The conformal latitude chi, with tan(pi/4 - chi/2) = t, and its sine and
  // cosine from t without a trigonometric call.
  const double t2 = t * t;
  const double sinChi = (1 - t2) / (1 + t2);
  const double cosChi = 2 * t / (1 + t2);
  const double chi = std::atan2(1 - t2, 2 * t);
  // phi - chi as the series in e^2 to e^8 (error of order e^10, 1e-11 rad on
  // the earth), summed by Clenshaw from sin and cos of 2 chi.
  const double e2 = e * e, e4 = e2 * e2, e6 = e4 * e2, e8 = e6 * e2;
  const double k2 = e2 / 2 + 5 * e4 / 24 + e6 / 12 + 13 * e8 / 360;
  const double k4 = 7 * e4 / 48 + 29 * e6 / 240 + 811 * e8 / 11520;
  const double k6 = 7 * e6 / 120 + 81 * e8 / 1120;
  const double k8 = 4279 * e8 / 161280;
  const double sin2 = 2 * sinChi * cosChi, twoCos2 = 2 * (cosChi - sinChi) * (cosChi + sinChi);
  const double b4 = k8;
  const double b3 = k6 + twoCos2 * b4;
  const double b2 = k4 + twoCos2 * b3 - b4;
  const double b1 = k2 + twoCos2 * b2 - b3;
  const double delta = b1 * sin2;
  const double dd = delta * delta;
  const double sinDelta = delta * (1 - dd / 6 * (1 - dd / 20 * (1 - dd / 42)));
  const double cosDelta = 1 - dd / 2 * (1 - dd / 12 * (1 - dd / 30));
  const double phi = chi + delta;
  const double s = sinChi * cosDelta + cosChi * sinDelta;
  const double c = cosChi * cosDelta - sinChi * sinDelta;
  if (!(c > 0)) return phi;
  // One Newton step on the isometric latitude psi = asinh(tan phi) -
  // e atanh(e sin phi), whose target is -ln t, squares that error away.
  const double psi = std::asinh(s / c) - e * std::atanh(e * s);
  return phi - (psi + std::log(t)) * (1 - e2 * s * s) * c / (1 - e2);
}

double ParallelRadiusRatio(double phi, double e2) {
  const double s = std::sin(phi);
  return std::cos(phi) / std::sqrt(1 - e2 * s * s);
}

double AuthalicQ(double phi, double e, double e2) {
  const double s = std::sin(phi);
  if (e == 0) return 2 * s;
  return (1 - e2) * (s / (1 - e2 * s * s) + std::atanh(e * s) / e);
}

double AuthalicRadius(double a, double e2) { return a * (1 - e2 / 6 - 17 * e2 * e2 / 360 - 67 * e2 * e2 * e2 / 3024); }

}  // namespace gis_ellipsoid
