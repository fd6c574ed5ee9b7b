#include "cli/RowConverter.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <cmath>
#include <limits>

#include "app/GaussZone.h"
#include "gis/GisDatums.h"
#include "gis/GisException.h"
#include "gis/projections/GisProjectionTransverseMercator.h"

namespace gkconv {

struct TRowConverter::TZonePlane {
  double Meridian;
  TGIS_ProjectionTransverseMercator Projection;
};

namespace {

void AppendInteger(std::string& out, std::int64_t value) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

bool FieldAt(const std::vector<std::string_view>& fields, int column, std::string_view what, TRowError& error) {
  if (column < static_cast<int>(fields.size())) return true;
  error.Field = column + 1;
  error.Reason = std::string(what) + " column " + std::to_string(column + 1) + " missing (the row has " +
                 std::to_string(fields.size()) + " field" + (fields.size() == 1 ? "" : "s") + ")";
  return false;
}

bool FailAt(TRowError& error, int column, std::string reason) {
  error.Field = column + 1;
  error.Reason = std::move(reason);
  return false;
}

}  // namespace

TRowConverter::TRowConverter(const TConvertSettings& settings) : FSettings(settings) {
  if (settings.Helmert) FHelmert = std::make_unique<THelmertTransform>(*settings.Helmert);
  if (settings.Plane4) FPlane4 = std::make_unique<TPlane4Transform>(*settings.Plane4);
}

TRowConverter::~TRowConverter() = default;

int TRowConverter::OutputColumns() const { return FSettings.Direction == TDirection::ToGauss ? 3 : 2; }

std::vector<std::string> TRowConverter::OutputHeader() const {
  if (FSettings.Direction == TDirection::ToGauss) {
    std::string first = FSettings.Zones.CentralMeridian ? "central_meridian/中央子午线" : "zone/带号";
    if (FSettings.NorthFirst) return {first, "northing/北", "easting/东"};
    return {first, "easting/东", "northing/北"};
  }
  if (FSettings.NorthFirst) return {"latitude/纬度", "longitude/经度"};
  return {"longitude/经度", "latitude/纬度"};
}

TGIS_ProjectionTransverseMercator& TRowConverter::Plane(double meridian) {
  if (FLast && FLast->Meridian == meridian) return FLast->Projection;
  for (auto& plane : FPlanes) {
    if (plane->Meridian == meridian) {
      FLast = plane.get();
      return FLast->Projection;
    }
  }
  auto plane = std::make_unique<TZonePlane>();
  plane->Meridian = meridian;
  plane->Projection.SetDatum(*FSettings.GridDatum);
  app::SetUpGaussPlane(plane->Projection, meridian);
  FPlanes.push_back(std::move(plane));
  FLast = FPlanes.back().get();
  return FLast->Projection;
}

bool TRowConverter::FixedMeridian(double& meridian, std::int64_t& zone) const {
  const TZoneSettings& z = FSettings.Zones;
  if (z.Zone) {
    zone = *z.Zone;
    meridian = ZoneMeridianRadians(*z.Zone, z.Width, z.ExactMeridian);
    return true;
  }
  if (z.CentralMeridian) {
    zone = 0;
    meridian = app::MeridianRadians(*z.CentralMeridian, z.ExactMeridian);
    return true;
  }
  return false;
}

void TRowConverter::AppendMetres(std::string& out, double value) const {
  if (FSettings.WindowFormat)
    AppendWindowNumber(out, value);
  else
    AppendFixed(out, value, FSettings.MetreDigits());
}

bool TRowConverter::ReadHeight(const std::vector<std::string_view>& fields, double& height, TRowError& error) const {
  height = 0;
  if (!FSettings.HeightColumn) return true;
  const int column = *FSettings.HeightColumn;
  if (!FieldAt(fields, column, "height", error)) return false;
  std::string reason;
  if (!ReadMetres(fields[column], height, reason)) return FailAt(error, column, "height: " + reason);
  return true;
}

bool TRowConverter::Convert(const std::vector<std::string_view>& fields, std::string_view separator,
                            std::string& out, TRowError& error) {
  TRowPoint row;
  if (!Read(fields, row, error)) return false;
  ConvertRows(std::span<TRowPoint>(&row, 1));
  if (row.Failed) {
    error = row.Error;
    return false;
  }
  Write(row, separator, out);
  return true;
}

bool TRowConverter::Read(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error) {
  try {
    return FSettings.Direction == TDirection::ToGauss ? ReadGeodetic(fields, row, error)
                                                       : ReadPlane(fields, row, error);
  } catch (const std::exception& e) {  // the engine's errors (the datum shift) among them
    error.Field = 0;
    error.Reason = e.what();
  }
  return false;
}

bool TRowConverter::ReadGeodetic(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error) {
  const int lonColumn = FSettings.FirstColumn, latColumn = FSettings.SecondColumn;
  if (!FieldAt(fields, lonColumn, "longitude", error) || !FieldAt(fields, latColumn, "latitude", error)) return false;
  const TAngleReading lon = ReadAngle(fields[lonColumn], TAngleAxis::Longitude, FSettings.Angles);
  if (!lon.Ok()) return FailAt(error, lonColumn, "longitude: " + lon.Error);
  const TAngleReading lat = ReadAngle(fields[latColumn], TAngleAxis::Latitude, FSettings.Angles);
  if (!lat.Ok()) return FailAt(error, latColumn, "latitude: " + lat.Error);

  double lonDegrees = lon.Degrees;
  TGIS_Point3 geodetic{app::PointRadians(lon.Degrees), app::PointRadians(lat.Degrees), 0};
  if (FHelmert) {
    if (!ReadHeight(fields, geodetic.Z, error)) return false;
    const TGIS_Ellipsoid& from = GisEllipsoidOfDatum(*FSettings.GeodeticDatum);
    const TGIS_Ellipsoid& to = GisEllipsoidOfDatum(*FSettings.GridDatum);
    const TGIS_Point3 moved = FHelmert->Forward(GisGeodeticToGeocentric(from, geodetic));
    geodetic = GisGeocentricToGeodetic(to, moved);
    geodetic.Z = 0;
    lonDegrees = app::PointDegrees(geodetic.X);
  }

  if (!FixedMeridian(row.Meridian, row.Zone)) {
    row.Zone = ZoneOfLongitude(lonDegrees, FSettings.Zones.Width);
    row.Meridian = ZoneMeridianRadians(static_cast<std::int32_t>(row.Zone), FSettings.Zones.Width,
                                       FSettings.Zones.ExactMeridian);
  }
  row.Point = geodetic;
  row.EastColumn = lonColumn;
  row.NorthColumn = latColumn;
  return true;
}

bool TRowConverter::ReadPlane(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error) {
  const int eastColumn = FSettings.FirstColumn, northColumn = FSettings.SecondColumn;
  if (!FieldAt(fields, eastColumn, "easting", error) || !FieldAt(fields, northColumn, "northing", error)) return false;

  std::string_view eastingText = fields[eastColumn];
  std::optional<std::int32_t> prefixZone;
  if (auto prefixed = SplitPrefixedEasting(eastingText)) {
    prefixZone = prefixed->Zone;
    eastingText = prefixed->Easting;
  }
  double easting, northing;
  std::string reason;
  if (!ReadMetres(eastingText, easting, reason)) return FailAt(error, eastColumn, "easting: " + reason);
  if (!ReadMetres(fields[northColumn], northing, reason)) return FailAt(error, northColumn, "northing: " + reason);

  const TZoneSettings& z = FSettings.Zones;
  std::optional<std::int32_t> rowZone;
  int zoneSourceColumn = eastColumn;
  if (FSettings.ZoneColumn) {
    const int column = *FSettings.ZoneColumn;
    if (!FieldAt(fields, column, "zone", error)) return false;
    double value;
    if (!ReadMetres(fields[column], value, reason) || value != std::floor(value) || std::fabs(value) > 1000)
      return FailAt(error, column, "zone: not a zone number: '" + std::string(fields[column]) + "'");
    rowZone = static_cast<std::int32_t>(value);
    zoneSourceColumn = column;
  }
  if (prefixZone && rowZone && *prefixZone != *rowZone)
    return FailAt(error, eastColumn,
                  "easting '" + std::string(fields[eastColumn]) + "' carries zone " + std::to_string(*prefixZone) +
                      ", but the zone column says " + std::to_string(*rowZone));
  if (prefixZone) rowZone = prefixZone;

  double meridian;
  std::int64_t fixedZone;
  if (FixedMeridian(meridian, fixedZone)) {
    if (rowZone && z.Zone && *rowZone != *z.Zone)
      return FailAt(error, zoneSourceColumn,
                    (prefixZone ? "easting '" + std::string(fields[eastColumn]) + "' carries zone "
                                : std::string("zone column says ")) +
                        std::to_string(*rowZone) + ", but --zone is " + std::to_string(*z.Zone));
    if (rowZone && z.CentralMeridian && ZoneMeridianDegrees(*rowZone, z.Width) != *z.CentralMeridian)
      return FailAt(error, zoneSourceColumn,
                    "zone " + std::to_string(*rowZone) + " has its central meridian at " +
                        std::to_string(ZoneMeridianDegrees(*rowZone, z.Width)) + " degrees, but --central-meridian is " +
                        std::to_string(*z.CentralMeridian));
  } else {
    if (!rowZone)
      return FailAt(error, eastColumn,
                    "no zone: the easting has no zone number in front; give --zone, --central-meridian or "
                    "--zone-column");
    meridian = ZoneMeridianRadians(*rowZone, z.Width, z.ExactMeridian);
  }
  if (FHelmert && !ReadHeight(fields, row.Height, error)) return false;

  if (FPlane4) FPlane4->Inverse(easting, northing);
  row.Point = TGIS_Point3{easting, northing, 0};
  row.Meridian = meridian;
  row.EastColumn = eastColumn;
  row.NorthColumn = northColumn;
  return true;
}

void TRowConverter::ConvertRows(std::span<TRowPoint> rows) {
  // The rows of a block mostly share one zone, a few at most two or three:
  // gather them by meridian, in order of first appearance.
  std::vector<std::pair<double, std::vector<std::size_t>>> zones;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Failed) continue;
    auto zone = std::find_if(zones.begin(), zones.end(), [&](const auto& z) { return z.first == rows[i].Meridian; });
    if (zone == zones.end()) zone = zones.insert(zones.end(), {rows[i].Meridian, {}});
    zone->second.push_back(i);
  }
  for (const auto& [meridian, members] : zones) {
    TGIS_ProjectionTransverseMercator* plane = nullptr;
    try {
      plane = &Plane(meridian);
    } catch (const std::exception& e) {  // e.g. a datum whose ellipsoid is missing
      for (const std::size_t i : members) {
        rows[i].Failed = true;
        rows[i].Error = TRowError{0, e.what()};
      }
      continue;
    }
    ConvertZone(*plane, rows, members);
  }
}

