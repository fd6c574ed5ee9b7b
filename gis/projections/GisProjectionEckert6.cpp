#include "gis/projections/GisProjectionEckert6.h"

#include "gis/projections/GisAuxiliaryAngle.h"
#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>

namespace {

using gis_pseudocylindrical::TGIS_ValueSlope;

using gis_angle::kHalfPi;
using gis_angle::kPi;
constexpr double kPoleValue = 1 + kHalfPi;  // g(pi/2)

double G(double theta) { return theta + std::sin(theta); }

// g and its slope from one sine and cosine.
TGIS_ValueSlope GS(double theta) {
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  return {theta + s, 1 + c};
}

// g' = 1 + cos theta stays >= 1: Newton needs no help near the pole.
constexpr gis_pseudocylindrical::TGIS_AuxiliaryEquation kEquation{kPoleValue, kHalfPi, 1, 0, 0};

double AuxiliaryAngle(double phi) { return gis_pseudocylindrical::AuxiliaryAngle(phi, kEquation, GS); }

}  // namespace

TGIS_ProjectionEckert6::TGIS_ProjectionEckert6() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionEckert6::Create() const {
  return std::make_unique<TGIS_ProjectionEckert6>();
}

void TGIS_ProjectionEckert6::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2)) / std::sqrt(2 + kPi);
  MaxEastingOffset = 2 * kPi * radius_;
  MaxNorthingOffset = kPi * radius_;
}

void TGIS_ProjectionEckert6::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double theta = AuxiliaryAngle(lat);
  result = TGIS_Point3{FalseEasting + radius_ * dlon * (1 + std::cos(theta)),
                       FalseNorthing + 2 * radius_ * theta, source.Z};
}

void TGIS_ProjectionEckert6::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  const double theta = std::clamp(dy / (2 * radius_), -kHalfPi, kHalfPi);
  const double lat = std::asin(std::clamp(G(theta) / kPoleValue, -1.0, 1.0));
  // 1 + cos(theta) >= 1: the poles are lines, every point has a meridian.
  const double dlon = std::clamp(dx / (radius_ * (1 + std::cos(theta))), -kPi, kPi);
  EndUnproject(dlon, lat, source, result);
}
