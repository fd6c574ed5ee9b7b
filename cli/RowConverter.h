#pragma once
// Converts the coordinates of one row, on one thread: reads the fields,
// chooses the zone, applies the datum and plane transformations, projects
// or unprojects, and writes the new columns. Keeps one Transverse Mercator
// set-up per zone meridian and reuses it for every row of that zone.
//
// The projection engine's tables must exist (GisEngineScope) and must not
// change while converters run; each thread owns its converter.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ConvertSettings.h"
#include "gis/GisPoints.h"

class TGIS_ProjectionTransverseMercator;

namespace gkconv {

class THelmertTransform;
class TPlane4Transform;

struct TRowError {
  int Field = 0;            // 1-based column of the field at fault; 0 for the row
  std::string Reason;
};

// One row between reading and writing: the point it converts, where it goes
// and, once converted, the result or why it failed.
struct TRowPoint {
  TGIS_Point3 Point;     // geodetic radians (to Gauss) or plane metres; the result after ConvertRows
  double Height = 0;     // for the datum shift after unprojecting
  double Meridian = 0;   // of the zone's plane, radians
  std::int64_t Zone = 0;
  int EastColumn = 0, NorthColumn = 0;  // 0-based columns an engine error is blamed on
  bool Failed = false;
  TRowError Error;
};

class TRowConverter {
public:
  explicit TRowConverter(const TConvertSettings& settings);
  ~TRowConverter();
  TRowConverter(const TRowConverter&) = delete;
  TRowConverter& operator=(const TRowConverter&) = delete;

  // The number of columns Convert appends.
  int OutputColumns() const;
  // The header texts of those columns.
  std::vector<std::string> OutputHeader() const;

  // Appends the new columns to `out`, each preceded by `separator`. On
  // failure appends nothing and says why in `error`. One row at a time: Read,
  // ConvertRows and Write do the same for many rows, which lets the
  // projection convert all points of a zone in one batch.
  bool Convert(const std::vector<std::string_view>& fields, std::string_view separator, std::string& out,
               TRowError& error);

  // Reads the row's fields into `row` (everything the conversion needs).
  bool Read(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error);
  // Converts every row that was read: the points of each zone in one batch
  // of the projection. Rows that fail get Failed and their Error.
  void ConvertRows(std::span<TRowPoint> rows);
  // Appends the new columns of a converted row to `out`.
  void Write(const TRowPoint& row, std::string_view separator, std::string& out) const;

private:
  struct TZonePlane;
  bool ReadGeodetic(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error);
  bool ReadPlane(const std::vector<std::string_view>& fields, TRowPoint& row, TRowError& error);
  // The rows of one zone through the projection, then what follows it.
  void ConvertZone(TGIS_ProjectionTransverseMercator& plane, std::span<TRowPoint> rows,
                   const std::vector<std::size_t>& members);
  void FinishRow(TRowPoint& row);
  bool ReadHeight(const std::vector<std::string_view>& fields, double& height, TRowError& error) const;
  // The projection set up on the meridian (radians), made on first use.
  TGIS_ProjectionTransverseMercator& Plane(double meridian);
  // The meridian and zone of the fixed zone settings, if any.
  bool FixedMeridian(double& meridian, std::int64_t& zone) const;
  void AppendMetres(std::string& out, double value) const;

  const TConvertSettings& FSettings;
  std::vector<std::unique_ptr<TZonePlane>> FPlanes;
  TZonePlane* FLast = nullptr;
  std::unique_ptr<THelmertTransform> FHelmert;
  std::unique_ptr<TPlane4Transform> FPlane4;
};

}  // namespace gkconv
