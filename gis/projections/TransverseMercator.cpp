#include "gis/projections/TransverseMercator.h"

#include <cmath>
#include <numbers>

namespace {

using Real = long double;  // every intermediate is carried in extended precision

constexpr Real kPiL = std::numbers::pi_v<long double>;
constexpr Real kHalfPiL = kPiL / 2;
constexpr Real kTwoPiL = 2 * kPiL;
constexpr Real kDistortionLimit = kPiL / 20;  // 9 degrees from the meridian

}  // namespace

TGIS_ProjectionTransverseMercator::TGIS_ProjectionTransverseMercator() {
  OriginPoint = MakePoint2(0, 0);
  FalseOrigin = MakePoint2(0, 0);
  StoredScale = 1.0;
  Prepare();
}

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionTransverseMercator::Create() const {
  return std::make_unique<TGIS_ProjectionTransverseMercator>();
}

Real TGIS_ProjectionTransverseMercator::W(Real latitude) const {
  const Real s = std::sin(latitude);
  return std::sqrt(1 - E2 * s * s);
}

Real TGIS_ProjectionTransverseMercator::PrimeVerticalRadius(Real latitude) const { return A / W(latitude); }

Real TGIS_ProjectionTransverseMercator::MeridianRadius(Real latitude) const {
  const Real w = W(latitude);
  return (1 - E2) * A / (w * w * w);
}

Real TGIS_ProjectionTransverseMercator::MeridianArc(Real latitude) const {
  const auto& c = ArcCoefficients;
  return c[0] * latitude - c[1] * std::sin(2 * latitude) + c[2] * std::sin(4 * latitude) -
         c[3] * std::sin(6 * latitude) + c[4] * std::sin(8 * latitude);
}

void TGIS_ProjectionTransverseMercator::Prepare() {
  TGIS_ProjectionAbstract::Prepare();

  // The reach is measured on a neutral set-up.
  CentralMeridian = 0;
  OriginLatitude = 0;
  FalseEasting = 0;
  FalseNorthing = 0;
  ScaleFactor = 1;

  const Real n = (A - B) / (A + B);
  const Real n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n;
  ArcCoefficients[0] = A * ((1 - n) + 5.0L / 4 * (n2 - n3) + 81.0L / 64 * (n4 - n5));
  ArcCoefficients[1] = 3 * A / 2 * ((n - n2) + 7.0L / 8 * (n3 - n4) + 55.0L / 64 * n5);
  ArcCoefficients[2] = 15 * A / 16 * ((n2 - n3) + 3.0L / 4 * (n4 - n5));
  ArcCoefficients[3] = 35 * A / 48 * ((n3 - n4) + 11.0L / 16 * n5);
  ArcCoefficients[4] = 315 * A / 512 * (n4 - n5);

  // Both points lie 90 degrees from the meridian, so each leaves 0236.
  TGIS_Point3 reach;
  ProjectPoint(MakePoint3(kHalfPi, kHalfPi, 0), reach);
  MaxNorthingOffset = reach.Y;
  ProjectPoint(MakePoint3(kHalfPi, 0, 0), reach);
  MaxEastingOffset = reach.X;

  CentralMeridian = NormalizedCentralMeridian(OriginPoint.X);
  OriginLatitude = OriginPoint.Y;
  FalseEasting = FalseOrigin.X;
  FalseNorthing = FalseOrigin.Y;
  ScaleFactor = StoredScale;
}

void TGIS_ProjectionTransverseMercator::SetUp(std::int32_t zone, double centralMeridian, double originLatitude,
                                              double falseEasting, double falseNorthing, double standardParallel1,
                                              double standardParallel2, double scaleFactor, double reserved1,
                                              double reserved2, double azimuth, double point1Longitude,
                                              double point1Latitude, double point2Longitude, double point2Latitude) {
  ResetWarningFlag();
  TGIS_ProjectionAbstract::SetUp(zone, centralMeridian, originLatitude, falseEasting, falseNorthing,
                                 standardParallel1, standardParallel2, scaleFactor, reserved1, reserved2, azimuth,
                                 point1Longitude, point1Latitude, point2Longitude, point2Latitude);
  const double latitude = FixOriginLatitude(originLatitude);
  const double meridian = FixCentralMeridian(centralMeridian, TGIS_MeridianFix::mfToMinusPi);
  const double scale = FixScaleFactor(scaleFactor, 0.3, 3.0);
  // An infinite or NaN false origin would put NaN or infinity in every result.
  CheckFiniteParameter(falseEasting, "FalseEasting");
  CheckFiniteParameter(falseNorthing, "FalseNorthing");

  OriginPoint = MakePoint2(meridian, latitude);
  FalseOrigin = MakePoint2(falseEasting, falseNorthing);
  StoredScale = scale;
  Prepare();
}

