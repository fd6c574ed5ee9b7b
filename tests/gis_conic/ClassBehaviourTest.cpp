// What sets each conic, azimuthal and polyconic class apart: its degenerate
// parameters, its special points and its own warnings.
#include <gtest/gtest.h>

#include <cmath>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionAlbers.h"
#include "gis/projections/GisProjectionBonne.h"
#include "gis/projections/GisProjectionCassini.h"
#include "gis/projections/GisProjectionOrthographic.h"
#include "gis/projections/GisProjectionPolarStereographic.h"
#include "gis/projections/GisProjectionPolyconic.h"

namespace {

using conictest::Parameters;
using conictest::RaisedMessage;
using conictest::SetUpDegrees;
using gistest::kDeg;
using gistest::Project;
using gistest::Unproject;
using gis_angle::kPi;
constexpr double kA = 6378137;
constexpr double kE2 = 0.00669437999014;

// Radius of the parallel on WGS 84.
double ParallelRadius(double lat) { return kA * std::cos(lat) / std::sqrt(1 - kE2 * std::sin(lat) * std::sin(lat)); }

TEST(Albers, ParallelsWithoutAConeRaiseAndKeepThePreviousSetUp) {
  TGIS_ProjectionAlbers alb;
  SetUpDegrees(alb, Parameters{10, 40, 0, 0, 30, 50});
  const TGIS_Point3 before = Project(alb, 12 * kDeg, 45 * kDeg);
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(alb, Parameters{10, 40, 0, 0, 35, -35}); }), "0235");
  EXPECT_EQ(RaisedMessage([&] { SetUpDegrees(alb, Parameters{10, 40, 0, 0, 0, 0}); }), "0235");
  EXPECT_EQ(alb.StandardParallel2, 50 * kDeg);
  const TGIS_Point3 after = Project(alb, 12 * kDeg, 45 * kDeg);
  EXPECT_EQ(after.X, before.X);
  EXPECT_EQ(after.Y, before.Y);
  // Parallels beyond the poles are clamped, with the family's warnings.
  SetUpDegrees(alb, Parameters{10, 40, 0, 0, 95, 50});
  EXPECT_EQ(alb.StandardParallel1, kPi / 2);
  EXPECT_EQ(alb.Warnings, GIS_RS_ERR_STANDARDPARALLEL_1_FIXED);
}

TEST(Albers, StandardParallelsKeepTheirLength) {
  // True scale along both standard parallels: a short arc of either has its
  // ground length on the map.
  TGIS_ProjectionAlbers alb;
  for (double lat : {40 * kDeg, 50 * kDeg}) {
    const TGIS_Point3 p = Project(alb, 0, lat);
    const TGIS_Point3 q = Project(alb, 1e-6, lat);
    EXPECT_NEAR(std::hypot(q.X - p.X, q.Y - p.Y) / (ParallelRadius(lat) * 1e-6), 1, 1e-8);
  }
}

TEST(Bonne, StandardParallelKeepsItsLengthAndTheEquatorCaseIsSinusoidal) {
  TGIS_ProjectionBonne bon;
  const TGIS_Point3 p = Project(bon, 0, 45 * kDeg);
  EXPECT_NEAR(p.X, 0, 1e-9);
  EXPECT_NEAR(p.Y, 0, 1e-9);
  const TGIS_Point3 q = Project(bon, 1e-6, 45 * kDeg);
  EXPECT_NEAR(std::hypot(q.X - p.X, q.Y - p.Y) / (ParallelRadius(45 * kDeg) * 1e-6), 1, 1e-8);
  // On the equator the apex is infinitely far: every parallel is straight and
  // true to length.
  SetUpDegrees(bon, Parameters{0, 0});
  const TGIS_Point3 s = Project(bon, 1.0, 30 * kDeg);
  EXPECT_NEAR(s.X, ParallelRadius(30 * kDeg) * 1.0, 1e-6);
  EXPECT_NEAR(Project(bon, -1.0, 30 * kDeg).Y, s.Y, 1e-9);
}

TEST(Cassini, WarnsWhenTheAnswerLiesMoreThanFourDegreesFromTheMeridian) {
  TGIS_ProjectionCassini cas;
  SetUpDegrees(cas, Parameters{20, 45});
  for (const double dLon : {3.9, -3.9, 4.1, -4.1}) {
    const TGIS_Point3 grid = Project(cas, (20 + dLon) * kDeg, 50 * kDeg);
    cas.Warnings.clear();
    const TGIS_Point3 back = Unproject(cas, grid.X, grid.Y);
    EXPECT_NEAR(back.X, (20 + dLon) * kDeg, 1e-12);
    EXPECT_EQ(cas.Warnings, std::fabs(dLon) > 4 ? GIS_RS_ERR_LONGITUDE_FIXED : "") << dLon;
  }
  // Northings count from the origin parallel.
  EXPECT_NEAR(Project(cas, 20 * kDeg, 45 * kDeg).Y, 0, 1e-6);
}

