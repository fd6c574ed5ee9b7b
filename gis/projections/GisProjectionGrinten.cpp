#include "gis/projections/GisProjectionGrinten.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>

namespace {

// The root in [0, min(Y, 1)] of f(T) = Y T^3 - S T^2 - T + Y (S = X^2 + Y^2,
// 0 <= Y, S <= 1): f(0) = Y >= 0 and f(Y) = -X^2 Y^2 <= 0 enclose it. Newton
// steps kept inside the shrinking bracket, from a start one fixed-point step
// away, take three or four steps.
double ParallelParameter(double X, double Y) {
  const double S = X * X + Y * Y;
  double low = 0;
  double high = std::min(Y, 1.0);
  double t = std::min(Y * (1 + Y * Y * Y) / (1 + S * Y), high);
  for (int i = 0; i < 200; ++i) {
    const double f = ((Y * t - S) * t - 1) * t + Y;
    if (f == 0) return t;
    if (f > 0)
      low = t;
    else
      high = t;
    const double slope = (3 * Y * t - 2 * S) * t - 1;
    double next = slope < 0 ? t - f / slope : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::fabs(next - t) <= 4e-16 * (1 + t)) return next;
    t = next;
  }
  return t;
}

}  // namespace

TGIS_ProjectionGrinten::TGIS_ProjectionGrinten() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionGrinten::Create() const {
  return std::make_unique<TGIS_ProjectionGrinten>();
}

void TGIS_ProjectionGrinten::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = kPi * gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = radius_;
  MaxNorthingOffset = radius_;
}

void TGIS_ProjectionGrinten::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double L = std::fabs(dlon) / kPi;
  const double sinTheta = std::min(std::fabs(lat) / kHalfPi, 1.0);
  const double T = sinTheta / (1 + std::sqrt(1 - sinTheta * sinTheta));
  const double L2 = L * L;
  const double T2 = T * T;
  const double common = (1 + L2) * (1 + T2);
  const double S = std::sqrt((common + T * (1 - L) * (1 - L)) * (common + T * (1 + L) * (1 + L)));
  const double K = 1 - T + T2;
  const double D = (1 - L2) * (1 + T2 - T2 * T2) + K * S;
  const double x = radius_ * 2 * L * (1 - T2 * T2) / D;
  const double y = radius_ * T * ((1 - L2) * K + S) / D;
  result = TGIS_Point3{FalseEasting + std::copysign(x, dlon), FalseNorthing + std::copysign(y, lat), source.Z};
}

void TGIS_ProjectionGrinten::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  double X = std::fabs(dx) / radius_;
  double Y = std::fabs(dy) / radius_;
  double S = X * X + Y * Y;
  if (S > 1) {
    const double r = std::sqrt(S);
    X /= r;
    Y /= r;
    S = 1;
  }
  // Meridian circle through (0, +-1) and (X, Y): L + 1/L = ... solved in the
  // form without cancellation inside the circle.
  const double L = X > 0 ? 2 * X / (1 - S + std::sqrt((1 - S) * (1 - S) + 4 * X * X)) : 0.0;
  const double T = ParallelParameter(X, Y);
  EndUnproject(std::copysign(std::min(L, 1.0) * kPi, dx), std::copysign(kHalfPi * 2 * T / (1 + T * T), dy), source,
               result);
}
