#include "gis/projections/GisProjectionHotine.h"

#include <cmath>
#include <limits>

#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::ConformalT;

namespace {
using gis_angle::kDegree;
constexpr double kLatitudeTolerance = 1e-10;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
}  // namespace

TGIS_ProjectionHotine::TGIS_ProjectionHotine() {
  OriginLatitude = 45 * kDegree;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionHotine::Create() const {
  return std::make_unique<TGIS_ProjectionHotine>();
}

void TGIS_ProjectionHotine::CheckOriginLatitude(double originLatitude) {
  if (std::fabs(originLatitude) <= kLatitudeTolerance ||
      std::fabs(std::fabs(originLatitude) - kHalfPi) <= kLatitudeTolerance)
    GisRaiseValue(GIS_RS_ERR_ORIGINLATITUDE_INVALID, originLatitude);
}

TGIS_ProjectionHotine::Parameters TGIS_ProjectionHotine::StoredParameters() const {
  return {CentralMeridian, OriginLatitude, ScaleFactor,     Azimuth,
          Point1Longitude, Point1Latitude, Point2Longitude, Point2Latitude};
}

TGIS_ProjectionHotine::Constants TGIS_ProjectionHotine::Derive(const Parameters& p) const {
  CheckOriginLatitude(p.originLatitude);
  return DeriveFromCentre(p.centralMeridian, p.originLatitude, p.azimuth, p.scale);
}

TGIS_ProjectionHotine::Constants TGIS_ProjectionHotine::DeriveFromCentre(double centreLongitude, double centreLatitude,
                                                                         double azimuth, double scale) const {
  const double a = static_cast<double>(A);
  const double e = static_cast<double>(E);
  const double e2 = static_cast<double>(E2);
  const double sinC = std::sin(centreLatitude);
  const double cosC = std::cos(centreLatitude);
  const double w2 = 1 - e2 * sinC * sinC;

  Constants k;
  k.b = std::sqrt(1 + e2 * cosC * cosC * cosC * cosC / (1 - e2));
  k.aa = a * k.b * scale * std::sqrt(1 - e2) / w2;
  const double d = k.b * std::sqrt(1 - e2) / (cosC * std::sqrt(w2));
  const double d2 = std::fmax(d * d, 1.0);
  const double f = d + std::copysign(std::sqrt(d2 - 1), centreLatitude);
  k.h = f * std::pow(ConformalT(centreLatitude, e), k.b);
  const double g = (f - 1 / f) / 2;
  k.gamma0 = std::asin(std::sin(azimuth) / d);
  k.sinGamma0 = std::sin(k.gamma0);
  k.cosGamma0 = std::cos(k.gamma0);
  // |G tan(gamma0)| <= 1 in exact arithmetic; rounding may nudge it past.
  const double shift = std::fmax(-1.0, std::fmin(1.0, g * std::tan(k.gamma0)));
  k.lambda0 = centreLongitude - std::asin(shift) / k.b;
  k.sinAlpha = std::sin(azimuth);
  k.cosAlpha = std::cos(azimuth);
  // The centre point's distance along the centre line from the natural
  // origin, by the forward formula itself, so the centre maps to (0, 0).
  const double q = k.h / std::pow(ConformalT(centreLatitude, e), k.b);
  const double s = (q - 1 / q) / 2;
  const double bDLon = k.b * LongitudeDelta(centreLongitude, k.lambda0);
  k.uc = k.aa / k.b * std::atan2(s * k.cosGamma0 + std::sin(bDLon) * k.sinGamma0, std::cos(bDLon));

  for (double value : {k.b, k.aa, k.h, k.gamma0, k.lambda0, k.uc})
    if (!std::isfinite(value)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  k.solvable = true;
  return k;
}

void TGIS_ProjectionHotine::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  // SetUp has checked the stored parameters already; what can still fail here
  // is a two-point object that was never set up, which stays unsolvable (its
  // Project and Unproject raise) rather than making SetDatum raise.
  try {
    k_ = Derive(StoredParameters());
  } catch (const EGIS_Exception&) {
    k_ = Constants{};
  }
}

void TGIS_ProjectionHotine::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  const TGIS_ParameterSet reads = ParameterSet();
  Parameters p = StoredParameters();
  p.originLatitude = FixOriginLatitude(parameters.OriginLatitude);
  p.centralMeridian =
      NormalizedCentralMeridian(FixCentralMeridian(parameters.CentralMeridian, TGIS_MeridianFix::mfToPi));
  p.scale = FixScaleFactor(parameters.ScaleFactor, 0.3, 3.0);
  CheckFiniteParameter(parameters.FalseEasting, "FalseEasting");
  CheckFiniteParameter(parameters.FalseNorthing, "FalseNorthing");
  if (reads & ppAzimuth) {
    CheckFiniteParameter(parameters.Azimuth, "Azimuth");
    p.azimuth = parameters.Azimuth;
  }
  if (reads & ppPoint1) {
    CheckFiniteParameter(parameters.Point1Longitude, "Point1Longitude");
    CheckFiniteParameter(parameters.Point1Latitude, "Point1Latitude");
    p.point1Longitude = parameters.Point1Longitude;
    p.point1Latitude = parameters.Point1Latitude;
  }
  if (reads & ppPoint2) {
    CheckFiniteParameter(parameters.Point2Longitude, "Point2Longitude");
    CheckFiniteParameter(parameters.Point2Latitude, "Point2Latitude");
    p.point2Longitude = parameters.Point2Longitude;
    p.point2Latitude = parameters.Point2Latitude;
  }
  Derive(p);  // raises before anything is stored

  CentralMeridian = p.centralMeridian;
  OriginLatitude = p.originLatitude;
  ScaleFactor = p.scale;
  FalseEasting = parameters.FalseEasting;
  FalseNorthing = parameters.FalseNorthing;
  Azimuth = p.azimuth;
  Point1Longitude = p.point1Longitude;
  Point1Latitude = p.point1Latitude;
  Point2Longitude = p.point2Longitude;
  Point2Latitude = p.point2Latitude;
  Prepare();
}

