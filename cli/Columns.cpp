#include "cli/Columns.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace gkconv {

namespace {

// Usual header names (compared after lower-casing and removing blanks, '_',
// '/', quotes and parentheses, ASCII or full-width).
const std::vector<std::string_view> kLongitudeNames = {"longitude", "lon", "lng", "long", "l", "经度", "longitude经度", "经度l", "l经度"};
const std::vector<std::string_view> kLatitudeNames = {"latitude", "lat", "b", "纬度", "latitude纬度", "纬度b", "b纬度"};
const std::vector<std::string_view> kEastNames = {"easting", "east", "e", "东", "东坐标", "y东", "东y", "easting东", "东坐标y", "y东坐标"};
const std::vector<std::string_view> kNorthNames = {"northing", "north", "n", "北", "北坐标", "x北", "北x", "northing北", "北坐标x", "x北坐标"};
const std::vector<std::string_view> kHeightNames = {"h", "height", "elevation", "高程", "h高程", "高程h", "大地高", "z"};
const std::vector<std::string_view> kZoneNames = {"zone", "带号", "zone带号"};

std::string Normalized(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == ' ' || c == '_' || c == '/' || c == '(' || c == ')' || c == '\t' || c == '\r' || c == '"') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  // Full-width parentheses of Chinese headers: （ ）
  for (std::string_view mark : {"\xEF\xBC\x88", "\xEF\xBC\x89"}) {
    for (size_t at; (at = out.find(mark)) != std::string::npos;) out.erase(at, mark.size());
  }
  return out;
}

std::optional<int> FindName(const std::vector<std::string_view>& header, const std::vector<std::string_view>& names) {
  for (size_t i = 0; i < header.size(); ++i) {
    const std::string n = Normalized(header[i]);
    if (std::find(names.begin(), names.end(), n) != names.end()) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> Position(std::string_view spec) {
  int value = 0;
  const auto res = std::from_chars(spec.data(), spec.data() + spec.size(), value);
  if (res.ec != std::errc() || res.ptr != spec.data() + spec.size() || value < 1) return std::nullopt;
  return value - 1;
}

// A column given by the user: a position, or a name looked up in the header.
bool Resolve(std::string_view what, const std::string& spec, const std::vector<std::string_view>& header,
             bool hasHeader, std::optional<int>& column, std::string& error) {
  if (spec.empty()) return true;
  if (auto p = Position(spec)) {
    column = p;
    return true;
  }
  if (!hasHeader) {
    error = std::string(what) + " column '" + spec + "' is a name, but the file has no header row";
    return false;
  }
  const std::string wanted = Normalized(spec);
  for (size_t i = 0; i < header.size(); ++i) {
    if (Normalized(header[i]) == wanted) {
      column = static_cast<int>(i);
      return true;
    }
  }
  error = std::string(what) + " column '" + spec + "' is not in the header";
  return false;
}

bool IsName(const std::string& spec) { return !spec.empty() && !Position(spec); }

}  // namespace

bool ResolveColumns(const TColumnSpecs& specs, THeaderMode mode, const std::vector<std::string_view>& firstLine,
                    TConvertSettings& settings, bool& hasHeader, std::string& error) {
  const bool toGauss = settings.Direction == TDirection::ToGauss;
  if (!toGauss && !specs.Zone.empty() && (settings.Zones.Zone || settings.Zones.CentralMeridian)) {
    error = "--zone-column and --zone / --central-meridian exclude each other";
    return false;
  }
  if (specs.Cass) {
    hasHeader = mode == THeaderMode::Yes;
    settings.FirstColumn = TCassLayout::EastColumn;
    settings.SecondColumn = TCassLayout::NorthColumn;
    settings.HeightColumn = TCassLayout::HeightColumn;
    if (!specs.First.empty() || !specs.Second.empty()) {
      error = "the CASS layout fixes the coordinate columns; leave out the column options";
      return false;
    }
    return true;
  }

  const auto& firstNames = toGauss ? kLongitudeNames : kEastNames;
  const auto& secondNames = toGauss ? kLatitudeNames : kNorthNames;
  const std::optional<int> namedFirst = FindName(firstLine, firstNames);
  const std::optional<int> namedSecond = FindName(firstLine, secondNames);

  switch (mode) {
    case THeaderMode::Yes: hasHeader = true; break;
    case THeaderMode::No: hasHeader = false; break;
    case THeaderMode::Auto:
      hasHeader = IsName(specs.First) || IsName(specs.Second) || IsName(specs.Height) || IsName(specs.Zone) ||
                  (namedFirst && namedSecond);
      if (!hasHeader && !firstLine.empty()) {
        // Unknown names: a first line whose coordinate fields hold no number
        // at all is a header.
        const int column = Position(specs.First).value_or(settings.NorthFirst ? 1 : 0);
        if (column < static_cast<int>(firstLine.size())) {
          const std::string_view f = firstLine[column];
          hasHeader = std::none_of(f.begin(), f.end(), [](char c) { return c >= '0' && c <= '9'; });
        }
      }
      break;
  }

  std::optional<int> first, second, height, zone;
  if (hasHeader) {
    first = namedFirst;
    second = namedSecond;
    height = FindName(firstLine, kHeightNames);
    if (!toGauss) zone = FindName(firstLine, kZoneNames);
  }
  if (!first || !second) {
    // Positions: the first two fields, in the survey order when asked.
    first = settings.NorthFirst ? 1 : 0;
    second = settings.NorthFirst ? 0 : 1;
  }
  if (!specs.Height.empty()) height.reset();
  if (!specs.Zone.empty()) zone.reset();
  if (!Resolve(toGauss ? "longitude" : "easting", specs.First, firstLine, hasHeader, first, error) ||
      !Resolve(toGauss ? "latitude" : "northing", specs.Second, firstLine, hasHeader, second, error) ||
      !Resolve("height", specs.Height, firstLine, hasHeader, height, error) ||
      !Resolve("zone", specs.Zone, firstLine, hasHeader, zone, error))
    return false;
  if (*first == *second) {
    error = "the two coordinates are both in column " + std::to_string(*first + 1);
    return false;
  }
  // A zone column found by name only counts when no zone was given.
  if (zone && specs.Zone.empty() && (settings.Zones.Zone || settings.Zones.CentralMeridian)) zone.reset();
  settings.FirstColumn = *first;
  settings.SecondColumn = *second;
  settings.HeightColumn = height;
  if (!toGauss) settings.ZoneColumn = zone;
  return true;
}

}  // namespace gkconv
