// New Zealand Map Grid: fixed origin on the International 1924 ellipsoid,
// deaf to SetUp, X and Y only, and a refused inverse instead of a made-up
// answer where the iteration does not settle.
#include <gtest/gtest.h>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionNZMG.h"

namespace {

using conictest::RaisedMessage;
using gistest::kDeg;

TEST(NZMG, OriginIsTheFalseOrigin) {
  TGIS_ProjectionNZMG nzmg;
  const TGIS_Point3 origin = gistest::Project(nzmg, 173 * kDeg, -41 * kDeg);
  EXPECT_NEAR(origin.X, 2510000, 1e-6);
  EXPECT_NEAR(origin.Y, 6023150, 1e-6);
}

TEST(NZMG, SetUpChangesNothing) {
  TGIS_ProjectionNZMG nzmg;
  const TGIS_Point3 before = gistest::Project(nzmg, 174.8 * kDeg, -36.9 * kDeg);
  nzmg.SetUp(5, 1.0, 0.5, 100, 200, 0.1, 0.2, 2, 0, 0, 0.3, 0, 0, 0, 0);
  EXPECT_NEAR(nzmg.CentralMeridian, 173 * kDeg, 1e-15);
  EXPECT_EQ(nzmg.FalseEasting, 2510000);
  const TGIS_Point3 after = gistest::Project(nzmg, 174.8 * kDeg, -36.9 * kDeg);
  EXPECT_EQ(after.X, before.X);
  EXPECT_EQ(after.Y, before.Y);
}

TEST(NZMG, WritesOnlyXAndY) {
  TGIS_ProjectionNZMG nzmg;
  TGIS_Point3 result{0, 0, 77};
  nzmg.Project(MakePoint3(174.8 * kDeg, -36.9 * kDeg, 5), result);
  EXPECT_EQ(result.Z, 77);
  nzmg.Unproject(MakePoint3(2670000, 6480000, 5), result);
  EXPECT_EQ(result.Z, 77);
  EXPECT_NEAR(result.X / kDeg, 174.8, 0.2);
  EXPECT_NEAR(result.Y / kDeg, -36.9, 0.2);
}

TEST(NZMG, InverseThatDoesNotSettleRaisesInsteadOfAnsweringZero) {
  TGIS_ProjectionNZMG nzmg;
  TGIS_Point3 result{1, 2, 3};
  EXPECT_EQ(RaisedMessage([&] { nzmg.Unproject(MakePoint3(9e9, -9e9, 0), result); }), "0235");
  EXPECT_EQ(result.X, 1);
  EXPECT_EQ(result.Y, 2);
}

}  // namespace
