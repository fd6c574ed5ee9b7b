// The clamping every projection of the family repeats: SetUp parameters,
// Project input, Unproject reach. NaN fails every comparison and would slip
// through the clamps unchanged, so each helper tests for it first.
#include "gis/GisProjections.h"

#include <cmath>

namespace {

// Clamps into [low, high]; true when the value was changed.
bool Clamp(double& value, double low, double high) {
  if (value < low) {
    value = low;
    return true;
  }
  if (value > high) {
    value = high;
    return true;
  }
  return false;
}

}  // namespace

double TGIS_ProjectionAbstract::FixOriginLatitude(double value, double limit) {
  if (std::isnan(value)) GisRaiseValue(GIS_RS_ERR_ORIGINLATITUDE_INVALID, value);
  if (Clamp(value, -limit, limit)) AddWarning(GIS_RS_ERR_ORIGINLATITUDE_FIXED);
  return value;
}

double TGIS_ProjectionAbstract::FixCentralMeridian(double value, TGIS_MeridianFix belowMinusPi) {
  if (std::isnan(value)) GisRaiseValue(GIS_RS_ERR_CENTRALMERIDIAN_INVALID, value);
  if (value > kTwoPi) {
    value = kTwoPi;
    AddWarning(GIS_RS_ERR_CENTRALMERIDIAN_FIXED);
  } else if (value < -kPi) {
    value = belowMinusPi == TGIS_MeridianFix::mfToMinusPi ? -kPi : kPi;
    AddWarning(GIS_RS_ERR_CENTRALMERIDIAN_FIXED);
  }
  return value;
}

double TGIS_ProjectionAbstract::FixStandardParallel1(double value, double limit) {
  if (std::isnan(value)) GisRaise(GIS_RS_ERR_STANDARDPARALELL_INVALID);
  if (Clamp(value, -limit, limit)) AddWarning(GIS_RS_ERR_STANDARDPARALLEL_1_FIXED);
  return value;
}

double TGIS_ProjectionAbstract::FixStandardParallel2(double value, double limit) {
  if (std::isnan(value)) GisRaise(GIS_RS_ERR_STANDARDPARALELL_INVALID);
  if (Clamp(value, -limit, limit)) AddWarning(GIS_RS_ERR_STANDARDPARALLEL_2_FIXED);
  return value;
}

double TGIS_ProjectionAbstract::FixScaleFactor(double value, double low, double high) {
  if (std::isnan(value)) GisRaise(GIS_RS_ERR_BADPARAM, "ScaleFactor");
  if (Clamp(value, low, high)) AddWarning(GIS_RS_ERR_SCALEFACTOR_FIXED);
  return value;
}

void TGIS_ProjectionAbstract::CheckFiniteParameter(double value, const char* name) {
  if (!std::isfinite(value)) GisRaise(GIS_RS_ERR_BADPARAM, name);
}

double TGIS_ProjectionAbstract::NormalizedCentralMeridian(double value) {
  return value > kPi ? value - kTwoPi : value;
}

void TGIS_ProjectionAbstract::SetUpFamily(const TGIS_SetUpParameters& parameters, TGIS_MeridianFix belowMinusPi,
                                          double originLatitudeLimit) {
  const TGIS_ParameterSet reads = ParameterSet();
  // A parameter the class does not read passes the checks as the value it keeps.
  const double latitude =
      reads & ppOriginLatitude ? FixOriginLatitude(parameters.OriginLatitude, originLatitudeLimit) : OriginLatitude;
  const double meridian =
      reads & ppCentralMeridian ? FixCentralMeridian(parameters.CentralMeridian, belowMinusPi) : CentralMeridian;
  const double falseEasting = reads & ppFalseEasting ? parameters.FalseEasting : FalseEasting;
  const double falseNorthing = reads & ppFalseNorthing ? parameters.FalseNorthing : FalseNorthing;
  CheckFiniteParameter(falseEasting, "FalseEasting");
  CheckFiniteParameter(falseNorthing, "FalseNorthing");
  CentralMeridian = NormalizedCentralMeridian(meridian);
  OriginLatitude = latitude;
  FalseEasting = falseEasting;
  FalseNorthing = falseNorthing;
  Prepare();
}

