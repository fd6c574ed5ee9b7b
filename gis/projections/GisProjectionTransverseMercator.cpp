#include "gis/projections/GisProjectionTransverseMercator.h"

#include <cmath>

namespace {

// Prepare derives its constants in extended precision. The series of each
// point are evaluated in double: their rounding (about 1e-9 m) is far below
// the millimetre, and extended arithmetic would cost several times as much.
using Real = double;

constexpr double kDistortionLimit = gis_angle::kPi / 20;  // 9 degrees from the meridian

// Factorial denominators of the series, as factors.
constexpr Real kInv2 = 1.0 / 2, kInv6 = 1.0 / 6, kInv24 = 1.0 / 24, kInv120 = 1.0 / 120;
constexpr Real kInv720 = 1.0 / 720, kInv5040 = 1.0 / 5040, kInv40320 = 1.0 / 40320;

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

double TGIS_ProjectionTransverseMercator::WOf(double sinLatitude) const {
  return std::sqrt(1 - series_.e2 * sinLatitude * sinLatitude);
}

double TGIS_ProjectionTransverseMercator::PrimeVerticalRadius(double latitude) const {
  return series_.a / WOf(std::sin(latitude));
}

double TGIS_ProjectionTransverseMercator::MeridianRadius(double latitude) const {
  const double w = WOf(std::sin(latitude));
  return series_.equatorRadius / (w * w * w);
}

double TGIS_ProjectionTransverseMercator::MeridianArc(double latitude) const {
  return ArcOf(latitude, SinCosOf(latitude));
}

double TGIS_ProjectionTransverseMercator::ArcOf(double latitude, SinCos sc) const {
  // sin 2x .. sin 8x by the double-angle and addition rules: one pair of
  // trigonometric calls per latitude instead of four sines.
  const double s2 = 2 * sc.s * sc.c, c2 = (sc.c - sc.s) * (sc.c + sc.s);
  const double s4 = 2 * s2 * c2, c4 = (c2 - s2) * (c2 + s2);
  const double s6 = s4 * c2 + c4 * s2;
  const double s8 = 2 * s4 * c4;
  const auto& k = series_.arc;
  return k[0] * latitude - k[1] * s2 + k[2] * s4 - k[3] * s6 + k[4] * s8;
}

// The latitude whose arc is M, by the inverse of the arc series: phi = mu +
// sum d_k sin(2k mu) for the rectifying latitude mu = M / c0. Its truncation
// (of order n^6, 2e-17 on the earth's ellipsoids) lies below the rounding of
// double, so this is the point to which Newton's method on the arc converges,
// for the price of one pair of trigonometric calls. sin and cos of phi come
// from those of mu and of the small correction (under 0.003 rad), whose
// Taylor polynomials are exact to the last bit.
TGIS_ProjectionTransverseMercator::Footpoint TGIS_ProjectionTransverseMercator::FootpointOf(double M) const {
  const double mu = M * series_.inverseArc0;
  const SinCos m = SinCosOf(mu);
  const double s2 = 2 * m.s * m.c, twoC2 = 2 * (m.c - m.s) * (m.c + m.s);
  // Clenshaw's sum of d_k sin(2k mu).
  const auto& d = series_.footpoint;
  const double b5 = d[4];
  const double b4 = d[3] + twoC2 * b5;
  const double b3 = d[2] + twoC2 * b4 - b5;
  const double b2 = d[1] + twoC2 * b3 - b4;
  const double b1 = d[0] + twoC2 * b2 - b3;
  const double delta = b1 * s2;
  const double d2 = delta * delta;
  const double sinDelta = delta * (1 - d2 / 6 * (1 - d2 / 20 * (1 - d2 / 42)));
  const double cosDelta = 1 - d2 / 2 * (1 - d2 / 12 * (1 - d2 / 30));
  return {mu + delta, m.s * cosDelta + m.c * sinDelta, m.c * cosDelta - m.s * sinDelta};
}

double TGIS_ProjectionTransverseMercator::OriginArc() {
  if (OriginLatitude != originArcLatitude_) {
    originArcLatitude_ = OriginLatitude;
    originArc_ = MeridianArc(OriginLatitude);
  }
  return originArc_;
}

void TGIS_ProjectionTransverseMercator::Prepare() {
  TGIS_ProjectionAbstract::Prepare();

  // The reach is measured on a neutral set-up.
  CentralMeridian = 0;
  OriginLatitude = 0;
  FalseEasting = 0;
  FalseNorthing = 0;
  ScaleFactor = 1;

  if (A == derivedForA_ && B == derivedForB_ && A != 0) {
    // Same ellipsoid: the derived constants stand. The reach computation
    // would have left its 0236 warning; leave the same trace.
    AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
  } else {
    const long double n = (A - B) / (A + B);
    const long double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n;
    ArcCoefficients[0] = A * ((1 - n) + 5.0L / 4 * (n2 - n3) + 81.0L / 64 * (n4 - n5));
    ArcCoefficients[1] = 3 * A / 2 * ((n - n2) + 7.0L / 8 * (n3 - n4) + 55.0L / 64 * n5);
    ArcCoefficients[2] = 15 * A / 16 * ((n2 - n3) + 3.0L / 4 * (n4 - n5));
    ArcCoefficients[3] = 35 * A / 48 * ((n3 - n4) + 11.0L / 16 * n5);
    ArcCoefficients[4] = 315 * A / 512 * (n4 - n5);
    series_.a = static_cast<double>(A);
    series_.e2 = static_cast<double>(E2);
    series_.ep2 = static_cast<double>(Ellipsoid->Ep2);
    series_.equatorRadius = static_cast<double>((1 - E2) * A);
    series_.inverseA = static_cast<double>(1 / A);
    series_.inverseOneMinusE2 = static_cast<double>(1 / (1 - E2));
    for (size_t i = 0; i < ArcCoefficients.size(); ++i) series_.arc[i] = static_cast<double>(ArcCoefficients[i]);
    series_.inverseArc0 = static_cast<double>(1 / ArcCoefficients[0]);
    // The inverse of the arc series above (which stops at sin 8 phi, hence
    // the last coefficient differs from the one of the full meridian arc).
    series_.footpoint = {static_cast<double>(3 * n / 2 - 27 * n3 / 32 + 269 * n5 / 512),
                         static_cast<double>(21 * n2 / 16 - 55 * n4 / 32),
                         static_cast<double>(151 * n3 / 96 - 417 * n5 / 128), static_cast<double>(1097 * n4 / 512),
                         static_cast<double>(6625 * n5 / 2560)};
    originArcLatitude_ = 0;
    originArc_ = 0;

    // Both points lie 90 degrees from the meridian, so each leaves 0236.
    TGIS_Point3 reach;
    ProjectPoint(MakePoint3(kHalfPi, kHalfPi, 0), reach);
    MaxNorthingOffset = reach.Y;
    ProjectPoint(MakePoint3(kHalfPi, 0, 0), reach);
    MaxEastingOffset = reach.X;

    derivedForA_ = A;
    derivedForB_ = B;
  }

  CentralMeridian = NormalizedCentralMeridian(OriginPoint.X);
  OriginLatitude = OriginPoint.Y;
  FalseEasting = FalseOrigin.X;
  FalseNorthing = FalseOrigin.Y;
  ScaleFactor = StoredScale;
}

void TGIS_ProjectionTransverseMercator::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  const double latitude = FixOriginLatitude(parameters.OriginLatitude);
  const double meridian = FixCentralMeridian(parameters.CentralMeridian, TGIS_MeridianFix::mfToMinusPi);
  const double scale = FixScaleFactor(parameters.ScaleFactor, 0.3, 3.0);
  // An infinite or NaN false origin would put NaN or infinity in every result.
  CheckFiniteParameter(parameters.FalseEasting, "FalseEasting");
  CheckFiniteParameter(parameters.FalseNorthing, "FalseNorthing");

