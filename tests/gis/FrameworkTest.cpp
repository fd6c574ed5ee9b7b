// The base class, the family helpers and the registry, through a small
// projection made for the test (identity formulas, every helper exposed).
#include "gis/GisProjections.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using gis_angle::kPi;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

int gProbeAlive = 0;  // live instances of ProbeProjection

class ProbeProjection : public TGIS_ProjectionAbstract {
public:
  explicit ProbeProjection(std::string code = "TST") : code_(std::move(code)) { ++gProbeAlive; }
  ~ProbeProjection() override { --gProbeAlive; }

  std::string Code() const override { return code_; }
  std::string Description() const override { return "Probe"; }
  std::unique_ptr<TGIS_ProjectionAbstract> Create() const override { return std::make_unique<ProbeProjection>(code_); }
  void Project(const TGIS_Point3& s, TGIS_Point3& r) override { r = s; }
  void Unproject(const TGIS_Point3& s, TGIS_Point3& r) override { r = s; }

  using TGIS_ProjectionAbstract::A;
  using TGIS_ProjectionAbstract::CheckFiniteParameter;
  using TGIS_ProjectionAbstract::CheckHeight;
  using TGIS_ProjectionAbstract::CheckSolvable;
  using TGIS_ProjectionAbstract::E2;
  using TGIS_ProjectionAbstract::FixCentralMeridian;
  using TGIS_ProjectionAbstract::FixGeodeticInput;
  using TGIS_ProjectionAbstract::FixOriginLatitude;
  using TGIS_ProjectionAbstract::FixPlaneInput;
  using TGIS_ProjectionAbstract::FixPlaneInputToReach;
  using TGIS_ProjectionAbstract::FixScaleFactor;
  using TGIS_ProjectionAbstract::FixStandardParallel1;
  using TGIS_ProjectionAbstract::FixStandardParallel2;
  using TGIS_ProjectionAbstract::LongitudeDelta;
  using TGIS_ProjectionAbstract::NormalizedCentralMeridian;
  using TGIS_ProjectionAbstract::NormalizeGeodeticResult;
  using TGIS_ProjectionAbstract::ResetWarningFlag;

private:
  std::string code_;
};

using gistest::RaisedCode;

