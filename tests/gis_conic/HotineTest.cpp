// Hotine oblique Mercator in both forms: the centre and the centre line land
// where they should, and the parameters that give no projection are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionHotine2.h"

namespace {

using conictest::Parameters;
using conictest::RaisedMessage;
using conictest::SetUpDegrees;
using gistest::kDeg;
using gistest::Project;
using gistest::Unproject;

// Centre (10 E, 45 N), azimuth 30 degrees, scale 0.9996, false origin (1e5, 2e5).
const Parameters kCentred{10, 45, 1e5, 2e5, 0, 0, 0.9996, 30};

TEST(Hotine, CentreMapsToTheFalseOriginAndTheCentreLineRunsAlongTheAzimuth) {
  TGIS_ProjectionHotine hot;
  SetUpDegrees(hot, kCentred);
  const TGIS_Point3 centre = Project(hot, 10 * kDeg, 45 * kDeg);
  EXPECT_NEAR(centre.X, 1e5, 1e-6);
  EXPECT_NEAR(centre.Y, 2e5, 1e-6);
  // 20 m from the centre along the azimuth (to first order on the ellipsoid):
  // the grid is turned so that this direction keeps its bearing.
  const double a = 6378137, e2 = 0.00669437999014, lat = 45 * kDeg, d = 20, alpha = 30 * kDeg;
  const double w = std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
  const double dLat = d * std::cos(alpha) / (a * (1 - e2) / (w * w * w));
  const double dLon = d * std::sin(alpha) / (a / w * std::cos(lat));
  const TGIS_Point3 along = Project(hot, 10 * kDeg + dLon, lat + dLat);
  EXPECT_NEAR(std::atan2(along.X - 1e5, along.Y - 2e5), alpha, 2e-6);
  // The scale factor holds on the centre line.
  EXPECT_NEAR(std::hypot(along.X - 1e5, along.Y - 2e5) / d, 0.9996, 2e-6);
}

TEST(Hotine, CentreOnTheEquatorOrAPoleIsRefusedAndTheOldSetUpStays) {
  TGIS_ProjectionHotine hot;
  SetUpDegrees(hot, kCentred);
  const TGIS_Point3 before = Project(hot, 12 * kDeg, 47 * kDeg);
  for (double latitude : {0.0, 0.5e-10 / kDeg, 90.0, -90.0, -90 + 0.5e-10 / kDeg}) {
    Parameters q = kCentred;
    q.originLatitude = latitude;
    EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(hot, q); }), "0220") << latitude;
  }
  EXPECT_EQ(hot.OriginLatitude, 45 * kDeg);
  const TGIS_Point3 after = Project(hot, 12 * kDeg, 47 * kDeg);
  EXPECT_EQ(after.X, before.X);
  EXPECT_EQ(after.Y, before.Y);
  // Just off the equator is a centre like any other.
  Parameters nearEquator = kCentred;
  nearEquator.originLatitude = 2e-10 / kDeg;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(hot, nearEquator); }), "");
}

TEST(Hotine, ScaleAndNonFiniteParameters) {
  TGIS_ProjectionHotine hot;
  Parameters q = kCentred;
  q.scale = 0;
  SetUpDegrees(hot, q);
  EXPECT_EQ(hot.ScaleFactor, 0.3);
  EXPECT_EQ(hot.Warnings, GIS_RS_ERR_SCALEFACTOR_FIXED);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(RaisedMessage([&] { hot.SetUp(0, 0.1, 0.7, 0, 0, 0, 0, 1, 0, 0, nan, 0, 0, 0, 0); }), "0110");
  EXPECT_EQ(RaisedMessage([&] { hot.SetUp(0, 0.1, 0.7, 0, 0, 0, 0, nan, 0, 0, 0.5, 0, 0, 0, 0); }), "0110");
  EXPECT_EQ(hot.Azimuth, 30 * kDeg);
}

