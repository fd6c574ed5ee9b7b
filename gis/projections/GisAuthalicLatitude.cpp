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

TGIS_AuthalicLatitude::TGIS_AuthalicLatitude(double e2) : e2_(e2), e_(std::sqrt(e2)) { qp_ = Q(1.0); }

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

// Both functions are odd or even in phi; they are evaluated on the northern
// half, where H has no pole.
double TGIS_AuthalicLatitude::FromGeodetic(double phi) const {
  const double s = std::fabs(std::sin(phi));
  const double q = Q(s);
  const double beta = std::atan2(q, std::cos(phi) * std::sqrt(H(s) * (qp_ + q)));
  return std::copysign(beta, phi);
}

double TGIS_AuthalicLatitude::ScaleRatio(double phi) const {
  const double s = std::fabs(std::sin(phi));
  return qp_ / (std::sqrt(H(s) * (qp_ + Q(s))) * std::sqrt(1 - e2_ * s * s));
}

double TGIS_AuthalicLatitude::ToGeodetic(double beta) const {
  // The usual series in e^2 (error of order e^8) as the start, then Newton
  // steps on beta(phi) itself, whose slope 2(1 - e^2) ratio/(qp W^3) never
  // vanishes, not even at the pole.
  const double e4 = e2_ * e2_;
  const double e6 = e4 * e2_;
  double phi = beta + (e2_ / 3 + 31 * e4 / 180 + 517 * e6 / 5040) * std::sin(2 * beta) +
               (23 * e4 / 360 + 251 * e6 / 3780) * std::sin(4 * beta) + 761 * e6 / 45360 * std::sin(6 * beta);
  for (int i = 0; i < 4; ++i) {
    const double s = std::sin(phi);
    const double w2 = 1 - e2_ * s * s;
    const double step = (beta - FromGeodetic(phi)) * qp_ * w2 * std::sqrt(w2) / (2 * (1 - e2_) * ScaleRatio(phi));
    phi += step;
    if (std::fabs(step) <= 1e-16) break;
  }
  return phi;
}
