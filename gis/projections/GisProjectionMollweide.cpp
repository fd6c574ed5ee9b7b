#include "gis/projections/GisProjectionMollweide.h"

#include "gis/projections/GisAuxiliaryAngle.h"
#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using gis_pseudocylindrical::TGIS_ValueSlope;

constexpr double kSqrt2 = std::numbers::sqrt2;
using gis_angle::kHalfPi;
using gis_angle::kPi;

double G(double theta) { return 2 * theta + std::sin(2 * theta); }

// g and its slope from one sine and cosine.
TGIS_ValueSlope GS(double theta) {
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  return {2 * theta + 2 * s * c, 4 * c * c};
}

// Near the pole pi - g(theta) ~ (4/3) (pi/2 - theta)^3.
constexpr gis_pseudocylindrical::TGIS_AuxiliaryEquation kEquation{kPi, kHalfPi, 1, 3, 4.0 / 3};

double AuxiliaryAngle(double phi) { return gis_pseudocylindrical::AuxiliaryAngle(phi, kEquation, GS); }

}  // namespace

TGIS_ProjectionMollweide::TGIS_ProjectionMollweide() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionMollweide::Create() const {
  return std::make_unique<TGIS_ProjectionMollweide>();
}

void TGIS_ProjectionMollweide::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = 2 * kSqrt2 * radius_;
  MaxNorthingOffset = kSqrt2 * radius_;
}

void TGIS_ProjectionMollweide::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double theta = AuxiliaryAngle(lat);
  result = TGIS_Point3{FalseEasting + 2 * kSqrt2 / kPi * radius_ * dlon * std::cos(theta),
                       FalseNorthing + kSqrt2 * radius_ * std::sin(theta), source.Z};
}

void TGIS_ProjectionMollweide::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  const double theta = std::asin(std::clamp(dy / (kSqrt2 * radius_), -1.0, 1.0));
  const double lat = std::asin(std::clamp(G(theta) / kPi, -1.0, 1.0));
  // At the poles every meridian meets: the central one is returned (cos of
  // the double nearest pi/2 is 6e-17, not 0, and would pick one at random).
  const double width = 2 * kSqrt2 / kPi * radius_ * std::cos(theta);
  const double dlon = std::fabs(theta) < kHalfPi ? std::clamp(dx / width, -kPi, kPi) : 0.0;
  EndUnproject(dlon, lat, source, result);
}
