#include "gis/projections/GisProjectionCassini.h"

#include <cmath>

TGIS_ProjectionCassini::TGIS_ProjectionCassini() {
  MaxEastingOffset = kEastingBound;
  MaxNorthingOffset = kNorthingReach;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionCassini::Create() const {
  return std::make_unique<TGIS_ProjectionCassini>();
}

void TGIS_ProjectionCassini::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  arc_ = gis_ellipsoid::TGIS_MeridianArc(static_cast<double>(A), static_cast<double>(B));
  arc0_ = arc_.Distance(OriginLatitude);
  minX_ = FalseEasting - kEastingBound;
  maxX_ = FalseEasting + kEastingBound;
  minY_ = FalseNorthing - arc0_ - kNorthingReach;
  maxY_ = FalseNorthing - arc0_ + kNorthingReach;
}

TGIS_Point2 TGIS_ProjectionCassini::Forward(double dLon, double lat) const {
  const double e2 = static_cast<double>(E2);
  const double s = std::sin(lat);
  const double c = std::cos(lat);
  const double n = static_cast<double>(A) / std::sqrt(1 - e2 * s * s);
  const double tanLat = s / c;
  const double t = tanLat * tanLat;
  const double aa = dLon * c;
  const double a2 = aa * aa;
  const double cc = static_cast<double>(Ep2) * c * c;
  // n tan(phi) A^2 = n sin(phi) cos(phi) dLon^2: finite at the poles too.
  return {n * aa * (1 - a2 * t * (1.0 / 6 + (8 - t + 8 * cc) * a2 / 120)),
          arc_.Distance(lat, s, c) - arc0_ + n * tanLat * a2 * (0.5 + (5 - t + 6 * cc) * a2 / 24)};
}

TGIS_Point2 TGIS_ProjectionCassini::Inverse(double x, double y) const {
  const double e2 = static_cast<double>(E2);
  double s1;
  double c1;
  const double phi1 = arc_.Latitude(arc0_ + y, s1, c1);
  // At the pole every meridian meets; the footpoint is the answer.
  if (std::fabs(c1) <= 1e-12) return {0, phi1};
  const double w2 = 1 - e2 * s1 * s1;
  const double n1 = static_cast<double>(A) / std::sqrt(w2);
  const double r1 = static_cast<double>(A) * (1 - e2) / (w2 * std::sqrt(w2));
  const double tanPhi1 = s1 / c1;
  const double t1 = tanPhi1 * tanPhi1;
  const double d = x / n1;
  const double d2 = d * d;
  return {d * (1 - t1 * d2 * (1.0 / 3 - (1 + 3 * t1) * d2 / 15)) / c1,
          phi1 - n1 * tanPhi1 / r1 * d2 * (0.5 - (1 + 3 * t1) * d2 / 24)};
}

void TGIS_ProjectionCassini::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lon = source.X;
  double lat = source.Y;
  FixGeodeticInput(lon, lat);
  CheckHeight(source.Z);

  const TGIS_Point2 plane = Forward(LongitudeDelta(lon, CentralMeridian), lat);
  const TGIS_Point3 projected{plane.X + FalseEasting, plane.Y + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionCassini::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInput(x, y, minX_, maxX_, minY_, maxY_);
  CheckHeight(source.Z);

  x -= FalseEasting;
  y -= FalseNorthing;
  // The inverse series alone are off by centimetres a few degrees from the
  // meridian; correcting the estimate by what the inverse series make of its
  // own forward image makes Unproject the inverse of Project to the last bits.
  const TGIS_Point2 first = Inverse(x, y);
  TGIS_Point2 p = first;
  for (int i = 0; i < kRefinements; ++i) {
    const TGIS_Point2 plane = Forward(p.X, p.Y);
    const TGIS_Point2 again = Inverse(plane.X, plane.Y);
    const double dLon = first.X - again.X;
    const double dLat = first.Y - again.Y;
    if (!std::isfinite(dLon) || !std::isfinite(dLat)) break;
    p.X += dLon;
    p.Y = std::fmax(-kHalfPi, std::fmin(kHalfPi, p.Y + dLat));
    if (std::fabs(dLon) + std::fabs(dLat) <= 1e-14) break;
  }
  double lon = CentralMeridian + p.X;
  double lat = p.Y;
  NormalizeGeodeticResult(lon, lat);
  if (std::fabs(LongitudeDelta(lon, CentralMeridian)) > kWarnDistance) AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
  result = TGIS_Point3{lon, lat, source.Z};
}
