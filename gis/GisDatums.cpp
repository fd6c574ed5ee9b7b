#include "gis/GisDatums.h"

#include "gis/GisException.h"
#include "gis/GisMessages.h"

#include <cmath>
#include <numbers>

std::unique_ptr<TGIS_EllipsoidList> GisEllipsoidList;
std::unique_ptr<TGIS_DatumList> GisDatumList;

// The built-in rows live in their own file.
void GisAddBuiltInDatums(TGIS_DatumList& list);
void GisAddBuiltInEllipsoids(TGIS_EllipsoidList& list);

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kArcSecondsPerRadian = 206264.8062471;
constexpr double kPi = std::numbers::pi;

}  // namespace

TGIS_Ellipsoid::TGIS_Ellipsoid(std::string code, std::string description, long double a,
                               long double inverseFlattening)
    : Code(std::move(code)), Description(std::move(description)), A(a) {
  F = 1.0L / inverseFlattening;
  B = A - F * A;
  A2 = A * A;
  B2 = B * B;
  E2 = (A2 - B2) / A2;
  E = std::sqrt(E2);
  Ep2 = (A2 - B2) / B2;
  Ep = std::sqrt(Ep2);
}

TGIS_Datum::TGIS_Datum(TGIS_DatumKind kind, std::string code, std::string description, std::string ellipsoidCode,
                       const std::array<double, 10>& d)
    : Kind(kind),
      Code(std::move(code)),
      Description(std::move(description)),
      EllipsoidCode(std::move(ellipsoidCode)),
      West(-kPi),
      South(-kPi / 2),
      East(kPi),
      North(kPi / 2) {
  switch (kind) {
    case TGIS_DatumKind::dkThreeParameter:
      DX = d[0];
      EX = d[1];
      DY = d[2];
      EY = d[3];
      DZ = d[4];
      EZ = d[5];
      South = d[6] * kDegreesToRadians;
      North = d[7] * kDegreesToRadians;
      West = d[8] * kDegreesToRadians;
      East = d[9] * kDegreesToRadians;
      break;
    case TGIS_DatumKind::dkSevenParameter:
      DX = d[0];
      DY = d[1];
      DZ = d[2];
      RX = d[3] / kArcSecondsPerRadian;
      RY = d[4] / kArcSecondsPerRadian;
      RZ = d[5] / kArcSecondsPerRadian;
      Scale = d[6];
      break;
    default:  // the WGS kinds carry no shift
      break;
  }
}

const TGIS_Ellipsoid& TGIS_EllipsoidList::Add(const std::string& code, const std::string& description, long double a,
                                              long double inverseFlattening) {
  const int index = items_.Add(code, std::make_unique<TGIS_Ellipsoid>(code, description, a, inverseFlattening));
  return *items_.Object(index);
}

const TGIS_Datum& TGIS_DatumList::Add(TGIS_DatumKind kind, const std::string& code, const std::string& description,
                                      const std::string& ellipsoidCode, const std::array<double, 10>& d) {
  const int index = items_.Add(code, std::make_unique<TGIS_Datum>(kind, code, description, ellipsoidCode, d));
  defaultIndex_ = items_.IndexOf("WGE");
  return *items_.Object(index);
}

const TGIS_Datum* TGIS_DatumList::Default() const {
  return defaultIndex_ < 0 ? nullptr : items_.Object(defaultIndex_);
}

void GisDatumsStartup() {
  if (GisDatumList && GisEllipsoidList) return;
  GisDatumList = std::make_unique<TGIS_DatumList>();
  GisAddBuiltInDatums(*GisDatumList);
  GisEllipsoidList = std::make_unique<TGIS_EllipsoidList>();
  GisAddBuiltInEllipsoids(*GisEllipsoidList);
}

void GisDatumsShutdown() {
  GisEllipsoidList.reset();
  GisDatumList.reset();
}