void TGIS_ProjectionAbstract::SetUpConic(const TGIS_SetUpParameters& parameters, double parallelLimit,
                                         const std::function<void(double, double, double)>& checkCone) {
  const double lat0 = FixOriginLatitude(parameters.OriginLatitude);
  const double lon0 = FixCentralMeridian(parameters.CentralMeridian, TGIS_MeridianFix::mfToPi);
  const double parallel1 = FixStandardParallel1(parameters.StandardParallel1, parallelLimit);
  const double parallel2 = FixStandardParallel2(parameters.StandardParallel2, parallelLimit);
  CheckFiniteParameter(parameters.FalseEasting, "FalseEasting");
  CheckFiniteParameter(parameters.FalseNorthing, "FalseNorthing");
  checkCone(lat0, parallel1, parallel2);

  CentralMeridian = NormalizedCentralMeridian(lon0);
  OriginLatitude = lat0;
  FalseEasting = parameters.FalseEasting;
  FalseNorthing = parameters.FalseNorthing;
  StandardParallel1 = parallel1;
  StandardParallel2 = parallel2;
  Prepare();
}

void TGIS_ProjectionAbstract::FixLatitudeOutOfRange(double& latitude, double limit) {
  if (std::isnan(latitude)) GisRaiseValue(GIS_RS_ERR_LATITUDE_INVALID, latitude);
  if (Clamp(latitude, -limit, limit)) AddWarning(GIS_RS_ERR_LATITUDE_FIXED);
}

void TGIS_ProjectionAbstract::FixGeodeticInput(double& longitude, double& latitude, double latitudeLimit) {
  FixLatitude(latitude, latitudeLimit);
  if (longitude >= -kPi && longitude <= kTwoPi) return;
  if (std::isnan(longitude)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, longitude);
  if (Clamp(longitude, -kPi, kTwoPi)) AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
}

double TGIS_ProjectionAbstract::LongitudeDelta(double longitude, double centralMeridian) {
  double delta = longitude - centralMeridian;
  if (delta > kPi)
    delta -= kTwoPi;
  else if (delta < -kPi)
    delta += kTwoPi;
  // Only reachable when the caller skipped the input clamps.
  if (delta > kPi || delta < -kPi) delta = std::remainder(delta, kTwoPi);
  return delta;
}

void TGIS_ProjectionAbstract::FixPlaneInput(double& easting, double& northing, double minX, double maxX,
                                            double minY, double maxY) {
  if (std::isnan(easting)) GisRaiseValue(GIS_RS_ERR_EASTING_INVALID, easting);
  if (std::isnan(northing)) GisRaiseValue(GIS_RS_ERR_NORTHING_INVALID, northing);
  if (Clamp(easting, minX, maxX)) AddWarning(GIS_RS_ERR_EASTING_FIXED);
  if (Clamp(northing, minY, maxY)) AddWarning(GIS_RS_ERR_NORTHING_FIXED);
}

void TGIS_ProjectionAbstract::FixPlaneInputToReach(double& easting, double& northing) {
  FixPlaneInput(easting, northing, FalseEasting - MaxEastingOffset, FalseEasting + MaxEastingOffset,
                FalseNorthing - MaxNorthingOffset, FalseNorthing + MaxNorthingOffset);
}

void TGIS_ProjectionAbstract::NormalizeGeodeticResult(double& longitude, double& latitude) {
  Clamp(latitude, -kHalfPi, kHalfPi);
  if (longitude > kPi)
    longitude -= kTwoPi;
  else if (longitude < -kPi)
    longitude += kTwoPi;
  Clamp(longitude, -kPi, kPi);
}

void TGIS_ProjectionAbstract::RaiseHeight(double z) { GisRaiseValue(GIS_RS_ERR_COORIDINATE_INVALID, z); }

void TGIS_ProjectionAbstract::CheckSolvable(const TGIS_Point3& result) {
  if (!std::isfinite(result.X) || !std::isfinite(result.Y)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
}

void TGIS_ProjectionAbstract::BeginProject(const TGIS_Point3& source, double& deltaLongitude, double& latitude,
                                           double latitudeLimit) {
  ResetWarningFlag();
  double longitude = source.X;
  latitude = source.Y;
  FixGeodeticInput(longitude, latitude, latitudeLimit);
  CheckHeight(source.Z);
  deltaLongitude = LongitudeDelta(longitude, CentralMeridian);
}

void TGIS_ProjectionAbstract::BeginUnproject(const TGIS_Point3& source, double& dx, double& dy) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInputToReach(x, y);
  CheckHeight(source.Z);
  dx = x - FalseEasting;
  dy = y - FalseNorthing;
}

void TGIS_ProjectionAbstract::EndUnproject(double deltaLongitude, double latitude, const TGIS_Point3& source,
                                           TGIS_Point3& result) const {
  double longitude = CentralMeridian + deltaLongitude;
  NormalizeGeodeticResult(longitude, latitude);
  result = TGIS_Point3{longitude, latitude, source.Z};
}
