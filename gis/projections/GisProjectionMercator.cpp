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
  // k0 = m(latitude of true scale): the parallel's radius in units of a.
  scale_ = static_cast<double>(A) * gis_ellipsoid::ParallelRadiusRatio(OriginLatitude, e2_);
  MaxEastingOffset = kPi * scale_;
  MaxNorthingOffset = scale_ * Isometric(kLatitudeLimit);
}

void TGIS_ProjectionMercator::SetUp(std::int32_t, double centralMeridian, double originLatitude,
                                    double falseEasting, double falseNorthing, double, double, double, double,
                                    double, double, double, double, double, double) {
  SetUpFamily(centralMeridian, TGIS_MeridianFix::mfToMinusPi, falseEasting, falseNorthing, originLatitude,
              kLatitudeLimit);
}

double TGIS_ProjectionMercator::Isometric(double phi) const {
  return std::asinh(std::tan(phi)) - e_ * std::atanh(e_ * std::sin(phi));
}

double TGIS_ProjectionMercator::LatitudeOfIsometric(double psi) const {
  // Start from the sphere (the conformal latitude), then Newton steps with
  // dpsi/dphi = (1 - e^2)/(W^2 cos phi); three reach the last bit.
  double phi = std::atan(std::sinh(psi));
  for (int i = 0; i < 8; ++i) {
    const double s = std::sin(phi);
    const double w2 = 1 - e2_ * s * s;
    const double step = (psi - Isometric(phi)) * w2 * std::cos(phi) / (1 - e2_);
    phi += step;
    if (std::fabs(step) <= 1e-15) break;
  }
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
