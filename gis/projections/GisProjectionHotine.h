#pragma once
// Hotine oblique Mercator, given by its centre point and the azimuth of the
// centre line there, ellipsoidal. The ellipsoid is mapped conformally onto a
// sphere of constant total curvature (the "aposphere") on which the centre
// line is a great circle; that circle is the equator of an oblique Mercator
// projection. Coordinates count from the centre point, the grid is turned by
// the azimuth, and the scale on the centre line is the scale factor.

#include "gis/GisProjections.h"

class TGIS_ProjectionHotine : public TGIS_ProjectionAbstract {
 public:
  // Centre at latitude 45 degrees on meridian 0, azimuth 0.
  TGIS_ProjectionHotine();

  std::string Code() const override { return "HOT"; }
  std::string Description() const override { return "Hotine Olique Mercator Azimuth Center"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppScaleFactor | ppAzimuth;
  }
  // Derives the constants. Parameters that give no projection (SetUp rejects
  // them first, 0220 for a centre on the equator or at a pole) leave the
  // object unsolvable: Project and Unproject raise 0235.
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // No clamps. Raises 0235 where the formulas have no solution: on the two
  // points 90 degrees from the centre line, whose image lies at infinity, and
  // for latitudes beyond the poles.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  // Raises 0235 for a plane point too far from the centre line to map back.
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

 protected:
  // Reads what ParameterSet names: the centre (central meridian, origin
  // latitude clamped to +-90 degrees), false origin, scale factor (clamped to
  // 0.3 - 3.0, 0248) and the azimuth or the two points. Parameters that give
  // no projection raise before anything is stored: 0220 for a centre on the
  // equator or at a pole (within 1e-10), where the azimuth fixes no single
  // oblique great circle, 0235 where the constants are not finite.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

  // The parameters a Prepare works from (stored fields or SetUp candidates).
  struct Parameters {
    double centralMeridian, originLatitude, scale, azimuth;
    double point1Longitude, point1Latitude, point2Longitude, point2Latitude;
  };
  struct Constants {
    bool solvable = false;  // false until a Prepare has succeeded
    double b = 0;           // exponent of the conformal mapping onto the aposphere
    double aa = 0;          // radius of the aposphere times the scale (A)
    double h = 0;           // F t0^B
    double gamma0 = 0;      // azimuth of the centre line where it crosses the aposphere's equator
    double sinGamma0 = 0, cosGamma0 = 1;
    double lambda0 = 0;                 // longitude of that crossing (natural origin)
    double uc = 0;                      // distance of the centre point from the natural origin
    double sinAlpha = 0, cosAlpha = 1;  // the grid turns by the centre line's azimuth
  };

  // Raises 0220 for an origin latitude on the equator or a pole.
  static void CheckOriginLatitude(double originLatitude);
  // The constants of the centre line through (centreLongitude, centreLatitude)
  // at `azimuth`; raises 0235 when they are not finite.
  Constants DeriveFromCentre(double centreLongitude, double centreLatitude, double azimuth, double scale) const;
  // Checks the parameters and derives the constants; raises on failure.
  virtual Constants Derive(const Parameters& parameters) const;
  Parameters StoredParameters() const;

  Constants k_;
};
