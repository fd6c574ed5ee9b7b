#include "gis/projections/GisProjectionUTM.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace gistest;
using gis_angle::kPi;

TEST(UTM, StartsWithoutAZone) {
  TGIS_ProjectionUTM utm;
  EXPECT_EQ(utm.Zone, 0);
}

TEST(UTM, BeijingChoosesZone50) {
  TGIS_ProjectionUTM utm;
  const TGIS_Point3 grid = Project(utm, 116.391 * kDeg, 39.907 * kDeg, 7);
  EXPECT_EQ(utm.Zone, 50);
  EXPECT_NEAR(grid.X, 447945.313, 5e-4);
  EXPECT_NEAR(grid.Y, 4417612.696, 5e-4);
  EXPECT_EQ(grid.Z, 7);
  EXPECT_NEAR(utm.CentralMeridian, 117 * kDeg, 1e-15);
  EXPECT_EQ(utm.ScaleFactor, 0.9996);
  const TGIS_Point3 back = Unproject(utm, grid.X, grid.Y, 7);
  EXPECT_NEAR(back.X / kDeg, 116.391, 1e-9);
  EXPECT_NEAR(back.Y / kDeg, 39.907, 1e-9);
  EXPECT_EQ(back.Z, 7);
}

TEST(UTM, ZoneChoice) {
  struct Case {
    double lonDeg, latDeg;
    std::int32_t zone;
  };
  const Case cases[] = {
      {5, 60, 32},    {7, 75, 31},    {8.5, 75, 33},  {179.9, 10, 60}, {180, 10, 1},   {0.5, 10, 31},
      {-0.5, 10, 30}, {1, 60, 31},    {25, 75, 35},   {35, 75, 37},    {15, 60, 33},  {116.391, 39.907, 50},
      {-177, -10, -1}, {3, -33.9, -31}, {-180, 0, 1},  {360, 0, 31},    {359.99, 5, 30},
  };
  for (const Case& c : cases) {
    double lon = c.lonDeg * kDeg;
    if (lon < 0) lon += 2 * kPi;
    EXPECT_EQ(TGIS_ProjectionUTM::ChooseZone(lon, c.latDeg * kDeg), c.zone) << c.lonDeg << " " << c.latDeg;
  }
}

TEST(UTM, ZoneMeridians) {
  EXPECT_NEAR(TGIS_ProjectionUTM::ZoneCentralMeridian(1), 183 * kDeg, 1e-15);
  EXPECT_NEAR(TGIS_ProjectionUTM::ZoneCentralMeridian(30), 357 * kDeg, 1e-15);
  EXPECT_NEAR(TGIS_ProjectionUTM::ZoneCentralMeridian(31), 3 * kDeg, 1e-15);
  EXPECT_NEAR(TGIS_ProjectionUTM::ZoneCentralMeridian(-50), 117 * kDeg, 1e-15);
  EXPECT_NEAR(TGIS_ProjectionUTM::ZoneCentralMeridian(60), 177 * kDeg, 1e-15);
}

TEST(UTM, SouthernPointsUseANegativeZoneAndTenMillionNorth) {
  TGIS_ProjectionUTM utm;
  const TGIS_Point3 grid = Project(utm, 18.42 * kDeg, -33.92 * kDeg);
  EXPECT_EQ(utm.Zone, -34);
  EXPECT_EQ(utm.FalseNorthing, 10000000);
  EXPECT_GT(grid.Y, 6000000);
  EXPECT_LT(grid.Y, 10000000);
  const TGIS_Point3 back = Unproject(utm, grid.X, grid.Y);
  EXPECT_NEAR(back.X, 18.42 * kDeg, 1e-11);
  EXPECT_NEAR(back.Y, -33.92 * kDeg, 1e-11);
  // Negative longitudes are taken on the 0..360 scale.
  TGIS_ProjectionUTM west;
  const TGIS_Point3 nyc = Project(west, -74 * kDeg, 40.7 * kDeg);
  EXPECT_EQ(west.Zone, 18);
  EXPECT_NEAR(Unproject(west, nyc.X, nyc.Y).X, -74 * kDeg, 1e-11);
}

