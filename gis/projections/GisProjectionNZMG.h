#pragma once
// New Zealand Map Grid: the published conformal grid of New Zealand on the
// International 1924 ellipsoid. A power series turns the latitude difference
// from the origin into isometric latitude; with the longitude difference it
// forms a complex number that a complex polynomial maps onto the grid. Its
// origin and false origin are fixed, and SetUp changes nothing.

#include "gis/GisProjections.h"

class TGIS_ProjectionNZMG : public TGIS_ProjectionAbstract {
 public:
  // Datum "GEO" (International 1924 ellipsoid), meridian 173 degrees, origin
  // latitude -41 degrees, false origin (2510000, 6023150).
  TGIS_ProjectionNZMG();

  std::string Code() const override { return "NZMG"; }
  std::string Description() const override { return "New Zealand Map Grid"; }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // Both read and write X and Y only; Z of the result is left as it was.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // The grid is a complex polynomial of the point, which has no closed
  // inverse: Newton-Raphson from the first-order guess, stopping once a step
  // moves less than 1e-10 in all. Inside New Zealand that takes three or four
  // steps; a point that has not settled after 20 is far off the grid and
  // raises 0235 instead of returning a guess.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr int kMaxIterations = 20;
};
