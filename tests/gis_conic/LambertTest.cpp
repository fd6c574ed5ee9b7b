// The Lambert conformal conic in depth, as the conic the others are modelled
// on (Albers shares its set-up and checks): its reference
// values on WGS 84 with the creation defaults (origin 45, parallels 40 and 50
// degrees, meridian 0), its pole handling and its parameter checks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionLambert.h"

namespace {

using conictest::Parameters;
using conictest::RaisedMessage;
using conictest::SetUpDegrees;
using gistest::kDeg;
using gistest::Project;
using gistest::Unproject;
using gis_angle::kHalfPi;

TEST(Lambert, CreationConstantsOnWgs84) {
  TGIS_ProjectionLambert lam;
  EXPECT_EQ(lam.OriginLatitude, 45 * kDeg);
  EXPECT_EQ(lam.StandardParallel1, 40 * kDeg);
  EXPECT_EQ(lam.StandardParallel2, 50 * kDeg);
  EXPECT_EQ(lam.MaxEastingOffset, 40000000);
  EXPECT_EQ(lam.MaxNorthingOffset, 40000000);
  EXPECT_NEAR(static_cast<double>(lam.ConeConstant()), 0.708020745, 5e-10);
  EXPECT_NEAR(static_cast<double>(lam.ScaledF()), 11824032.633, 5e-4);
  EXPECT_NEAR(static_cast<double>(lam.OriginRadius()), 6356377.271, 5e-4);
}

TEST(Lambert, ReferencePointAndItsInverseInFourSteps) {
  TGIS_ProjectionLambert lam;
  const TGIS_Point3 grid = Project(lam, 10 * kDeg, 50 * kDeg, 12.5);
  EXPECT_NEAR(grid.X, 715134.240, 5e-4);
  EXPECT_NEAR(grid.Y, 598721.278, 5e-4);
  EXPECT_EQ(grid.Z, 12.5);
  const TGIS_Point3 back = Unproject(lam, grid.X, grid.Y, grid.Z);
  EXPECT_NEAR(back.X, 10 * kDeg, 1e-9);
  EXPECT_NEAR(back.Y, 50 * kDeg, 1e-9);
  EXPECT_EQ(back.Z, 12.5);
  EXPECT_EQ(lam.LastIterations(), 4);
}

TEST(Lambert, OriginAndPoles) {
  TGIS_ProjectionLambert lam;
  const TGIS_Point3 origin = Project(lam, 0, 45 * kDeg);
  EXPECT_NEAR(origin.X, 0, 1e-9);
  EXPECT_NEAR(origin.Y, 0, 1e-9);

  const TGIS_Point3 north = Project(lam, 1.0, kHalfPi);
  EXPECT_NEAR(north.X, 0, 1e-9);
  EXPECT_NEAR(north.Y, 6356377.271, 5e-4);
  // ...and the apex comes back as the pole on the central meridian.
  const TGIS_Point3 apex = Unproject(lam, 0, static_cast<double>(lam.OriginRadius()));
  EXPECT_EQ(apex.Y, kHalfPi);
  EXPECT_EQ(apex.X, 0);

  // The south pole lies on the far side of the cone: nothing is written.
  lam.Warnings.clear();
  TGIS_Point3 untouched{-1, -2, -3};
  lam.Project(MakePoint3(0.5, -kHalfPi, 0), untouched);
  EXPECT_EQ(untouched.X, -1);
  EXPECT_EQ(untouched.Y, -2);
  EXPECT_EQ(untouched.Z, -3);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_LATITUDE_FIXED);
}

TEST(Lambert, SouthernConeMirrorsTheNorthernOne) {
  TGIS_ProjectionLambert north, south;
  SetUpDegrees(south, Parameters{0, -45, 0, 0, -40, -50});
  EXPECT_LT(south.ConeConstant(), 0);
  const TGIS_Point3 n = Project(north, 10 * kDeg, 50 * kDeg);
  const TGIS_Point3 s = Project(south, 10 * kDeg, -50 * kDeg);
  EXPECT_NEAR(s.X, n.X, 1e-6);
  EXPECT_NEAR(s.Y, -n.Y, 1e-6);
  const TGIS_Point3 back = Unproject(south, s.X, s.Y);
  EXPECT_NEAR(back.X, 10 * kDeg, 1e-9);
  EXPECT_NEAR(back.Y, -50 * kDeg, 1e-9);
  // Its apex is the south pole; the north pole is the far one.
  south.Warnings.clear();
  TGIS_Point3 untouched{7, 8, 9};
  south.Project(MakePoint3(0, kHalfPi, 0), untouched);
  EXPECT_EQ(untouched.X, 7);
  EXPECT_EQ(south.Warnings, GIS_RS_ERR_LATITUDE_FIXED);
}

TEST(Lambert, OneStandardParallel) {
  TGIS_ProjectionLambert lam;
  SetUpDegrees(lam, Parameters{0, 45, 0, 0, 45, 45});
  EXPECT_NEAR(static_cast<double>(lam.ConeConstant()), 0.7071067812, 5e-11);
  // Parallels within 1e-10 rad count as one.
  SetUpDegrees(lam, Parameters{0, 45, 0, 0, 45, 45 + 0.5e-10 / kDeg});
  EXPECT_NEAR(static_cast<double>(lam.ConeConstant()), std::sin(45 * kDeg), 1e-15);
}

