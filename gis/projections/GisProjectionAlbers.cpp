#include "gis/projections/GisProjectionAlbers.h"

#include <cmath>

#include "gis/projections/GisConeConstant.h"
#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::AuthalicQ;
using gis_ellipsoid::ParallelRadiusRatio;

namespace {
using gis_angle::kDegree;
}  // namespace

TGIS_ProjectionAlbers::TGIS_ProjectionAlbers() {
  OriginLatitude = 45 * kDegree;
  StandardParallel1 = 40 * kDegree;
  StandardParallel2 = 50 * kDegree;
  MaxEastingOffset = 40000000;
  MaxNorthingOffset = 40000000;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionAlbers::Create() const {
  return std::make_unique<TGIS_ProjectionAlbers>();
}

TGIS_ProjectionAlbers::Constants TGIS_ProjectionAlbers::Derive(double originLatitude, double parallel1,
                                                               double parallel2) const {
  const double a = static_cast<double>(A);
  const double e = static_cast<double>(E);
  const double e2 = static_cast<double>(E2);
  const double m1 = ParallelRadiusRatio(parallel1, e2);
  const double q1 = AuthalicQ(parallel1, e, e2);
  const double n = gis_conic::ConeConstant<double>(parallel1, parallel2, [&] {
    const double m2 = ParallelRadiusRatio(parallel2, e2);
    const double q2 = AuthalicQ(parallel2, e, e2);
    return (m1 * m1 - m2 * m2) / (q2 - q1);
  });
  const double c = m1 * m1 + n * q1;
  const double rho0 = a * std::sqrt(std::fmax(0.0, c - n * AuthalicQ(originLatitude, e, e2))) / n;
  return {n, c, rho0};
}

void TGIS_ProjectionAlbers::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  authalic_ = TGIS_AuthalicLatitude(static_cast<double>(E2));
  k_ = Derive(OriginLatitude, StandardParallel1, StandardParallel2);
}

void TGIS_ProjectionAlbers::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpConic(parameters, kHalfPi, [this](double lat0, double parallel1, double parallel2) {
    Derive(lat0, parallel1, parallel2);
  });
}

void TGIS_ProjectionAlbers::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dLon;
  double lat;
  BeginProject(source, dLon, lat);

  const double q = AuthalicQ(lat, static_cast<double>(E), static_cast<double>(E2));
  const double rho = static_cast<double>(A) * std::sqrt(std::fmax(0.0, k_.c - k_.n * q)) / k_.n;
  const double theta = k_.n * dLon;
  const TGIS_Point3 projected{rho * std::sin(theta) + FalseEasting, k_.rho0 - rho * std::cos(theta) + FalseNorthing,
                              source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionAlbers::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);

  const double a = static_cast<double>(A);
  dy = k_.rho0 - dy;
  double rho = std::hypot(dx, dy);
  if (k_.n < 0) {
    rho = -rho;
    dx = -dx;
    dy = -dy;
  }
  const double q = (k_.c - rho * rho * k_.n * k_.n / (a * a)) / k_.n;
  // Beyond the poles (rounding, or the clamped reach) q gives the pole.
  EndUnproject(rho == 0 ? 0 : std::atan2(dx, dy) / k_.n, authalic_.FromQ(q), source, result);
}
