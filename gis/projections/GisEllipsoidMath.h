#pragma once
// Functions of latitude on an ellipsoid that several projections share: the
// conformal quantity t of the conformal conics, polar stereographic and
// oblique Mercator, the parallel-radius ratio m, the authalic quantity q of
// the equal-area conics, and the authalic-radius sphere of the spherical ones.
// The meridian arc has its own class (GisMeridianArc.h).
//
// Everything is in double precision: the per-point formulas lose nothing
// measurable against extended precision (well under a micrometre), and the
// projections stay fast.

namespace gis_ellipsoid {

// t(phi) = tan(pi/4 - phi/2) / ((1 - e sin phi) / (1 + e sin phi))^(e/2):
// the exponential of minus the isometric latitude. 0 at the north pole,
// very large (but finite) at the south pole.
double ConformalT(double phi, double e);

// The latitude whose t is the given value: phi = pi/2 - 2 atan(t * ...) by
// fixed-point iteration, stopping when one step changes phi by at most
// `tolerance` or after `maxIterations` steps. `iterations` (if given)
// receives the number of steps taken. t = 0 gives pi/2, t = inf gives -pi/2.
double LatitudeFromT(double t, double e, double tolerance, int maxIterations, int* iterations = nullptr);

// The same latitude without iteration: a series in e^2 and one Newton step,
// exact to the rounding of double and several times faster than iterating
// to that precision. t = 0 gives pi/2, t = inf gives -pi/2.
double ExactLatitudeFromT(double t, double e);

// m(phi) = cos phi / sqrt(1 - e^2 sin^2 phi): the radius of the parallel in
// units of the semi-major axis.
double ParallelRadiusRatio(double phi, double e2);

// q(phi) of the equal-area projections (the way back, from q to phi, is
// TGIS_AuthalicLatitude's).
double AuthalicQ(double phi, double e, double e2);

// Radius of the sphere with (to sixth order in e) the ellipsoid's area:
// Ra = a (1 - e^2/6 - 17 e^4/360 - 67 e^6/3024).
double AuthalicRadius(double a, double e2);

}  // namespace gis_ellipsoid
