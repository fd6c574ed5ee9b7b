#include "gis/projections/GisProjectionUTM.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

using Real = long double;

constexpr Real kPiL = std::numbers::pi_v<long double>;
constexpr Real kTwoPiL = 2 * kPiL;
constexpr Real kSixPi = 18.849555921538759432L;
constexpr Real kMaxLatitude = 1.4748032179352084925L;     // 84.5 degrees
constexpr Real kMinGridLatitude = -1.4049900478554353094L;  // -80.5 degrees
constexpr double kFalseEasting = 500000;
constexpr double kSouthernFalseNorthing = 10000000;
constexpr double kScale = 0.9996;
constexpr double kMinEasting = 100000;
constexpr double kMaxEasting = 900000;
constexpr double kMinNorthing = 0;
constexpr double kMaxNorthing = 10000000;

bool Within(Real value, Real low, Real high) { return value >= low && value <= high; }  // false for NaN

}  // namespace

TGIS_ProjectionUTM::TGIS_ProjectionUTM()
    : transverseMercator_(std::make_unique<TGIS_ProjectionTransverseMercator>()) {
  Prepare();
}

TGIS_ProjectionUTM::~TGIS_ProjectionUTM() = default;

std::unique_ptr<TGIS_ProjectionAbstract> TGIS_ProjectionUTM::Create() const {
  return std::make_unique<TGIS_ProjectionUTM>();
}

void TGIS_ProjectionUTM::SetUpParameters(const TGIS_SetUpParameters& parameters) {
  const std::int32_t zone = parameters.Zone;
  if (zone == INT_MIN || std::abs(zone) > 60) GisRaise(GIS_RS_ERR_ZONE_INVALID, "", zone);
  Zone = zone;
  Prepare();
}

std::int32_t TGIS_ProjectionUTM::ChooseZone(double longitude, double latitude) {
  const Real lambda = longitude;
  std::int32_t z = lambda < kPiL ? static_cast<std::int32_t>(std::trunc(lambda * 180 / kSixPi + 31 + 5e-8L))
                                 : static_cast<std::int32_t>(std::trunc(lambda * 180 / kSixPi - 29 + 5e-8L));
  if (z > 60) z = 1;

  const Real lon = lambda * 180 / kPiL;
  const Real lat = static_cast<Real>(latitude) * 180 / kPiL;
  // Each special zone overrides the ones before it.
  if (lat > 55 && lat < 64 && lon > -1 && lon < 3) z = 31;
  if (lat > 55 && lat < 64 && lon > 2 && lon < 12) z = 32;
  if (lat > 71 && lon > -1 && lon < 9) z = 31;
  if (lat > 71 && lon > 8 && lon < 21) z = 33;
  if (lat > 71 && lon > 20 && lon < 33) z = 35;
  if (lat > 71 && lon > 32 && lon < 42) z = 37;
  return latitude >= 0 ? z : -z;
}

double TGIS_ProjectionUTM::ZoneCentralMeridian(std::int32_t zone) {
  const Real z = zone < 0 ? -static_cast<Real>(zone) : static_cast<Real>(zone);
  const Real degrees = z >= 31 ? 6 * z - 183 : 6 * z + 177;
  return static_cast<double>(degrees * kPiL / 180);
}

void TGIS_ProjectionUTM::SetWorkingFields() {
  OriginLatitude = 0;
  CentralMeridian = 0;
  FalseEasting = kFalseEasting;
  FalseNorthing = 0;
  ScaleFactor = kScale;
}

void TGIS_ProjectionUTM::SetUpInner() {
  // The inner object is ours alone: when it is set up on these values
  // already, setting it up again would change nothing but cost more than the
  // projection itself.
  TGIS_ProjectionTransverseMercator& tm = *transverseMercator_;
  if (tm.Datum == Datum && tm.OriginPoint.X == CentralMeridian && tm.OriginPoint.Y == OriginLatitude &&
      tm.FalseOrigin.X == FalseEasting && tm.FalseOrigin.Y == FalseNorthing && tm.StoredScale == ScaleFactor)
    return;
  transverseMercator_->SetDatum(*Datum);
  transverseMercator_->SetUp(TGIS_SetUpParameters{.CentralMeridian = CentralMeridian,
                                                  .OriginLatitude = OriginLatitude,
                                                  .FalseEasting = FalseEasting,
                                                  .FalseNorthing = FalseNorthing,
                                                  .ScaleFactor = ScaleFactor});
}

void TGIS_ProjectionUTM::Project(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  SetWorkingFields();
  if (!Within(source.Y, -kMaxLatitude, kMaxLatitude)) GisRaiseValue(GIS_RS_ERR_LATITUDE_INVALID, source.Y);
  if (!Within(source.X, -kPiL, kTwoPiL)) GisRaiseValue(GIS_RS_ERR_LONGITUDE_INVALID, source.X);
  CheckHeight(source.Z);

  TGIS_Point3 geodetic = source;
  if (geodetic.X < 0) geodetic.X = static_cast<double>(geodetic.X + kTwoPiL);
  // The zone is fixed only once the point has been projected, so a failed
  // call leaves the projection as it was.
  const std::int32_t zone = Zone != 0 ? Zone : ChooseZone(geodetic.X, geodetic.Y);

  CentralMeridian = ZoneCentralMeridian(zone);
  FalseNorthing = geodetic.Y >= 0 ? 0 : kSouthernFalseNorthing;
  SetUpInner();
  TGIS_Point3 grid;
  transverseMercator_->Project(geodetic, grid);
  if (!Within(grid.X, kMinEasting, kMaxEasting) || !Within(grid.Y, kMinNorthing, kMaxNorthing))
    GisRaise(GIS_RS_ERR_ZONE_INVALID, "", zone);

  Zone = zone;
  result = MakePoint3(grid.X, grid.Y, source.Z);
}

void TGIS_ProjectionUTM::Unproject(const TGIS_Point3& source, TGIS_Point3& result) {
  ResetWarningFlag();
  SetWorkingFields();
  if (!Within(source.X, kMinEasting, kMaxEasting)) GisRaiseValue(GIS_RS_ERR_EASTING_INVALID, source.X);
  if (!Within(source.Y, kMinNorthing, kMaxNorthing)) GisRaiseValue(GIS_RS_ERR_NORTHING_INVALID, source.Y);
  CheckHeight(source.Z);
  // Without a zone there is no meridian to measure from.
  if (Zone == 0) GisRaise(GIS_RS_ERR_ZONE_INVALID, "", Zone);

  CentralMeridian = ZoneCentralMeridian(Zone);
  FalseNorthing = Zone < 0 ? kSouthernFalseNorthing : 0;
  SetUpInner();
  TGIS_Point3 geodetic;
  transverseMercator_->Unproject(source, geodetic);
  if (!Within(geodetic.Y, kMinGridLatitude, kMaxLatitude)) GisRaise(GIS_RS_ERR_ZONE_INVALID, "", Zone);

  result = MakePoint3(geodetic.X, geodetic.Y, source.Z);
}