void TGIS_ProjectionTransverseMercator::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  CheckHeight(source.Z);
  ProjectPoint(source, result);
}

void TGIS_ProjectionTransverseMercator::ProjectPoint(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double latitude = source.Y;
  FixLatitude(latitude);
  if (std::isnan(source.X)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, source.X);

  const Real lambda0 = CentralMeridian;
  Real lambda = source.X;
  if (lambda > kPiL) lambda -= kTwoPiL;
  if (lambda < lambda0 - kHalfPiL || lambda > lambda0 + kHalfPiL) {
    // Retest on a 0..2*pi scale, so points across the +-pi seam near the
    // meridian are kept as they are.
    const Real lambdaP = lambda < 0 ? lambda + kTwoPiL : lambda;
    const Real lambda0P = lambda0 < 0 ? lambda0 + kTwoPiL : lambda0;
    if (lambdaP < lambda0P - kHalfPiL) {
      lambda = lambda0 - kHalfPiL;
      AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
    } else if (lambdaP > lambda0P + kHalfPiL) {
      lambda = lambda0 + kHalfPiL;
      AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
    }
  }

  Real dl = lambda - lambda0;
  if (std::fabs(dl) > kDistortionLimit) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
  if (dl > kPiL) dl -= kTwoPiL;
  if (dl < -kPiL) dl += kTwoPiL;
  if (std::fabs(dl) < 2e-10L) dl = 0;

  const Real phi = latitude;
  const Real k0 = ScaleFactor;
  const Real s = std::sin(phi), c = std::cos(phi), t = std::tan(phi);
  const Real T2 = t * t, T4 = T2 * T2, T6 = T4 * T2;
  const Real eta = static_cast<Real>(Ellipsoid->Ep2) * c * c;
  const Real eta2 = eta * eta, eta3 = eta2 * eta, eta4 = eta3 * eta;
  const Real N = PrimeVerticalRadius(phi);
  const Real c3 = c * c * c, c5 = c3 * c * c, c7 = c5 * c * c;

  const Real t1 = (MeridianArc(phi) - MeridianArc(OriginLatitude)) * k0;
  const Real t2 = N * s * c * k0 / 2;
  const Real t3 = N * s * c3 * k0 * (5 - T2 + 9 * eta + 4 * eta2) / 24;
  const Real t4 = N * s * c5 * k0 *
                  (61 - 58 * T2 + T4 + 270 * eta - 330 * T2 * eta + 445 * eta2 + 324 * eta3 - 680 * T2 * eta2 +
                   88 * eta4 - 600 * T2 * eta3 - 192 * T2 * eta4) /
                  720;
  const Real t5 = N * s * c7 * k0 * (1385 - 3111 * T2 + 543 * T4 - T6) / 40320;
  const Real dl2 = dl * dl, dl4 = dl2 * dl2, dl6 = dl4 * dl2, dl8 = dl4 * dl4;
  const Real northing = FalseNorthing + t1 + dl2 * t2 + dl4 * t3 + dl6 * t4 + dl8 * t5;

  const Real t6 = N * c * k0;
  const Real t7 = N * c3 * k0 * (1 - T2 + eta) / 6;
  const Real t8 = N * c5 * k0 *
                  (5 - 18 * T2 + T4 + 14 * eta - 58 * T2 * eta + 13 * eta2 + 4 * eta3 - 64 * T2 * eta2 -
                   24 * T2 * eta3) /
                  120;
  const Real t9 = N * c7 * k0 * (61 - 479 * T2 + 179 * T4 - T6) / 5040;
  const Real dl3 = dl2 * dl, dl5 = dl4 * dl, dl7 = dl6 * dl;
  const Real easting = FalseEasting + dl * t6 + dl3 * t7 + dl5 * t8 + dl7 * t9;

  result.X = static_cast<double>(easting);
  result.Y = static_cast<double>(northing);
  result.Z = source.Z;
}

