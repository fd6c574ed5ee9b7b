#include "gis/projections/GisAuthalicLatitude.h"

#include <cmath>

namespace {

// atanh(z)/z, 1 at z = 0; the series keeps full precision for tiny z.
double AtanhRatio(double z) {
  if (std::fabs(z) < 1e-4) {
    const double z2 = z * z;
    return 1 + z2 / 3 + z2 * z2 / 5;
  }
  return std::atanh(z) / z;
}

}  // namespace

TGIS_AuthalicLatitude::TGIS_AuthalicLatitude(double e2) : e2_(e2), e_(std::sqrt(e2)) {
  qp_ = Q(1.0);
  const double e4 = e2 * e2;
  const double e6 = e4 * e2;
  series2_ = e2 / 3 + 31 * e4 / 180 + 517 * e6 / 5040;
  series4_ = 23 * e4 / 360 + 251 * e6 / 3780;
  series6_ = 761 * e6 / 45360;
}

double TGIS_AuthalicLatitude::Q(double sinPhi) const {
  return (1 - e2_) * sinPhi * (1 / (1 - e2_ * sinPhi * sinPhi) + AtanhRatio(e_ * sinPhi));
}

// With 1 - s = cos^2/(1 + s) and atanh(e) - atanh(e s) = atanh(z),
// z = e (1 - s)/(1 - e^2 s), every term of qp - q carries the factor cos^2.
double TGIS_AuthalicLatitude::H(double s) const {
  const double z = e_ * (1 - s) / (1 - e2_ * s);
  return (1 - e2_) / (1 + s) *
         ((1 + e2_ * s) / ((1 - e2_) * (1 - e2_ * s * s)) + AtanhRatio(z) / (1 - e2_ * s));
}

// Evaluated on |sin phi|, where H has no pole; the sign of cos(phi) carries
// the angle past the pole and the sign of phi the hemisphere.
void TGIS_AuthalicLatitude::Evaluate(double phi, double& sinBeta, double& cosBeta, double& ratio) const {
  Evaluate(std::sin(phi), std::cos(phi), sinBeta, cosBeta, ratio);
}

void TGIS_AuthalicLatitude::Evaluate(double sinPhi, double cosPhi, double& sinBeta, double& cosBeta,
                                     double& ratio) const {
  const double s = std::fabs(sinPhi);
  const double q = Q(s);
  const double root = std::sqrt(H(s) * (qp_ + q));
  sinBeta = std::copysign(q / qp_, sinPhi);
  cosBeta = cosPhi * root / qp_;
  ratio = qp_ / (root * std::sqrt(1 - e2_ * s * s));
}

double TGIS_AuthalicLatitude::FromGeodetic(double phi) const {
  double sinBeta;
  double cosBeta;
  double ratio;
  Evaluate(phi, sinBeta, cosBeta, ratio);
  return std::atan2(sinBeta, cosBeta);
}

double TGIS_AuthalicLatitude::ScaleRatio(double phi) const {
  double sinBeta;
  double cosBeta;
  double ratio;
  Evaluate(phi, sinBeta, cosBeta, ratio);
  return ratio;
}

double TGIS_AuthalicLatitude::ToGeodetic(double beta) const {
  const double sinBeta = std::sin(beta);
  return ToGeodetic(beta, sinBeta, std::cos(beta), qp_ * sinBeta);
}

double TGIS_AuthalicLatitude::ToGeodeticAtan2(double y, double x) const {
  const double r = std::sqrt(x * x + y * y);
  if (!(r > 0)) return ToGeodetic(std::atan2(y, x));
  const double sinBeta = y / r;
  return ToGeodetic(std::atan2(y, x), sinBeta, x / r, qp_ * sinBeta);
}

double TGIS_AuthalicLatitude::FromQ(double q) const {
  const double sinBeta = std::fmax(-1.0, std::fmin(1.0, q / qp_));
  return ToGeodetic(std::asin(sinBeta), sinBeta, std::sqrt((1 - sinBeta) * (1 + sinBeta)),
                    std::fmax(-qp_, std::fmin(qp_, q)));
}

double TGIS_AuthalicLatitude::ToGeodetic(double beta, double sinBeta, double cosBeta, double q) const {
  // sin 2b and cos 2b from sin b and cos b; sin 4b = 2 sin 2b cos 2b,
  // sin 6b = sin 2b (4 cos^2 2b - 1).
  const double s2 = 2 * sinBeta * cosBeta;
  const double c2 = (cosBeta - sinBeta) * (cosBeta + sinBeta);
  const double delta = s2 * (series2_ + 2 * c2 * series4_ + (4 * c2 * c2 - 1) * series6_);
  const double phi = beta + delta;
  // sin and cos of phi from those of beta and of the small delta (under
  // 0.003 rad on the earth's ellipsoids), whose Taylor polynomials are exact
  // to the last bit: no trigonometric call.
  const double dd = delta * delta;
  const double sinDelta = delta * (1 - dd / 6 * (1 - dd / 20 * (1 - dd / 42)));
  const double cosDelta = 1 - dd / 2 * (1 - dd / 12 * (1 - dd / 30));
  const double sinPhi = sinBeta * cosDelta + cosBeta * sinDelta;
  const double cosPhi = cosBeta * cosDelta - sinBeta * sinDelta;
  const double w2 = 1 - e2_ * sinPhi * sinPhi;
  // Within about 11 degrees of a pole q flattens out enough for a step on
  // it to lose a few digits; the step on beta keeps them there.
  if (std::fabs(cosPhi) > 0.2) {
    // dq/dphi = 2 (1 - e^2) cos(phi)/W^4.
    return phi + (q - Q(sinPhi)) * w2 * w2 / (2 * (1 - e2_) * cosPhi);
  }
  // dbeta/dphi = 2 (1 - e^2) ratio/(qp W^3), which never vanishes. The
  // residual beta - beta(phi), a few units in the ninth decimal, is the sine
  // of that difference to far below a rounding: the cross product of the
  // two directions, without an arc tangent.
  double sinB;
  double cosB;
  double ratio;
  Evaluate(sinPhi, cosPhi, sinB, cosB, ratio);
  const double residual = sinBeta * cosB - cosBeta * sinB;
  return phi + residual * qp_ * w2 * std::sqrt(w2) / (2 * (1 - e2_) * ratio);
}
