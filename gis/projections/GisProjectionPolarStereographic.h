#pragma once
// Polar stereographic, ellipsoidal: the map of polar regions, where it keeps
// shapes true. One latitude parameter does two jobs: its sign chooses the
// pole (negative: the south pole, worked as the north one with every angle
// mirrored, so one set of formulas serves both) and its value is the
// parallel along which distances are true; at +-90 degrees that is the pole.

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
  // The opposite pole lies at infinity: warning 0240 and the result is left
  // as it was.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

 private:
  bool south_ = false;
  double rhoPerT_ = 0;  // rho = rhoPerT_ * t(phi), on the north-pole form
};