TEST(UTM, TheZoneStaysChosen) {
  TGIS_ProjectionUTM utm;
  Project(utm, 116.391 * kDeg, 39.907 * kDeg);
  ASSERT_EQ(utm.Zone, 50);
  // 119.5 degrees would choose 50 too; 121 degrees (zone 51) is still
  // projected into zone 50, east of its meridian.
  const TGIS_Point3 east = Project(utm, 121 * kDeg, 39.907 * kDeg);
  EXPECT_EQ(utm.Zone, 50);
  EXPECT_GT(east.X, 800000);
  // Far outside the zone the grid is left: 0225 with the zone, zone kept.
  const auto e = Raised([&] { Project(utm, 10 * kDeg, 39.907 * kDeg); });
  EXPECT_EQ(e.Message(), "0225 Zone \"50\" out of scope");
  EXPECT_EQ(e.NumberArgument(), 50);
  EXPECT_EQ(utm.Zone, 50);
  // A new SetUp gives a new zone.
  SetZone(utm, 0);
  Project(utm, 10 * kDeg, 39.907 * kDeg);
  EXPECT_EQ(utm.Zone, 32);
}

TEST(UTM, SetUpZoneRange) {
  TGIS_ProjectionUTM utm;
  for (std::int32_t ok : {0, 1, 60, -1, -60, 33}) {
    SetZone(utm, ok);
    EXPECT_EQ(utm.Zone, ok);
  }
  for (std::int32_t bad : {61, -61, INT_MIN, INT_MAX}) {
    const auto e = Raised([&] { SetZone(utm, bad); });
    EXPECT_EQ(e.ErrorCode(), 22) << bad;
    EXPECT_EQ(e.NumberArgument(), bad);
    EXPECT_EQ(e.TextArgument(), "");
    EXPECT_EQ(utm.Zone, 33);  // unchanged by the failed call
  }
  EXPECT_EQ(Raised([&] { SetZone(utm, 61); }).Message(), "0225 Zone \"61\" out of scope");
}

TEST(UTM, RaisesInsteadOfClamping) {
  TGIS_ProjectionUTM utm;
  struct Case {
    double lon, lat;
    const char* message;
  };
  const Case project[] = {
      {10 * kDeg, 85 * kDeg, "0210 Latitude 1.48352986419518 out of scope"},
      {10 * kDeg, -85 * kDeg, "0210 Latitude -1.48352986419518 out of scope"},
      {7.0, 0, "0211 Longitude 7 out of scope"},
      {-3.5, 0, "0211 Longitude -3.5 out of scope"},
  };
  for (const Case& c : project) EXPECT_EQ(Raised([&] { Project(utm, c.lon, c.lat); }).Message(), c.message);
  EXPECT_EQ(utm.Zone, 0);  // nothing was chosen by the failed calls
  EXPECT_NO_THROW(Project(utm, 2 * kPi, 84 * kDeg));
  EXPECT_EQ(utm.Zone, 31);

  const Case unproject[] = {
      {99999, 5000000, "0215 Easting 99999 out of scope"},
      {900001, 5000000, "0215 Easting 900001 out of scope"},
      {500000, -1, "0216 Northing -1 out of scope"},
      {500000, 10000001, "0216 Northing 10000001 out of scope"},
  };
  for (const Case& c : unproject) EXPECT_EQ(Raised([&] { Unproject(utm, c.lon, c.lat); }).Message(), c.message);
}

TEST(UTM, UnprojectBeyondTheGridLatitudesRaisesTheZone) {
  TGIS_ProjectionUTM utm;
  SetZone(utm, 33);
  EXPECT_EQ(Raised([&] { Unproject(utm, 500000, 9900000); }).Message(), "0225 Zone \"33\" out of scope");
  SetZone(utm, -33);
  // 1 km north of the south pole's grid value lies south of -80.5 degrees.
  EXPECT_EQ(Raised([&] { Unproject(utm, 500000, 1000); }).ErrorCode(), 22);
  const TGIS_Point3 south = Unproject(utm, 500000, 1200000);
  EXPECT_NEAR(south.X, 15 * kDeg, 1e-12);
  EXPECT_GT(south.Y, -80.5 * kDeg);
}

TEST(UTM, UnprojectWithoutAZoneRaises) {
  TGIS_ProjectionUTM utm;
  const auto e = Raised([&] { Unproject(utm, 500000, 4000000); });
  EXPECT_EQ(e.Message(), "0225 Zone \"0\" out of scope");
}

TEST(UTM, FollowsItsDatum) {
  TGIS_ProjectionUTM wgs, intl;
  intl.SetDatum(*GisDatumList->Find("EUR-M"));
  const TGIS_Point3 a = Project(wgs, 10 * kDeg, 50 * kDeg);
  const TGIS_Point3 b = Project(intl, 10 * kDeg, 50 * kDeg);
  EXPECT_GT(std::abs(a.Y - b.Y), 50.0);
  const TGIS_Point3 back = Unproject(intl, b.X, b.Y);
  EXPECT_NEAR(back.Y, 50 * kDeg, 1e-11);
}

}  // namespace
