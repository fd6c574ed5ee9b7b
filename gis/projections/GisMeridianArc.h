#pragma once
// The meridian arc of the projections that keep distances along the central
// meridian (Bonne, Cassini, polyconic, sinusoidal, transverse cylindrical
// equal area), in double precision like the other functions of latitude
// (GisEllipsoidMath.h).

namespace gis_ellipsoid {

// Length of the meridian from the equator to a latitude, by Helmert's series
// in the third flattening n = (a - b)/(a + b) to the fifth power (truncation
// error far below a micrometre on any earth ellipsoid), and its inverse.
class TGIS_MeridianArc {
 public:
  TGIS_MeridianArc() = default;
  TGIS_MeridianArc(double a, double b);

  // M(phi), metres; odd in phi. One sine and cosine of phi, or none when
  // the caller has them.
  double Distance(double phi) const;
  double Distance(double phi, double sinPhi, double cosPhi) const;
  // The latitude phi with M(phi) = distance (the inverse series in n, then
  // one step of Newton's method); distances beyond the pole give the pole.
  // The second form also gives sin and cos of phi, which it has computed.
  double Latitude(double distance) const;
  double Latitude(double distance, double& sinPhi, double& cosPhi) const;
  // The quarter meridian, M(pi/2).
  double Quadrant() const { return quadrant_; }

 private:
  double a_ = 0;
  double e2_ = 0;
  double c0_ = 0, c2_ = 0, c4_ = 0, c6_ = 0, c8_ = 0, c10_ = 0;
  double d2_ = 0, d4_ = 0, d6_ = 0, d8_ = 0, d10_ = 0;
  double quadrant_ = 0;
};

}  // namespace gis_ellipsoid