void TRowConverter::ConvertZone(TGIS_ProjectionTransverseMercator& plane, std::span<TRowPoint> rows,
                                const std::vector<std::size_t>& members) {
  std::vector<TGIS_Point3> points(members.size());
  std::vector<TGIS_PointNote> notes(members.size());
  for (std::size_t k = 0; k < members.size(); ++k) points[k] = rows[members[k]].Point;
  const bool toGauss = FSettings.Direction == TDirection::ToGauss;
  if (toGauss)
    plane.ProjectPoints(points, points, notes);
  else
    plane.UnprojectPoints(points, points, notes);

  for (std::size_t k = 0; k < members.size(); ++k) {
    TRowPoint& row = rows[members[k]];
    row.Point = points[k];
    if (notes[k].Error) {
      row.Failed = true;
      try {
        std::rethrow_exception(notes[k].Error);
      } catch (const std::exception& e) {
        // Unprojecting, the engine names the coordinate at fault.
        const bool eastingFault = std::string_view(e.what()).starts_with("0215");
        row.Error.Field = toGauss ? 0 : (eastingFault ? row.EastColumn : row.NorthColumn) + 1;
        row.Error.Reason = e.what();
      }
      continue;
    }
    if (toGauss && notes[k].Warning == 241) {
      row.Failed = true;
      FailAt(row.Error, row.EastColumn, "longitude: more than 90 degrees from the central meridian");
      continue;
    }
    FinishRow(row);
  }
}

