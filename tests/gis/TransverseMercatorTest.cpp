#include "gis/projections/GisProjectionTransverseMercator.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace gistest;
using gis_angle::kPi;

// The converter's set-up: Gauss-Krueger zone meridian, scale 1, 500 km east.
class GaussKrueger117 : public ::testing::Test {
protected:
  void SetUp() override { SetUpTransverse(tm, 117 * kDeg, 0, 500000, 0, 1.0); }
  TGIS_ProjectionTransverseMercator tm;
};

TEST(TransverseMercator, CreatedReadyOnWgs84) {
  TGIS_ProjectionTransverseMercator tm;
  EXPECT_EQ(tm.Ellipsoid, GisEllipsoidList->Find("WE"));
  EXPECT_EQ(tm.ScaleFactor, 1.0);
  EXPECT_EQ(tm.CentralMeridian, 0.0);
  EXPECT_EQ(tm.FalseEasting, 0.0);
  EXPECT_EQ(tm.FalseNorthing, 0.0);
  EXPECT_EQ(tm.StoredScale, 1.0);
  // Prepare ran: the reach is known and its 90-degree probes left 0236.
  EXPECT_NEAR(tm.MaxNorthingOffset, 10001965.7293, 1e-4);
  EXPECT_NEAR(tm.MaxEastingOffset, 18577793.6576, 1e-4);
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  const TGIS_Point3 origin = Project(tm, 0, 0);
  EXPECT_EQ(origin.X, 0.0);
  EXPECT_EQ(origin.Y, 0.0);
}

TEST(TransverseMercator, ArcCoefficientsOnWgs84) {
  TGIS_ProjectionTransverseMercator tm;
  const auto& c = tm.ArcCoefficients;
  EXPECT_NEAR(static_cast<double>(c[0]), 6367449.14582, 5e-6);
  EXPECT_NEAR(static_cast<double>(c[1]), 16038.50866, 5e-6);
  EXPECT_NEAR(static_cast<double>(c[2]), 16.83261, 5e-6);
  EXPECT_NEAR(static_cast<double>(c[3]), 0.021984, 5e-7);
  EXPECT_NEAR(static_cast<double>(c[4]), 0.0000311, 5e-8);
  // The arc to the pole is a quarter meridian.
  EXPECT_NEAR(static_cast<double>(tm.MeridianArc(kPi / 2)), 10001965.7293, 1e-4);
}

TEST_F(GaussKrueger117, BeijingForwardAndBack) {
  const TGIS_Point3 grid = Project(tm, 116.391 * kDeg, 39.907 * kDeg, 43.5);
  EXPECT_NEAR(grid.X, 447924.483, 5e-4);
  EXPECT_NEAR(grid.Y, 4419380.448, 5e-4);
  EXPECT_EQ(grid.Z, 43.5);
  const TGIS_Point3 back = Unproject(tm, grid.X, grid.Y, grid.Z);
  EXPECT_NEAR(back.X / kDeg, 116.391, 1e-9);
  EXPECT_NEAR(back.Y / kDeg, 39.907, 1e-9);
  EXPECT_EQ(back.Z, 43.5);
}

TEST_F(GaussKrueger117, ReferencePoints) {
  struct Case {
    double lonDeg, latDeg, easting, northing;
  };
  const Case cases[] = {
      {117, 0, 500000, 0},
      {117, 90, 500000, 10001965.729},
      {120, 45, 736540.642, 4989325.235},
      {114, -45, 263459.358, -4989325.235},  // mirror image of the point above
  };
  for (const Case& c : cases) {
    const TGIS_Point3 grid = Project(tm, c.lonDeg * kDeg, c.latDeg * kDeg);
    EXPECT_NEAR(grid.X, c.easting, 5e-4) << c.lonDeg << " " << c.latDeg;
    EXPECT_NEAR(grid.Y, c.northing, 5e-4) << c.lonDeg << " " << c.latDeg;
  }
  const TGIS_Point3 origin = Project(tm, 117 * kDeg, 0);
  EXPECT_EQ(origin.X, 500000.0);  // exactly: the difference is zeroed below 2e-10
  EXPECT_EQ(origin.Y, 0.0);
}

