#include "gis/projections/GisProjectionCEA.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

TGIS_ProjectionCEA::TGIS_ProjectionCEA() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionCEA::Create() const {
  return std::make_unique<TGIS_ProjectionCEA>();
}

void TGIS_ProjectionCEA::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  const double e2 = static_cast<double>(E2);
  authalic_ = TGIS_AuthalicLatitude(e2);
  const double a = static_cast<double>(A);
  const double k0 = gis_ellipsoid::ParallelRadiusRatio(OriginLatitude, e2);
  eastScale_ = a * k0;
  northScale_ = a / (2 * k0);
  MaxEastingOffset = kPi * eastScale_;
  MaxNorthingOffset = northScale_ * authalic_.QPole();
}

void TGIS_ProjectionCEA::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpFamily(parameters, TGIS_MeridianFix::mfToPi);
  // cos(pi/2) is 6e-17, not 0: the map stays finite and invertible, but
  // every longitude lands within a nanometre of the meridian.
  if (std::cos(OriginLatitude) < 1e-9) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
}

void TGIS_ProjectionCEA::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  result = TGIS_Point3{FalseEasting + eastScale_ * dlon, FalseNorthing + northScale_ * authalic_.Q(std::sin(lat)),
                       source.Z};
}

void TGIS_ProjectionCEA::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  // The reach keeps q within [-qp, qp] but for rounding.
  EndUnproject(dx / eastScale_, authalic_.FromQ(dy / northScale_), source, result);
}
