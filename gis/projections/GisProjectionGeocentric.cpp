#include "gis/projections/GisProjectionGeocentric.h"

TGIS_ProjectionGeocentric::TGIS_ProjectionGeocentric() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionGeocentric::Create() const {
  return std::make_unique<TGIS_ProjectionGeocentric>();
}

void TGIS_ProjectionGeocentric::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  result = GisGeodeticToGeocentric(*Ellipsoid, source);
}

void TGIS_ProjectionGeocentric::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  result = GisGeocentricToGeodetic(*Ellipsoid, source);
}
