#include "gis/projections/GisProjectionWagner4.h"

#include "gis/projections/GisAuxiliaryAngle.h"
#include "gis/projections/GisEllipsoidMath.h"

#include <algorithm>
#include <cmath>

namespace {

using gis_pseudocylindrical::TGIS_ValueSlope;

using gis_angle::kHalfPi;
using gis_angle::kPi;

double G(double theta) { return 2 * theta + std::sin(2 * theta); }

// g and its slope from one sine and cosine.
TGIS_ValueSlope GS(double theta) {
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  return {2 * theta + 2 * s * c, 4 * c * c};
}

// kCp is 2 pi/3 + sqrt(3)/2 rounded up in the tenth decimal, so the pole's
// theta lies a hair above pi/3; the search runs to pi/2, where g is still
// increasing, and the pole maps to itself and back. theta stays below about
// pi/3, far from g's flat end.
constexpr gis_pseudocylindrical::TGIS_AuxiliaryEquation kEquation{TGIS_ProjectionWagner4::kCp, kHalfPi, 2.0 / 3, 0,
                                                                  0};

double AuxiliaryAngle(double phi) { return gis_pseudocylindrical::AuxiliaryAngle(phi, kEquation, GS); }

}  // namespace

TGIS_ProjectionWagner4::TGIS_ProjectionWagner4() { Prepare(); }

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionWagner4::Create() const {
  return std::make_unique<TGIS_ProjectionWagner4>();
}

void TGIS_ProjectionWagner4::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  radius_ = gis_ellipsoid::AuthalicRadius(static_cast<double>(A), static_cast<double>(E2));
  MaxEastingOffset = kCx * kPi * radius_;
  MaxNorthingOffset = kCy * radius_ * std::sin(AuxiliaryAngle(kHalfPi));
}

void TGIS_ProjectionWagner4::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat);
  const double theta = AuxiliaryAngle(lat);
  result = TGIS_Point3{FalseEasting + kCx * radius_ * dlon * std::cos(theta),
                       FalseNorthing + kCy * radius_ * std::sin(theta), source.Z};
}

void TGIS_ProjectionWagner4::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  // The reach keeps theta within the pole's (about pi/3): cos(theta) >= 1/2.
  const double theta = std::asin(std::clamp(dy / (kCy * radius_), -1.0, 1.0));
  const double lat = std::asin(std::clamp(G(theta) / kCp, -1.0, 1.0));
  const double dlon = std::clamp(dx / (kCx * radius_ * std::cos(theta)), -kPi, kPi);
  EndUnproject(dlon, lat, source, result);
}
