#pragma once
// Orthographic, on the authalic-radius sphere: the globe as seen from
// infinitely far above the origin. Only the hemisphere around the origin is
// visible; a point on the far side is projected through the globe onto the
// same disk, with warning 0236, and does not come back by Unproject.

#include "gis/GisProjections.h"

class TGIS_ProjectionOrthographic : public TGIS_ProjectionAbstract {
 public:
  TGIS_ProjectionOrthographic();

  std::string Code() const override { return "ORT"; }
  std::string Description() const override { return "Orthographic"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  // Derives the sphere's radius, which is also the reach of Unproject.
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Points outside the disk of the sphere are taken to its rim.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  double Radius() const { return radius_; }

 private:
  double radius_ = 0;
  double sinLat0_ = 0, cosLat0_ = 1;
};
