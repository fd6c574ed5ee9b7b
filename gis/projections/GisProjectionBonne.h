#pragma once
// Bonne, ellipsoidal: an equal-area pseudoconic. The origin latitude is the
// standard parallel; parallels are concentric circles at true distances along
// the central meridian. With the standard parallel on the equator it becomes
// the sinusoidal projection, which is used there.

#include "gis/GisProjections.h"
#include "gis/projections/GisMeridianArc.h"

class TGIS_ProjectionBonne : public TGIS_ProjectionAbstract {
 public:
  // Origin latitude 45 degrees, reach 25000 km both ways.
  TGIS_ProjectionBonne();

  std::string Code() const override { return "BON"; }
  std::string Description() const override { return "Bonne"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

 private:
  bool Sinusoidal() const { return apex_ == 0; }

  gis_ellipsoid::TGIS_MeridianArc arc_;
  double apex_ = 0;  // a m1 / sin phi1: distance of the apex from the origin (0: sinusoidal)
  double arc1_ = 0;  // meridian arc of the standard parallel
};
