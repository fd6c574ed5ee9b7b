#pragma once
// Miller cylindrical ("MIL") on the authalic-radius sphere: Mercator with the
// latitude scaled by 0.8 and the northing stretched back by 1/0.8, so the
// poles come to a finite distance:
// northing = Ra ln((1 + sin 0.8 phi)/(1 - sin 0.8 phi)) / 1.6.
//
// Reach of Unproject: the whole map, centred on the false origin: +-pi Ra
// across (the longitude difference is wrapped into [-pi, pi], so the width
// does not depend on the central meridian) and +-the northing of the pole.

#include "gis/GisProjections.h"

class TGIS_ProjectionMillerCyl : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared: reach +-20015110 m and
  // +-14675058 m on WGS 84.
  TGIS_ProjectionMillerCyl();

  std::string Code() const override { return "MIL"; }
  std::string Description() const override { return "Miller Cylindrical"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

private:
  double Northing(double phi) const;

  double radius_ = 0;  // Ra
};
