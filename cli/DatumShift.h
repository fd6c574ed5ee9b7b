#pragma once
// Datum work on top of the projection engine's geocentric conversions:
//
// - 7-parameter Bursa-Wolf (Helmert) similarity between two geocentric
//   frames, X' = T + (1 + s) R X with the small-angle rotation matrix R. The
//   sign of the rotations is a convention that must be named: "position
//   vector" (R = [1 -rz ry; rz 1 -rx; -ry rx 1], IERS / ISO 19111) or
//   "coordinate frame" (the transpose, used by EPSG method 9607 and most
//   Chinese parameter sets). The same numbers with the wrong convention
//   move points by metres.
// - the 3-parameter shift: T only.
// - the plane 4-parameter transformation of projected coordinates in the
//   survey frame (X north, Y east): X' = dX + k (X cos a - Y sin a),
//   Y' = dY + k (X sin a + Y cos a), k = 1 + ppm / 1e6.
//
// Units as surveyors give them: metres, arc-seconds, parts per million.

#include <optional>
#include <string>
#include <string_view>

#include "gis/GisPoints.h"

namespace gkconv {

enum class TRotationConvention { PositionVector, CoordinateFrame };

std::optional<TRotationConvention> RotationConventionFromName(std::string_view name);

struct THelmertParameters {
  double Tx = 0, Ty = 0, Tz = 0;  // metres
  double Rx = 0, Ry = 0, Rz = 0;  // arc-seconds
  double ScalePpm = 0;            // parts per million
  TRotationConvention Convention = TRotationConvention::PositionVector;
};

class THelmertTransform {
public:
  explicit THelmertTransform(const THelmertParameters& p);
  TGIS_Point3 Forward(const TGIS_Point3& x) const;
  // The exact inverse of Forward (the linear map solved, not the negated
  // parameters, which would be off by rotation squared times the radius).
  TGIS_Point3 Inverse(const TGIS_Point3& x) const;

private:
  double FT[3];
  double FM[3][3];     // (1 + s) R
  double FInv[3][3];   // its inverse
};

struct TPlane4Parameters {
  double DX = 0, DY = 0;    // metres, north and east
  double AngleSeconds = 0;  // arc-seconds, from X (north) toward Y (east)
  double ScalePpm = 0;
};

class TPlane4Transform {
public:
  explicit TPlane4Transform(const TPlane4Parameters& p);
  // (easting, northing) in and out.
  void Forward(double& easting, double& northing) const;
  void Inverse(double& easting, double& northing) const;

private:
  TPlane4Parameters FP;
  double FCos, FSin;  // k cos a, k sin a
};

// "a,b,c,..." into exactly `count` numbers; the error names what is wrong.
bool ParseNumberList(std::string_view text, size_t count, double* values, std::string& error);

}  // namespace gkconv
