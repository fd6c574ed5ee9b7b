#pragma once
// Albers equal-area conic, ellipsoidal, with one or two standard parallels.
// Areas are kept; parallels are concentric circles around the apex.

#include "gis/GisProjections.h"
#include "gis/projections/GisAuthalicLatitude.h"

class TGIS_ProjectionAlbers : public TGIS_ProjectionAbstract {
 public:
  // Origin latitude 45 degrees, parallels 40 and 50 degrees, reach 40000 km.
  TGIS_ProjectionAlbers();

  std::string Code() const override { return "ALB"; }
  std::string Description() const override { return "Albers Equal Area Conic"; }
  TGIS_ParameterSet ParameterSet() const override {
    return ppCentralMeridian | ppOriginLatitude | ppFalseEasting | ppFalseNorthing | ppStandardParallel1 |
           ppStandardParallel2;
  }
  // Raises 0235 when the cone constant is 0 (parallels symmetric about the
  // equator, or a single parallel on it).
  void Prepare() override;
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override;
  void Project(const TGIS_Point3& source, TGIS_Point3& result) override;
  void Unproject(const TGIS_Point3& source, TGIS_Point3& result) override;

 protected:
  // Reads the central meridian, origin latitude, false origin and both
  // parallels (clamped to +-90 degrees); nothing is stored when the new
  // parallels give no cone.
  void SetUpParameters(const TGIS_SetUpParameters& parameters) override;

 private:
  struct Constants {
    double n;     // cone constant
    double c;     // m1^2 + n q1
    double rho0;  // radius of the origin parallel
  };
  Constants Derive(double originLatitude, double parallel1, double parallel2) const;

  Constants k_{};
  TGIS_AuthalicLatitude authalic_;  // latitude back from q
};
