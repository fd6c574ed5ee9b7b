#pragma once
// Zones of the Gauss-Krueger plane as gkconv chooses them: the window's
// 6-degree rule by default, 3-degree zones on request (central meridian 3n
// with n = floor((L + 1.5) / 3)), or one zone or central meridian for every
// point (换带: points that must share one plane). Zone meridians use the
// window's eight-decimal pi unless the exact one is asked for. Eastings may
// carry the zone number in front (20447924.494 is 447924.494 in zone 20).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gkconv {

struct TZoneSettings {
  int Width = 6;                              // 6 or 3 degrees
  std::optional<std::int32_t> Zone;           // one zone for every point
  std::optional<double> CentralMeridian;      // or one meridian, degrees
  bool ExactMeridian = false;                 // exact pi instead of 3.14159265
};

// The zone of a longitude (degrees) by the rule of the width: the window's
// for 6 (whole degrees truncated, / 6, + 1), floor((L + 1.5) / 3) for 3.
std::int64_t ZoneOfLongitude(double longitude, int width);
// The zone's central meridian in degrees: 6z - 3 or 3z.
std::int64_t ZoneMeridianDegrees(std::int64_t zone, int width);
// The zone's central meridian in radians, as the window computes it for
// 6-degree zones (or with the exact pi).
double ZoneMeridianRadians(std::int32_t zone, int width, bool exactPi);

// An easting split into zone and easting when its text has exactly eight
// digits before the point (two of zone, six of easting). The easting comes
// from the text itself, so no rounding enters.
struct TPrefixedEasting {
  std::int32_t Zone;
  std::string_view Easting;  // the text after the zone digits
};
std::optional<TPrefixedEasting> SplitPrefixedEasting(std::string_view text);

}  // namespace gkconv
