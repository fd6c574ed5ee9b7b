#pragma once
// Polar stereographic, ellipsoidal. The origin latitude is the latitude of
// true scale and its sign picks the pole (negative: south, where every angle
// is mirrored). At +-90 degrees the scale is true at the pole itself.

#include "gis/GisProjections.h"

class TGIS_ProjectionPolarStereographic : public TGIS_ProjectionAbstract {
 public:
  // North pole with true scale there; reach 12713601 m (the equator) both ways.
  TGIS_ProjectionPolarStereographic();

  std::string Code() const override { return "POL"; }
  std::string Description() const override { return "Polar Stereographic"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void SetUp(std::int32_t zone, double centralMeridian, double originLatitude, double falseEasting,
             double falseNorthing, double standardParallel1, double standardParallel2, double scaleFactor,
             double reserved1, double reserved2, double azimuth, double point1Longitude, double point1Latitude,
             double point2Longitude, double point2Latitude) override;
  // The opposite pole lies at infinity: warning 0240 and the result is left
  // as it was.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

 private:
  bool south_ = false;
  double rhoPerT_ = 0;  // rho = rhoPerT_ * t(phi), on the north-pole form
};
