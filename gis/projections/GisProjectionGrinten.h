#pragma once
// Van der Grinten ("GRI") on the authalic-radius sphere: the whole world in a
// circle of radius pi Ra; meridians and parallels are circular arcs, the
// equator and the central meridian straight and true to scale.
//
// The textbook formulas intersect the two circles through a quadratic whose
// terms nearly cancel near the equator and the central meridian (millimetres
// lost on the earth). Written in L = dlon/pi and T = tan(theta/2),
// sin theta = |2 phi/pi|, the intersection has only positive terms:
//   S = sqrt(((1 + L^2)(1 + T^2) + T (1 - L)^2) ((1 + L^2)(1 + T^2) + T (1 + L)^2)),
//   D = (1 - L^2)(1 + T^2 - T^4) + (1 - T + T^2) S,
//   x = pi Ra 2 L (1 - T^4)/D,  y = pi Ra T ((1 - L^2)(1 - T + T^2) + S)/D.
// Backwards, the meridian circle through the poles and (X, Y) gives L in
// closed form, and the parallel circle gives T as the root in [0, 1] of
// Y T^3 - (X^2 + Y^2) T^2 - T + Y = 0; phi = (pi/2) 2T/(1 + T^2).
//
// Reach of Unproject: the circle's bounding box, +-pi Ra both ways around the
// false origin (the longitude difference is wrapped into [-pi, pi], so the map
// does not move with the central meridian). A point of the box outside the
// circle is taken back along its radius onto the circle.

#include "gis/GisProjections.h"

class TGIS_ProjectionGrinten : public TGIS_ProjectionAbstract {
public:
  // Central meridian 0, no false origin, prepared.
  TGIS_ProjectionGrinten();

  std::string Code() const override { return "GRI"; }
  std::string Description() const override { return "Van der Grinten"; }
  TGIS_ParameterSet ParameterSet() const override { return ppCentralMeridian | ppFalseEasting | ppFalseNorthing; }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

private:
  double radius_ = 0;  // pi Ra: the radius of the map's circle
};