TEST(PolarStereographic, SouthIsTheMirrorOfNorthAndTheFarPoleHasNoImage) {
  TGIS_ProjectionPolarStereographic north, south;
  SetUpDegrees(north, Parameters{0, 71});
  SetUpDegrees(south, Parameters{0, -71});
  const TGIS_Point3 n = Project(north, 30 * kDeg, 75 * kDeg);
  const TGIS_Point3 s = Project(south, 30 * kDeg, -75 * kDeg);
  EXPECT_NEAR(s.X, n.X, 1e-9);
  EXPECT_NEAR(s.Y, -n.Y, 1e-9);
  // The pole is the false origin; the latitude of true scale keeps its length.
  const TGIS_Point3 pole = Project(south, 1.0, -kPi / 2);
  EXPECT_NEAR(pole.X, 0, 1e-9);
  EXPECT_NEAR(pole.Y, 0, 1e-9);
  const TGIS_Point3 a = Project(south, 0, -71 * kDeg);
  const TGIS_Point3 b = Project(south, 1e-6, -71 * kDeg);
  EXPECT_NEAR(std::hypot(b.X - a.X, b.Y - a.Y) / (ParallelRadius(71 * kDeg) * 1e-6), 1, 1e-8);

  TGIS_Point3 untouched{4, 5, 6};
  south.Project(MakePoint3(0.3, kPi / 2, 0), untouched);
  EXPECT_EQ(untouched.X, 4);
  EXPECT_EQ(untouched.Y, 5);
  EXPECT_EQ(south.Warnings, GIS_RS_ERR_LATITUDE_FIXED);
}

TEST(PolarStereographic, ReachIsTheEquatorAtTrueScaleOnThePole) {
  TGIS_ProjectionPolarStereographic pol;
  const TGIS_Point3 equator = Project(pol, 0, 0);
  EXPECT_NEAR(-equator.Y, 12713601, 1);
}

TEST(Orthographic, FarSideWarnsAndTheRimComesBackAsTheHorizon) {
  TGIS_ProjectionOrthographic ort;
  SetUpDegrees(ort, Parameters{30, 0, 1000, 2000});
  EXPECT_NEAR(ort.Radius(), 6371007.181, 1e-3);
  const TGIS_Point3 centre = Project(ort, 30 * kDeg, 0);
  EXPECT_NEAR(centre.X, 1000, 1e-9);
  EXPECT_NEAR(centre.Y, 2000, 1e-9);
  ort.Warnings.clear();
  Project(ort, 60 * kDeg, 10 * kDeg);
  EXPECT_TRUE(ort.Warnings.empty());
  Project(ort, -150 * kDeg, 10 * kDeg);
  EXPECT_EQ(ort.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  // The rim is the horizon: 90 degrees from the origin.
  const TGIS_Point3 rim = Unproject(ort, 1000 + ort.Radius(), 2000);
  EXPECT_NEAR(rim.X, 120 * kDeg, 1e-9);
  EXPECT_NEAR(rim.Y, 0, 1e-9);
  // Off the disk but inside the reach the point is taken to the rim, here
  // 45 degrees up from the equator.
  const TGIS_Point3 beyond = Unproject(ort, 1000 + 0.8 * ort.Radius(), 2000 + 0.8 * ort.Radius());
  EXPECT_NEAR(beyond.X, 120 * kDeg, 1e-9);
  EXPECT_NEAR(beyond.Y, 45 * kDeg, 1e-9);
}

TEST(Polyconic, EquatorIsStraightAndAPointOffTheMapIsFlagged) {
  TGIS_ProjectionPolyconic plc;
  SetUpDegrees(plc, Parameters{-96, 30, 0, 0});
  const double equatorY = Project(plc, -96 * kDeg, 0).Y;
  EXPECT_NEAR(Project(plc, -40 * kDeg, 0).Y, equatorY, 1e-9);
  EXPECT_NEAR(Project(plc, -96 * kDeg, 30 * kDeg).Y, 0, 1e-9);
  // Every parallel keeps its length along the parallel.
  const TGIS_Point3 a = Project(plc, -96 * kDeg, 60 * kDeg);
  const TGIS_Point3 b = Project(plc, -96 * kDeg + 1e-6, 60 * kDeg);
  EXPECT_NEAR(std::hypot(b.X - a.X, b.Y - a.Y) / (ParallelRadius(60 * kDeg) * 1e-6), 1, 1e-8);
  // Above the pole on the central meridian is nowhere on the map.
  plc.Warnings.clear();
  const TGIS_Point3 off = Unproject(plc, 0, 1.2e7);
  EXPECT_EQ(plc.Warnings, GIS_RS_ERR_PRJ_DISTORTED);
  EXPECT_TRUE(std::isfinite(off.X) && std::isfinite(off.Y));
}

}  // namespace
