#include "gis/projections/GisProjectionNZMG.h"

#include <cmath>
#include <complex>
#include <limits>

namespace {

using Complex = std::complex<double>;

using gis_angle::kDegree;
// Latitude differences are counted in units of 10^5 seconds of arc.
constexpr double kRadiansPerUnit = 1e5 / 3600 * kDegree;

// Latitude difference (units) -> isometric latitude difference (radians).
constexpr double kLatitudeToIsometric[] = {0.6399175073, -0.1358797613, 0.063294409, -0.02526853, 0.0117879,
                                           -0.0055161,   0.0026906,     -0.001333,   0.00067,     -0.00034};
// Isometric latitude difference (radians) -> latitude difference (units).
constexpr double kIsometricToLatitude[] = {1.5627014243, 0.5185406398, -0.03333098, -0.1052906, -0.0368594,
                                           0.007317,     0.01220,      0.00394,     -0.0013};
// Isometric plane -> grid (in units of a), and an approximate inverse that
// starts the Newton-Raphson iteration.
const Complex kGrid[] = {{0.7557853228, 0.0},       {0.249204646, 0.003371507}, {-0.001541739, 0.041058560},
                         {-0.10162907, 0.01727609}, {-0.26623489, -0.36249218}, {-0.6870983, -1.1651967}};
const Complex kGridInverse[] = {{1.3231270439, 0.0},       {-0.577245789, -0.007809598}, {0.508307513, -0.112208952},
                                {-0.15094762, 0.18200602}, {1.01418179, 1.64497696},     {1.9660549, 2.5127645}};

// sum c[i] x^(i+1), by Horner's rule.
template <class T, class C, size_t N>
T PowerSeries(const C (&c)[N], T x) {
  T sum = c[N - 1];
  for (size_t i = N - 1; i-- > 0;) sum = sum * x + c[i];
  return sum * x;
}

// sum (i+1) c[i] x^i: the derivative of the series above.
Complex PowerSeriesDerivative(const Complex (&c)[6], Complex x) {
  Complex sum = 6.0 * c[5];
  for (int i = 4; i >= 0; --i) sum = sum * x + static_cast<double>(i + 1) * c[i];
  return sum;
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TGIS_ProjectionNZMG::TGIS_ProjectionNZMG() {
  CentralMeridian = 173 * kDegree;
  OriginLatitude = -41 * kDegree;
  FalseEasting = 2510000;
  FalseNorthing = 6023150;
  if (const TGIS_Datum* datum = GisDatumList->Find("GEO")) Datum = datum;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionNZMG::Create() const {
  return std::make_unique<TGIS_ProjectionNZMG>();
}

void TGIS_ProjectionNZMG::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double lat = source.Y;
  FixLatitude(lat, kInfinity);  // rejects NaN only: the grid has no clamps
  if (!std::isfinite(source.X)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, source.X);

  const double dPsi = PowerSeries(kLatitudeToIsometric, (lat - OriginLatitude) / kRadiansPerUnit);
  const Complex zeta{dPsi, LongitudeDelta(source.X, CentralMeridian)};
  const Complex z = PowerSeries(kGrid, zeta) * static_cast<double>(A);
  const TGIS_Point3 projected{FalseEasting + z.imag(), FalseNorthing + z.real(), 0};
  CheckSolvable(projected);
  result.X = projected.X;
  result.Y = projected.Y;
}

void TGIS_ProjectionNZMG::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double x = source.X;
  double y = source.Y;
  FixPlaneInput(x, y, -kInfinity, kInfinity, -kInfinity, kInfinity);  // rejects NaN only

  const Complex z{(y - FalseNorthing) / static_cast<double>(A), (x - FalseEasting) / static_cast<double>(A)};
  Complex zeta = PowerSeries(kGridInverse, z);
  bool settled = false;
  for (int i = 0; i < kMaxIterations && !settled; ++i) {
    const Complex step = (PowerSeries(kGrid, zeta) - z) / PowerSeriesDerivative(kGrid, zeta);
    zeta -= step;
    settled = std::fabs(step.real()) + std::fabs(step.imag()) <= 1e-10;
  }
  if (!settled || !std::isfinite(zeta.real()) || !std::isfinite(zeta.imag())) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);

  double lat = OriginLatitude + PowerSeries(kIsometricToLatitude, zeta.real()) * kRadiansPerUnit;
  double lon = CentralMeridian + zeta.imag();
  if (!std::isfinite(lat)) GisRaise(GIS_RS_ERR_PRJ_NOTSOLVABELE);
  NormalizeGeodeticResult(lon, lat);
  result.X = lon;
  result.Y = lat;
}