void TRowConverter::FinishRow(TRowPoint& row) {
  try {
    if (FSettings.Direction == TDirection::ToGauss) {
      double easting = row.Point.X, northing = row.Point.Y;
      if (FPlane4) FPlane4->Forward(easting, northing);
      if (FSettings.PrefixZone) easting += static_cast<double>(row.Zone) * 1e6;
      row.Point.X = easting;
      row.Point.Y = northing;
    } else if (FHelmert) {
      TGIS_Point3 geodetic = row.Point;
      geodetic.Z = row.Height;
      const TGIS_Ellipsoid& grid = GisEllipsoidOfDatum(*FSettings.GridDatum);
      const TGIS_Ellipsoid& to = GisEllipsoidOfDatum(*FSettings.GeodeticDatum);
      row.Point = GisGeocentricToGeodetic(to, FHelmert->Inverse(GisGeodeticToGeocentric(grid, geodetic)));
    }
  } catch (const std::exception& e) {
    row.Failed = true;
    row.Error.Field = 0;
    row.Error.Reason = e.what();
  }
}

void TRowConverter::Write(const TRowPoint& row, std::string_view separator, std::string& out) const {
  if (FSettings.Direction == TDirection::ToGauss) {
    out += separator;
    if (FSettings.Zones.CentralMeridian)
      AppendWindowNumber(out, *FSettings.Zones.CentralMeridian);
    else
      AppendInteger(out, row.Zone);
    out += separator;
    AppendMetres(out, FSettings.NorthFirst ? row.Point.Y : row.Point.X);
    out += separator;
    AppendMetres(out, FSettings.NorthFirst ? row.Point.X : row.Point.Y);
    return;
  }
  const double lon = app::PointDegrees(row.Point.X), lat = app::PointDegrees(row.Point.Y);
  const double first = FSettings.NorthFirst ? lat : lon, second = FSettings.NorthFirst ? lon : lat;
  out += separator;
  if (FSettings.WindowFormat) {
    AppendWindowNumber(out, first);
    out += separator;
    AppendWindowNumber(out, second);
  } else {
    AppendAngle(out, first, FSettings.AngleStyle, FSettings.AngleDigits());
    out += separator;
    AppendAngle(out, second, FSettings.AngleStyle, FSettings.AngleDigits());
  }
}

}  // namespace gkconv
