#pragma once
// Equidistant cylindrical ("EQC") on the authalic-radius sphere: meridians
// keep their length (northing = Ra phi); the origin latitude is the latitude
// of true scale, whose parallels keep theirs (0 gives the plate carree).
//
// Reach of Unproject: the whole map, centred on the false origin: +-pi Ra
// cos(phi_ts) across (the longitude difference is wrapped into [-pi, pi], so
// the width does not depend on the central meridian) and +-pi/2 Ra. A latitude
// of true scale at a pole squeezes the map into a line; SetUp warns 0236 then.

#include "gis/GisProjections.h"

class TGIS_ProjectionEQC : public TGIS_ProjectionAbstract {
public:
  // Everything 0, prepared: reach +-20015110 m and +-10007555 m on WGS 84.
  TGIS_ProjectionEQC();

  std::string Code() const override { return "EQC"; }
  std::string Description() const override { return "Equidistant Cylindrical"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

protected:
  // Reads the central meridian, the latitude of true scale and the false origin.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  double radius_ = 0;     // Ra
  double eastScale_ = 0;  // Ra cos(phi_ts)
};
