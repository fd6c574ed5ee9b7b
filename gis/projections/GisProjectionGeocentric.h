#pragma once
// Geocentric "projection": earth-centred Cartesian X, Y, Z on the
// projection's ellipsoid. The only projection that uses the height. It reads
// no SetUp parameter.

#include "gis/GisProjections.h"

class TGIS_ProjectionGeocentric : public TGIS_ProjectionAbstract {
 public:
  TGIS_ProjectionGeocentric();

  std::string Code() const override { return "GEC"; }
  // The built-in text is spelled so.
  std::string Description() const override { return "Geocentic (unprojected)"; }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // (longitude, latitude, height) -> (X, Y, Z); raises 0210 / 0211 for a
  // latitude outside [-pi/2, pi/2] or a longitude outside [-pi, pi].
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // (X, Y, Z) -> (longitude, latitude, height), closed form.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;
};
