#pragma once
// American polyconic, ellipsoidal: every parallel is the circle of its own
// tangent cone, centred on the central meridian at true distance from the
// origin. True scale along the central meridian and every parallel.

#include "gis/GisProjections.h"
#include "gis/projections/GisMeridianArc.h"

class TGIS_ProjectionPolyconic : public TGIS_ProjectionAbstract {
 public:
  // Easting bounds +-20037509 m and northing bounds +-15348215 m, both
  // measured from the false origin with the origin latitude on the equator.
  TGIS_ProjectionPolyconic();

  std::string Code() const override { return "PLC"; }
  std::string Description() const override { return "Polyconic"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  // Also moves the bounds of Unproject with the false origin and the origin
  // latitude (northings count from the origin parallel).
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Newton's method on the latitude. A plane point the projection never
  // reaches makes it fail to settle: the best latitude found is used, with
  // warning 0236.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kEastingBound = 20037509;
  static constexpr double kNorthingBound = 15348215;
  static constexpr int kMaxIterations = 40;

 private:
  gis_ellipsoid::TGIS_MeridianArc arc_;
  double arc0_ = 0;  // meridian arc of the origin latitude
  double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
};
