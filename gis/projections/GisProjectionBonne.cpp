#include "gis/projections/GisProjectionBonne.h"

#include <cmath>

#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::ParallelRadiusRatio;

namespace {
using gis_angle::kDegree;
// Below this the apex is so far away that the cone formulas lose every digit.
constexpr double kEquatorTolerance = 1e-10;
}  // namespace

TGIS_ProjectionBonne::TGIS_ProjectionBonne() {
  OriginLatitude = 45 * kDegree;
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

void TGIS_ProjectionBonne::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dLon;
  double lat;
  BeginProject(source, dLon, lat);

  const double a = static_cast<double>(A);
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
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);

  const double a = static_cast<double>(A);
  double lat;
  double dLon;
  if (Sinusoidal()) {
    lat = arc_.Latitude(dy);
    const double m = ParallelRadiusRatio(lat, static_cast<double>(E2));
    dLon = m < 1e-12 ? 0 : dx / (a * m);
  } else {
    // The radius takes the sign of the standard parallel, so that the apex
    // side is right for southern cones too.
    const double sign = apex_ > 0 ? 1 : -1;
    const double rho = sign * PlaneRadius(dx, apex_ - dy);
    lat = arc_.Latitude(apex_ + arc1_ - rho);
    const double m = ParallelRadiusRatio(lat, static_cast<double>(E2));
    dLon = m < 1e-12 ? 0 : rho * std::atan2(sign * dx, sign * (apex_ - dy)) / (a * m);
  }
  EndUnproject(dLon, lat, source, result);
}