TEST_F(GaussKrueger117, FarLongitudeIsClampedToNinetyDegreesWithWarnings) {
  const TGIS_Point3 grid = Project(tm, -100 * kDeg, 10 * kDeg);
  EXPECT_NEAR(grid.X, 17577177.968, 5e-4);
  EXPECT_NEAR(grid.Y, 6283855.386, 5e-4);
  // 0241 was recorded for the clamp, then replaced by 0236 for the distortion.
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  // The clamped point is the same as 207 degrees given directly.
  const TGIS_Point3 direct = Project(tm, 207 * kDeg, 10 * kDeg);
  EXPECT_NEAR(direct.X, grid.X, 1e-6);
  EXPECT_NEAR(direct.Y, grid.Y, 1e-6);
}

TEST_F(GaussKrueger117, WarningsOfProject) {
  tm.Warnings.clear();
  Project(tm, 118 * kDeg, 30 * kDeg);
  EXPECT_EQ(tm.Warnings, "");  // within 9 degrees, nothing to say
  Project(tm, 127 * kDeg, 30 * kDeg);
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  Project(tm, 117 * kDeg, 2.0);
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_LATITUDE_FIXED);
  const TGIS_Point3 pole = Project(tm, 117 * kDeg, kPi / 2);
  EXPECT_EQ(Project(tm, 117 * kDeg, 2.0).Y, pole.Y);
  // Warnings are not cleared by a quiet operation.
  Project(tm, 117 * kDeg, 0.5);
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_LATITUDE_FIXED);
}

TEST(TransverseMercator, SeamNearTheMeridianIsNotClamped) {
  TGIS_ProjectionTransverseMercator tm;
  SetUpTransverse(tm, 179 * kDeg, 0, 500000, 0, 1.0);
  // -179 degrees lies 2 degrees east of 179 across the seam.
  const TGIS_Point3 across = Project(tm, -179 * kDeg, 20 * kDeg);
  const TGIS_Point3 same = Project(tm, 181 * kDeg, 20 * kDeg);
  EXPECT_NEAR(across.X, same.X, 1e-6);
  EXPECT_NEAR(across.Y, same.Y, 1e-6);
  EXPECT_GT(across.X, 500000);
  // A meridian above pi means value - 2*pi: 270 degrees is -90.
  SetUpTransverse(tm, 270 * kDeg, 0, 0, 0, 1.0);
  EXPECT_NEAR(tm.CentralMeridian, -90 * kDeg, 1e-15);
  EXPECT_NEAR(tm.OriginPoint.X, 270 * kDeg, 1e-15);
  EXPECT_NEAR(Project(tm, -90 * kDeg, 0).X, 0, 1e-9);
}