  OriginPoint = MakePoint2(meridian, latitude);
  FalseOrigin = MakePoint2(parameters.FalseEasting, parameters.FalseNorthing);
  StoredScale = scale;
  Prepare();
}

void TGIS_ProjectionTransverseMercator::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  CheckHeight(source.Z);
  ProjectPoint(source, result);
}

double TGIS_ProjectionTransverseMercator::LongitudeOffset(double longitude) {
  if (std::isnan(longitude)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, longitude);
  const double lambda0 = CentralMeridian;
  double lambda = longitude;
  if (lambda > kPi) lambda -= kTwoPi;
  if (lambda < lambda0 - kHalfPi || lambda > lambda0 + kHalfPi) {
    // Retest on a 0..2*pi scale, so points across the +-pi seam near the
    // meridian are kept as they are.
    const double lambdaP = lambda < 0 ? lambda + kTwoPi : lambda;
    const double lambda0P = lambda0 < 0 ? lambda0 + kTwoPi : lambda0;
    if (lambdaP < lambda0P - kHalfPi) {
      lambda = lambda0 - kHalfPi;
      AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
    } else if (lambdaP > lambda0P + kHalfPi) {
      lambda = lambda0 + kHalfPi;
      AddWarning(GIS_RS_ERR_LONGITUDE_FIXED);
    }
  }
  double dl = lambda - lambda0;
  if (std::fabs(dl) > kDistortionLimit) AddWarning(GIS_RS_ERR_PRJ_DISTORTED);
  if (dl > kPi) dl -= kTwoPi;
  if (dl < -kPi) dl += kTwoPi;
  return std::fabs(dl) < 2e-10 ? 0.0 : dl;
}

