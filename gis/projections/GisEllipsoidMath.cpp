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
