#pragma once
// Mollweide ("MOL"), pseudocylindrical equal area on the authalic-radius
// sphere: the world in an ellipse twice as wide as high, parallels straight,
// meridians elliptic arcs. A parallel sits at the auxiliary angle theta with
// 2 theta + sin 2 theta = pi sin phi:
// x = (2 sqrt 2/pi) Ra dlon cos theta, y = sqrt 2 Ra sin theta.
//
// Reach of Unproject: the ellipse's bounding box, centred on the false
// origin: +-2 sqrt 2 Ra and +-sqrt 2 Ra (the longitude difference is wrapped
// into [-pi, pi], so the map does not move with the central meridian). Points
// of the box outside the ellipse take the outline's meridian.

#include "gis/GisProjections.h"

class TGIS_ProjectionMollweide : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared: reach +-18019930 m and
  // +-9009965 m on WGS 84.
  TGIS_ProjectionMollweide();

  std::string Code() const override { return "MOL"; }
  std::string Description() const override { return "Mollweide Pseudocylindrical"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

private:
  double radius_ = 0;  // Ra
};
