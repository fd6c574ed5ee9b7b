#pragma once
// Lambert conformal conic with one or two standard parallels, ellipsoidal.
// The cone touches (one parallel) or cuts (two) the ellipsoid; parallels are
// concentric circles around the apex, meridians its radii.

#include "gis/GisProjections.h"

class TGIS_ProjectionLambert : public TGIS_ProjectionAbstract {
 public:
  // Origin latitude 45 degrees, standard parallels 40 and 50 degrees, reach
  // 40000 km both ways.
  TGIS_ProjectionLambert();

  std::string Code() const override { return "LAM"; }
  std::string Description() const override { return "Lambert Conformal Conic"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppStandardParallel1 |
           ppStandardParallel2;
  }
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  // The pole on the far side of the cone has no image: warning 0240 and the
  // result is left as it was.
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

  // Derived constants: the cone constant n, a*F and the radius of the origin
  // parallel rho0.
  long double ConeConstant() const { return n_; }
  long double ScaledF() const { return aF_; }
  long double OriginRadius() const { return rho0_; }
  // Steps the latitude iteration of the last Unproject took.
  int LastIterations() const { return lastIterations_; }

  static constexpr double kParallelLimit = 1.5533430342749533;  // 89 degrees
  static constexpr int kMaxIterations = 50;                     // converges in < 10 inside the reach

 protected:
  // Reads the central meridian, origin latitude, false origin and both
  // parallels (each clamped to +-89 degrees). Raises 0235 for parallels that
  // give no cone (cone constant 0, e.g. symmetric about the equator) and for
  // an origin at the pole the cone opens towards; nothing is stored then.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

 private:
  struct Constants {
    long double n, aF, rho0;
  };
  Constants Derive(double originLatitude, double parallel1, double parallel2) const;

  long double n_ = 0;
  long double aF_ = 0;
  long double rho0_ = 0;
  int lastIterations_ = 0;
};
