#pragma once
// Point records of the projection engine. In geodetic form X is the longitude
// and Y the latitude (radians); in projected form X is the easting and Y the
// northing (metres). Z is a height that plane projections pass through.

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