TEST(ProjectionBase, CreationDefaultsAndPrepare) {
  ProbeProjection p;
  EXPECT_EQ(p.Datum, GisDatumList->Default());
  EXPECT_EQ(p.Ellipsoid, GisEllipsoidList->Find("WE"));
  EXPECT_EQ(p.ScaleFactor, 1.0);
  for (double v : {p.FalseEasting, p.FalseNorthing, p.CentralMeridian, p.OriginLatitude, p.StandardParallel1,
                   p.StandardParallel2, p.Reserved1, p.Reserved2, p.Azimuth, p.Point1Longitude, p.Point1Latitude,
                   p.Point2Longitude, p.Point2Latitude})
    EXPECT_EQ(v, 0.0);
  EXPECT_EQ(p.Zone, 0);
  EXPECT_EQ(p.ParameterSet(), 0);
  EXPECT_EQ(p.A, 0.0L);  // the base constructor does not prepare
  p.SetUp(5, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(p.A, 6378137.0L);
  EXPECT_EQ(p.CentralMeridian, 0.0);  // the base reads no parameter
  EXPECT_EQ(p.Zone, 0);
}

// Every parameter a value of its own, each usable by the classes below, so
// that two parameters swapped on the way to a class show.
constexpr TGIS_SetUpParameters kDistinctParameters{.Zone = 33,
                                                   .CentralMeridian = 0.2,
                                                   .OriginLatitude = 0.7,
                                                   .FalseEasting = 1000,
                                                   .FalseNorthing = 2000,
                                                   .StandardParallel1 = 0.6,
                                                   .StandardParallel2 = 0.9,
                                                   .ScaleFactor = 0.9,
                                                   .Reserved1 = 5,
                                                   .Reserved2 = 6,
                                                   .Azimuth = 0.3,
                                                   .Point1Longitude = 0.1,
                                                   .Point1Latitude = 0.65,
                                                   .Point2Longitude = 0.3,
                                                   .Point2Latitude = 0.8};

TEST(ProjectionBase, SetUpByPositionIsSetUpByStruct) {
  const TGIS_SetUpParameters& q = kDistinctParameters;
  for (const char* code : {"ALB", "LAM", "HOT", "HT2", "TMR", "TCE", "UTM"}) {
    auto byStruct = GisProjectionList->CreateByCode(code);
    auto byPosition = GisProjectionList->CreateByCode(code);
    byStruct->SetUp(q);
    byPosition->SetUp(q.Zone, q.CentralMeridian, q.OriginLatitude, q.FalseEasting, q.FalseNorthing,
                      q.StandardParallel1, q.StandardParallel2, q.ScaleFactor, q.Reserved1, q.Reserved2, q.Azimuth,
                      q.Point1Longitude, q.Point1Latitude, q.Point2Longitude, q.Point2Latitude);
    EXPECT_EQ(byPosition->Zone, byStruct->Zone) << code;
    for (auto field : {&TGIS_ProjectionAbstract::CentralMeridian, &TGIS_ProjectionAbstract::OriginLatitude,
                       &TGIS_ProjectionAbstract::FalseEasting, &TGIS_ProjectionAbstract::FalseNorthing,
                       &TGIS_ProjectionAbstract::StandardParallel1, &TGIS_ProjectionAbstract::StandardParallel2,
                       &TGIS_ProjectionAbstract::ScaleFactor, &TGIS_ProjectionAbstract::Azimuth,
                       &TGIS_ProjectionAbstract::Point1Longitude, &TGIS_ProjectionAbstract::Point1Latitude,
                       &TGIS_ProjectionAbstract::Point2Longitude, &TGIS_ProjectionAbstract::Point2Latitude})
      EXPECT_EQ(byPosition.get()->*field, byStruct.get()->*field) << code;
    // The derived constants too: the same point lands in the same place.
    const TGIS_Point3 point{0.25, 0.75, 0};
    TGIS_Point3 a{}, b{};
    byStruct->Project(point, a);
    byPosition->Project(point, b);
    EXPECT_EQ(a.X, b.X) << code;
    EXPECT_EQ(a.Y, b.Y) << code;
  }
}

TEST(ProjectionBase, SetUpReadsWhatTheParameterSetNames) {
  const TGIS_SetUpParameters& q = kDistinctParameters;
  struct Case {
    const char* code;
    bool readsOriginLatitude, readsMeridianAndFalseOrigin;
  };
  for (const Case& c : {Case{"EC4", false, true}, Case{"BON", true, true}, Case{"GED", false, false}}) {
    auto p = GisProjectionList->CreateByCode(c.code);
    const double originLatitude = p->OriginLatitude;
    p->SetUp(q);
    EXPECT_EQ(p->OriginLatitude, c.readsOriginLatitude ? q.OriginLatitude : originLatitude) << c.code;
    EXPECT_EQ(p->CentralMeridian, c.readsMeridianAndFalseOrigin ? q.CentralMeridian : 0) << c.code;
    EXPECT_EQ(p->FalseEasting, c.readsMeridianAndFalseOrigin ? q.FalseEasting : 0) << c.code;
    EXPECT_EQ(p->FalseNorthing, c.readsMeridianAndFalseOrigin ? q.FalseNorthing : 0) << c.code;
    // Parameters outside the set keep the creation values.
    EXPECT_EQ(p->ScaleFactor, 1.0) << c.code;
    EXPECT_EQ(p->StandardParallel1, 0.0) << c.code;
    EXPECT_EQ(p->Zone, 0) << c.code;
  }
}

TEST(ProjectionBase, SetDatumSwitchesTheEllipsoid) {
  ProbeProjection p;
  p.SetDatum(*GisDatumList->Find("PUK"));
  EXPECT_EQ(p.Ellipsoid, GisEllipsoidList->Find("KA"));
  EXPECT_EQ(p.A, 6378245.0L);
  EXPECT_EQ(p.E2, GisEllipsoidList->Find("KA")->E2);

  const TGIS_Datum orphan(TGIS_DatumKind::dkWgs84, "ORPH", "orphan", "QX", {});
  EXPECT_EQ(RaisedCode([&] { p.SetDatum(orphan); }), 20);
  EXPECT_EQ(p.Datum, GisDatumList->Find("PUK"));  // unchanged by the failed call
  EXPECT_EQ(p.Ellipsoid, GisEllipsoidList->Find("KA"));
}

TEST(ProjectionBase, WarningsHoldTheMostRecentText) {
  ProbeProjection p;
  p.AddWarning("first");
  EXPECT_EQ(p.Warnings, "first");
  p.AddWarning("second");
  EXPECT_EQ(p.Warnings, "second");
  p.AddWarning("");
  EXPECT_EQ(p.Warnings, "");
  p.AddWarning("third");
  p.ResetWarningFlag();  // resetting the flag does not clear the text
  EXPECT_EQ(p.Warnings, "third");
}

TEST(FamilyHelpers, SetUpClampsWithWarnings) {
  ProbeProjection p;
  struct Case {
    double in, out;
    bool warned;
  };
  for (const Case& c : {Case{2.0, kPi / 2, true}, Case{-2.0, -kPi / 2, true}, Case{kPi / 2, kPi / 2, false},
                        Case{kInf, kPi / 2, true}, Case{-kInf, -kPi / 2, true}, Case{0.3, 0.3, false}}) {
    p.Warnings.clear();
    EXPECT_EQ(p.FixOriginLatitude(c.in), c.out) << c.in;
    EXPECT_EQ(p.Warnings, c.warned ? GIS_RS_ERR_ORIGINLATITUDE_FIXED : "") << c.in;
  }
  EXPECT_EQ(p.FixOriginLatitude(1.57, 1.5664330036649108), 1.5664330036649108);

  for (const Case& c : {Case{7.0, 2 * kPi, true}, Case{2 * kPi, 2 * kPi, false}, Case{-kPi, -kPi, false},
                        Case{-4.0, -kPi, true}, Case{-kInf, -kPi, true}, Case{kInf, 2 * kPi, true}}) {
    p.Warnings.clear();
    EXPECT_EQ(p.FixCentralMeridian(c.in, TGIS_MeridianFix::mfToMinusPi), c.out) << c.in;
    EXPECT_EQ(p.Warnings, c.warned ? GIS_RS_ERR_CENTRALMERIDIAN_FIXED : "") << c.in;
  }
  EXPECT_EQ(p.FixCentralMeridian(-4.0, TGIS_MeridianFix::mfToPi), kPi);
  EXPECT_EQ(p.NormalizedCentralMeridian(3 * kPi / 2), 3 * kPi / 2 - 2 * kPi);
  EXPECT_EQ(p.NormalizedCentralMeridian(kPi), kPi);

  p.Warnings.clear();
  EXPECT_EQ(p.FixStandardParallel1(1.56, 1.5533430342749533), 1.5533430342749533);
  EXPECT_EQ(p.Warnings, GIS_RS_ERR_STANDARDPARALLEL_1_FIXED);
  EXPECT_EQ(p.FixStandardParallel2(-1.56, 1.5533430342749533), -1.5533430342749533);
  EXPECT_EQ(p.Warnings, GIS_RS_ERR_STANDARDPARALLEL_2_FIXED);
  EXPECT_EQ(p.FixScaleFactor(5.0, 0.3, 3.0), 3.0);
  EXPECT_EQ(p.Warnings, GIS_RS_ERR_SCALEFACTOR_FIXED);
  EXPECT_EQ(p.FixScaleFactor(0.0, 0.3, 3.0), 0.3);
}

TEST(FamilyHelpers, NanParametersRaiseInsteadOfSlippingThrough) {
  ProbeProjection p;
  EXPECT_EQ(RaisedCode([&] { p.FixOriginLatitude(kNan); }), 22);  // 0220
  EXPECT_EQ(RaisedCode([&] { p.FixCentralMeridian(kNan, TGIS_MeridianFix::mfToPi); }), 22);  // 0221
  EXPECT_EQ(RaisedCode([&] { p.FixStandardParallel1(kNan); }), 22);  // 0222
  EXPECT_EQ(RaisedCode([&] { p.FixStandardParallel2(kNan); }), 22);
  EXPECT_EQ(RaisedCode([&] { p.FixScaleFactor(kNan, 0.3, 3); }), 11);  // 0110
  EXPECT_EQ(RaisedCode([&] { p.CheckFiniteParameter(kInf, "FalseEasting"); }), 11);
  EXPECT_EQ(RaisedCode([&] { p.CheckFiniteParameter(kNan, "FalseEasting"); }), 11);
  EXPECT_EQ(RaisedCode([&] { p.CheckFiniteParameter(1e300, "FalseEasting"); }), -1);
  try {
    p.FixOriginLatitude(kNan);
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0220 Origin latitide NAN out of scope");
  }
}

TEST(FamilyHelpers, ProjectInputClamps) {
  ProbeProjection p;
  struct Case {
    double lon, lat, outLon, outLat;
    const std::string* warning;
  };
  const std::string none;
  const Case cases[] = {
      {0.5, 0.5, 0.5, 0.5, &none},
      {0.5, 1.7, 0.5, kPi / 2, &GIS_RS_ERR_LATITUDE_FIXED},
      {0.5, -kInf, 0.5, -kPi / 2, &GIS_RS_ERR_LATITUDE_FIXED},
      {-4.0, 0.1, -kPi, 0.1, &GIS_RS_ERR_LONGITUDE_FIXED},
      {7.0, 0.1, 2 * kPi, 0.1, &GIS_RS_ERR_LONGITUDE_FIXED},
      {kInf, 0.1, 2 * kPi, 0.1, &GIS_RS_ERR_LONGITUDE_FIXED},
      {-kPi, 0.1, -kPi, 0.1, &none},
      {1e300, 5.0, 2 * kPi, kPi / 2, &GIS_RS_ERR_LONGITUDE_FIXED},  // both: the second stays
  };
  for (const Case& c : cases) {
    double lon = c.lon, lat = c.lat;
    p.Warnings.clear();
    p.FixGeodeticInput(lon, lat);
    EXPECT_EQ(lon, c.outLon) << c.lon;
    EXPECT_EQ(lat, c.outLat) << c.lat;
    EXPECT_EQ(p.Warnings, *c.warning) << c.lon << " " << c.lat;
  }
  double lon = 0, lat = 1.5;
  p.FixGeodeticInput(lon, lat, 1.5664330036649108);
  EXPECT_EQ(lat, 1.5);

  lon = kNan;
  lat = 0;
  EXPECT_EQ(RaisedCode([&] { p.FixGeodeticInput(lon, lat); }), 21);  // 0211
  lon = 0;
  lat = kNan;
  EXPECT_EQ(RaisedCode([&] { p.FixGeodeticInput(lon, lat); }), 21);  // 0210
  try {
    p.FixGeodeticInput(lon, lat);
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0210 Latitude NAN out of scope");
  }
}

TEST(FamilyHelpers, LongitudeDeltaIsWrappedIntoPlusMinusPi) {
  struct Case {
    double lon, cm, delta;
  };
  for (const Case& c : {Case{0.5, 0.2, 0.3}, Case{3.0, -3.0, 6.0 - 2 * kPi}, Case{-3.0, 3.0, 2 * kPi - 6.0},
                        Case{2 * kPi, 0.0, 0.0}, Case{kPi, 0.0, kPi}, Case{-kPi, 0.0, -kPi},
                        Case{5.0, -kPi + 0.1, 5.0 + kPi - 0.1 - 2 * kPi}}) {
    EXPECT_NEAR(ProbeProjection::LongitudeDelta(c.lon, c.cm), c.delta, 1e-15) << c.lon << " " << c.cm;
  }
  const double d = ProbeProjection::LongitudeDelta(100.0, 0.0);
  EXPECT_LE(std::abs(d), kPi);
}

TEST(FamilyHelpers, UnprojectReachClampsAndResults) {
  ProbeProjection p;
  p.FalseEasting = 100;
  p.FalseNorthing = -50;
  p.MaxEastingOffset = 10;
  p.MaxNorthingOffset = 20;
  double x = 115, y = -50;
  p.FixPlaneInputToReach(x, y);
  EXPECT_EQ(x, 110);
  EXPECT_EQ(p.Warnings, GIS_RS_ERR_EASTING_FIXED);
  x = 100;
  y = -kInf;
  p.FixPlaneInputToReach(x, y);
  EXPECT_EQ(y, -70);
  EXPECT_EQ(p.Warnings, GIS_RS_ERR_NORTHING_FIXED);
  x = 0;
  y = 0;
  p.FixPlaneInput(x, y, -1, 1, -1, 1);
  EXPECT_EQ(x, 0);

  x = kNan;
  EXPECT_EQ(RaisedCode([&] { p.FixPlaneInputToReach(x, y); }), 21);  // 0215
  x = 0;
  y = kNan;
  try {
    p.FixPlaneInputToReach(x, y);
    FAIL();
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message().substr(0, 5), "0216 ");
  }

  struct Case {
    double lon, lat, outLon, outLat;
  };
  for (const Case& c : {Case{0.5, 2.0, 0.5, kPi / 2}, Case{4.0, 0, 4.0 - 2 * kPi, 0}, Case{-4.0, 0, -4.0 + 2 * kPi, 0},
                        Case{10.0, -2.0, kPi, -kPi / 2}, Case{-10.0, 0, -kPi, 0}}) {
    double lon = c.lon, lat = c.lat;
    ProbeProjection::NormalizeGeodeticResult(lon, lat);
    EXPECT_DOUBLE_EQ(lon, c.outLon) << c.lon;
    EXPECT_EQ(lat, c.outLat) << c.lat;
  }
}

