// Parameters and inputs out of range: SetUp, Project and Unproject correct
// them with a warning and carry on; NaN (which no bound test catches) and
// parameters without a range raise instead of reaching the formulas.
#include "CylindricalTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <set>

namespace {

using namespace cyl_test;

// The classes that read an origin latitude, and its limit.
double OriginLatitudeLimit(const std::string& code) {
  if (code == "MER") return 1.5664330036649108;  // 89.75 degrees
  if (code == "CEA" || code == "EQC" || code == "TCE") return kPi / 2;
  return 0;  // not read
}

// Project's latitude limit.
double LatitudeLimit(const std::string& code) {
  return code == "MER" || code == "ROB" ? 1.5664330036649108 : kPi / 2;
}

TEST(SetUpClamps, CentralMeridian) {
  for (const std::string& code : kCodes) {
    const bool toMinusPi = code == "MER" || code == "ROB";
    auto p = Make(code);
    cyl_test::SetUp(*p, {-4});
    EXPECT_EQ(p->CentralMeridian, toMinusPi ? -kPi : kPi) << code;
    EXPECT_EQ(WarningNumber(*p), "0245") << code;
    // 2*pi is the bound, then stored as value - 2*pi.
    cyl_test::SetUp(*p, {7});
    EXPECT_EQ(p->CentralMeridian, 0.0) << code;
    EXPECT_EQ(WarningNumber(*p), "0245") << code;
    p->Warnings.clear();
    cyl_test::SetUp(*p, {1.5 * kPi});
    EXPECT_DOUBLE_EQ(p->CentralMeridian, -0.5 * kPi) << code;
    cyl_test::SetUp(*p, {-kPi});
    EXPECT_EQ(p->CentralMeridian, -kPi) << code;
    EXPECT_EQ(p->Warnings, "") << code;
    cyl_test::SetUp(*p, {kInf});
    EXPECT_EQ(p->CentralMeridian, 0.0) << code;  // 2*pi
  }
}

TEST(SetUpClamps, OriginLatitudeWhereItIsRead) {
  for (const std::string& code : kCodes) {
    const double limit = OriginLatitudeLimit(code);
    auto p = Make(code);
    cyl_test::SetUp(*p, {0, 2.0});
    if (limit == 0) {
      EXPECT_EQ(p->OriginLatitude, 0.0) << code << " reads no origin latitude";
      EXPECT_EQ(p->Warnings, "") << code;
      continue;
    }
    EXPECT_EQ(p->OriginLatitude, limit) << code;
    // CEA and EQC then warn that the map is a line (see DegenerateTrueScale).
    EXPECT_TRUE(WarningNumber(*p) == "0244" || WarningNumber(*p) == "0236") << code << ": " << p->Warnings;
    cyl_test::SetUp(*p, {0, -kInf});
    EXPECT_EQ(p->OriginLatitude, -limit) << code;
    cyl_test::SetUp(*p, {0, 0.5});
    EXPECT_EQ(p->OriginLatitude, 0.5) << code;
  }
  auto mercator = Make("MER", {0, 1.5664330036649108});
  EXPECT_EQ(mercator->Warnings, "");  // the bound itself is accepted
}

// A latitude of true scale at the pole squeezes CEA and EQC into a line: the
// map still projects and inverts finite values, and SetUp says it is
// distorted.
TEST(SetUpClamps, DegenerateTrueScale) {
  for (const char* code : {"CEA", "EQC"}) {
    for (double lat0 : {kPi / 2, -kPi / 2}) {
      auto p = Make(code, {0, lat0});
      EXPECT_EQ(WarningNumber(*p), "0236") << code;
      const TGIS_Point3 plane = Forward(*p, 1.0, 0.5);
      ASSERT_TRUE(std::isfinite(plane.X) && std::isfinite(plane.Y)) << code;
      const TGIS_Point3 back = Inverse(*p, plane.X, plane.Y);
      EXPECT_NEAR(back.X, 1.0, 1e-6) << code;
      EXPECT_NEAR(back.Y, 0.5, 1e-9) << code;
    }
  }
}

TEST(SetUpClamps, TceaScaleFactorHasTransverseMercatorsRange) {
  auto p = Make("TCE");
  cyl_test::SetUp(*p, {0, 0, 0, 0, 0.0});
  EXPECT_EQ(p->ScaleFactor, 0.3);
  EXPECT_EQ(WarningNumber(*p), "0248");
  cyl_test::SetUp(*p, {0, 0, 0, 0, -2});
  EXPECT_EQ(p->ScaleFactor, 0.3);
  cyl_test::SetUp(*p, {0, 0, 0, 0, kInf});
  EXPECT_EQ(p->ScaleFactor, 3.0);
  p->Warnings.clear();  // a SetUp without a warning leaves the last one
  cyl_test::SetUp(*p, {0, 0, 0, 0, 0.9996});
  EXPECT_EQ(p->ScaleFactor, 0.9996);
  EXPECT_EQ(p->Warnings, "");
  EXPECT_NEAR(Forward(*p, 0, 0.5).Y, 0.9996 * Forward(*Make("TCE"), 0, 0.5).Y, 1e-6);
  // The other classes read no scale.
  auto m = Make("MOL", {0, 0, 0, 0, 0.0});
  EXPECT_EQ(m->ScaleFactor, 1.0);
}

TEST(SetUpClamps, NanAndInfiniteParametersRaiseAndChangeNothing) {
  const Params good{100 * kDeg, 10 * kDeg, 1000, 2000, 0.9};
  struct Bad {
    Params params;
    std::string number;  // message number raised
    bool onlyIfOriginLatitude = false;
    bool onlyTcea = false;
  };
  const Bad kBad[] = {
      {{kNan, 0, 0, 0, 1}, "0221"},
      {{0, 0, kNan, 0, 1}, "0110"},
      {{0, 0, 0, kInf, 1}, "0110"},
      {{0, 0, -kInf, 0, 1}, "0110"},
      {{0, kNan, 0, 0, 1}, "0220", true},
      {{0, 0, 0, 0, kNan}, "0110", false, true},
  };
  for (const std::string& code : kCodes) {
    auto p = Make(code, good);
    const TGIS_Point3 before = Forward(*p, 2.0, 0.3);
    const double meridian = p->CentralMeridian;
    for (const Bad& b : kBad) {
      if (b.onlyIfOriginLatitude && OriginLatitudeLimit(code) == 0) continue;
      if (b.onlyTcea && code != "TCE") continue;
      EXPECT_EQ(RaisedNumber([&] { cyl_test::SetUp(*p, b.params); }), b.number) << code;
      EXPECT_EQ(p->CentralMeridian, meridian) << code;
      EXPECT_EQ(p->FalseEasting, 1000) << code;
      EXPECT_EQ(p->FalseNorthing, 2000) << code;
      const TGIS_Point3 after = Forward(*p, 2.0, 0.3);
      EXPECT_EQ(after.X, before.X) << code;
      EXPECT_EQ(after.Y, before.Y) << code;
    }
  }
}

TEST(ProjectClamps, LatitudeAndLongitudeOutOfRange) {
  for (const std::string& code : kCodes) {
    auto p = Make(code, {20 * kDeg, 0, 100, 200});
    const double limit = LatitudeLimit(code);
    const TGIS_Point3 atLimit = Forward(*p, 0.5, limit);
    EXPECT_EQ(p->Warnings, "") << code;
    for (double lat : {limit + 1e-6, 2.0, kInf}) {
      const TGIS_Point3 r = Forward(*p, 0.5, lat);
      EXPECT_EQ(WarningNumber(*p), "0240") << code;
      EXPECT_EQ(r.X, atLimit.X) << code;
      EXPECT_EQ(r.Y, atLimit.Y) << code;
    }
    EXPECT_EQ(Forward(*p, 0.5, -3.0).Y, Forward(*p, 0.5, -limit).Y) << code;
    // Longitudes: -pi .. 2*pi accepted, beyond clamped with 0241.
    const TGIS_Point3 west = Forward(*p, -kPi, 0.4);
    const TGIS_Point3 farWest = Forward(*p, -5.0, 0.4);
    EXPECT_EQ(WarningNumber(*p), "0241") << code;
    EXPECT_EQ(farWest.X, west.X) << code;
    EXPECT_EQ(Forward(*p, 9.0, 0.4).X, Forward(*p, 2 * kPi, 0.4).X) << code;
    EXPECT_EQ(WarningNumber(*p), "0241") << code;
    // NaN has no nearer bound.
    EXPECT_EQ(RaisedNumber([&] { Forward(*p, 0.5, kNan); }), "0210") << code;
    EXPECT_EQ(RaisedNumber([&] { Forward(*p, kNan, 0.5); }), "0211") << code;
    EXPECT_EQ(RaisedNumber([&] { Forward(*p, 0.5, 0.5, kNan); }), "0217") << code;
  }
}

// Delta longitude is wrapped into [-pi, pi]: a longitude and the same one a
// turn later are the same point, and the seam opposite the meridian is the
// map's edge.
TEST(ProjectClamps, LongitudeDifferenceIsWrapped) {
  for (const std::string& code : kCodes) {
    auto p = Make(code, {-170 * kDeg});
    const TGIS_Point3 a = Forward(*p, -2.0, 0.2);
    const TGIS_Point3 b = Forward(*p, -2.0 + 2 * kPi, 0.2);
    EXPECT_EQ(p->Warnings, "") << code;
    EXPECT_NEAR(a.X, b.X, 1e-6) << code;
    EXPECT_NEAR(a.Y, b.Y, 1e-6) << code;
    // 175 E lies 15 degrees west of 170 W, across the seam.
    const TGIS_Point3 across = Forward(*p, 175 * kDeg, 0.2);
    const TGIS_Point3 direct = Forward(*Make(code), -15 * kDeg, 0.2);
    EXPECT_NEAR(across.X, direct.X, 1e-6) << code;
    EXPECT_NEAR(across.Y, direct.Y, 1e-6) << code;
  }
}

TEST(UnprojectClamps, ReachAndNan) {
  for (const std::string& code : kCodes) {
    auto p = Make(code, {30 * kDeg, 0, 5e5, -1e6});
    const double east = 5e5 + p->MaxEastingOffset;
    const TGIS_Point3 edge = Inverse(*p, east, -1e6 + 1000);
    EXPECT_EQ(p->Warnings, "") << code;
    const TGIS_Point3 beyond = Inverse(*p, east + 1e7, -1e6 + 1000);
    EXPECT_EQ(WarningNumber(*p), "0243") << code;
    EXPECT_EQ(beyond.X, edge.X) << code;
    EXPECT_EQ(beyond.Y, edge.Y) << code;
    const TGIS_Point3 top = Inverse(*p, 5e5, -1e6 + p->MaxNorthingOffset);
    const TGIS_Point3 aboveTop = Inverse(*p, 5e5, kInf);
    EXPECT_EQ(WarningNumber(*p), "0242") << code;
    EXPECT_EQ(aboveTop.Y, top.Y) << code;
    EXPECT_EQ(RaisedNumber([&] { Inverse(*p, kNan, 0); }), "0215") << code;
    EXPECT_EQ(RaisedNumber([&] { Inverse(*p, 0, kNan); }), "0216") << code;
    EXPECT_EQ(RaisedNumber([&] { Inverse(*p, 0, 0, kNan); }), "0217") << code;
    EXPECT_EQ(Inverse(*p, 5e5, -1e6, -7.5).Z, -7.5) << code;
  }
}

// The reach is a box; the maps with curved outlines leave its corners empty.
// Anything in or beyond the box comes back as a finite point of the globe,
// never NaN and never an exception; points beside the outline come back on
// the outline's meridian.
TEST(UnprojectClamps, EveryPlanePointHasAFiniteAnswer) {
  for (const std::string& code : kCodes) {
    auto p = Make(code, {-120 * kDeg, 0.2, 3e5, 4e5});
    for (int i = 0; i <= 60; ++i) {
      for (int j = 0; j <= 60; ++j) {
        const double x = 3e5 + (i / 30.0 - 1) * 1.5 * p->MaxEastingOffset;
        const double y = 4e5 + (j / 30.0 - 1) * 1.5 * p->MaxNorthingOffset;
        TGIS_Point3 r;
        ASSERT_EQ(RaisedNumber([&] { r = Inverse(*p, x, y); }), "none") << code << " at " << x << ", " << y;
        ASSERT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << code << " at " << x << ", " << y;
        EXPECT_LE(std::fabs(r.X), kPi) << code;
        EXPECT_LE(std::fabs(r.Y), kPi / 2) << code;
      }
    }
    // Projecting the answer gives a point of the map, and doing it again
    // stays there: the clamping is idempotent.
    const TGIS_Point3 corner = Inverse(*p, 3e5 + p->MaxEastingOffset, 4e5 + 0.7 * p->MaxNorthingOffset);
    const TGIS_Point3 onMap = Forward(*p, corner.X, corner.Y);
    const TGIS_Point3 again = Inverse(*p, onMap.X, onMap.Y);
    EXPECT_NEAR(again.X, corner.X, 1e-9) << code;
    EXPECT_NEAR(again.Y, corner.Y, 1e-9) << code;
  }
}

TEST(UnprojectClamps, BesideTheOutlineTheOuterMeridianIsTaken) {
  for (const char* code : {"ROB", "MOL", "EC4", "EC6", "WA4", "SIN", "WA7", "GRI"}) {
    auto p = Make(code, {10 * kDeg});
    const TGIS_Point3 r = Inverse(*p, p->MaxEastingOffset, 0.8 * p->MaxNorthingOffset);
    EXPECT_NEAR(std::fabs(LongitudeGap(r.X, 10 * kDeg)), kPi, 1e-9) << code;
    EXPECT_GT(r.Y, 0) << code;
  }
}

// At the poles: maps that end in a pole line give back the longitude too;
// maps that end in a point give the central meridian. Latitude returns to
// within 1e-7 rad: the pole is a double root of most of these maps, so a unit
// in the last place of the northing is ~2e-8 rad of latitude there.
TEST(PoleRoundTrip, PoleLinesAndPolePoints) {
  const std::set<std::string> kPolePoints = {"MOL", "GRI", "SIN", "TCE"};
  for (const std::string& code : kCodes) {
    if (code == "MER" || code == "ROB") continue;  // they stop at 89.75 degrees
    auto p = Make(code, {40 * kDeg, 0, 1e5, -3e5});
    for (double pole : {kPi / 2, -kPi / 2}) {
      for (double dlonDeg : {-150.0, -30.0, 60.0, 180.0}) {
        const double lon = std::remainder(40 * kDeg + dlonDeg * kDeg, 2 * kPi);
        const TGIS_Point3 plane = Forward(*p, lon, pole);
        const TGIS_Point3 back = Inverse(*p, plane.X, plane.Y);
        EXPECT_NEAR(back.Y, pole, 1e-7) << code;
        if (kPolePoints.count(code))
          EXPECT_NEAR(LongitudeGap(back.X, 40 * kDeg), 0, 1e-9) << code;
        else
          EXPECT_NEAR(LongitudeGap(back.X, lon), 0, 1e-9) << code << " dlon " << dlonDeg;
      }
    }
  }
}

}  // namespace

