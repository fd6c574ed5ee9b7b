#pragma once
// Eckert VI ("EC6"), pseudocylindrical equal area on the authalic-radius
// sphere: the poles are lines half as long as the equator, the meridians
// sinusoids. A parallel sits at the auxiliary angle theta with
// theta + sin theta = (1 + pi/2) sin phi:
// x = Ra dlon (1 + cos theta)/sqrt(2 + pi), y = 2 Ra theta/sqrt(2 + pi).
//
// Reach of Unproject: the map's bounding box, centred on the false origin:
// +-2 pi Ra/sqrt(2 + pi) and +-pi Ra/sqrt(2 + pi) (the longitude difference is
// wrapped into [-pi, pi], so the map does not move with the central
// meridian). Points of the box outside the outline take the outline's meridian.

#include "gis/GisProjections.h"

class TGIS_ProjectionEckert6 : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared: reach +-17653838 m and
  // +-8826919 m on WGS 84.
  TGIS_ProjectionEckert6();

  std::string Code() const override { return "EC6"; }
  std::string Description() const override { return "Eckert VI"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

private:
  double radius_ = 0;  // Ra / sqrt(2 + pi)
};
