// Unproject(Project(p)) returns p within 1e-9 rad for every class, over its
// domain, with the default set-up and with a shifted one, on two ellipsoids.
// At a pole the longitude has no meaning on maps that shrink the pole to a
// point, so there the longitude error is weighted by cos(latitude), the
// distance it makes on the ground.
#include "CylindricalTestSupport.h"

#include "gis/GisDatums.h"

#include <algorithm>

namespace {

using namespace cyl_test;

struct Domain {
  const char* code;
  double latLimit;  // degrees
};

// On most of these maps the pole is a double root of the northing (or of the
// auxiliary equation): one unit in the last place of a northing with a false
// origin moves the pole's latitude by ~2e-8 rad, for any implementation. The
// grids therefore stop 0.01 degrees short of the poles (where that effect is
// ~1e-12 rad); PoleRoundTrip covers the poles themselves.
const Domain kDomains[] = {
    {"MER", 89.75}, {"ROB", 89.75}, {"CEA", 89.99}, {"TCE", 89.99}, {"EQC", 89.99},
    {"MIL", 89.99}, {"MOL", 89.99}, {"EC4", 89.99}, {"EC6", 89.99}, {"WA4", 89.99},
    {"WA7", 89.99}, {"GRI", 89.99}, {"SIN", 89.99},
};

struct SetUpCase {
  const char* name;
  const char* datum;
  Params params;
};

const SetUpCase kSetUps[] = {
    {"default", "WGE", {}},
    // A meridian above pi (stored as value - 2 pi), a true-scale or origin
    // latitude where the class reads one, a scale where it reads one.
    {"shifted", "PUK", {250 * kDeg, 35 * kDeg, 500000, -2e6, 0.9996}},
};

class RoundTrip : public ::testing::TestWithParam<Domain> {};

TEST_P(RoundTrip, UnprojectUndoesProject) {
  const Domain& d = GetParam();
  for (const SetUpCase& s : kSetUps) {
    auto p = Make(d.code);
    ASSERT_TRUE(p);
    p->SetDatum(*GisDatumList->Find(s.datum));
    cyl_test::SetUp(*p, s.params);
    double worst = 0;
    std::string worstAt;
    for (int row = 0; row <= 90; ++row) {
      const double latDeg = -d.latLimit + row * d.latLimit / 45;
      for (int column = 0; column <= 96; ++column) {
        const double dlonDeg = -180 + column * 3.75;
        const double lat = latDeg * kDeg;
        const double lon = std::remainder(s.params.centralMeridian + dlonDeg * kDeg, 2 * kPi);
        const TGIS_Point3 plane = Forward(*p, lon, lat, 12.5);
        const TGIS_Point3 back = Inverse(*p, plane.X, plane.Y, plane.Z);
        EXPECT_EQ(back.Z, 12.5);
        // -180 and +180 are the same meridian.
        const double error = std::max(std::fabs(back.Y - lat), std::fabs(LongitudeGap(back.X, lon)) * std::cos(lat));
        if (error > worst) {
          worst = error;
          worstAt = std::to_string(latDeg) + ", " + std::to_string(dlonDeg);
        }
        ASSERT_LE(error, 1e-9) << d.code << " (" << s.name << ") at lat " << latDeg << ", dlon " << dlonDeg
                               << ": back at " << back.X / kDeg << ", " << back.Y / kDeg;
      }
    }
    std::printf("[ %s %-8s ] worst round trip %.3g rad (at %s)\n", d.code, s.name, worst, worstAt.c_str());
  }
}

INSTANTIATE_TEST_SUITE_P(Family, RoundTrip, ::testing::ValuesIn(kDomains),
                         [](const ::testing::TestParamInfo<Domain>& info) { return std::string(info.param.code); });

}  // namespace
