#pragma once
// Mercator ("MER"), ellipsoidal: the conformal cylinder. The origin latitude
// is the latitude of true scale (both parallels at +-that latitude keep their
// length); the equator is the line of zero northing. The poles lie at
// infinity, so latitudes are held to +-89.75 degrees.
//
// Reach of Unproject: the whole map of the clamped latitudes, centred on the
// false origin: +-pi a k0 across (Project wraps the longitude difference into
// [-pi, pi], so the map's width does not depend on the central meridian) and
// +-the northing of 89.75 degrees.

#include "gis/GisProjections.h"

#include <array>

class TGIS_ProjectionMercator : public TGIS_ProjectionAbstract {
public:
  // Everything 0: true scale on the equator, prepared.
  TGIS_ProjectionMercator();

  std::string Code() const override { return "MER"; }
  std::string Description() const override { return "Mercator"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  static constexpr double kLatitudeLimit = 1.5664330036649108;  // 89.75 degrees

protected:
  // Reads the central meridian (below -pi it becomes -pi), the latitude of
  // true scale (+-89.75 degrees) and the false origin.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

private:
  // Isometric latitude psi = asinh(tan phi) - e atanh(e sin phi), and back.
  double Isometric(double phi) const;
  double LatitudeOfIsometric(double psi) const;

  double e_ = 0;
  double e2_ = 0;
  double scale_ = 0;  // a k0: metres per radian of longitude
  std::array<double, 4> series_{};  // conformal -> geodetic latitude, sin 2k chi
};
