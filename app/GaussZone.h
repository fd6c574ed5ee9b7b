#pragma once
// The Gauss-Krueger zone rules of the converter, shared by the window's two
// conversion commands and the batch converter (cli/), so both give the same
// zone and the same coordinates for the same point.
//
// The window's rule: the 6-degree zone of a longitude is its whole degrees
// (truncated toward zero) divided by 6 (truncated) plus 1; the zone's central
// meridian is zone * 6 - 3 degrees, turned into radians with pi written to
// eight decimals (3.14159265). That meridian lies about 2.3e-9 rad off the
// true one (1.5 cm of easting at the equator in zone 20) and is part of every
// coordinate the tool has written, so it stays the default.
// Portable: no platform headers.

#include <cstdint>

class TGIS_ProjectionTransverseMercator;

namespace app {

// Point coordinates: pi/180 and 180/pi in extended precision.
inline constexpr long double kDegreesToRadians = 0.017453292519943295769L;
inline constexpr long double kRadiansToDegrees = 57.295779513082320877L;
// The window's pi for zone meridians.
inline constexpr long double kMeridianPi = 3.14159265L;

// Degrees to radians for a point coordinate, rounded to double as the
// commands do.
double PointRadians(double degrees);
double PointDegrees(double radians);

// The window's 6-degree zone of a longitude. Throws std::range_error when the
// whole degrees do not fit in 64 bits (and for NaN).
std::int64_t SixDegreeZoneOfLongitude(double longitude);

// A central meridian given in degrees, in radians: with the window's
// eight-decimal pi, or with the exact pi when `exactPi`.
double MeridianRadians(long double degrees, bool exactPi = false);

// The window's central meridian of a 6-degree zone, in radians. The meridian
// in whole degrees is computed in 32 bits like the zone field; zones too large
// for that (|zone| above about 357 million) wrap to a meaningless meridian
// instead of failing.
double WindowZoneMeridian(std::int32_t zone);

// Sets the projection up as the converter's Gauss plane on a meridian
// (radians): scale 1, false easting 500000 m, origin latitude 0.
void SetUpGaussPlane(TGIS_ProjectionTransverseMercator& projection, double centralMeridian);

}  // namespace app
