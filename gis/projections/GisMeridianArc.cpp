#include "gis/projections/GisMeridianArc.h"

#include <cmath>

#include "gis/GisAngles.h"

namespace gis_ellipsoid {

using gis_angle::kHalfPi;

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

namespace {

// Clenshaw's sum of k[0] sin 2x + k[1] sin 4x + ... + k[4] sin 10x from
// sin 2x and 2 cos 2x: no trigonometric call beyond the one for x.
double SineSeries(const double (&k)[5], double sin2x, double twoCos2x) {
  const double b5 = k[4];
  const double b4 = k[3] + twoCos2x * b5;
  const double b3 = k[2] + twoCos2x * b4 - b5;
  const double b2 = k[1] + twoCos2x * b3 - b4;
  const double b1 = k[0] + twoCos2x * b2 - b3;
  return b1 * sin2x;
}

}  // namespace

double TGIS_MeridianArc::Distance(double phi) const { return Distance(phi, std::sin(phi), std::cos(phi)); }

double TGIS_MeridianArc::Distance(double phi, double sinPhi, double cosPhi) const {
  const double sin2 = 2 * sinPhi * cosPhi;
  const double twoCos2 = 2 * (cosPhi - sinPhi) * (cosPhi + sinPhi);
  const double k[5] = {-c2_, c4_, -c6_, c8_, -c10_};
  return c0_ * phi + SineSeries(k, sin2, twoCos2);
}

double TGIS_MeridianArc::Latitude(double distance) const {
  double sinPhi;
  double cosPhi;
  return Latitude(distance, sinPhi, cosPhi);
}

double TGIS_MeridianArc::Latitude(double distance, double& sinPhi, double& cosPhi) const {
  if (std::fabs(distance) >= quadrant_) {
    sinPhi = std::copysign(1.0, distance);
    cosPhi = 0;
    return std::copysign(kHalfPi, distance);
  }
  // The inverse series in the rectifying latitude mu, summed from sin and
  // cos of mu alone; sin and cos of phi = mu + delta follow from the Taylor
  // polynomials of the small delta (under 0.003 rad), exact to the last bit.
  const double mu = distance / c0_;
  const double sinMu = std::sin(mu);
  const double cosMu = std::cos(mu);
  const double k[5] = {d2_, d4_, d6_, d8_, d10_};
  const double delta = SineSeries(k, 2 * sinMu * cosMu, 2 * (cosMu - sinMu) * (cosMu + sinMu));
  const double dd = delta * delta;
  const double sinDelta = delta * (1 - dd / 6 * (1 - dd / 20 * (1 - dd / 42)));
  const double cosDelta = 1 - dd / 2 * (1 - dd / 12 * (1 - dd / 30));
  double phi = mu + delta;
  sinPhi = sinMu * cosDelta + cosMu * sinDelta;
  cosPhi = cosMu * cosDelta - sinMu * sinDelta;
  // The series are good to a few units in the last place; one step of
  // Newton's method on the arc takes the rest. The step is of order 1e-15,
  // so sin and cos follow it to first order exactly.
  const double w2 = 1 - e2_ * sinPhi * sinPhi;
  const double meridianRadius = a_ * (1 - e2_) / (w2 * std::sqrt(w2));
  const double step = (distance - Distance(phi, sinPhi, cosPhi)) / meridianRadius;
  phi += step;
  const double s = sinPhi;
  sinPhi += cosPhi * step;
  cosPhi -= s * step;
  if (phi > kHalfPi || phi < -kHalfPi) {
    phi = std::copysign(kHalfPi, phi);
    sinPhi = std::copysign(1.0, phi);
    cosPhi = 0;
  }
  return phi;
}

}  // namespace gis_ellipsoid
