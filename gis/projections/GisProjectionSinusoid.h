#pragma once
// Sinusoidal ("SIN"), ellipsoidal, equal area: every parallel keeps its true
// length and the central meridian its length from the equator:
// x = a dlon cos phi/W(phi), y = M(phi), the meridian arc.
//
// Reach of Unproject: the map's bounding box, centred on the false origin:
// +-pi a (the equator) and +-the quarter meridian (the longitude difference is
// wrapped into [-pi, pi], so the map does not move with the central
// meridian). Points of the box outside the outline take the outline's
// meridian; at the poles the central meridian is returned.

#include "gis/GisProjections.h"
#include "gis/projections/GisMeridianArc.h"

class TGIS_ProjectionSinusoid : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared: reach +-20037508 m and
  // +-10001966 m on WGS 84.
  TGIS_ProjectionSinusoid();

  std::string Code() const override { return "SIN"; }
  std::string Description() const override { return "Sinusoid"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

private:
  // a cos(phi)/W(phi): the radius of the parallel.
  double ParallelRadius(double sinPhi, double cosPhi) const;

  double a_ = 0;
  double e2_ = 0;
  gis_ellipsoid::TGIS_MeridianArc arc_;
};