void TGIS_ProjectionTransverseMercator::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  const double x = source.X;
  const double y = source.Y;
  // Written so that a NaN, which fails every comparison, is rejected too.
  if (!(x >= FalseEasting - MaxEastingOffset && x <= FalseEasting + MaxEastingOffset))
    GisRaiseValue(GIS_RS_ERR_EASTING_INVALID, x);
  if (!(y >= FalseNorthing - MaxNorthingOffset && y <= FalseNorthing + MaxNorthingOffset))
    GisRaiseValue(GIS_RS_ERR_NORTHING_INVALID, y);
  CheckHeight(source.Z);

  const Real k0 = ScaleFactor;
  const Real M = MeridianArc(OriginLatitude) + (static_cast<Real>(y) - FalseNorthing) / k0;
  // Footpoint latitude: a fixed number of corrections, no convergence test.
  Real phi = M / MeridianRadius(0);
  for (int i = 0; i < 5; ++i) phi += (M - MeridianArc(phi)) / MeridianRadius(phi);

  const Real R = MeridianRadius(phi);
  const Real N = PrimeVerticalRadius(phi);
  const Real c = std::cos(phi), t = std::tan(phi);
  const Real T2 = t * t, T4 = T2 * T2, T6 = T4 * T2;
  const Real eta = static_cast<Real>(Ellipsoid->Ep2) * c * c;
  const Real eta2 = eta * eta, eta3 = eta2 * eta, eta4 = eta3 * eta;
  const Real N3 = N * N * N, N5 = N3 * N * N, N7 = N5 * N * N;
  const Real k2 = k0 * k0, k3 = k2 * k0, k4 = k2 * k2, k5 = k4 * k0, k6 = k4 * k2, k7 = k6 * k0, k8 = k4 * k4;

  Real d = static_cast<Real>(x) - FalseEasting;
  if (std::fabs(d) < 0.0001L) d = 0;
  const Real d2 = d * d, d3 = d2 * d, d4 = d2 * d2, d5 = d4 * d, d6 = d4 * d2, d7 = d6 * d, d8 = d4 * d4;

  const Real t10 = t / (2 * R * N * k2);
  const Real t11 = t * (5 + 3 * T2 + eta - 4 * eta2 - 9 * T2 * eta) / (24 * R * N3 * k4);
  const Real t12 = t *
                   (61 + 90 * T2 + 46 * eta + 45 * T4 - 252 * T2 * eta - 3 * eta2 + 100 * eta3 - 66 * T2 * eta2 -
                    90 * T4 * eta + 88 * eta4 + 225 * T4 * eta2 + 84 * T2 * eta3 - 192 * T2 * eta4) /
                   (720 * R * N5 * k6);
  const Real t13 = t * (1385 + 3633 * T2 + 4095 * T4 + 1575 * T6) / (40320 * R * N7 * k8);
  Real latitude = phi - d2 * t10 + d4 * t11 - d6 * t12 + d8 * t13;

  const Real t14 = 1 / (N * c * k0);
  const Real t15 = (1 + 2 * T2 + eta) / (6 * N3 * c * k3);
  const Real t16 = (5 + 6 * eta + 28 * T2 - 3 * eta2 + 8 * T2 * eta + 24 * T4 - 4 * eta3 + 4 * T2 * eta2 +
                    24 * T2 * eta3) /
                   (120 * N5 * c * k5);
  const Real t17 = (61 + 662 * T2 + 1320 * T4 + 720 * T6) / (5040 * N7 * c * k7);
  const Real dl = d * t14 - d3 * t15 + d5 * t16 - d7 * t17;
  const Real longitude = CentralMeridian + dl;
  if (std::fabs(dl) > kDistortionLimit) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);

  result.X = static_cast<double>(longitude);
  result.Y = static_cast<double>(latitude);
  result.Z = source.Z;
  CheckSolvable(result);
  // A point east of the meridian may lie beyond the +-pi seam, which Project
  // accepts; wrapping (not clamping to pi) brings it back where it was.
  NormalizeGeodeticResult(result.X, result.Y);
}