TEST(TransverseMercator, SetUpClampsAndStores) {
  TGIS_ProjectionTransverseMercator tm;
  struct Case {
    double meridian, origin, scale;
    double storedMeridian, storedOrigin, storedScale;
  };
  const Case cases[] = {
      {0.5, 2.0, 1.0, 0.5, kPi / 2, 1.0},
      {-4.0, 0, 1.0, -kPi, 0, 1.0},
      {7.0, 0, 1.0, 2 * kPi, 0, 1.0},
      {2 * kPi, -2.0, 1.0, 2 * kPi, -kPi / 2, 1.0},
      {0, 0, 5.0, 0, 0, 3.0},
      {0, 0, 0.1, 0, 0, 0.3},
      {0, 0, 0.3, 0, 0, 0.3},
  };
  for (const Case& c : cases) {
    SetUpTransverse(tm, c.meridian, c.origin, 100, 200, c.scale);
    EXPECT_EQ(tm.OriginPoint.X, c.storedMeridian) << c.meridian;
    EXPECT_EQ(tm.OriginPoint.Y, c.storedOrigin) << c.origin;
    EXPECT_EQ(tm.StoredScale, c.storedScale) << c.scale;
    EXPECT_EQ(tm.ScaleFactor, c.storedScale);
    EXPECT_EQ(tm.OriginLatitude, c.storedOrigin);
    EXPECT_EQ(tm.FalseOrigin.X, 100);
    EXPECT_EQ(tm.FalseNorthing, 200);
    // Prepare's probes leave 0236 after any clamp warning.
    EXPECT_EQ(tm.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  }
  // The clamped scale is the one projecting.
  SetUpTransverse(tm, 0, 0, 0, 0, 1.0);
  const double unit = Project(tm, 1 * kDeg, 0).X;
  SetUpTransverse(tm, 0, 0, 0, 0, 5.0);
  EXPECT_NEAR(Project(tm, 1 * kDeg, 0).X, 3.0 * unit, 1e-8);
}

TEST(TransverseMercator, OriginLatitudeShiftsTheNorthing) {
  TGIS_ProjectionTransverseMercator tm;
  SetUpTransverse(tm, 0, 45 * kDeg, 0, 1000, 1.0);
  EXPECT_NEAR(Project(tm, 0, 45 * kDeg).Y, 1000, 1e-6);
  const TGIS_Point3 back = Unproject(tm, 30000, 52000);
  const TGIS_Point3 again = Project(tm, back.X, back.Y);
  EXPECT_NEAR(again.X, 30000, 1e-6);
  EXPECT_NEAR(again.Y, 52000, 1e-6);
}

TEST_F(GaussKrueger117, UnprojectReachRaisesWithTheValue) {
  const auto easting = Raised([&] { Unproject(tm, 500000 + 18577794, 0); });
  EXPECT_EQ(easting.ErrorCode(), 21);
  EXPECT_EQ(easting.Message(), "0215 Easting 19077794 out of scope");
  EXPECT_EQ(easting.TextArgument(), "19077794");
  const auto northing = Raised([&] { Unproject(tm, 500000, -10001966); });
  EXPECT_EQ(northing.ErrorCode(), 21);
  EXPECT_EQ(northing.Message(), "0216 Northing -10001966 out of scope");
  EXPECT_EQ(northing.TextArgument(), "-10001966");
  // The bounds themselves are inside the reach.
  EXPECT_NO_THROW(Unproject(tm, 500000 + tm.MaxEastingOffset, 0));
  EXPECT_NO_THROW(Unproject(tm, 500000, -tm.MaxNorthingOffset));
}

TEST_F(GaussKrueger117, UnprojectClampsAndWarns) {
  tm.Warnings.clear();
  Unproject(tm, 600000, 3000000);
  EXPECT_EQ(tm.Warnings, "");
  const TGIS_Point3 far = Unproject(tm, 500000 + 4000000, 3000000);
  EXPECT_EQ(tm.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  EXPECT_GT(far.X, 126 * kDeg);
  // Beyond the pole the latitude is clamped, not reflected.
  const TGIS_Point3 pole = Unproject(tm, 500000, 10001965.7);
  EXPECT_NEAR(pole.Y, kPi / 2, 1e-7);
  EXPECT_LE(pole.Y, kPi / 2);
}

TEST(TransverseMercator, UnprojectWrapsAcrossTheSeam) {
  // Project accepts points across +-180 degrees near the meridian; Unproject
  // must give them back there rather than pinned to 180 degrees.
  TGIS_ProjectionTransverseMercator tm;
  SetUpTransverse(tm, 179 * kDeg, 0, 500000, 0, 1.0);
  const TGIS_Point3 grid = Project(tm, -178 * kDeg, -17 * kDeg);
  const TGIS_Point3 back = Unproject(tm, grid.X, grid.Y);
  EXPECT_NEAR(back.X, -178 * kDeg, 1e-11);
  EXPECT_NEAR(back.Y, -17 * kDeg, 1e-11);
  SetUpTransverse(tm, -179 * kDeg, 0, 500000, 0, 1.0);
  EXPECT_NEAR(Unproject(tm, Project(tm, 178 * kDeg, 5 * kDeg).X, 0).X, 178 * kDeg, 1e-3);
}

TEST(TransverseMercator, RoundTripsWithinTheZoneOnSeveralEllipsoids) {
  TGIS_ProjectionTransverseMercator tm;
  for (const char* datum : {"WGE", "PUK", "EUR-M", "NAS-C", "OGB-7"}) {
    tm.SetDatum(*GisDatumList->Find(datum));
    SetUpTransverse(tm, 21 * kDeg, 0, 500000, 0, 0.9996);
    for (double lat = -80; lat <= 80; lat += 10) {
      for (double dlon = -3; dlon <= 3; dlon += 1.5) {
        const TGIS_Point3 grid = Project(tm, (21 + dlon) * kDeg, lat * kDeg);
        const TGIS_Point3 back = Unproject(tm, grid.X, grid.Y);
        EXPECT_NEAR(back.X, (21 + dlon) * kDeg, 1e-10) << datum << " " << lat << " " << dlon;
        EXPECT_NEAR(back.Y, lat * kDeg, 1e-10) << datum << " " << lat << " " << dlon;
      }
    }
  }
}

TEST(TransverseMercator, KrassovskyGivesOtherCoordinatesThanWgs84) {
  TGIS_ProjectionTransverseMercator wgs, pulkovo;
  pulkovo.SetDatum(*GisDatumList->Find("PUK"));
  EXPECT_EQ(pulkovo.Ellipsoid, GisEllipsoidList->Find("KA"));
  SetUpTransverse(wgs, 117 * kDeg, 0, 500000, 0, 1);
  SetUpTransverse(pulkovo, 117 * kDeg, 0, 500000, 0, 1);
  const TGIS_Point3 a = Project(wgs, 116.391 * kDeg, 39.907 * kDeg);
  const TGIS_Point3 b = Project(pulkovo, 116.391 * kDeg, 39.907 * kDeg);
  EXPECT_GT(std::abs(a.Y - b.Y), 10.0);
  EXPECT_NEAR(pulkovo.MaxNorthingOffset, static_cast<double>(pulkovo.MeridianArc(kPi / 2)), 1e-6);
}

TEST_F(GaussKrueger117, LocalizedTextReachesLaterErrorsOnly) {
  const auto before = Raised([&] { Unproject(tm, 1e9, 0); });
  GisLocalizeMessages([](std::string& text, const std::string& key) {
    if (key == "GIS_RS_ERR_EASTING_INVALID") text = "0215 Rechtswert %s unzulaessig";
  });
  const auto after = Raised([&] { Unproject(tm, 1e9, 0); });
  GisLocalizeMessages();
  EXPECT_EQ(before.Message(), "0215 Easting 1000000000 out of scope");
  EXPECT_EQ(after.Message(), "0215 Rechtswert 1000000000 unzulaessig");
  EXPECT_EQ(after.ErrorCode(), 21);
}

TEST(TransverseMercator, RegisteredPrototypeCreatesFreshInstances) {
  TGIS_ProjectionAbstract* prototype = GisProjectionList->Find("tmr");
  ASSERT_NE(prototype, nullptr);
  auto fresh = GisProjectionList->CreateByCode("TMR");
  ASSERT_NE(fresh, nullptr);
  SetUpTransverse(*fresh, 117 * kDeg, 0, 500000, 0, 1);
  EXPECT_NEAR(Project(*fresh, 116.391 * kDeg, 39.907 * kDeg).X, 447924.483, 5e-4);
  EXPECT_EQ(prototype->CentralMeridian, 0.0);  // the prototype is untouched
}

}  // namespace

namespace {
// The ellipsoid's constants are derived once and reused by later set-ups;
// a change of datum must derive them again, and going back must give the
// same numbers as a projection that never left WGS 84.
TEST(TransverseMercator, DatumChangesRederiveTheEllipsoidConstants) {
  TGIS_ProjectionTransverseMercator fresh, travelled;
  SetUpTransverse(fresh, 117 * kDeg, 0, 500000, 0, 1.0);
  SetUpTransverse(travelled, 117 * kDeg, 0, 500000, 0, 1.0);
  const TGIS_Point3 wgs = Project(fresh, 116.391 * kDeg, 39.907 * kDeg);

  travelled.SetDatum(*GisDatumList->Find("PUK"));  // Krassovsky 1940
  SetUpTransverse(travelled, 117 * kDeg, 0, 500000, 0, 1.0);
  const TGIS_Point3 krassovsky = Project(travelled, 116.391 * kDeg, 39.907 * kDeg);
  EXPECT_GT(std::fabs(krassovsky.Y - wgs.Y), 10.0);  // a different ellipsoid shows
  EXPECT_NEAR(travelled.MaxNorthingOffset, 10002137.5, 1.0);  // Krassovsky's quarter meridian

  travelled.SetDatum(*GisDatumList->Find("WGE"));
  SetUpTransverse(travelled, 117 * kDeg, 0, 500000, 0, 1.0);
  const TGIS_Point3 back = Project(travelled, 116.391 * kDeg, 39.907 * kDeg);
  EXPECT_EQ(back.X, wgs.X);
  EXPECT_EQ(back.Y, wgs.Y);
  EXPECT_EQ(travelled.MaxEastingOffset, fresh.MaxEastingOffset);
  EXPECT_EQ(travelled.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
}
}  // namespace
