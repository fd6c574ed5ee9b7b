#pragma once
// Shared by the tests of the cylindrical and pseudocylindrical projections:
// the classes under test, a short SetUp, one-point Project / Unproject and
// the number of a raised message.

#include "gis/GisAngles.h"
#include "gis/GisProjections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace cyl_test {

using gis_angle::kPi;
constexpr double kDeg = gis_angle::kDegree;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The classes of this family, in the registry's order.
inline const std::vector<std::string> kCodes = {"MER", "ROB", "CEA", "TCE", "EQC", "MIL", "MOL",
                                                "EC4", "EC6", "WA4", "WA7", "GRI", "SIN"};

// The SetUp parameters these classes read; the rest are passed as 0.
struct Params {
  double centralMeridian = 0;
  double originLatitude = 0;
  double falseEasting = 0;
  double falseNorthing = 0;
  double scale = 1;
};

// A fresh instance of the class registered under the code.
inline std::unique_ptr<TGIS_ProjectionAbstract> Make(const std::string& code) {
  auto p = GisProjectionList->CreateByCode(code);
  if (!p) ADD_FAILURE() << "no projection registered under " << code;
  return p;
}

inline void SetUp(TGIS_ProjectionAbstract& p, const Params& q) {
  p.SetUp(TGIS_SetUpParameters{.CentralMeridian = q.centralMeridian,
                               .OriginLatitude = q.originLatitude,
                               .FalseEasting = q.falseEasting,
                               .FalseNorthing = q.falseNorthing,
                               .ScaleFactor = q.scale});
}

inline std::unique_ptr<TGIS_ProjectionAbstract> Make(const std::string& code, const Params& q) {
  auto p = Make(code);
  if (p) SetUp(*p, q);
  return p;
}

inline TGIS_Point3 Forward(TGIS_ProjectionAbstract& p, double lon, double lat, double z = 0) {
  TGIS_Point3 r{kNan, kNan, kNan};
  p.Project(TGIS_Point3{lon, lat, z}, r);
  return r;
}

inline TGIS_Point3 Inverse(TGIS_ProjectionAbstract& p, double x, double y, double z = 0) {
  TGIS_Point3 r{kNan, kNan, kNan};
  p.Unproject(TGIS_Point3{x, y, z}, r);
  return r;
}

// The four-digit number that opens the message an expression raises ("0216"),
// "none" when it raises nothing.
template <class F>
std::string RaisedNumber(F&& f) {
  try {
    f();
  } catch (const EGIS_Exception& e) {
    return e.Message().substr(0, 4);
  }
  return "none";
}

// The four-digit number of the most recent warning, "" when there is none.
inline std::string WarningNumber(const TGIS_ProjectionAbstract& p) { return p.Warnings.substr(0, 4); }

// Longitude difference brought into [-pi, pi].
inline double LongitudeGap(double a, double b) { return std::remainder(a - b, 2 * kPi); }

}  // namespace cyl_test
