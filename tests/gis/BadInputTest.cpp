// NaN, infinities and huge values given to SetUp, Project and Unproject:
// each is clamped with a warning or raises EGIS_Exception; no call crashes or
// hands back a NaN it could have refused.
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "gis/projections/GisProjectionUTM.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace {

using namespace gistest;
using gis_angle::kPi;
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Parameters as the converter passes them; one is replaced per case.
struct Params {
  double meridian = 117 * kDeg, origin = 0, fe = 500000, fn = 0, scale = 1;
};

void SetUpWith(TGIS_ProjectionAbstract& p, const Params& v) {
  SetUpTransverse(p, v.meridian, v.origin, v.fe, v.fn, v.scale);
}

TEST(BadInput, TransverseMercatorSetUpRejectsNanAndInfiniteFalseOriginKeepingItsState) {
  struct Case {
    const char* what;
    Params params;
    const char* message;
  };
  Params nanMeridian, nanOrigin, nanScale, nanFe, infFe, infFn;
  nanMeridian.meridian = kNan;
  nanOrigin.origin = kNan;
  nanScale.scale = kNan;
  nanFe.fe = kNan;
  infFe.fe = kInf;
  infFn.fn = -kInf;
  const Case cases[] = {
      {"meridian", nanMeridian, "0221 Central meridian NAN out of scope"},
      {"origin", nanOrigin, "0220 Origin latitide NAN out of scope"},
      {"scale", nanScale, "0110 Invalid parameter \"ScaleFactor\""},
      {"false easting", nanFe, "0110 Invalid parameter \"FalseEasting\""},
      {"false easting", infFe, "0110 Invalid parameter \"FalseEasting\""},
      {"false northing", infFn, "0110 Invalid parameter \"FalseNorthing\""},
  };
  for (const Case& c : cases) {
    TGIS_ProjectionTransverseMercator tm;
    SetUpWith(tm, Params{});
    EXPECT_EQ(Raised([&] { SetUpWith(tm, c.params); }).Message(), c.message) << c.what;
    // The earlier set-up still projects.
    EXPECT_EQ(tm.OriginPoint.X, 117 * kDeg) << c.what;
    EXPECT_EQ(tm.FalseOrigin.X, 500000) << c.what;
    EXPECT_NEAR(Project(tm, 116.391 * kDeg, 39.907 * kDeg).X, 447924.483, 5e-4) << c.what;
  }
}

TEST(BadInput, TransverseMercatorSetUpClampsInfiniteAndHugeAngles) {
  struct Case {
    Params params;
    double meridian, origin, scale;
  };
  Params a, b, c, d;
  a.meridian = kInf;
  a.origin = -kInf;
  a.scale = kInf;
  b.meridian = -kInf;
  b.origin = 1e300;
  b.scale = -kInf;
  c.meridian = -DBL_MAX;
  c.scale = std::numeric_limits<double>::denorm_min();
  d.fe = 1e300;  // finite: kept
  const Case cases[] = {
      {a, 2 * kPi, -kPi / 2, 3.0},
      {b, -kPi, kPi / 2, 0.3},
      {c, -kPi, 0, 0.3},
      {d, 117 * kDeg, 0, 1.0},
  };
  for (const Case& k : cases) {
    TGIS_ProjectionTransverseMercator tm;
    SetUpWith(tm, k.params);
    EXPECT_EQ(tm.OriginPoint.X, k.meridian);
    EXPECT_EQ(tm.OriginPoint.Y, k.origin);
    EXPECT_EQ(tm.StoredScale, k.scale);
    const TGIS_Point3 grid = Project(tm, 116 * kDeg, 40 * kDeg);
    EXPECT_TRUE(std::isfinite(grid.X) && std::isfinite(grid.Y));
  }
}

TEST(BadInput, ParametersAClassDoesNotReadMayBeAnything) {
  TGIS_ProjectionTransverseMercator tm;
  tm.SetUp(12345, 117 * kDeg, 0, 500000, 0, kNan, kInf, 1, kNan, kNan, kNan, kInf, -kInf, kNan, kNan);
  EXPECT_NEAR(Project(tm, 116.391 * kDeg, 39.907 * kDeg).X, 447924.483, 5e-4);
  TGIS_ProjectionUTM utm;
  utm.SetUp(50, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan, kNan);
  EXPECT_NEAR(Project(utm, 116.391 * kDeg, 39.907 * kDeg).X, 447945.313, 5e-4);
}

