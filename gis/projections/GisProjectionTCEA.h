#pragma once
// Transverse cylindrical equal area ("TCE"), ellipsoidal: Lambert's equal-area
// cylinder turned to touch along the central meridian, which keeps its true
// length (times the scale factor) and is the line of zero easting; northing
// is measured from the origin latitude.
//
// The ellipsoid is mapped through its authalic sphere: a point (beta, dlon) in
// authalic latitude has the transverse coordinates beta_c = atan2(sin beta,
// cos beta cos dlon) along the meridian and sin(omega) = cos beta sin dlon
// across it; then
//   x = a sin(omega) cos(phi_c)/(k0 cos(beta_c) W(phi_c)),  y = k0 (M(phi_c) - M(phi_0)),
// phi_c the geodetic latitude of beta_c and M the meridian arc. The factor of
// x is what keeps every area (checked by the tests against the ellipsoid's
// area element). Beyond 90 degrees dlon, beta_c runs past the pole and phi_c
// and M continue by symmetry, so the back half of the globe lies beyond the
// poles on the map.
//
// Reach of Unproject: the whole map around the false origin: +-a/k0 across
// (the widest part, at the equator) and from the arc of -180 to that of +180
// degrees of beta_c along the meridian (not symmetric unless the origin
// latitude is 0; MaxNorthingOffset holds the larger side). The map does not
// move with the central meridian (the longitude difference is wrapped into
// [-pi, pi]).

#include "gis/GisProjections.h"
#include "gis/projections/GisAuthalicLatitude.h"
#include "gis/projections/GisMeridianArc.h"

class TGIS_ProjectionTCEA : public TGIS_ProjectionAbstract {
public:
  // Everything 0, scale 1, prepared.
  TGIS_ProjectionTCEA();

  std::string Code() const override { return "TCE"; }
  std::string Description() const override { return "Transverse Cylindrical Equal Area"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppScaleFactor;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kMinScale = 0.3;
  static constexpr double kMaxScale = 3.0;

protected:
  // Reads the central meridian, origin latitude, false origin and the scale
  // on the central meridian, clamped like Transverse Mercator's to [0.3, 3.0]
  // (0248): a scale of 0 would divide by zero, a negative one turn the map.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  // The latitude of a meridian distance in [-2 M(pi/2), 2 M(pi/2)], past the
  // poles by M(+-pi - phi) = +-2 M(pi/2) - M(phi). (The arc's own series and
  // the authalic latitude continue past the poles by themselves.)
  double LatitudeOfArc(double distance) const;

  double a_ = 0;
  double originArc_ = 0;  // M(phi_0)
  TGIS_AuthalicLatitude authalic_;
  gis_ellipsoid::TGIS_MeridianArc arc_;
};