const TGIS_Ellipsoid& GisEllipsoidOfDatum(const TGIS_Datum& datum) {
  const TGIS_Ellipsoid* found = GisEllipsoidList ? GisEllipsoidList->Find(datum.EllipsoidCode) : nullptr;
  if (!found) GisRaise(GIS_RS_ERR_ELLIPSOID_NOEXIST, datum.EllipsoidCode);
  return *found;
}

TGIS_Point3 GisGeodeticToGeocentric(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& point) {
  const long double lon = point.X;
  const long double lat = point.Y;
  const long double h = point.Z;
  // A NaN fails every range test, so it is caught by the negated form.
  if (!(lat >= -kPi / 2 && lat <= kPi / 2)) GisRaiseValue(GIS_RS_ERR_LATITUDE_INVALID, point.Y);
  if (!(lon >= -kPi && lon <= kPi)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, point.X);
  if (!std::isfinite(point.Z)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Z");

  const long double sinLat = std::sin(lat);
  const long double n = ellipsoid.A / std::sqrt(1.0L - ellipsoid.E2 * sinLat * sinLat);
  TGIS_Point3 result;
  result.X = static_cast<double>((n + h) * std::cos(lat) * std::cos(lon));
  result.Y = static_cast<double>((n + h) * std::cos(lat) * std::sin(lon));
  result.Z = static_cast<double>(((1.0L - ellipsoid.E2) * n + h) * sinLat);
  return result;
}

TGIS_Point3 GisGeocentricToGeodetic(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& point) {
  // Non-finite input would come out as NaN through the square roots below.
  if (!std::isfinite(point.X)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "X");
  if (!std::isfinite(point.Y)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Y");
  if (!std::isfinite(point.Z)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Z");

  constexpr long double kCos67p5 = 0.38268343236508977L;
  const long double x = point.X;
  const long double y = point.Y;
  const long double z = point.Z;
  const long double a = ellipsoid.A;
  const long double b = ellipsoid.B;
  const long double e2 = ellipsoid.E2;
  const long double ep2 = ellipsoid.Ep2;

  TGIS_Point3 result;
  long double lon = 0;
  long double lat = 0;
  bool onAxis = false;
  if (x != 0) {
    lon = std::atan2(y, x);
  } else if (y > 0) {
    lon = kPi / 2;
  } else if (y < 0) {
    lon = -kPi / 2;
  } else {
    onAxis = true;
    lon = 0;
    if (z > 0) {
      lat = kPi / 2;
    } else if (z < 0) {
      lat = -kPi / 2;
    } else {
      result.X = 0;
      result.Y = kPi / 2;
      result.Z = static_cast<double>(-b);
      return result;
    }
  }

  const long double w2 = x * x + y * y;
  const long double w = std::sqrt(w2);
  const long double t0 = z * 1.0026L;
  const long double s0 = std::sqrt(t0 * t0 + w2);
  const long double sinB0 = t0 / s0;
  const long double cosB0 = w / s0;
  const long double t1 = z + b * ep2 * sinB0 * sinB0 * sinB0;
  const long double sum = w - a * e2 * cosB0 * cosB0 * cosB0;
  const long double s1 = std::sqrt(t1 * t1 + sum * sum);
  const long double sinP1 = t1 / s1;
  const long double cosP1 = sum / s1;
  const long double rn = a / std::sqrt(1.0L - e2 * sinP1 * sinP1);
  long double h;
  if (cosP1 >= kCos67p5)
    h = w / cosP1 - rn;
  else if (cosP1 <= -kCos67p5)
    h = w / -cosP1 - rn;
  else
    h = z / sinP1 + rn * (e2 - 1.0L);
  if (!onAxis) lat = std::atan(sinP1 / cosP1);

  result.X = static_cast<double>(lon);
  result.Y = static_cast<double>(lat);
  result.Z = static_cast<double>(h);
  return result;
}
