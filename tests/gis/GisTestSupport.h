#pragma once
// Small helpers shared by the projection tests.

#include "gis/GisAngles.h"
#include "gis/GisProjections.h"


namespace gistest {

constexpr double kDeg = gis_angle::kDegree;

// SetUp with the parameters the Transverse Mercator reads; the rest 0.
inline void SetUpTransverse(TGIS_ProjectionAbstract& p, double centralMeridian, double originLatitude,
                            double falseEasting, double falseNorthing, double scale) {
  p.SetUp(TGIS_SetUpParameters{.CentralMeridian = centralMeridian,
                               .OriginLatitude = originLatitude,
                               .FalseEasting = falseEasting,
                               .FalseNorthing = falseNorthing,
                               .ScaleFactor = scale});
}

// SetUp with only the zone given.
inline void SetZone(TGIS_ProjectionAbstract& p, std::int32_t zone) {
  p.SetUp(zone, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

inline TGIS_Point3 Project(TGIS_ProjectionAbstract& p, double x, double y, double z = 0) {
  TGIS_Point3 r;
  p.Project(MakePoint3(x, y, z), r);
  return r;
}

inline TGIS_Point3 Unproject(TGIS_ProjectionAbstract& p, double x, double y, double z = 0) {
  TGIS_Point3 r;
  p.Unproject(MakePoint3(x, y, z), r);
  return r;
}

// The exception an expression raises; its ErrorCode() is -1 when none was.
template <class F>
EGIS_Exception Raised(F&& f) {
  try {
    f();
  } catch (const EGIS_Exception& e) {
    return e;
  }
  return EGIS_Exception("-01 nothing raised", "", 0);
}

template <class F>
int RaisedCode(F&& f) {
  return Raised(f).ErrorCode();
}

}  // namespace gistest
