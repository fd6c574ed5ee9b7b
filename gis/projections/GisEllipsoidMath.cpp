#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>
#include <numbers>

namespace gis_ellipsoid {

namespace {
constexpr double kHalfPi = std::numbers::pi / 2;
constexpr double kQuarterPi = std::numbers::pi / 4;
}  // namespace

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

double ParallelRadiusRatio(double phi, double e2) {
  const double s = std::sin(phi);
  return std::cos(phi) / std::sqrt(1 - e2 * s * s);
}

double AuthalicQ(double phi, double e, double e2) {
  const double s = std::sin(phi);
  if (e == 0) return 2 * s;
  return (1 - e2) * (s / (1 - e2 * s * s) + std::atanh(e * s) / e);
}

double AuthalicQPole(double e, double e2) { return AuthalicQ(kHalfPi, e, e2); }

double LatitudeFromQ(double q, double e, double e2) {
  const double qPole = AuthalicQPole(e, e2);
  if (std::fabs(q) >= qPole) return std::copysign(kHalfPi, q);
  double phi = std::asin(std::fmax(-1.0, std::fmin(1.0, q / 2)));
  if (e == 0) return phi;
  for (int i = 0; i < 30; ++i) {
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    if (c < 1e-12) break;  // at the pole itself the correction has no denominator
    const double w = 1 - e2 * s * s;
    const double step = w * w / (2 * c) * (q / (1 - e2) - s / w - std::atanh(e * s) / e);
    phi += step;
    if (std::fabs(step) <= 1e-14) break;
  }
  return std::fmax(-kHalfPi, std::fmin(kHalfPi, phi));
}

double AuthalicRadius(double a, double e2) { return a * (1 - e2 / 6 - 17 * e2 * e2 / 360 - 67 * e2 * e2 * e2 / 3024); }

TGIS_MeridianArc::TGIS_MeridianArc(double a, double b) : a_(a), e2_((a * a - b * b) / (a * a)) {
  const double n = (a - b) / (a + b);
  const double n2 = n * n;
  const double n3 = n2 * n;
  const double n4 = n3 * n;
  const double n5 = n4 * n;
  const double scale = a / (1 + n);
  c0_ = scale * (1 + n2 / 4 + n4 / 64);
  c2_ = scale * (3 * n / 2 - 3 * n3 / 16 + 3 * n5 / 128);
  c4_ = scale * (15 * n2 / 16 - 15 * n4 / 64);
  c6_ = scale * (35 * n3 / 48 - 175 * n5 / 768);
  c8_ = scale * (315 * n4 / 512);
  c10_ = scale * (693 * n5 / 1280);
  quadrant_ = c0_ * kHalfPi;
  // The inverse series: latitude from the rectifying latitude mu = M / c0.
  d2_ = 3 * n / 2 - 27 * n3 / 32 + 269 * n5 / 512;
  d4_ = 21 * n2 / 16 - 55 * n4 / 32;
  d6_ = 151 * n3 / 96 - 417 * n5 / 128;
  d8_ = 1097 * n4 / 512;
  d10_ = 8011 * n5 / 2560;
}

double TGIS_MeridianArc::Distance(double phi) const {
  return c0_ * phi - c2_ * std::sin(2 * phi) + c4_ * std::sin(4 * phi) - c6_ * std::sin(6 * phi) +
         c8_ * std::sin(8 * phi) - c10_ * std::sin(10 * phi);
}

double TGIS_MeridianArc::Latitude(double distance) const {
  if (std::fabs(distance) >= quadrant_) return std::copysign(kHalfPi, distance);
  const double mu = distance / c0_;
  double phi = mu + d2_ * std::sin(2 * mu) + d4_ * std::sin(4 * mu) + d6_ * std::sin(6 * mu) + d8_ * std::sin(8 * mu) +
               d10_ * std::sin(10 * mu);
  // The series are good to about 1e-12; Newton's method polishes the rest.
  for (int i = 0; i < 4; ++i) {
    const double s = std::sin(phi);
    const double w = std::sqrt(1 - e2_ * s * s);
    const double meridianRadius = a_ * (1 - e2_) / (w * w * w);
    const double step = (distance - Distance(phi)) / meridianRadius;
    phi += step;
    if (std::fabs(step) <= 1e-14) break;
  }
  return std::fmax(-kHalfPi, std::fmin(kHalfPi, phi));
}

}  // namespace gis_ellipsoid