namespace {

// Any double at all, weighted towards the awkward ones.
double HostileValue(std::mt19937_64& random) {
  static const double kSpecial[] = {0.0, -0.0, 1e-310, -1e-310, 1e-300, 1e300, -1e300, kInf, -kInf,
                                    kPi / 2, -kPi / 2, kPi, -kPi, 2 * kPi, 1.5664330036649108, 4e7, -4e7};
  switch (random() % 4) {
    case 0: return kSpecial[random() % std::size(kSpecial)];
    case 1: return std::uniform_real_distribution<double>(-10, 10)(random);
    case 2: return std::uniform_real_distribution<double>(-5e7, 5e7)(random);
    default: {
      std::uint64_t bits = random();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return value;  // may be NaN
    }
  }
}

// Seeded hostile input to SetUp, Project and Unproject of every class: each
// call either succeeds with a finite result or raises one of the engine's
// listed errors, and the projection keeps working afterwards.
TEST(HostileInput, NoCrashNoNanNoStrayException) {
  std::mt19937_64 random(0x5eed);
  const std::set<std::string> kListed = {"0110", "0210", "0211", "0215", "0216", "0217", "0220", "0221", "0235"};
  for (const std::string& code : kCodes) {
    auto p = Make(code);
    for (int i = 0; i < 3000; ++i) {
      std::string raised;
      try {
        switch (i % 3) {
          case 0:
            cyl_test::SetUp(*p, {HostileValue(random), HostileValue(random), HostileValue(random),
                                 HostileValue(random), HostileValue(random)});
            break;
          case 1: {
            const TGIS_Point3 r = Forward(*p, HostileValue(random), HostileValue(random));
            ASSERT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << code;
            break;
          }
          default: {
            const TGIS_Point3 r = Inverse(*p, HostileValue(random), HostileValue(random));
            ASSERT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y)) << code;
            EXPECT_LE(std::fabs(r.X), kPi) << code;
            EXPECT_LE(std::fabs(r.Y), kPi / 2) << code;
          }
        }
      } catch (const EGIS_Exception& e) {
        raised = e.Message().substr(0, 4);
      }
      if (!raised.empty()) {
        EXPECT_TRUE(kListed.count(raised)) << code << " raised " << raised;
      }
    }
    // Still a working projection: a plain set-up and a round trip.
    cyl_test::SetUp(*p, {0.5, 0.1, 10, 20, 1});
    const TGIS_Point3 plane = Forward(*p, 1.0, 0.6);
    const TGIS_Point3 back = Inverse(*p, plane.X, plane.Y);
    EXPECT_NEAR(back.X, 1.0, 1e-9) << code;
    EXPECT_NEAR(back.Y, 0.6, 1e-9) << code;
  }
}

}  // namespace
