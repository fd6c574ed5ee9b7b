#include "gis/projections/GisProjectionEQC.h"

#include "gis/projections/GisEllipsoidMath.h"

#include <cmath>

TGIS_ProjectionEQC::TGIS_ProjectionEQC() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionEQC::Create() const {
  return std::make_unique<TGIS_ProjectionEQC>();
}

void TGIS_ProjectionEQC::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  eastScale_ = radius_ * std::cos(OriginLatitude);
  MaxEastingOffset = kPi * eastScale_;
  MaxNorthingOffset = kHalfPi * radius_;
}

void TGIS_ProjectionEQC::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpFamily(parameters, TGIS_MeridianFix::mfToPi);
  // cos(pi/2) is 6e-17, not 0: the map stays finite and invertible, but
  // every longitude lands within a nanometre of the meridian.
  if (std::cos(OriginLatitude) < 1e-9) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
}

void TGIS_ProjectionEQC::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  result = TGIS_Point3{FalseEasting + eastScale_ * dlon, FalseNorthing + radius_ * lat, source.Z};
}

void TGIS_ProjectionEQC::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  EndUnproject(dx / eastScale_, dy / radius_, source, result);
}
