#pragma once
// Wagner VII ("WA7"), equal area on the authalic-radius sphere: Hammer's
// construction applied to a part of the globe. Latitudes are squeezed by
// sin phi' = 0.90631 sin phi (the pole to 65 degrees), longitudes by
// lambda' = dlon/3; the equatorial Lambert azimuthal equal-area map of
// (phi', lambda') is then stretched to
// x = 2.66723 Ra cos phi' sin lambda' c, y = 1.24104 Ra sin phi' c,
// c = sqrt(2/(1 + cos phi' cos lambda')). The poles are curved lines.
//
// Reach of Unproject: the map's bounding box, centred on the false origin:
// +-2.66723 Ra (the equator's ends) and +-the northing of the pole at the
// outer meridian (the pole lines bulge outwards); the longitude difference is
// wrapped into [-pi, pi], so the map does not move with the central meridian.
// Points of the box outside the outline come back on the outline.

#include "gis/GisProjections.h"

class TGIS_ProjectionWagner7 : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared.
  TGIS_ProjectionWagner7();

  std::string Code() const override { return "WA7"; }
  std::string Description() const override { return "Wagner VII"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kSinLimit = 0.90631;  // sin of the squeezed pole
  static constexpr double kCx = 2.66723;
  static constexpr double kCy = 1.24104;

private:
  // (x, y) before the false origin is added.
  void Forward(double dlon, double phi, double& x, double& y) const;

  double radius_ = 0;  // Ra
};
