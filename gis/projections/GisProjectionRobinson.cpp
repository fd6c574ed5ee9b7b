#include "gis/projections/GisProjectionRobinson.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kStep = gis_angle::kPi / 36;  // 5 degrees
constexpr double kPublishedYScale = 1.3523;
constexpr double kRefinementTolerance = 1e-5;  // metres of northing
constexpr int kMaxRefinementSteps = 76;

// Robinson's table, -5 to 90 degrees.
constexpr double kLength[TGIS_ProjectionRobinson::kRows] = {
    0.9986, 1.0000, 0.9986, 0.9954, 0.9900, 0.9822, 0.9730, 0.9600, 0.9427, 0.9216,
    0.8962, 0.8679, 0.8350, 0.7986, 0.7597, 0.7186, 0.6732, 0.6213, 0.5722, 0.5322};
constexpr double kDistance[TGIS_ProjectionRobinson::kRows] = {
    -0.0620, 0.0000, 0.0620, 0.1240, 0.1860, 0.2480, 0.3100, 0.3720, 0.4340, 0.4958,
    0.5571,  0.6176, 0.6769, 0.7346, 0.7903, 0.8435, 0.8936, 0.9394, 0.9761, 1.0000};

}  // namespace

TGIS_ProjectionRobinson::TGIS_ProjectionRobinson() {
  for (int r = 0; r < kRows; ++r) {
    ParallelLength[r] = kLength[r] * kAspect;
    EquatorDistance[r] = kDistance[r];
  }
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionRobinson::Create() const {
  return std::make_unique<TGIS_ProjectionRobinson>();
}

double TGIS_ProjectionRobinson::Interpolate(const std::array<double, kRows>& column, int i, double p) {
  // Rows i, i + 1, i + 2 hold 5 (i - 1), 5 i and 5 (i + 1) degrees.
  const double previous = column[i];
  const double here = column[i + 1];
  const double next = column[i + 2];
  return here + p * (next - previous) / 2 + p * p * (next - 2 * here + previous) / 2;
}

void TGIS_ProjectionRobinson::Locate(double latitude, int& i, double& p) {
  const double steps = std::fabs(latitude) / kStep;
  i = std::min(static_cast<int>(steps), kRows - 3);
  p = steps - i;
}

void TGIS_ProjectionRobinson::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  scale_ = static_cast<double>(A) * kPublishedYScale / kHalfPi;
  MaxEastingOffset = scale_ * ParallelLength[1] * kPi;
  int i;
  double p;
  Locate(kLatitudeLimit, i, p);
  MaxNorthingOffset = scale_ * kHalfPi * Interpolate(EquatorDistance, i, p);
}

void TGIS_ProjectionRobinson::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  SetUpFamily(parameters, TGIS_MeridianFix::mfToMinusPi);
}

void TGIS_ProjectionRobinson::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  double dlon;
  double lat;
  BeginProject(source, dlon, lat, kLatitudeLimit);
  int i;
  double p;
  Locate(lat, i, p);
  const double x = scale_ * Interpolate(ParallelLength, i, p) * dlon;
  const double y = scale_ * kHalfPi * Interpolate(EquatorDistance, i, p);
  result = TGIS_Point3{FalseEasting + x, FalseNorthing + std::copysign(y, lat), source.Z};
}

void TGIS_ProjectionRobinson::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  double dx;
  double dy;
  BeginUnproject(source, dx, dy);
  const double unit = scale_ * kHalfPi;  // metres of northing per unit of distance
  const double target = std::fabs(dy) / unit;

  // The interval whose rows enclose the distance.
  int i = 0;
  while (i <= kRows - 3 && !(target <= EquatorDistance[i + 2])) ++i;
  if (i > kRows - 3 || !(target >= EquatorDistance[i + 1])) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);

  // On one interval the interpolation is the quadratic d + u p + v p^2
  // (increasing there), solved in the form without cancellation, then
  // checked and refined by Newton steps on the interpolation itself.
  const double u = (EquatorDistance[i + 2] - EquatorDistance[i]) / 2;
  const double v = (EquatorDistance[i + 2] - 2 * EquatorDistance[i + 1] + EquatorDistance[i]) / 2;
  const double rise = target - EquatorDistance[i + 1];
  double p = 2 * rise / (u + std::sqrt(std::max(0.0, u * u + 4 * v * rise)));
  for (int step = 0;; ++step) {
    const double residual = Interpolate(EquatorDistance, i, p) - target;
    if (std::fabs(residual) * unit <= kRefinementTolerance) break;
    if (step >= kMaxRefinementSteps) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
    p -= residual / (u + 2 * v * p);
  }

  const double lat = std::copysign((i + p) * kStep, dy);
  // Beyond the map's outline (the corners of the reach) the parallel is
  // shorter than the easting asks for: the outline's meridian is taken.
  const double dlon = std::clamp(dx / (scale_ * Interpolate(ParallelLength, i, p)), -kPi, kPi);
  EndUnproject(dlon, lat, source, result);
}
