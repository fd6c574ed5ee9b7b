// The authalic latitude behind the equal-area maps (CEA, TCE, Albers), both
// ways, on a dense grid: back from q and from beta's direction, the poles,
// past the poles, and q beyond its range.
#include "gis/projections/GisAuthalicLatitude.h"

#include "gis/GisAngles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

using gis_angle::kHalfPi;
using gis_angle::kPi;

// WGS 84, a sphere, and a flatter-than-earth ellipsoid for margin.
constexpr double kEccentricities2[] = {0.0066943799901413165, 0.0, 0.02};

TEST(AuthalicLatitude, LatitudeComesBackFromQ) {
  for (const double e2 : kEccentricities2) {
    const TGIS_AuthalicLatitude authalic(e2);
    // q flattens out towards the poles, so that a rounding of q moves phi by
    // about eps / cos(phi): the error is weighed by cos(phi) up to 89.9
    // degrees, and bounded as it is in the last tenth.
    double worst = 0;
    double worstPole = 0;
    for (int i = -9000; i <= 9000; ++i) {
      const double phi = i * 0.01 * kPi / 180;
      const double error = std::fabs(authalic.FromQ(authalic.Q(std::sin(phi))) - phi);
      if (std::abs(i) < 8990)
        worst = std::fmax(worst, error * std::cos(phi));
      else
        worstPole = std::fmax(worstPole, error);
    }
    std::printf("Latitude from q, e2 = %.4g: worst error x cos(phi) %.3g rad, beyond 89.9 degrees %.3g rad\n", e2,
                worst, worstPole);
    EXPECT_LT(worst, 1e-15) << e2;
    EXPECT_LT(worstPole, 2e-12) << e2;
    EXPECT_EQ(authalic.FromQ(authalic.QPole()), kHalfPi) << e2;
    EXPECT_EQ(authalic.FromQ(-authalic.QPole()), -kHalfPi) << e2;
    // Beyond the pole's q (rounding, or a clamped reach) is the pole.
    EXPECT_EQ(authalic.FromQ(1.5 * authalic.QPole()), kHalfPi) << e2;
    EXPECT_EQ(authalic.FromQ(-1.5 * authalic.QPole()), -kHalfPi) << e2;
    EXPECT_EQ(authalic.FromQ(0), 0) << e2;
  }
}

TEST(AuthalicLatitude, LatitudeComesBackFromBetasDirectionPastThePoles) {
  for (const double e2 : kEccentricities2) {
    const TGIS_AuthalicLatitude authalic(e2);
    for (int i = -1799; i <= 1799; ++i) {
      const double phi = i * 0.1 * kPi / 180;  // beyond +-90: past the pole along the meridian
      const double beta = authalic.FromGeodetic(phi);
      // Any length of the direction vector: only its angle counts.
      EXPECT_NEAR(authalic.ToGeodeticAtan2(3 * std::sin(beta), 3 * std::cos(beta)), phi, 1e-14) << e2 << " " << phi;
      EXPECT_NEAR(authalic.ToGeodetic(beta), phi, 1e-14) << e2 << " " << phi;
    }
    EXPECT_EQ(authalic.ToGeodeticAtan2(0, 0), 0) << e2;
  }
}

}  // namespace
