#include "cli/DatumShift.h"

#include <charconv>
#include <cmath>


namespace gkconv {

namespace {
constexpr double kArcSecond = 3.14159265358979323846 / (180.0 * 3600.0);
}

std::optional<TRotationConvention> RotationConventionFromName(std::string_view name) {
  if (name == "position-vector" || name == "position_vector" || name == "pv")
    return TRotationConvention::PositionVector;
  if (name == "coordinate-frame" || name == "coordinate_frame" || name == "cf")
    return TRotationConvention::CoordinateFrame;
  return std::nullopt;
}

THelmertTransform::THelmertTransform(const THelmertParameters& p) {
  FT[0] = p.Tx;
  FT[1] = p.Ty;
  FT[2] = p.Tz;
  double rx = p.Rx * kArcSecond, ry = p.Ry * kArcSecond, rz = p.Rz * kArcSecond;
  if (p.Convention == TRotationConvention::CoordinateFrame) {
    rx = -rx;
    ry = -ry;
    rz = -rz;
  }
  const double k = 1 + p.ScalePpm * 1e-6;
  const double r[3][3] = {{1, -rz, ry}, {rz, 1, -rx}, {-ry, rx, 1}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) FM[i][j] = k * r[i][j];
  // Inverse by the adjugate; the matrix is close to the identity.
  const double(&m)[3][3] = FM;
  const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                     m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                     m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  FInv[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  FInv[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  FInv[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  FInv[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
  FInv[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  FInv[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  FInv[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
  FInv[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  FInv[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
}

TGIS_Point3 THelmertTransform::Forward(const TGIS_Point3& x) const {
  return {FT[0] + FM[0][0] * x.X + FM[0][1] * x.Y + FM[0][2] * x.Z,
          FT[1] + FM[1][0] * x.X + FM[1][1] * x.Y + FM[1][2] * x.Z,
          FT[2] + FM[2][0] * x.X + FM[2][1] * x.Y + FM[2][2] * x.Z};
}

TGIS_Point3 THelmertTransform::Inverse(const TGIS_Point3& x) const {
  const double d[3] = {x.X - FT[0], x.Y - FT[1], x.Z - FT[2]};
  return {FInv[0][0] * d[0] + FInv[0][1] * d[1] + FInv[0][2] * d[2],
          FInv[1][0] * d[0] + FInv[1][1] * d[1] + FInv[1][2] * d[2],
          FInv[2][0] * d[0] + FInv[2][1] * d[1] + FInv[2][2] * d[2]};
}

TPlane4Transform::TPlane4Transform(const TPlane4Parameters& p) : FP(p) {
  const double k = 1 + p.ScalePpm * 1e-6;
  FCos = k * std::cos(p.AngleSeconds * kArcSecond);
  FSin = k * std::sin(p.AngleSeconds * kArcSecond);
}

void TPlane4Transform::Forward(double& easting, double& northing) const {
  const double x = northing, y = easting;
  northing = FP.DX + FCos * x - FSin * y;
  easting = FP.DY + FSin * x + FCos * y;
}

void TPlane4Transform::Inverse(double& easting, double& northing) const {
  const double x = northing - FP.DX, y = easting - FP.DY;
  const double k2 = FCos * FCos + FSin * FSin;
  northing = (FCos * x + FSin * y) / k2;
  easting = (-FSin * x + FCos * y) / k2;
}

bool ParseNumberList(std::string_view text, size_t count, double* values, std::string& error) {
  size_t n = 0;
  size_t i = 0;
  while (i <= text.size()) {
    size_t next = text.find_first_of(", ", i);
    if (next == std::string_view::npos) next = text.size();
    std::string_view item = text.substr(i, next - i);
    i = next + 1;
    if (item.empty()) continue;
    if (n == count) {
      error = "more than " + std::to_string(count) + " numbers in '" + std::string(text) + "'";
      return false;
    }
    const char* b = item.data();
    const char* e = b + item.size();
    if (*b == '+') ++b;
    const auto res = std::from_chars(b, e, values[n]);
    if (res.ec != std::errc() || res.ptr != e || !std::isfinite(values[n])) {
      error = "not a number: '" + std::string(item) + "'";
      return false;
    }
    ++n;
  }
  if (n != count) {
    error = std::to_string(count) + " numbers expected in '" + std::string(text) + "', found " + std::to_string(n);
    return false;
  }
  return true;
}

}  // namespace gkconv
