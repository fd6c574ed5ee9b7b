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
#include <string>
#include <string_view>
#include <vector>

#include "cli/ConvertSettings.h"

class TGIS_ProjectionTransverseMercator;

namespace gkconv {

class THelmertTransform;
class TPlane4Transform;

struct TRowError {
  int Field = 0;            // 1-based column of the field at fault; 0 for the row
  std::string Reason;
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
  // failure appends nothing and says why in `error`.
  bool Convert(const std::vector<std::string_view>& fields, std::string_view separator, std::string& out,
               TRowError& error);

private:
  struct TZonePlane;
  bool ToGauss(const std::vector<std::string_view>& fields, std::string_view separator, std::string& out,
               TRowError& error);
  bool ToGeodetic(const std::vector<std::string_view>& fields, std::string_view separator, std::string& out,
                  TRowError& error);
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