TEST(BadInput, TransverseMercatorProjectClampsInfinitiesAndRejectsNan) {
  TGIS_ProjectionTransverseMercator tm;
  SetUpWith(tm, Params{});
  struct Clamped {
    double lon, lat;
    const std::string* warning;
    double sameLon, sameLat;  // the point it is clamped to
  };
  const Clamped clamped[] = {
      {117 * kDeg, kInf, &GIS_RS_ERR_LATITUDE_FIXED, 117 * kDeg, kPi / 2},
      {117 * kDeg, -1e300, &GIS_RS_ERR_LATITUDE_FIXED, 117 * kDeg, -kPi / 2},
      {kInf, 0.5, &GIS_RS_ERR_PRJ_DISTORTED, 207 * kDeg, 0.5},
      {-kInf, 0.5, &GIS_RS_ERR_PRJ_DISTORTED, 27 * kDeg, 0.5},
      {DBL_MAX, 0.5, &GIS_RS_ERR_PRJ_DISTORTED, 207 * kDeg, 0.5},
      {-1e300, 0.5, &GIS_RS_ERR_PRJ_DISTORTED, 27 * kDeg, 0.5},
  };
  for (const Clamped& c : clamped) {
    const TGIS_Point3 got = Project(tm, c.lon, c.lat);
    EXPECT_EQ(tm.Warnings, *c.warning) << c.lon << " " << c.lat;
    const TGIS_Point3 same = Project(tm, c.sameLon, c.sameLat);
    EXPECT_NEAR(got.X, same.X, 1e-6) << c.lon << " " << c.lat;
    EXPECT_NEAR(got.Y, same.Y, 1e-6) << c.lon << " " << c.lat;
  }
  EXPECT_EQ(Raised([&] { Project(tm, kNan, 0.5); }).Message(), "0211 Longitude NAN out of scope");
  EXPECT_EQ(Raised([&] { Project(tm, 2.0, kNan); }).Message(), "0210 Latitude NAN out of scope");
  EXPECT_EQ(Raised([&] { Project(tm, 2.0, 0.5, kNan); }).Message(), "0217 Coordinate \"NAN\" invalid");
  EXPECT_EQ(Project(tm, 2.0, 0.5, kInf).Z, kInf);  // an infinite height is passed on as given
}

TEST(BadInput, TransverseMercatorUnprojectRejectsNanInfiniteAndHuge) {
  TGIS_ProjectionTransverseMercator tm;
  SetUpWith(tm, Params{});
  struct Case {
    double x, y;
    const char* message;
  };
  const Case cases[] = {
      {kNan, 0, "0215 Easting NAN out of scope"},
      {kInf, 0, "0215 Easting INF out of scope"},
      {-DBL_MAX, 0, "0215 Easting -1.79769313486232E308 out of scope"},
      {500000, kNan, "0216 Northing NAN out of scope"},
      {500000, -kInf, "0216 Northing -INF out of scope"},
      {500000, 1e300, "0216 Northing 1E300 out of scope"},
  };
  for (const Case& c : cases) EXPECT_EQ(Raised([&] { Unproject(tm, c.x, c.y); }).Message(), c.message);
  EXPECT_EQ(Raised([&] { Unproject(tm, 500000, 0, kNan); }).ErrorCode(), 21);  // 0217
}

TEST(BadInput, UtmRaisesForNanAndInfinities) {
  TGIS_ProjectionUTM utm;
  const struct {
    double x, y;
    int code;
  } project[] = {{kNan, 0.5, 21}, {kInf, 0.5, 21}, {-kInf, 0.5, 21}, {2.0, kNan, 21}, {2.0, kInf, 21}},
    unproject[] = {{kNan, 5e6, 21}, {kInf, 5e6, 21}, {5e5, kNan, 21}, {5e5, -kInf, 21}};
  for (const auto& c : project) EXPECT_EQ(RaisedCode([&] { Project(utm, c.x, c.y); }), c.code) << c.x << " " << c.y;
  EXPECT_EQ(utm.Zone, 0);
  SetZone(utm, 50);
  for (const auto& c : unproject)
    EXPECT_EQ(RaisedCode([&] { Unproject(utm, c.x, c.y); }), c.code) << c.x << " " << c.y;
  EXPECT_EQ(RaisedCode([&] { Project(utm, 2.0, 0.5, kNan); }), 21);
}

