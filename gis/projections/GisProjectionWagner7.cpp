#include "gis/projections/GisProjectionWagner7.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>

TGIS_ProjectionWagner7::TGIS_ProjectionWagner7() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionWagner7::Create() const {
  return std::make_unique<TGIS_ProjectionWagner7>();
}

void TGIS_ProjectionWagner7::Forward(double dlon, double phi, double& x, double& y) const {
  const double sinPhi = kSinLimit * std::sin(phi);
  const double cosPhi = std::sqrt(1 - sinPhi * sinPhi);
  const double lambda = dlon / 3;
  const double c = std::sqrt(2 / (1 + cosPhi * std::cos(lambda)));
  x = kCx * radius_ * cosPhi * c * std::sin(lambda);
  y = kCy * radius_ * sinPhi * c;
}

void TGIS_ProjectionWagner7::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  double x;
  double y;
  Forward(kPi, 0, x, y);
  MaxEastingOffset = x;
  Forward(kPi, kHalfPi, x, y);
  MaxNorthingOffset = y;
}

void TGIS_ProjectionWagner7::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  double x;
  double y;
  Forward(dlon, lat, x, y);
  result = TGIS_Point3{FalseEasting + x, FalseNorthing + y, source.Z};
}

void TGIS_ProjectionWagner7::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  // Undo the stretch, then invert the unit Lambert azimuthal map: rho is the
  // chord 2 sin(c/2) to the point at angular distance c from the centre.
  const double u = dx / (kCx * radius_);
  const double v = dy / (kCy * radius_);
  const double rho = std::hypot(u, v);
  double lat = 0;
  double dlon = 0;
  if (rho > 0) {
    const double c = 2 * std::asin(std::min(rho / 2, 1.0));
    const double sinPhi = v * std::sin(c) / rho;
    lat = std::asin(std::clamp(sinPhi / kSinLimit, -1.0, 1.0));
    dlon = std::clamp(3 * std::atan2(u * std::sin(c), rho * std::cos(c)), -kPi, kPi);
  }
  EndUnproject(dlon, lat, source, result);
}