void TGIS_ProjectionTransverseMercator::ProjectPoint(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  double latitude = source.Y;
  FixLatitude(latitude);
  const Real dl = LongitudeOffset(source.X);

  const Real phi = latitude;
  const Real k0 = ScaleFactor;
  const SinCos sc = SinCosOf(phi);
  const Real s = sc.s, c = sc.c, t = s / c;
  const Real T2 = t * t, T4 = T2 * T2, T6 = T4 * T2;
  const Real eta = series_.ep2 * c * c;
  const Real eta2 = eta * eta, eta3 = eta2 * eta, eta4 = eta3 * eta;
  const Real Nk = series_.a / WOf(s) * k0;  // N * k0

  // The series terms t1..t9 written in powers of u = (dl cos phi)^2: term
  // i of each series is the one before times u and its own polynomial.
  const Real u = dl * dl * c * c;
  const Real t1 = (ArcOf(phi, sc) - OriginArc()) * k0;
  const Real p3 = 5 - T2 + 9 * eta + 4 * eta2;
  const Real p4 = 61 - 58 * T2 + T4 + 270 * eta - 330 * T2 * eta + 445 * eta2 + 324 * eta3 - 680 * T2 * eta2 +
                  88 * eta4 - 600 * T2 * eta3 - 192 * T2 * eta4;
  const Real p5 = 1385 - 3111 * T2 + 543 * T4 - T6;
  const Real northing =
      FalseNorthing + t1 +
      Nk * s * c * dl * dl * (kInv2 + u * (p3 * kInv24 + u * (p4 * kInv720 + u * p5 * kInv40320)));

  const Real p7 = 1 - T2 + eta;
  const Real p8 = 5 - 18 * T2 + T4 + 14 * eta - 58 * T2 * eta + 13 * eta2 + 4 * eta3 - 64 * T2 * eta2 -
                  24 * T2 * eta3;
  const Real p9 = 61 - 479 * T2 + 179 * T4 - T6;
  const Real easting = FalseEasting + Nk * c * dl * (1 + u * (p7 * kInv6 + u * (p8 * kInv120 + u * p9 * kInv5040)));

  result.X = static_cast<double>(easting);
  result.Y = static_cast<double>(northing);
  result.Z = source.Z;
}

