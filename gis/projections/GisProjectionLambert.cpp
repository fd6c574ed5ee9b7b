#include "gis/projections/GisProjectionLambert.h"

#include <cmath>

#include "gis/projections/GisConeConstant.h"
#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::ConformalT;
using gis_ellipsoid::ParallelRadiusRatio;

namespace {
using gis_angle::kDegree;
constexpr double kPoleTolerance = 1e-10;
constexpr double kIterationTolerance = 4.85e-10;
}  // namespace

TGIS_ProjectionLambert::TGIS_ProjectionLambert() {
  OriginLatitude = 45 * kDegree;
  StandardParallel1 = 40 * kDegree;
  StandardParallel2 = 50 * kDegree;
  MaxEastingOffset = 40000000;
  MaxNorthingOffset = 40000000;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionLambert::Create() const {
  return std::make_unique<TGIS_ProjectionLambert>();
}

TGIS_ProjectionLambert::Constants TGIS_ProjectionLambert::Derive(double originLatitude, double parallel1,
                                                                 double parallel2) const {
  const double e = static_cast<double>(E);
  const double e2 = static_cast<double>(E2);
  const long double m1 = ParallelRadiusRatio(parallel1, e2);
  const long double t1 = ConformalT(parallel1, e);
  const long double n = gis_conic::ConeConstant<long double>(parallel1, parallel2, [&] {
    const long double m2 = ParallelRadiusRatio(parallel2, e2);
    const long double t2 = ConformalT(parallel2, e);
    return std::log(m1 / m2) / std::log(t1 / t2);
  });
  // The pole the cone opens towards lies at infinity; no origin there.
  if (std::fabs(std::fabs(originLatitude) - kHalfPi) <= kPoleTolerance && originLatitude * n < 0)
    GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  const long double f = m1 / (n * std::pow(t1, n));
  const long double aF = A * f;
  const long double rho0 = aF * std::pow(static_cast<long double>(ConformalT(originLatitude, e)), n);
  if (!std::isfinite(aF) || !std::isfinite(rho0)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  return {n, aF, rho0};
}

void TGIS_ProjectionLambert::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  const Constants c = Derive(OriginLatitude, StandardParallel1, StandardParallel2);
  n_ = c.n;
  aF_ = c.aF;
  rho0_ = c.rho0;
}

void TGIS_ProjectionLambert::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpConic(parameters, kParallelLimit, [this](double lat0, double parallel1, double parallel2) {
    Derive(lat0, parallel1, parallel2);
  });
}

void TGIS_ProjectionLambert::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dLon;
  double lat;
  BeginProject(source, dLon, lat);

  const double n = static_cast<double>(n_);
  double rho;
  if (std::fabs(std::fabs(lat) - kHalfPi) <= kPoleTolerance) {
    if (lat * n <= 0) {
      AddWarning(GIS_RS_ERR_LATITUDE_FIXED);
      return;
    }
    rho = 0;
  } else {
    rho = static_cast<double>(aF_) * std::pow(ConformalT(lat, static_cast<double>(E)), n);
  }
  const double theta = n * dLon;
  const TGIS_Point3 projected{rho * std::sin(theta) + FalseEasting,
                              static_cast<double>(rho0_) - rho * std::cos(theta) + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionLambert::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);

  const double n = static_cast<double>(n_);
  dy = static_cast<double>(rho0_) - dy;
  double rho = PlaneRadius(dx, dy);
  if (n < 0) {
    rho = -rho;
    dx = -dx;
    dy = -dy;
  }
  lastIterations_ = 0;
  if (rho == 0) {
    EndUnproject(0, n > 0 ? kHalfPi : -kHalfPi, source, result);
    return;
  }
  const double t = std::pow(rho / static_cast<double>(aF_), 1 / n);
  const double lat =
      gis_ellipsoid::LatitudeFromT(t, static_cast<double>(E), kIterationTolerance, kMaxIterations, &lastIterations_);
  EndUnproject(std::atan2(dx, dy) / n, lat, source, result);
}
