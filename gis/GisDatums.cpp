#include "gis/GisDatums.h"

#include "gis/GisAngles.h"
#include "gis/GisException.h"
#include "gis/GisMessages.h"

#include <cmath>

std::unique_ptr<TGIS_EllipsoidList> GisEllipsoidList;
std::unique_ptr<TGIS_DatumList> GisDatumList;

// The built-in rows live in their own file.
void GisAddBuiltInDatums(TGIS_DatumList& list);
void GisAddBuiltInEllipsoids(TGIS_EllipsoidList& list);

namespace {

using gis_angle::kDegree;
constexpr double kArcSecondsPerRadian = 206264.8062471;
using gis_angle::kPi;

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
      South = d[6] * kDegree;
      North = d[7] * kDegree;
      West = d[8] * kDegree;
      East = d[9] * kDegree;
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
  const double lon = point.X;
  const double lat = point.Y;
  const double h = point.Z;
  // A NaN fails every range test, so it is caught by the negated form.
  if (!(lat >= -kPi / 2 && lat <= kPi / 2)) GisRaiseValue(GIS_RS_ERR_LATITUDE_INVALID, point.Y);
  if (!(lon >= -kPi && lon <= kPi)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, point.X);
  if (!std::isfinite(point.Z)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Z");

  // Double precision: its rounding (nanometres) is far below anything a
  // geocentric coordinate is used for, and extended-precision sines cost
  // several times as much.
  const double a = static_cast<double>(ellipsoid.A);
  const double e2 = static_cast<double>(ellipsoid.E2);
  const double sinLat = std::sin(lat), cosLat = std::cos(lat);
  const double n = a / std::sqrt(1 - e2 * sinLat * sinLat);
  const double r = (n + h) * cosLat;
  return TGIS_Point3{r * std::cos(lon), r * std::sin(lon), ((1 - e2) * n + h) * sinLat};
}

// Exact closed form (Vermeille's): the geodetic latitude and height follow
// from the one real root of a cubic, written with a single cube root. It
// agrees with the converged iteration to the rounding of double (1e-16 rad,
// nanometres in height) from the earth's centre region out to the Moon;
// one step of Bowring's method from a fixed first guess, the classic
// closed form, is off by millimetres at kilometre heights.
TGIS_Point3 GisGeocentricToGeodetic(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& point) {
  // Non-finite input would come out as NaN through the square roots below.
  if (!std::isfinite(point.X)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "X");
  if (!std::isfinite(point.Y)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Y");
  if (!std::isfinite(point.Z)) GisRaise(GIS_RS_ERR_COORIDINATE_INVALID, "Z");

  const double x = point.X;
  const double y = point.Y;
  const double z = point.Z;
  const double a = static_cast<double>(ellipsoid.A);
  const double e2 = static_cast<double>(ellipsoid.E2);
  const double e4 = e2 * e2;

  if (x == 0 && y == 0) {
    // On the axis: a pole, or the centre, which is given the north pole.
    const double b = static_cast<double>(ellipsoid.B);
    if (z == 0) return TGIS_Point3{0, kPi / 2, -b};
    return TGIS_Point3{0, z > 0 ? kPi / 2 : -kPi / 2, std::fabs(z) - b};
  }
  const double lon = x != 0 ? std::atan2(y, x) : (y > 0 ? kPi / 2 : -kPi / 2);
  if (std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z))) > 1e100) {
    // So far out that squares would overflow, the normal through the point
    // passes through the centre (to 1e-93 rad) and the radius is lost in the
    // rounding of the distance.
    const double w = std::hypot(x, y);
    return TGIS_Point3{lon, std::atan2(z, w), std::hypot(w, z)};
  }

  const double w2 = x * x + y * y;
  const double w = std::sqrt(w2);
  const double p = w2 / (a * a);
  const double q = (1 - e2) / (a * a) * z * z;
  const double r = (p + q - e4) / 6;
  if (q == 0 && p <= e4) {
    // In the equatorial plane within e^2 a of the centre, the nearest point
    // of the ellipsoid is off the equator: the normal of latitude phi meets
    // the plane at w = e^2 N cos(phi), and the height there is -(1 - e^2) N.
    // At the centre this gives the pole and -b.
    const double cosLat = w * std::sqrt(1 - e2) / std::sqrt(e2 * (e2 * a * a - w2));
    const double sinLat = std::sqrt(std::fmax(0.0, 1 - cosLat * cosLat));
    const double n = a / std::sqrt(1 - e2 * sinLat * sinLat);
    return TGIS_Point3{lon, std::atan2(z < 0 ? -sinLat : sinLat, cosLat), -(1 - e2) * n};
  }
  const double e4pq = e4 * p * q;
  const double evolute = 8 * r * r * r + e4pq;  // <= 0 inside the evolute, near the centre
  double u;
  if (evolute > 0) {
    const double c = std::cbrt(std::sqrt(evolute) + std::sqrt(e4pq));
    u = r + c * c / 2 + 2 * r * r / (c * c);
  } else {
    const double angle = std::atan2(std::sqrt(-evolute), std::sqrt(e4pq));
    u = -r * (2 * std::cos(2 * angle / 3) - 1);
  }
  const double v = std::sqrt(u * u + e4 * q);
  const double uv = u + v;
  const double halfW = e2 * (uv - q) / (2 * v);
  const double k = uv / (std::sqrt(halfW * halfW + uv) + halfW);
  const double d = k * w / (k + e2);
  return TGIS_Point3{lon, std::atan2(z, d), (k + e2 - 1) / k * std::sqrt(d * d + z * z)};
}
