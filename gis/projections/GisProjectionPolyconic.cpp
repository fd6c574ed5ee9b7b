#include "gis/projections/GisProjectionPolyconic.h"

#include <cmath>

namespace {
// Closer to the equator than this, the parallel is a straight line.
constexpr double kEquatorTolerance = 1e-12;
}  // namespace

TGIS_ProjectionPolyconic::TGIS_ProjectionPolyconic() {
  MaxEastingOffset = kEastingBound;
  MaxNorthingOffset = kNorthingBound;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionPolyconic::Create() const {
  return std::make_unique<TGIS_ProjectionPolyconic>();
}

void TGIS_ProjectionPolyconic::Prepare() {
  TGIS_ProjectionAbstract::Prepare();
  arc_ = gis_ellipsoid::TGIS_MeridianArc(static_cast<double>(A), static_cast<double>(B));
  arc0_ = arc_.Distance(OriginLatitude);
  minX_ = FalseEasting - kEastingBound;
  maxX_ = FalseEasting + kEastingBound;
  minY_ = FalseNorthing - arc0_ - kNorthingBound;
  maxY_ = FalseNorthing - arc0_ + kNorthingBound;
}

void TGIS_ProjectionPolyconic::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lon = source.X;
  double lat = source.Y;
  FixGeodeticInput(lon, lat);
  CheckHeight(source.Z);

  const double a = static_cast<double>(A);
  const double dLon = LongitudeDelta(lon, CentralMeridian);
  double x;
  double y;
  if (std::fabs(lat) < kEquatorTolerance) {
    x = a * dLon;
    y = -arc0_;
  } else {
    const double s = std::sin(lat);
    // N cot(phi): the radius of the parallel's circle.
    const double radius = a / std::sqrt(1 - static_cast<double>(E2) * s * s) * std::cos(lat) / s;
    const double e = dLon * s;
    x = radius * std::sin(e);
    y = arc_.Distance(lat) - arc0_ + radius * (1 - std::cos(e));
  }
  const TGIS_Point3 projected{x + FalseEasting, y + FalseNorthing, source.Z};
  CheckSolvable(projected);
  result = projected;
}

void TGIS_ProjectionPolyconic::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInput(x, y, minX_, maxX_, minY_, maxY_);
  CheckHeight(source.Z);

  const double a = static_cast<double>(A);
  const double e2 = static_cast<double>(E2);
  const double dx = (x - FalseEasting) / a;
  const double aa = (arc0_ + y - FalseNorthing) / a;  // northing from the equator, in units of a
  double lat;
  double lon;
  if (std::fabs(aa) < kEquatorTolerance) {
    lat = 0;
    lon = CentralMeridian + dx;
  } else {
    // The point lies on the circle of its parallel:
    //   g(phi) = (B - 2 A Ma + Ma^2) C / 2 - A + Ma = 0
    // with Ma = M(phi)/a, C = tan(phi) sqrt(1 - e^2 sin^2 phi) = a / (N cot phi)
    // and B = x^2/a^2 + A^2.
    const double bb = dx * dx + aa * aa;
    double phi = aa;
    bool settled = false;
    for (int i = 0; i < kMaxIterations && !settled; ++i) {
      const double s = std::sin(phi);
      const double c = std::cos(phi);
      const double w = std::sqrt(1 - e2 * s * s);
      const double ma = arc_.Distance(phi) / a;
      const double maPrime = (1 - e2) / (w * w * w);
      const double cc = s / c * w;
      const double ccPrime = w / (c * c) - e2 * s * s / w;
      const double k = bb - 2 * aa * ma + ma * ma;
      const double g = k * cc / 2 - aa + ma;
      const double gPrime = (ma - aa) * maPrime * cc + k * ccPrime / 2 + maPrime;
      const double step = g / gPrime;
      if (!std::isfinite(step)) break;
      phi = std::fmax(-kHalfPi + 1e-12, std::fmin(kHalfPi - 1e-12, phi - step));
      settled = std::fabs(step) <= 1e-13;
    }
    if (!settled) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
    const double s = std::sin(phi);
    const double cc = s / std::cos(phi) * std::sqrt(1 - e2 * s * s);
    const double e = std::atan2(dx * cc, 1 - (aa - arc_.Distance(phi) / a) * cc);
    lat = phi;
    lon = CentralMeridian + e / s;
  }
  NormalizeGeodeticResult(lon, lat);
  result = TGIS_Point3{lon, lat, source.Z};
}