TEST(Hotine, PointsWithoutSolutionRaise) {
  TGIS_ProjectionHotine hot;
  SetUpDegrees(hot, kCentred);
  // No clamps: a latitude beyond the pole has no image.
  EXPECT_EQ(RaisedMessage([&] { Project(hot, 0.2, 2.0); }), "0235");
  EXPECT_EQ(RaisedMessage([&] { Project(hot, std::numeric_limits<double>::infinity(), 0.7); }), "0211");
  // Far enough from the centre line the inverse overflows.
  EXPECT_EQ(RaisedMessage([&] { Unproject(hot, 1e12, 0); }), "0235");
  // Far along the centre line wraps around the aposphere: still an answer.
  const TGIS_Point3 wrapped = Unproject(hot, 1e5 + 3e7 * 0.5, 2e5 + 3e7 * 0.866);
  EXPECT_TRUE(std::isfinite(wrapped.X) && std::isfinite(wrapped.Y));
}

// ---- Two points -----------------------------------------------------------

const Parameters kTwoPoint{0, 40, 0, 0, 0, 0, 1, 0, -5, 35, 15, 45};

TEST(Hotine2, NothingToProjectUntilTwoPointsAreSetUp) {
  TGIS_ProjectionHotine2 ht2;
  EXPECT_EQ(ht2.OriginLatitude, 45 * kDeg);
  EXPECT_EQ(RaisedMessage([&] { Project(ht2, 0.1, 0.7); }), "0235");
  EXPECT_EQ(RaisedMessage([&] { Unproject(ht2, 0, 0); }), "0235");
  // Changing the datum of such an object is harmless.
  ht2.SetDatum(*GisDatumList->Find("EUR-M"));
  SetUpDegrees(ht2, kTwoPoint);
  EXPECT_EQ(RaisedMessage([&] { Project(ht2, 0.1, 0.7); }), "");
}

TEST(Hotine2, BothPointsLieOnTheCentreLine) {
  TGIS_ProjectionHotine2 ht2;
  SetUpDegrees(ht2, kTwoPoint);
  const TGIS_Point3 p1 = Project(ht2, -5 * kDeg, 35 * kDeg);
  const TGIS_Point3 p2 = Project(ht2, 15 * kDeg, 45 * kDeg);
  // The centre line is the grid line through the false origin (the centre):
  // the two images and the origin are collinear.
  const double cross = p1.X * p2.Y - p1.Y * p2.X;
  EXPECT_LT(std::fabs(cross) / (std::hypot(p1.X, p1.Y) * std::hypot(p2.X, p2.Y)), 1e-9);
  // Along the centre line the scale is the scale factor (1), so the images
  // lie as far apart as the points on the ground: the geodesic between them
  // is 2028372.75 m, which the centre line follows to a few decimetres.
  EXPECT_NEAR(std::hypot(p2.X - p1.X, p2.Y - p1.Y), 2028372.75, 1.0);
}

TEST(Hotine2, PointRulesAndTheirOrder) {
  TGIS_ProjectionHotine2 ht2;
  SetUpDegrees(ht2, kTwoPoint);
  const TGIS_Point3 before = Project(ht2, 0.1, 0.7);
  Parameters q = kTwoPoint;
  q.point2Latitude = q.point1Latitude + 0.5e-10 / kDeg;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(ht2, q); }), "0223");
  q = kTwoPoint;
  q.point1Latitude = 0;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(ht2, q); }), "0220");
  q.point1Latitude = 90;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(ht2, q); }), "0220");
  // The origin latitude is checked first, then the two latitudes, then point 1.
  q = kTwoPoint;
  q.originLatitude = 0;
  q.point2Latitude = q.point1Latitude;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(ht2, q); }), "0220");
  q.originLatitude = 40;
  q.point1Latitude = q.point2Latitude = 0;
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(ht2, q); }), "0223");
  // None of it changed the projection.
  const TGIS_Point3 after = Project(ht2, 0.1, 0.7);
  EXPECT_EQ(after.X, before.X);
  EXPECT_EQ(after.Y, before.Y);
  // The azimuth is not one of its parameters.
  ht2.SetUp(0, 0, 40 * kDeg, 0, 0, 0, 0, 1, 0, 0, 1.0, -5 * kDeg, 35 * kDeg, 15 * kDeg, 45 * kDeg);
  EXPECT_EQ(ht2.Azimuth, 0);
}

}  // namespace
