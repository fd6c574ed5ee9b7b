#include "gis/projections/GisProjectionMillerCyl.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

TGIS_ProjectionMillerCyl::TGIS_ProjectionMillerCyl() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionMillerCyl::Create() const {
  return std::make_unique<TGIS_ProjectionMillerCyl>();
}

void TGIS_ProjectionMillerCyl::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = kPi * radius_;
  MaxNorthingOffset = Northing(kHalfPi);
}

// ln((1 + s)/(1 - s)) = 2 atanh(s); atanh keeps its digits near the equator,
// where the quotient form would subtract two numbers close to 1.
double TGIS_ProjectionMillerCyl::Northing(double phi) const {
  return radius_ * 2 * std::atanh(std::sin(0.8 * phi)) / 1.6;
}

void TGIS_ProjectionMillerCyl::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  result = TGIS_Point3{FalseEasting + radius_ * dlon, FalseNorthing + Northing(lat), source.Z};
}

void TGIS_ProjectionMillerCyl::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  EndUnproject(dx / radius_, std::asin(std::tanh(0.8 * dy / radius_)) / 0.8, source, result);
}
