#pragma once
// Point records of the projection engine. One record serves both sides of a
// projection, so Project and Unproject share a signature: on the geodetic
// side X, Y are longitude and latitude in radians (X first, as on a map), on
// the projected side easting and northing in metres. Z is carried along
// unchanged by the plane projections; only the geocentric one computes it.

struct TGIS_Point2 {
  double X = 0;
  double Y = 0;
};

struct TGIS_Point3 {
  double X = 0;
  double Y = 0;
  double Z = 0;
};

inline TGIS_Point2 MakePoint2(double x, double y) { return TGIS_Point2{x, y}; }
inline TGIS_Point3 MakePoint3(double x, double y, double z) { return TGIS_Point3{x, y, z}; }
