#include "gis/projections/GisProjectionBonne.h"

#include <cmath>
#include <numbers>

using gis_ellipsoid::ParallelRadiusRatio;

namespace {
constexpr double kDeg = std::numbers::pi / 180;
// Below this the apex is so far away that the cone formulas lose every digit.
constexpr double kEquatorTolerance = 1e-10;
}  // namespace

TGIS_ProjectionBonne::TGIS_ProjectionBonne() {
  OriginLatitude = 45 * kDeg;
  MaxEastingOffset = 25000000;
  MaxNorthingOffset = 25000000;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionBonne::Create() const {
  return std::make_unique<TGIS_ProjectionBonne>();
}

void TGIS_ProjectionBonne::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  arc_ = gis_ellipsoid::TGIS_MeridianArc(static_cast<double>(A), static_cast<double>(B));
  const double phi1 = OriginLatitude;
  arc1_ = arc_.Distance(phi1);
  apex_ = std::fabs(phi1) < kEquatorTolerance
              ? 0
              : static_cast<double>(A) * ParallelRadiusRatio(phi1, static_cast<double>(E2)) / std::sin(phi1);
}

void TGIS_ProjectionBonne::SetUp(std::int32_t zone, double centralMeridian, double originLatitude,
                                 double falseEasting, double falseNorthing, double standardParallel1,
                                 double standardParallel2, double scaleFactor, double reserved1, double reserved2,
                                 double azimuth, double point1Longitude, double point1Latitude,
                                 double point2Longitude, double point2Latitude) {
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

void TGIS_ProjectionBonne::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lon = source.X;
  double lat = source.Y;
  FixGeodeticInput(lon, lat);
  CheckHeight(source.Z);

  const double a = static_cast<double>(A);
  const double dLon = LongitudeDelta(lon, CentralMeridian);
  const double m = ParallelRadiusRatio(lat, static_cast<double>(E2));
  const double arc = arc_.Distance(lat);
  double x;
  double y;
  if (Sinusoidal()) {
    x = a * m * dLon;
    y = arc;
  } else {
    const double rho = apex_ + arc1_ - arc;
    const double e = rho == 0 ? 0 : a * m * dLon / rho;
    x = rho * std::sin(e);
    y = apex_ - rho * std::cos(e);
  }
  const TGIS_Point3 projected{x + FalseEasting, y + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionBonne::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInputToReach(x, y);
  CheckHeight(source.Z);

  const double a = static_cast<double>(A);
  const double dx = x - FalseEasting;
  const double dy = y - FalseNorthing;
  double lat;
  double lon;
  if (Sinusoidal()) {
    lat = arc_.Latitude(dy);
    const double m = ParallelRadiusRatio(lat, static_cast<double>(E2));
    lon = m < 1e-12 ? CentralMeridian : CentralMeridian + dx / (a * m);
  } else {
    // The radius takes the sign of the standard parallel, so that the apex
    // side is right for southern cones too.
    const double sign = apex_ > 0 ? 1 : -1;
    const double rho = sign * std::hypot(dx, apex_ - dy);
    lat = arc_.Latitude(apex_ + arc1_ - rho);
    const double m = ParallelRadiusRatio(lat, static_cast<double>(E2));
    lon = m < 1e-12 ? CentralMeridian
                    : CentralMeridian + rho * std::atan2(sign * dx, sign * (apex_ - dy)) / (a * m);
  }
  NormalizeGeodeticResult(lon, lat);
  result = TGIS_Point3{lon, lat, source.Z};
}
