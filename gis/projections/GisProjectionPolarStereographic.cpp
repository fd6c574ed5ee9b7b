#include "gis/projections/GisProjectionPolarStereographic.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

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
    rhoPerT_ = a * k0 * gis_ellipsoid::ParallelRadiusRatio(trueScale, static_cast<double>(E2)) /
               ConformalT(trueScale, e);
  }
}

void TGIS_ProjectionPolarStereographic::SetUp(std::int32_t zone, double centralMeridian, double originLatitude,
                                              double falseEasting, double falseNorthing, double standardParallel1,
                                              double standardParallel2, double scaleFactor, double reserved1,
                                              double reserved2, double azimuth, double point1Longitude,
                                              double point1Latitude, double point2Longitude,
                                              double point2Latitude) {
  ResetWarningFlag();
  TGIS_ProjectionAbstract::SetUp(zone, centralMeridian, originLatitude, falseEasting, falseNorthing,
                                 standardParallel1, standardParallel2, scaleFactor, reserved1, reserved2, azimuth,
                                 point1Longitude, point1Latitude, point2Longitude, point2Latitude);
  const double lat0 = FixOriginLatitude(originLatitude);
  const double lon0 = FixCentralMeridian(centralMeridian, TGIS_MeridianFix::mfToPi);
  CheckFiniteParameter(falseEasting, "FalseEasting");
  CheckFiniteParameter(falseNorthing, "FalseNorthing");
  CentralMeridian = NormalizedCentralMeridian(lon0);
  OriginLatitude = lat0;
  FalseEasting = falseEasting;
  FalseNorthing = falseNorthing;
  Prepare();
}

void TGIS_ProjectionPolarStereographic::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lon = source.X;
  double lat = source.Y;
  FixGeodeticInput(lon, lat);
  CheckHeight(source.Z);

  const double sign = south_ ? -1 : 1;
  const double phi = sign * lat;  // latitude on the north-pole form
  if (std::fabs(phi + kHalfPi) <= kPoleTolerance) {
    AddWarning(GIS_RS_ERR_LATITUDE_FIXED);
    return;
  }
  const double rho = rhoPerT_ * ConformalT(phi, static_cast<double>(E));
  const double dLon = LongitudeDelta(lon, CentralMeridian);
  // North: (rho sin dLon, -rho cos dLon); south: (rho sin dLon, rho cos dLon).
  const TGIS_Point3 projected{rho * std::sin(dLon) + FalseEasting, -sign * rho * std::cos(dLon) + FalseNorthing,
                              source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionPolarStereographic::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInputToReach(x, y);
  CheckHeight(source.Z);

  const double sign = south_ ? -1 : 1;
  const double dx = x - FalseEasting;
  const double dy = y - FalseNorthing;
  const double rho = std::hypot(dx, dy);
  double lat = sign * gis_ellipsoid::LatitudeFromT(rho / rhoPerT_, static_cast<double>(E), 1e-14, 30);
  double lon = rho == 0 ? CentralMeridian : CentralMeridian + std::atan2(dx, -sign * dy);
  NormalizeGeodeticResult(lon, lat);
  result = TGIS_Point3{lon, lat, source.Z};
}
