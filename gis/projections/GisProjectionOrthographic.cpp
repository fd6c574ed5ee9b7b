#include "gis/projections/GisProjectionOrthographic.h"

#include <cmath>

#include "gis/projections/GisEllipsoidMath.h"

TGIS_ProjectionOrthographic::TGIS_ProjectionOrthographic() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionOrthographic::Create() const {
  return std::make_unique<TGIS_ProjectionOrthographic>();
}

void TGIS_ProjectionOrthographic::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = radius_;
  MaxNorthingOffset = radius_;
  sinLat0_ = std::sin(OriginLatitude);
  cosLat0_ = std::cos(OriginLatitude);
}

void TGIS_ProjectionOrthographic::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dLon;
  double lat;
  BeginProject(source, dLon, lat);

  const double sinLat = std::sin(lat);
  const double cosLat = std::cos(lat);
  const double cosDLon = std::cos(dLon);
  // cos of the angular distance from the origin: negative on the far side.
  const double cosC = sinLat0_ * sinLat + cosLat0_ * cosLat * cosDLon;
  if (cosC < 0) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
  const TGIS_Point3 projected{radius_ * cosLat * std::sin(dLon) + FalseEasting,
                              radius_ * (cosLat0_ * sinLat - sinLat0_ * cosLat * cosDLon) + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionOrthographic::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);

  const double rho = PlaneRadius(dx, dy);
  double lat = OriginLatitude;
  double dLon = 0;
  if (rho > 0) {
    const double sinC = std::fmin(1.0, rho / radius_);
    const double cosC = std::sqrt(1 - sinC * sinC);
    // The point on the unit sphere: up, and the two horizontal components
    // (east of and along the central meridian). atan2 keeps full precision
    // near the poles, where asin of the first would lose half the digits.
    const double up = cosC * sinLat0_ + dy * sinC * cosLat0_ / rho;
    const double east = dx * sinC / rho;
    const double along = cosC * cosLat0_ - dy * sinC * sinLat0_ / rho;
    lat = std::atan2(up, std::sqrt(east * east + along * along));  // both at most 1
    dLon = std::atan2(east, along);
  }
  EndUnproject(dLon, lat, source, result);
}
