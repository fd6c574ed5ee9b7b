#include "cli/RowConverter.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "app/GaussZone.h"
#include "gis/GisDatums.h"
#include "gis/GisException.h"
#include "gis/projections/TransverseMercator.h"

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
  try {
    return FSettings.Direction == TDirection::ToGauss ? ToGauss(fields, separator, out, error)
                                                       : ToGeodetic(fields, separator, out, error);
  } catch (const EGIS_Exception& e) {
    error.Field = 0;
    error.Reason = e.what();
  } catch (const std::exception& e) {
    error.Field = 0;
    error.Reason = e.what();
  }
  return false;
}

bool TRowConverter::ToGauss(const std::vector<std::string_view>& fields, std::string_view separator,
                            std::string& out, TRowError& error) {
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
    geodetic = GeocentricToGeodetic(to, moved);
    geodetic.Z = 0;
    lonDegrees = app::PointDegrees(geodetic.X);
  }

  double meridian;
  std::int64_t zone;
  if (!FixedMeridian(meridian, zone)) {
    zone = ZoneOfLongitude(lonDegrees, FSettings.Zones.Width);
    meridian = ZoneMeridianRadians(static_cast<std::int32_t>(zone), FSettings.Zones.Width,
                                   FSettings.Zones.ExactMeridian);
  }
  TGIS_ProjectionTransverseMercator& plane = Plane(meridian);
  plane.Warnings.clear();
  TGIS_Point3 projected;
  plane.Project(geodetic, projected);
  if (plane.Warnings.starts_with("0241"))
    return FailAt(error, lonColumn, "longitude: more than 90 degrees from the central meridian");
  double easting = projected.X, northing = projected.Y;
  if (FPlane4) FPlane4->Forward(easting, northing);
  if (FSettings.PrefixZone) easting += static_cast<double>(zone) * 1e6;

  out += separator;
  if (FSettings.Zones.CentralMeridian)
    AppendWindowNumber(out, *FSettings.Zones.CentralMeridian);
  else
    AppendInteger(out, zone);
  out += separator;
  AppendMetres(out, FSettings.NorthFirst ? northing : easting);
  out += separator;
  AppendMetres(out, FSettings.NorthFirst ? easting : northing);
  return true;
}

bool TRowConverter::ToGeodetic(const std::vector<std::string_view>& fields, std::string_view separator,
                               std::string& out, TRowError& error) {
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

  if (FPlane4) FPlane4->Inverse(easting, northing);
  TGIS_ProjectionTransverseMercator& plane = Plane(meridian);
  TGIS_Point3 geodetic;
  try {
    plane.Unproject(TGIS_Point3{easting, northing, 0}, geodetic);
  } catch (const EGIS_Exception& e) {
    const bool eastingFault = std::string_view(e.what()).starts_with("0215");
    return FailAt(error, eastingFault ? eastColumn : northColumn, e.what());
  }
  if (FHelmert) {
    if (!ReadHeight(fields, geodetic.Z, error)) return false;
    const TGIS_Ellipsoid& grid = GisEllipsoidOfDatum(*FSettings.GridDatum);
    const TGIS_Ellipsoid& to = GisEllipsoidOfDatum(*FSettings.GeodeticDatum);
    geodetic = GeocentricToGeodetic(to, FHelmert->Inverse(GisGeodeticToGeocentric(grid, geodetic)));
  }
  const double lon = app::PointDegrees(geodetic.X), lat = app::PointDegrees(geodetic.Y);
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
  return true;
}

}  // namespace gkconv