TEST(FamilyHelpers, HeightsAndUnsolvableResults) {
  EXPECT_EQ(RaisedCode([] { ProbeProjection::CheckHeight(kNan); }), 21);  // 0217
  EXPECT_EQ(RaisedCode([] { ProbeProjection::CheckHeight(kInf); }), -1);
  EXPECT_EQ(RaisedCode([] { ProbeProjection::CheckSolvable({kNan, 0, 0}); }), 23);  // 0235
  EXPECT_EQ(RaisedCode([] { ProbeProjection::CheckSolvable({0, -kInf, 0}); }), 23);
  EXPECT_EQ(RaisedCode([] { ProbeProjection::CheckSolvable({1, 2, kNan}); }), -1);
}

TEST(ProjectionRegistry, SortedCaseInsensitiveAndReplacing) {
  const int before = gProbeAlive;
  {
    TGIS_ProjectionList list;
    list.Register(std::make_unique<ProbeProjection>("ZED"));
    list.Register(std::make_unique<ProbeProjection>("ABC"));
    list.Register(std::make_unique<ProbeProjection>("mid"));
    auto replacement = std::make_unique<ProbeProjection>("Abc");
    TGIS_ProjectionAbstract* const replacementPtr = replacement.get();
    EXPECT_EQ(gProbeAlive, before + 4);
    list.Register(std::move(replacement));
    EXPECT_EQ(gProbeAlive, before + 3);  // the first "ABC" prototype was freed
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Code(0), "ABC");  // the entry keeps its code; the object is new
    EXPECT_EQ(list.Code(1), "mid");
    EXPECT_EQ(list.Code(2), "ZED");
    EXPECT_EQ(list.Find("abc"), replacementPtr);
    EXPECT_EQ(list.Find("MID"), &list.Item(1));
    EXPECT_EQ(list.Find("nope"), nullptr);
    auto made = list.CreateByCode("zed");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Code(), "ZED");
    EXPECT_NE(made.get(), list.Find("ZED"));
    EXPECT_EQ(list.CreateByCode("none"), nullptr);
  }
  EXPECT_EQ(gProbeAlive, before);  // the list owned and freed every prototype
}

TEST(ProjectionRegistry, GlobalRegistryIsSortedAndItsPrototypesMatchTheirCodes) {
  ASSERT_NE(GisProjectionList, nullptr);
  for (int i = 0; i < GisProjectionList->Count(); ++i) {
    const TGIS_ProjectionAbstract& p = GisProjectionList->Item(i);
    EXPECT_EQ(GisProjectionList->Code(i), p.Code());
    EXPECT_EQ(GisProjectionList->Find(p.Code()), &p);
    if (i > 0) {
      EXPECT_LT(gis_detail::CompareTextAscii(GisProjectionList->Code(i - 1), p.Code()), 0);
    }
  }
}

}  // namespace
