#include "gis/projections/GisProjectionGeodetic.h"

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionGeodetic::Create() const {
  return std::make_unique<TGIS_ProjectionGeodetic>();
}

void TGIS_ProjectionGeodetic::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  result = source;
}

void TGIS_ProjectionGeodetic::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  result = source;
}
