#include "gis/projections/GisProjectionHotine2.h"

#include <cmath>

#include "gis/projections/GisEllipsoidMath.h"

using gis_ellipsoid::ConformalT;

namespace {
constexpr double kLatitudeTolerance = 1e-10;
}  // namespace

TGIS_ProjectionHotine2::TGIS_ProjectionHotine2() {
  // The centre form's constructor prepared the centre-and-azimuth defaults;
  // this form has no centre line yet.
  ScaleFactor = 1;
  k_ = Constants{};
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionHotine2::Create() const {
  return std::make_unique<TGIS_ProjectionHotine2>();
}

TGIS_ProjectionHotine2::Centre TGIS_ProjectionHotine2::CentreOf(const Parameters& p) const {
  const double e = static_cast<double>(E);
  const double e2 = static_cast<double>(E2);
  const double lat0 = p.originLatitude;
  const double sin0 = std::sin(lat0);
  const double cos0 = std::cos(lat0);
  const double w2 = 1 - e2 * sin0 * sin0;
  const double b = std::sqrt(1 + e2 * cos0 * cos0 * cos0 * cos0 / (1 - e2));
  const double d = b * std::sqrt(1 - e2) / (cos0 * std::sqrt(w2));
  const double d2 = std::fmax(d * d, 1.0);
  const double h0 = (d + std::copysign(std::sqrt(d2 - 1), lat0)) * std::pow(ConformalT(lat0, e), b);
  const double h1 = std::pow(ConformalT(p.point1Latitude, e), b);
  const double h2 = std::pow(ConformalT(p.point2Latitude, e), b);
  const double f = h0 / h1;
  const double g = (f - 1 / f) / 2;
  const double j = (h0 * h0 - h2 * h1) / (h0 * h0 + h2 * h1);
  const double pp = (h2 - h1) / (h2 + h1);
  // Take the second point's longitude within half a turn of the first.
  const double lon1 = p.point1Longitude;
  const double lon2 = lon1 - LongitudeDelta(lon1, p.point2Longitude);
  const double lambda0 = (lon1 + lon2) / 2 - std::atan(j * std::tan(b * (lon1 - lon2) / 2) / pp) / b;
  const double gamma0 = std::atan(std::sin(b * LongitudeDelta(lon1, lambda0)) / g);
  const double azimuth = std::asin(std::fmax(-1.0, std::fmin(1.0, d * std::sin(gamma0))));
  // The centre form puts the natural origin at centre - asin(G tan gamma0)/B.
  const double shift = std::fmax(
      -1.0, std::fmin(1.0, (d2 - 1 < 0 ? 0 : std::sqrt(d2 - 1)) * std::copysign(1.0, lat0) * std::tan(gamma0)));
  return {lambda0 + std::asin(shift) / b, azimuth};
}

TGIS_ProjectionHotine::Constants TGIS_ProjectionHotine2::Derive(const Parameters& p) const {
  CheckOriginLatitude(p.originLatitude);
  if (std::fabs(p.point1Latitude - p.point2Latitude) <= kLatitudeTolerance)
    GisRaise(GIS_RS_ERR_LATITUDEPOINT12_INVALID);
  if (std::fabs(p.point1Latitude) <= kLatitudeTolerance ||
      std::fabs(std::fabs(p.point1Latitude) - kHalfPi) <= kLatitudeTolerance)
    GisRaiseValue(GIS_RS_ERR_ORIGINLATITUDE_INVALID, p.point1Latitude);
  const Centre centre = CentreOf(p);
  if (!std::isfinite(centre.longitude) || !std::isfinite(centre.azimuth)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  return DeriveFromCentre(centre.longitude, p.originLatitude, centre.azimuth, p.scale);
}
