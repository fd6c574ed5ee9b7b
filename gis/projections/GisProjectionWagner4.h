#pragma once
// Wagner IV ("WA4"), pseudocylindrical equal area on the authalic-radius
// sphere: Mollweide's construction with the poles cut off as lines, the
// auxiliary angle theta reaching only about pi/3:
// 2 theta + sin 2 theta = 2.9604205062 sin phi,
// x = 0.8631 Ra dlon cos theta, y = 1.56548 Ra sin theta.
//
// Reach of Unproject: the map's bounding box, centred on the false origin:
// +-0.8631 pi Ra and +-the northing of the pole (the longitude difference is
// wrapped into [-pi, pi], so the map does not move with the central
// meridian). Points of the box outside the outline take the outline's meridian.

#include "gis/GisProjections.h"

class TGIS_ProjectionWagner4 : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared.
  TGIS_ProjectionWagner4();

  std::string Code() const override { return "WA4"; }
  std::string Description() const override { return "Wagner IV"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kCx = 0.8631;
  static constexpr double kCy = 1.56548;
  static constexpr double kCp = 2.9604205062;

private:
  double radius_ = 0;  // Ra
};
