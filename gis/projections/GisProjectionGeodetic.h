#pragma once
// Geodetic "projection": longitude and latitude as they are. Lets a client
// treat unprojected data like any other projection.

#include "gis/GisProjections.h"

class TGIS_ProjectionGeodetic : public TGIS_ProjectionAbstract {
 public:
  std::string Code() const override { return "GED"; }
  std::string Description() const override { return "Geodetic (unprojected)"; }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // Both copy the point unchanged.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;
};
