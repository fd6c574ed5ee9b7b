#include "gis/projections/GisProjectionSinusoid.h"

#include <algorithm>
#include <cmath>

TGIS_ProjectionSinusoid::TGIS_ProjectionSinusoid() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionSinusoid::Create() const {
  return std::make_unique<TGIS_ProjectionSinusoid>();
}

void TGIS_ProjectionSinusoid::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  a_ = static_cast<double>(A);
  e2_ = static_cast<double>(E2);
  arc_ = gis_ellipsoid::TGIS_MeridianArc(a_, static_cast<double>(B));
  MaxEastingOffset = kPi * a_;
  MaxNorthingOffset = arc_.Quadrant();
}

double TGIS_ProjectionSinusoid::ParallelRadius(double sinPhi, double cosPhi) const {
  return a_ * cosPhi / std::sqrt(1 - e2_ * sinPhi * sinPhi);
}

void TGIS_ProjectionSinusoid::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double sinLat = std::sin(lat);
  const double cosLat = std::cos(lat);
  result = TGIS_Point3{FalseEasting + ParallelRadius(sinLat, cosLat) * dlon,
                       FalseNorthing + arc_.Distance(lat, sinLat, cosLat), source.Z};
}

void TGIS_ProjectionSinusoid::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  double sinLat;
  double cosLat;
  const double lat = arc_.Latitude(dy, sinLat, cosLat);
  // The parallel's radius is 6e-17 a at the pole, 0 only in exact arithmetic:
  // a pole point keeps the central meridian instead of a random one.
  const double radius = std::fabs(lat) < kHalfPi ? ParallelRadius(sinLat, cosLat) : 0.0;
  const double dlon = radius > 0 ? std::clamp(dx / radius, -kPi, kPi) : 0.0;
  EndUnproject(dlon, lat, source, result);
}
