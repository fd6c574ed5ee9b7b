#include "gis/projections/GisProjectionTCEA.h"

#include <algorithm>
#include <cmath>

TGIS_ProjectionTCEA::TGIS_ProjectionTCEA() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionTCEA::Create() const {
  return std::make_unique<TGIS_ProjectionTCEA>();
}

void TGIS_ProjectionTCEA::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  a_ = static_cast<double>(A);
  authalic_ = TGIS_AuthalicLatitude(static_cast<double>(E2));
  arc_ = gis_ellipsoid::TGIS_MeridianArc(a_, static_cast<double>(B));
  originArc_ = arc_.Distance(OriginLatitude);
  MaxEastingOffset = a_ / ScaleFactor;
  MaxNorthingOffset = ScaleFactor * (2 * arc_.Quadrant() + std::fabs(originArc_));
}

void TGIS_ProjectionTCEA::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  // Checked first: a NaN scale raises before anything is stored.
  const double scale = FixScaleFactor(parameters.ScaleFactor, kMinScale, kMaxScale);
  SetUpFamily(parameters, TGIS_MeridianFix::mfToPi);
  ScaleFactor = scale;
  Prepare();
}

double TGIS_ProjectionTCEA::LatitudeOfArc(double distance) const {
  if (std::fabs(distance) <= arc_.Quadrant()) return arc_.Latitude(distance);
  return std::copysign(kPi, distance) - arc_.Latitude(std::copysign(2 * arc_.Quadrant(), distance) - distance);
}

void TGIS_ProjectionTCEA::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  double sinBeta;
  double cosBeta;
  double ratio;
  authalic_.Evaluate(lat, sinBeta, cosBeta, ratio);
  const double phiC = authalic_.ToGeodeticAtan2(sinBeta, cosBeta * std::cos(dlon));
  const double sinOmega = cosBeta * std::sin(dlon);
  result = TGIS_Point3{FalseEasting + a_ * sinOmega * authalic_.ScaleRatio(phiC) / ScaleFactor,
                       FalseNorthing + ScaleFactor * (arc_.Distance(phiC) - originArc_), source.Z};
}

void TGIS_ProjectionTCEA::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  const double halfMeridian = 2 * arc_.Quadrant();
  FixPlaneInput(x, y, FalseEasting - MaxEastingOffset, FalseEasting + MaxEastingOffset,
                FalseNorthing + ScaleFactor * (-halfMeridian - originArc_),
                FalseNorthing + ScaleFactor * (halfMeridian - originArc_));
  CheckHeight(source.Z);
  const double phiC = LatitudeOfArc(originArc_ + (y - FalseNorthing) / ScaleFactor);
  double sinBetaC;
  double cosBetaC;
  double ratio;
  authalic_.Evaluate(phiC, sinBetaC, cosBetaC, ratio);
  // Off the widest parallel of the map, the easting may ask for more than a
  // quarter turn from the meridian: the outline is taken then.
  const double sinOmega = std::clamp((x - FalseEasting) * ScaleFactor / (a_ * ratio), -1.0, 1.0);
  const double cosOmega = std::sqrt(1 - sinOmega * sinOmega);
  // Back from transverse to normal coordinates on the authalic sphere; atan2
  // of the vector's components keeps the digits near the poles.
  const double along = cosOmega * cosBetaC;
  const double horizontal = std::hypot(sinOmega, along);  // cos(beta)
  const double lat = authalic_.ToGeodeticAtan2(cosOmega * sinBetaC, horizontal);
  // Within micrometres of a pole the meridian is the angle of two rounding
  // residues; there the central one is returned.
  EndUnproject(horizontal > 1e-12 ? std::atan2(sinOmega, along) : 0.0, lat, source, result);
}
