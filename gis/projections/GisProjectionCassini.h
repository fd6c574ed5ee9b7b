#pragma once
// Cassini(-Soldner), ellipsoidal: the transverse aspect of the equidistant
// cylindrical projection, by the usual series in the longitude difference.
// Distances along and at right angles to the central meridian are true; the
// series are meant for a band of a few degrees around it, so Unproject warns
// (0241) when its result lies more than 4 degrees away.

#include "gis/GisProjections.h"
#include "gis/projections/GisMeridianArc.h"

class TGIS_ProjectionCassini : public TGIS_ProjectionAbstract {
 public:
  // Easting bounds +-20037508.4 m, northing reach 56575846 m, both measured
  // from the false origin with the origin latitude on the equator.
  TGIS_ProjectionCassini();

  std::string Code() const override { return "CAS"; }
  std::string Description() const override { return "Cassini"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  // Also moves the bounds of Unproject with the false origin and the origin
  // latitude (northings count from the origin parallel).
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kEastingBound = 20037508.4;
  static constexpr double kNorthingReach = 56575846;
  static constexpr double kWarnDistance = 0.0698131700798;  // 4 degrees
  static constexpr int kRefinements = 8;

 private:
  // The series, relative to the central meridian and the false origin:
  // (longitude difference, latitude) -> (x, y) and an approximate inverse.
  TGIS_Point2 Forward(double dLon, double lat) const;
  TGIS_Point2 Inverse(double x, double y) const;

  gis_ellipsoid::TGIS_MeridianArc arc_;
  double arc0_ = 0;  // meridian arc of the origin latitude
  double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
};
