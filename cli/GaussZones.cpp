#include "cli/GaussZones.h"

#include <cmath>

#include "app/GaussZone.h"

namespace gkconv {

std::int64_t ZoneOfLongitude(double longitude, int width) {
  if (width == 6) return app::SixDegreeZoneOfLongitude(longitude);
  return static_cast<std::int64_t>(std::floor((longitude + 1.5) / 3));
}

std::int64_t ZoneMeridianDegrees(std::int64_t zone, int width) { return width == 6 ? zone * 6 - 3 : zone * 3; }

double ZoneMeridianRadians(std::int32_t zone, int width, bool exactPi) {
  if (width == 6 && !exactPi) return app::WindowZoneMeridian(zone);
  return app::MeridianRadians(static_cast<long double>(ZoneMeridianDegrees(zone, width)), exactPi);
}

std::optional<TPrefixedEasting> SplitPrefixedEasting(std::string_view text) {
  size_t start = 0, end = text.size();
  while (start < end && (text[start] == ' ' || text[start] == '\t')) ++start;
  while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r')) --end;
  text = text.substr(start, end - start);
  size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits != 8 || (digits < text.size() && text[digits] != '.')) return std::nullopt;
  const std::int32_t zone = (text[0] - '0') * 10 + (text[1] - '0');
  return TPrefixedEasting{zone, text.substr(2)};
}

}  // namespace gkconv
