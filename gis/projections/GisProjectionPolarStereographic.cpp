#include "gis/projections/GisProjectionPolarStereographic.h"

#include <cmath>

#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::ConformalT;

namespace {
constexpr double kPoleTolerance = 1e-10;
}  // namespace

TGIS_ProjectionPolarStereographic::TGIS_ProjectionPolarStereographic() {
  OriginLatitude = kHalfPi;
  MaxEastingOffset = 12713601;
  MaxNorthingOffset = 12713601;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionPolarStereographic::Create() const {
  return std::make_unique<TGIS_ProjectionPolarStereographic>();
}

void TGIS_ProjectionPolarStereographic::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  const double a = static_cast<double>(A);
  const double e = static_cast<double>(E);
  south_ = OriginLatitude < 0;
  // Everything below works on the north-pole form; the south is its mirror.
  const double trueScale = std::fabs(OriginLatitude);
  const double k0 = ScaleFactor;
  if (std::fabs(trueScale - kHalfPi) <= kPoleTolerance) {
    rhoPerT_ = 2 * a * k0 / std::sqrt(std::pow(1 + e, 1 + e) * std::pow(1 - e, 1 - e));
  } else {
    rhoPerT_ =
        a * k0 * gis_ellipsoid::ParallelRadiusRatio(trueScale, static_cast<double>(E2)) / ConformalT(trueScale, e);
  }
}

void TGIS_ProjectionPolarStereographic::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dLon;
  double lat;
  BeginProject(source, dLon, lat);

  const double sign = south_ ? -1 : 1;
  const double phi = sign * lat;  // latitude on the north-pole form
  if (std::fabs(phi + kHalfPi) <= kPoleTolerance) {
    AddWarning(GIS_RS_ERR_LATITUDE_FIXED);
    return;
  }
  const double rho = rhoPerT_ * ConformalT(phi, static_cast<double>(E));
  // North: (rho sin dLon, -rho cos dLon); south: (rho sin dLon, rho cos dLon).
  const TGIS_Point3 projected{rho * std::sin(dLon) + FalseEasting, -sign * rho * std::cos(dLon) + FalseNorthing,
                              source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionPolarStereographic::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);

  const double sign = south_ ? -1 : 1;
  const double rho = PlaneRadius(dx, dy);
  EndUnproject(rho == 0 ? 0 : std::atan2(dx, -sign * dy),
               sign * gis_ellipsoid::ExactLatitudeFromT(rho / rhoPerT_, static_cast<double>(E)), source, result);
}
