#include "gis/projections/GisProjectionEckert4.h"

#include "gis/projections/GisAuxiliaryAngle.h"
#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>

namespace {

using gis_pseudocylindrical::TGIS_ValueSlope;

using gis_angle::kHalfPi;
using gis_angle::kPi;
constexpr double kPoleValue = 2 + kHalfPi;  // g(pi/2)

double G(double theta) {
  const double s = std::sin(theta);
  return theta + s * std::cos(theta) + 2 * s;
}

// g and its slope from one sine and cosine.
TGIS_ValueSlope GS(double theta) {
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  return {theta + s * c + 2 * s, 2 * c * (1 + c)};
}

// Near the pole g(pi/2) - g(theta) ~ 2 (pi/2 - theta)^2.
constexpr gis_pseudocylindrical::TGIS_AuxiliaryEquation kEquation{kPoleValue, kHalfPi, 1, 2, 2};

double AuxiliaryAngle(double phi) { return gis_pseudocylindrical::AuxiliaryAngle(phi, kEquation, GS); }

}  // namespace

TGIS_ProjectionEckert4::TGIS_ProjectionEckert4() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionEckert4::Create() const {
  return std::make_unique<TGIS_ProjectionEckert4>();
}

void TGIS_ProjectionEckert4::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = kCx * radius_ * 2 * kPi;
  MaxNorthingOffset = kCy * radius_;
}

void TGIS_ProjectionEckert4::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double theta = AuxiliaryAngle(lat);
  result = TGIS_Point3{FalseEasting + kCx * radius_ * dlon * (1 + std::cos(theta)),
                       FalseNorthing + kCy * radius_ * std::sin(theta), source.Z};
}

void TGIS_ProjectionEckert4::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  const double theta = std::asin(std::clamp(dy / (kCy * radius_), -1.0, 1.0));
  const double lat = std::asin(std::clamp(G(theta) / kPoleValue, -1.0, 1.0));
  // 1 + cos(theta) >= 1: the poles are lines, every point has a meridian.
  const double dlon = std::clamp(dx / (kCx * radius_ * (1 + std::cos(theta))), -kPi, kPi);
  EndUnproject(dlon, lat, source, result);
}
