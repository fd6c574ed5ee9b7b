#pragma once
// Cylindrical equal area ("CEA"), ellipsoidal. The origin latitude is the
// latitude of true scale: the cylinder cuts the ellipsoid along +-that
// parallel (0 gives Lambert's cylinder touching the equator; 30 degrees
// Behrmann's map). Northing is a q(phi)/(2 k0), so equal areas on the
// ellipsoid stay equal on the map.
//
// Reach of Unproject: the whole map, centred on the false origin: +-pi a k0
// across (the longitude difference is wrapped into [-pi, pi], so the width
// does not depend on the central meridian) and +-the northing of the pole.
// A latitude of true scale at a pole squeezes the map into a line; SetUp
// warns 0236 then.

#include "gis/GisProjections.h"
#include "gis/projections/GisAuthalicLatitude.h"

class TGIS_ProjectionCEA : public TGIS_ProjectionAbstract {
public:
  // Everything 0, prepared: reach +-20037508 m and +-6363886 m on WGS 84.
  TGIS_ProjectionCEA();

  std::string Code() const override { return "CEA"; }
  std::string Description() const override { return "Cylindrical Equal Area"; }
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
  TGIS_AuthalicLatitude authalic_;
  double eastScale_ = 0;   // a k0: metres per radian of longitude
  double northScale_ = 0;  // a / (2 k0): metres per unit of q
};
