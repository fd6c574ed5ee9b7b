#include "app/GaussZone.h"

#include <numbers>
#include <stdexcept>

#include "gis/projections/GisProjectionTransverseMercator.h"

namespace app {

double PointRadians(double degrees) { return static_cast<double>(degrees * kDegreesToRadians); }

double PointDegrees(double radians) { return static_cast<double>(radians * kRadiansToDegrees); }

std::int64_t SixDegreeZoneOfLongitude(double longitude) {
  // Beyond 2^63 the whole degrees do not fit their 64-bit integer.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(longitude >= -kLimit && longitude < kLimit)) throw std::range_error("longitude out of range");
  return static_cast<std::int64_t>(longitude) / 6 + 1;
}

double MeridianRadians(long double degrees, bool exactPi) {
  const long double pi = exactPi ? std::numbers::pi_v<long double> : kMeridianPi;
  return static_cast<double>(degrees * pi / 180.0L);
}

double WindowZoneMeridian(std::int32_t zone) {
  const auto meridianDegrees = static_cast<std::int32_t>(static_cast<std::int64_t>(zone) * 6 - 3);
  return MeridianRadians(meridianDegrees);
}

void SetUpGaussPlane(TGIS_ProjectionTransverseMercator& projection, double centralMeridian) {
  // The converter's Gauss plane: the zone's meridian, false easting 500 km, scale 1.
  projection.SetUp(TGIS_SetUpParameters{.CentralMeridian = centralMeridian, .FalseEasting = 500000});
}

}  // namespace app