// A double drawn from the values that break arithmetic, ordinary angles and
// lengths, and arbitrary bit patterns.
double Hostile(std::mt19937_64& random) {
  static const double specials[] = {kNan,     -kNan,    kInf,  -kInf,  DBL_MAX, -DBL_MAX, 1e300, -1e300,
                                    DBL_MIN,  -DBL_MIN, 4.9e-324, 0.0, -0.0,    kPi,      -kPi,  2 * kPi,
                                    kPi / 2,  -kPi / 2, 1e7,   -1e7,   5e5,     2e7,      -2e7,  1e-300};
  switch (random() % 4) {
    case 0:
      return specials[random() % std::size(specials)];
    case 1:
      return std::uniform_real_distribution<double>(-8, 8)(random);
    case 2:
      return std::uniform_real_distribution<double>(-3e7, 3e7)(random);
    default:
      return std::bit_cast<double>(static_cast<std::uint64_t>(random()));
  }
}

// Every call either raises EGIS_Exception or gives a finite point with Z
// passed through.
void Survive(TGIS_ProjectionAbstract& p, std::mt19937_64& random, int& raised, int& finished) {
  const double z = std::uniform_real_distribution<double>(-100, 100)(random);
  try {
    switch (random() % 5) {
      case 0:
        p.SetUp(static_cast<std::int32_t>(random() % 130) - 65, Hostile(random), Hostile(random), Hostile(random),
                Hostile(random), Hostile(random), Hostile(random), Hostile(random), Hostile(random),
                Hostile(random), Hostile(random), Hostile(random), Hostile(random), Hostile(random),
                Hostile(random));
        break;
      case 1:
      case 2: {
        const TGIS_Point3 r = Project(p, Hostile(random), Hostile(random), z);
        EXPECT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << p.Code() << " project";
        EXPECT_EQ(r.Z, z);
        break;
      }
      default: {
        const TGIS_Point3 r = Unproject(p, Hostile(random), Hostile(random), z);
        EXPECT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << p.Code() << " unproject";
        EXPECT_EQ(r.Z, z);
        break;
      }
    }
    ++finished;
  } catch (const EGIS_Exception&) {
    ++raised;
  }
}

TEST(BadInput, FuzzedCallsRaiseOrGiveFinitePoints) {
  std::mt19937_64 random(0x6b72756567);
  TGIS_ProjectionTransverseMercator tm;
  TGIS_ProjectionUTM utm;
  int raised = 0, finished = 0;
  for (int i = 0; i < 100000; ++i) {
    Survive(tm, random, raised, finished);
    Survive(utm, random, raised, finished);
    if (HasFailure()) break;
  }
  // Both outcomes occur, so the fuzz reaches past the checks.
  EXPECT_GT(raised, 10000);
  EXPECT_GT(finished, 10000);
}

TEST(BadInput, InverseOverTheWholeReachIsFinite) {
  TGIS_ProjectionTransverseMercator tm;
  for (double scale : {0.3, 1.0, 3.0}) {
    SetUpWith(tm, Params{0.5, 0.7, 500000, 0, scale});
    const double ex = tm.MaxEastingOffset, ny = tm.MaxNorthingOffset;
    for (int i = -40; i <= 40; ++i) {
      for (int j = -40; j <= 40; ++j) {
        const TGIS_Point3 r = Unproject(tm, 500000 + ex * i / 40, ny * j / 40);
        ASSERT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << scale << " " << i << " " << j;
        ASSERT_LE(std::abs(r.X), kPi);
        ASSERT_LE(std::abs(r.Y), kPi / 2);
      }
    }
  }
}

}  // namespace