void TGIS_ProjectionHotine::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lat = source.Y;
  FixLatitude(lat, kInfinity);  // rejects NaN only: the projection has no latitude clamp
  if (!std::isfinite(source.X)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, source.X);
  CheckHeight(source.Z);
  if (!k_.solvable) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);

  const double bDLon = k_.b * LongitudeDelta(source.X, k_.lambda0);
  const double ab = k_.aa / k_.b;
  double u;
  double v;
  if (std::fabs(std::fabs(lat) - kHalfPi) <= kLatitudeTolerance) {
    // At a pole t = 0 (or infinity): the limits of the general formulas.
    const double pole = lat > 0 ? 1 : -1;
    u = ab * pole * kHalfPi;
    v = ab * std::log(std::tan(gis_angle::kQuarterPi - pole * k_.gamma0 / 2));
  } else {
    const double q = k_.h / std::pow(ConformalT(lat, static_cast<double>(E)), k_.b);
    const double s = (q - 1 / q) / 2;
    const double t = (q + 1 / q) / 2;
    const double sinBDLon = std::sin(bDLon);
    const double uu = (-sinBDLon * k_.cosGamma0 + s * k_.sinGamma0) / t;
    if (!(std::fabs(uu) < 1)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
    v = ab * std::log((1 - uu) / (1 + uu)) / 2;
    u = ab * std::atan2(s * k_.cosGamma0 + sinBDLon * k_.sinGamma0, std::cos(bDLon));
  }
  u -= k_.uc;
  const TGIS_Point3 projected{v * k_.cosAlpha + u * k_.sinAlpha + FalseEasting,
                              u * k_.cosAlpha - v * k_.sinAlpha + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionHotine::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInput(x, y, -kInfinity, kInfinity, -kInfinity, kInfinity);  // rejects NaN only: no reach
  CheckHeight(source.Z);
  if (!k_.solvable) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);

  const double dx = x - FalseEasting;
  const double dy = y - FalseNorthing;
  const double v = dx * k_.cosAlpha - dy * k_.sinAlpha;
  const double u = dy * k_.cosAlpha + dx * k_.sinAlpha + k_.uc;
  const double q = std::exp(-k_.b * v / k_.aa);
  const double s = (q - 1 / q) / 2;
  const double t = (q + 1 / q) / 2;
  const double bu = k_.b * u / k_.aa;
  const double vv = std::sin(bu);
  const double uu = (vv * k_.cosGamma0 + s * k_.sinGamma0) / t;
  if (!std::isfinite(uu)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  double lat;
  double lon = k_.lambda0;
  if (std::fabs(uu) >= 1) {
    lat = uu > 0 ? kHalfPi : -kHalfPi;
  } else {
    const double tt = std::pow(k_.h / std::sqrt((1 + uu) / (1 - uu)), 1 / k_.b);
    lat = gis_ellipsoid::ExactLatitudeFromT(tt, static_cast<double>(E));
    lon = k_.lambda0 - std::atan2(s * k_.cosGamma0 - vv * k_.sinGamma0, std::cos(bu)) / k_.b;
  }
  if (!std::isfinite(lat) || !std::isfinite(lon)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  NormalizeGeodeticResult(lon, lat);
  result = TGIS_Point3{lon, lat, source.Z};
}
