#pragma once
// Everything one run of gkconv to-gauss / to-geodetic needs to know, as read
// from the command line and the parameter file, with the columns already
// resolved against the header.

#include <optional>
#include <string>

#include "cli/AngleText.h"
#include "cli/DatumShift.h"
#include "cli/GaussZones.h"
#include "cli/NumberFormat.h"

class TGIS_Datum;

namespace gkconv {

enum class TDirection { ToGauss, ToGeodetic };

struct TConvertSettings {
  TDirection Direction = TDirection::ToGauss;

  // Input columns, 0-based. First/Second: longitude and latitude (to-gauss),
  // easting and northing (to-geodetic).
  int FirstColumn = 0;
  int SecondColumn = 1;
  std::optional<int> HeightColumn;
  std::optional<int> ZoneColumn;  // to-geodetic: zone number per row
  TAngleReadOptions Angles;

  TZoneSettings Zones;

  // The ellipsoid of the plane coordinates, and of the geodetic ones when a
  // datum transformation links two (else the same).
  const TGIS_Datum* GridDatum = nullptr;
  const TGIS_Datum* GeodeticDatum = nullptr;
  std::optional<THelmertParameters> Helmert;  // geodetic side -> grid side
  std::optional<TPlane4Parameters> Plane4;    // applied to the projected plane

  // Output.
  bool PrefixZone = false;    // zone number in front of the easting
  bool NorthFirst = false;    // X (north) before Y (east)
  bool WindowFormat = false;  // 15 significant digits as the window writes
  TAngleStyle AngleStyle = TAngleStyle::Decimal;
  int Digits = -1;            // decimals; -1 = 3 for metres, 9 (decimal) or 5 (seconds) for angles

  int MetreDigits() const { return Digits >= 0 ? Digits : 3; }
  int AngleDigits() const { return Digits >= 0 ? Digits : AngleStyle == TAngleStyle::Decimal ? 9 : 5; }
};

}  // namespace gkconv
