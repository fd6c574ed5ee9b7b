#pragma once
// Hotine oblique Mercator given by two points on its centre line. The origin
// latitude sets the aposphere; the centre line through both points gives the
// centre (where the line crosses the origin latitude) and its azimuth there,
// and from then on it is the centre-and-azimuth projection.

#include "gis/projections/GisProjectionHotine.h"

class TGIS_ProjectionHotine2 : public TGIS_ProjectionHotine {
 public:
  // Origin latitude 45 degrees, scale 1. Both points start at (0, 0), which
  // fixes no centre line: Project and Unproject raise 0235 until a SetUp
  // with two usable points.
  TGIS_ProjectionHotine2();

  std::string Code() const override { return "HT2"; }
  std::string Description() const override { return "Hotine Olique Mercator Two Point"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppScaleFactor | ppPoint1 |
           ppPoint2;
  }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;

 protected:
  // The origin-latitude checks of the centre form, then the two points: they
  // fix the central line only when their latitudes differ (by more than
  // 1e-10, else 0223), and the first of them must lie off the equator and
  // the poles (0220), where the formulas for the line break down.
  Constants Derive(const Parameters& parameters) const override;

 private:
  struct Centre {
    double longitude, azimuth;
  };
  Centre CentreOf(const Parameters& parameters) const;
};
