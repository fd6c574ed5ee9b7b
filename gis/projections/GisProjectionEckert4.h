#pragma once
// Eckert IV ("EC4"), pseudocylindrical equal area on the authalic-radius
// sphere: the poles are lines half as long as the equator, the outer meridians
// semicircles. A parallel sits at the auxiliary angle theta with
// theta + sin theta cos theta + 2 sin theta = (2 + pi/2) sin phi:
// x = 0.4222382 Ra dlon (1 + cos theta), y = 1.3265004 Ra sin theta.
//
// Reach of Unproject: the map's bounding box, centred on the false origin:
// +-0.4222382 Ra 2 pi and +-1.3265004 Ra (the longitude difference is wrapped
// into [-pi, pi], so the map does not move with the central meridian). Points
// of the box outside the outline take the outline's meridian.

#include "gis/GisProjections.h"

class TGIS_ProjectionEckert4 : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared: reach +-16902288 m and
  // +-8451144 m on WGS 84.
  TGIS_ProjectionEckert4();

  std::string Code() const override { return "EC4"; }
  std::string Description() const override { return "Eckert IV"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kCx = 0.4222382;
  static constexpr double kCy = 1.3265004;

private:
  double radius_ = 0;  // Ra
};
