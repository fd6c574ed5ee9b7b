// The two unprojected classes: geodetic passes points through, geocentric
// converts to earth-centred X, Y, Z on the projection's ellipsoid.
#include <gtest/gtest.h>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionGeocentric.h"
#include "gis/projections/GisProjectionGeodetic.h"

namespace {

using conictest::RaisedMessage;
using gistest::Project;
using gistest::Unproject;

TEST(Geodetic, PassesEveryPointThrough) {
  TGIS_ProjectionGeodetic ged;
  for (const TGIS_Point3& p : {MakePoint3(0.5, -0.25, 10), MakePoint3(7.0, 3.0, -1), MakePoint3(-1e9, 1e9, 0)}) {
    const TGIS_Point3 forward = Project(ged, p.X, p.Y, p.Z);
    const TGIS_Point3 back = Unproject(ged, p.X, p.Y, p.Z);
    EXPECT_EQ(forward.X, p.X);
    EXPECT_EQ(forward.Y, p.Y);
    EXPECT_EQ(forward.Z, p.Z);
    EXPECT_EQ(back.X, p.X);
    EXPECT_EQ(back.Y, p.Y);
    EXPECT_EQ(back.Z, p.Z);
  }
}

TEST(Geocentric, EquatorAtGreenwichIsTheSemiMajorAxisOfItsEllipsoid) {
  TGIS_ProjectionGeocentric gec;
  TGIS_Point3 xyz = Project(gec, 0, 0, 0);
  EXPECT_EQ(xyz.X, 6378137);
  EXPECT_EQ(xyz.Y, 0);
  EXPECT_EQ(xyz.Z, 0);
  gec.SetDatum(*GisDatumList->Find("PUK"));
  xyz = Project(gec, 0, 0, 0);
  EXPECT_EQ(xyz.X, 6378245);
  const TGIS_Point3 pole = Unproject(gec, 0, 0, 6356863.0188);
  EXPECT_NEAR(pole.Y, std::numbers::pi / 2, 1e-12);
  EXPECT_NEAR(pole.Z, 0, 1e-3);
}

TEST(Geocentric, IgnoresSetUpAndRefusesAnglesOutOfRange) {
  TGIS_ProjectionGeocentric gec;
  gec.SetUp(3, 1.0, 0.5, 1000, 2000, 0.1, 0.2, 2, 0, 0, 0.3, 0, 0, 0, 0);
  const TGIS_Point3 xyz = Project(gec, 0, 0, 0);
  EXPECT_EQ(xyz.X, 6378137);
  EXPECT_EQ(RaisedMessage([&] { Project(gec, 4.0, 0); }), "0211");
  EXPECT_EQ(RaisedMessage([&] { Project(gec, 0, 1.6); }), "0210");
}

}  // namespace