TEST(Lambert, ParallelsClampedToEightyNineDegrees) {
  TGIS_ProjectionLambert lam;
  SetUpDegrees(lam, Parameters{0, 45, 0, 0, 89.5, 50});
  EXPECT_EQ(lam.StandardParallel1, TGIS_ProjectionLambert::kParallelLimit);
  EXPECT_NEAR(lam.StandardParallel1, 89 * kDeg, 1e-15);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_STANDARDPARALLEL_1_FIXED);
  SetUpDegrees(lam, Parameters{0, 45, 0, 0, 40, -95});
  EXPECT_EQ(lam.StandardParallel2, -TGIS_ProjectionLambert::kParallelLimit);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_STANDARDPARALLEL_2_FIXED);
  // 89 degrees itself is accepted as it stands.
  lam.Warnings.clear();
  lam.SetUp(0, 0, 45 * kDeg, 0, 0, 40 * kDeg, TGIS_ProjectionLambert::kParallelLimit, 1, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_TRUE(lam.Warnings.empty());
}

TEST(Lambert, FamilyClampsOfSetUp) {
  TGIS_ProjectionLambert lam;
  SetUpDegrees(lam, Parameters{0, 100, 0, 0, 40, 50});
  EXPECT_EQ(lam.OriginLatitude, kHalfPi);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_ORIGINLATITUDE_FIXED);
  lam.SetUp(0, -4.0, 45 * kDeg, 0, 0, 40 * kDeg, 50 * kDeg, 1, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(lam.CentralMeridian, std::numbers::pi);  // below -pi goes to +pi
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_CENTRALMERIDIAN_FIXED);
  // A meridian above pi is stored as the same meridian west of Greenwich.
  SetUpDegrees(lam, Parameters{270, 45, 0, 0, 40, 50});
  EXPECT_NEAR(lam.CentralMeridian, -90 * kDeg, 1e-15);
}

TEST(Lambert, DegenerateConesRaiseAndKeepThePreviousSetUp) {
  const Parameters noCone[] = {
      {0, 45, 0, 0, 30, -30},  // symmetric about the equator: a cylinder
      {0, 45, 0, 0, 0, 0},     // one parallel on the equator
  };
  for (const Parameters& q : noCone) {
    TGIS_ProjectionLambert lam;
    SetUpDegrees(lam, Parameters{5, 45, 1000, 2000, 40, 50});
    const TGIS_Point3 before = Project(lam, 10 * kDeg, 50 * kDeg);
    EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(lam, q); }), "0235") << q.parallel1 << " " << q.parallel2;
    EXPECT_EQ(lam.StandardParallel1, 40 * kDeg);
    EXPECT_EQ(lam.FalseEasting, 1000);
    const TGIS_Point3 after = Project(lam, 10 * kDeg, 50 * kDeg);
    EXPECT_EQ(after.X, before.X);
    EXPECT_EQ(after.Y, before.Y);
  }
  // An origin at the pole the cone opens towards lies at infinity.
  TGIS_ProjectionLambert lam;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(lam, Parameters{0, -90, 0, 0, 40, 50}); }), "0235");
  // ...while the apex pole is a fine origin.
  SetUpDegrees(lam, Parameters{0, 90, 0, 0, 40, 50});
  EXPECT_EQ(lam.OriginRadius(), 0);
}

TEST(Lambert, NonFiniteParametersRaise) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  TGIS_ProjectionLambert lam;
  EXPECT_EQ(RaisedMessage([&] { lam.SetUp(0, nan, 0.7, 0, 0, 0.7, 0.8, 1, 0, 0, 0, 0, 0, 0, 0); }), "0221");
  EXPECT_EQ(RaisedMessage([&] { lam.SetUp(0, 0, nan, 0, 0, 0.7, 0.8, 1, 0, 0, 0, 0, 0, 0, 0); }), "0220");
  EXPECT_EQ(RaisedMessage([&] { lam.SetUp(0, 0, 0.7, 0, 0, nan, 0.8, 1, 0, 0, 0, 0, 0, 0, 0); }), "0222");
  EXPECT_EQ(RaisedMessage([&] { lam.SetUp(0, 0, 0.7, inf, 0, 0.7, 0.8, 1, 0, 0, 0, 0, 0, 0, 0); }), "0110");
  EXPECT_EQ(RaisedMessage([&] { lam.SetUp(0, 0, 0.7, 0, nan, 0.7, 0.8, 1, 0, 0, 0, 0, 0, 0, 0); }), "0110");
  // Infinite angles are out of range like any other and clamped.
  lam.SetUp(0, 0, 0.7, 0, 0, inf, 0.8, 1, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(lam.StandardParallel1, TGIS_ProjectionLambert::kParallelLimit);
  // Every one of those raises left the defaults in force but the last SetUp.
  EXPECT_EQ(lam.CentralMeridian, 0);
}

TEST(Lambert, UnprojectClampsToTheReachAndBoundsIterations) {
  TGIS_ProjectionLambert lam;
  const TGIS_Point3 far = Unproject(lam, 5e7, 0);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_EASTING_FIXED);
  EXPECT_TRUE(std::isfinite(far.X) && std::isfinite(far.Y));
  const TGIS_Point3 low = Unproject(lam, 0, -9e7);
  EXPECT_EQ(lam.Warnings, GIS_RS_ERR_NORTHING_FIXED);
  EXPECT_LE(lam.LastIterations(), TGIS_ProjectionLambert::kMaxIterations);
  EXPECT_GE(low.Y, -kHalfPi);
  EXPECT_LE(std::fabs(low.X), std::numbers::pi);
  // The corner of the reach, far beyond the map, still gives an angle pair.
  const TGIS_Point3 corner = Unproject(lam, -4e7, 4e7);
  EXPECT_LE(std::fabs(corner.X), std::numbers::pi);
  EXPECT_LE(std::fabs(corner.Y), kHalfPi);
}

}  // namespace
