#pragma once
// Ellipsoids and datums: the two process-wide tables every projection reads
// its ellipsoid from, and the conversions between geodetic and geocentric
// (earth-centred Cartesian) coordinates. A datum only names an ellipsoid here:
// its shift parameters are stored, never applied.

#include "gis/GisPoints.h"
#include "gis/GisSortedList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TGIS_Ellipsoid {
public:
  // Derives every other constant, in extended precision, from the semi-major
  // axis and the inverse flattening.
  TGIS_Ellipsoid(std::string code, std::string description, long double a, long double inverseFlattening);

  std::string Code;
  std::string Description;
  long double A;    // semi-major axis, metres
  long double B;    // semi-minor axis: a - f*a
  long double F;    // flattening
  long double A2;   // a^2
  long double B2;   // b^2
  long double E2;   // first eccentricity squared: (a^2 - b^2) / a^2
  long double E;    // first eccentricity
  long double Ep2;  // second eccentricity squared: (a^2 - b^2) / b^2
  long double Ep;   // second eccentricity
};

enum class TGIS_DatumKind : std::uint8_t {
  dkWgs84 = 0,
  dkWgs72 = 1,
  dkThreeParameter = 2,
  dkSevenParameter = 3,
};

class TGIS_Datum {
public:
  // Interprets the ten numbers by kind (see GisDatums.cpp).
  TGIS_Datum(TGIS_DatumKind kind, std::string code, std::string description, std::string ellipsoidCode,
             const std::array<double, 10>& d);

  TGIS_DatumKind Kind;
  std::string Code;
  std::string Description;
  std::string EllipsoidCode;
  double DX = 0, DY = 0, DZ = 0;        // shift of the centre, metres
  double EX = 0, EY = 0, EZ = 0;        // stated accuracy of the shift, metres (-1: none)
  double RX = 0, RY = 0, RZ = 0;        // rotations, radians
  double West, South, East, North;      // area of use, radians
  double Scale = 1.0;                   // scale difference (seven-parameter kind)
};

class TGIS_EllipsoidList {
public:
  // A record already stored under the code is freed and replaced.
  const TGIS_Ellipsoid& Add(const std::string& code, const std::string& description, long double a,
                            long double inverseFlattening);
  const TGIS_Ellipsoid* Find(std::string_view code) const { return items_.Find(code); }
  int Count() const { return items_.Count(); }
  const TGIS_Ellipsoid& Item(int index) const { return *items_.Object(index); }

private:
  TGIS_SortedOwnerList<TGIS_Ellipsoid> items_;
};

class TGIS_DatumList {
public:
  const TGIS_Datum& Add(TGIS_DatumKind kind, const std::string& code, const std::string& description,
                        const std::string& ellipsoidCode, const std::array<double, 10>& d);
  const TGIS_Datum* Find(std::string_view code) const { return items_.Find(code); }
  // The datum stored under "WGE", or none while the table lacks it.
  const TGIS_Datum* Default() const;
  int Count() const { return items_.Count(); }
  const TGIS_Datum& Item(int index) const { return *items_.Object(index); }

private:
  TGIS_SortedOwnerList<TGIS_Datum> items_;
  int defaultIndex_ = -1;  // kept up to date by Add: positions shift as the list grows
};

// The process-wide tables, filled by GisDatumsStartup (see GisEngine.h).
extern std::unique_ptr<TGIS_EllipsoidList> GisEllipsoidList;
extern std::unique_ptr<TGIS_DatumList> GisDatumList;

// Builds both tables with the built-in ellipsoids and datums; does nothing
// when they exist already.
void GisDatumsStartup();
void GisDatumsShutdown();

// The ellipsoid named by the datum; raises 0200 (GIS_RS_ERR_ELLIPSOID_NOEXIST)
// with the ellipsoid code when the table has none under it.
const TGIS_Ellipsoid& GisEllipsoidOfDatum(const TGIS_Datum& datum);

// (longitude, latitude, height) -> (X, Y, Z). Raises 0210 for a latitude
// outside [-pi/2, pi/2] and 0211 for a longitude outside [-pi, pi].
TGIS_Point3 GisGeodeticToGeocentric(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& point);
// (X, Y, Z) -> (longitude, latitude, height), closed form without iteration,
// exact to the rounding of double.
TGIS_Point3 GisGeocentricToGeodetic(const TGIS_Ellipsoid& ellipsoid, const TGIS_Point3& point);