void TGIS_ProjectionTransverseMercator::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  UnprojectPoint(source, result);
}

std::size_t TGIS_ProjectionTransverseMercator::ProjectPoints(std::span<const TGIS_Point3> source,
                                                             std::span<TGIS_Point3> result,
                                                             std::span<TGIS_PointNote> notes) {
  return ConvertPoints(
      [this](const TGIS_Point3& point, TGIS_Point3& converted) {
        CheckHeight(point.Z);
        ProjectPoint(point, converted);
      },
      source, result, notes);
}

std::size_t TGIS_ProjectionTransverseMercator::UnprojectPoints(std::span<const TGIS_Point3> source,
                                                               std::span<TGIS_Point3> result,
                                                               std::span<TGIS_PointNote> notes) {
  return ConvertPoints([this](const TGIS_Point3& point, TGIS_Point3& converted) { UnprojectPoint(point, converted); },
                       source, result, notes);
}

void TGIS_ProjectionTransverseMercator::UnprojectPoint(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  const double x = source.X;
  const double y = source.Y;
  // Written so that a NaN, which fails every comparison, is rejected too.
  if (!(x >= FalseEasting - MaxEastingOffset && x <= FalseEasting + MaxEastingOffset))
    GisRaiseValue(GIS_RS_ERR_EASTING_INVALID, x);
  if (!(y >= FalseNorthing - MaxNorthingOffset && y <= FalseNorthing + MaxNorthingOffset))
    GisRaiseValue(GIS_RS_ERR_NORTHING_INVALID, y);
  CheckHeight(source.Z);

  // Divisions are the slow links of this chain; each quotient below is
  // formed once and multiplied with.
  const Real k0 = ScaleFactor;
  const Real inverseK0 = 1 / k0;
  const Real M = OriginArc() + (y - FalseNorthing) * inverseK0;
  const Footpoint foot = FootpointOf(M);
  const Real phi = foot.phi;

  const Real w = WOf(foot.s);
  const Real c = foot.c, inverseC = 1 / c, t = foot.s * inverseC;
  const Real T2 = t * t, T4 = T2 * T2, T6 = T4 * T2;
  const Real eta = series_.ep2 * c * c;
  const Real eta2 = eta * eta, eta3 = eta2 * eta, eta4 = eta3 * eta;
  const Real nOverR = w * w * series_.inverseOneMinusE2;  // N / R

  Real d = x - FalseEasting;
  if (std::fabs(d) < 0.0001) d = 0;

  // The terms t10..t17 written in powers of v = (d / (N k0))^2.
  const Real dn = d * w * series_.inverseA * inverseK0;
  const Real v = dn * dn;
  const Real q11 = 5 + 3 * T2 + eta - 4 * eta2 - 9 * T2 * eta;
  const Real q12 = 61 + 90 * T2 + 46 * eta + 45 * T4 - 252 * T2 * eta - 3 * eta2 + 100 * eta3 - 66 * T2 * eta2 -
                   90 * T4 * eta + 88 * eta4 + 225 * T4 * eta2 + 84 * T2 * eta3 - 192 * T2 * eta4;
  const Real q13 = 1385 + 3633 * T2 + 4095 * T4 + 1575 * T6;
  const Real latitude =
      phi - t * nOverR * v * (kInv2 - v * (q11 * kInv24 - v * (q12 * kInv720 - v * q13 * kInv40320)));

  const Real q15 = 1 + 2 * T2 + eta;
  const Real q16 = 5 + 6 * eta + 28 * T2 - 3 * eta2 + 8 * T2 * eta + 24 * T4 - 4 * eta3 + 4 * T2 * eta2 +
                   24 * T2 * eta3;
  const Real q17 = 61 + 662 * T2 + 1320 * T4 + 720 * T6;
  const Real dl = dn * inverseC * (1 - v * (q15 * kInv6 - v * (q16 * kInv120 - v * q17 * kInv5040)));
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
