#include "gis/projections/GisProjectionMercator.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

TGIS_ProjectionMercator::TGIS_ProjectionMercator() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionMercator::Create() const {
  return std::make_unique<TGIS_ProjectionMercator>();
}

void TGIS_ProjectionMercator::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  e2_ = static_cast<double>(E2);
  e_ = static_cast<double>(E);
  const double e4 = e2_ * e2_;
  const double e6 = e4 * e2_;
  const double e8 = e6 * e2_;
  series_ = {e2_ / 2 + 5 * e4 / 24 + e6 / 12 + 13 * e8 / 360, 7 * e4 / 48 + 29 * e6 / 240 + 811 * e8 / 11520,
             7 * e6 / 120 + 81 * e8 / 1120, 4279 * e8 / 161280};
  // k0 = m(latitude of true scale): the parallel's radius in units of a.
  scale_ = static_cast<double>(A) * gis_ellipsoid::ParallelRadiusRatio(OriginLatitude, e2_);
  MaxEastingOffset = kPi * scale_;
  MaxNorthingOffset = scale_ * Isometric(kLatitudeLimit);
}

void TGIS_ProjectionMercator::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpFamily(parameters, TGIS_MeridianFix::mfToMinusPi, kLatitudeLimit);
}

double TGIS_ProjectionMercator::Isometric(double phi) const {
  return std::asinh(std::tan(phi)) - e_ * std::atanh(e_ * std::sin(phi));
}

double TGIS_ProjectionMercator::LatitudeOfIsometric(double psi) const {
  // The conformal latitude chi = gd(psi), the series chi -> phi in e^2 (error
  // of order e^10), then one Newton step with dpsi/dphi = (1 - e^2)/(W^2 cos
  // phi), which leaves nothing of that error in a double.
  const double chi = std::atan(std::sinh(psi));
  const double s2 = std::sin(2 * chi);
  const double c2 = std::cos(2 * chi);
  // sin 4x = 2 s c, sin 6x = s (4 c^2 - 1), sin 8x = 4 s c (2 c^2 - 1).
  double phi = chi + s2 * (series_[0] + 2 * c2 * series_[1] + (4 * c2 * c2 - 1) * series_[2] +
                           4 * c2 * (2 * c2 * c2 - 1) * series_[3]);
  const double s = std::sin(phi);
  const double w2 = 1 - e2_ * s * s;
  phi += (psi - Isometric(phi)) * w2 * std::cos(phi) / (1 - e2_);
  return phi;
}

void TGIS_ProjectionMercator::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat, kLatitudeLimit);
  result = TGIS_Point3{FalseEasting + scale_ * dlon, FalseNorthing + scale_ * Isometric(lat), source.Z};
}

void TGIS_ProjectionMercator::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  EndUnproject(dx / scale_, LatitudeOfIsometric(dy / scale_), source, result);
}
