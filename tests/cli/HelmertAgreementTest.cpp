// The 7-parameter transformation against PROJ's helmert step, under both
// rotation conventions: first on geocentric coordinates alone, then whole
// rows (WGS 84 longitude/latitude/height -> Krassovsky Gauss plane and
// back) against the PROJ pipeline cart -> helmert -> inverse cart -> tmerc
// on the window's zone meridian.

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "ConverterFixture.h"
#include "app/GaussZone.h"
#include "cli/DatumShift.h"

namespace {

using gkconv::TRotationConvention;

// Parameters of the size real WGS 84 -> Beijing 1954 sets have.
const gkconv::THelmertParameters kParameters{-12.6, 130.2, 82.3, 0.72, -1.46, -2.11, -4.3,
                                             TRotationConvention::PositionVector};

std::string HelmertStep(const gkconv::THelmertParameters& p) {
  char text[256];
  std::snprintf(text, sizeof text,
                "+proj=helmert +x=%.17g +y=%.17g +z=%.17g +rx=%.17g +ry=%.17g +rz=%.17g +s=%.17g +convention=%s", p.Tx,
                p.Ty, p.Tz, p.Rx, p.Ry, p.Rz, p.ScalePpm,
                p.Convention == TRotationConvention::PositionVector ? "position_vector" : "coordinate_frame");
  return text;
}

class HelmertAgreement : public ConverterFixture {
protected:
  void SetUp() override { context = proj_context_create(); }
  void TearDown() override { proj_context_destroy(context); }
  PJ_CONTEXT* context = nullptr;
};

TEST_F(HelmertAgreement, GeocentricStepMatchesProjInBothConventions) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> coordinate(-6.4e6, 6.4e6);
  for (TRotationConvention convention : {TRotationConvention::PositionVector, TRotationConvention::CoordinateFrame}) {
    auto p = kParameters;
    p.Convention = convention;
    PJ* helmert = proj_create(context, HelmertStep(p).c_str());
    ASSERT_NE(helmert, nullptr);
    const gkconv::THelmertTransform ours(p);
    double worst = 0, worstBack = 0;
    for (int i = 0; i < 10000; ++i) {
      const TGIS_Point3 x{coordinate(random), coordinate(random), coordinate(random)};
      const PJ_COORD theirs = proj_trans(helmert, PJ_FWD, proj_coord(x.X, x.Y, x.Z, 0));
      const TGIS_Point3 mine = ours.Forward(x);
      worst = std::fmax(worst, std::hypot(mine.X - theirs.xyz.x, mine.Y - theirs.xyz.y, mine.Z - theirs.xyz.z));
      const TGIS_Point3 back = ours.Inverse(mine);
      worstBack = std::fmax(worstBack, std::hypot(back.X - x.X, back.Y - x.Y, back.Z - x.Z));
    }
    proj_destroy(helmert);
    std::printf("%s: |ours - PROJ| <= %.3g m, inverse <= %.3g m\n",
                convention == TRotationConvention::PositionVector ? "position vector" : "coordinate frame", worst,
                worstBack);
    EXPECT_LT(worst, 1e-3);
    EXPECT_LT(worstBack, 1e-6);
  }
  // The conventions differ by tens of metres with these rotations: naming one matters.
  auto cf = kParameters;
  cf.Convention = TRotationConvention::CoordinateFrame;
  const TGIS_Point3 x{-2.18e6, 4.39e6, 4.07e6};
  const TGIS_Point3 a = gkconv::THelmertTransform(kParameters).Forward(x), b = gkconv::THelmertTransform(cf).Forward(x);
  EXPECT_GT(std::hypot(a.X - b.X, a.Y - b.Y, a.Z - b.Z), 10);
}

TEST_F(HelmertAgreement, WholeRowsMatchTheProjPipeline) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> lon(73, 135), lat(18, 54), height(-50, 5000);
  for (TRotationConvention convention : {TRotationConvention::PositionVector, TRotationConvention::CoordinateFrame}) {
    auto toGauss = Settings(gkconv::TDirection::ToGauss, "KA");
    std::string error;
    toGauss.GeodeticDatum = gkconv::ChooseEllipsoid("WE", error);
    toGauss.Helmert = kParameters;
    toGauss.Helmert->Convention = convention;
    toGauss.HeightColumn = 2;
    toGauss.Digits = 6;
    auto toGeodetic = toGauss;
    toGeodetic.Direction = gkconv::TDirection::ToGeodetic;
    toGeodetic.FirstColumn = 1;
    toGeodetic.SecondColumn = 2;
    toGeodetic.ZoneColumn = 0;
    toGeodetic.HeightColumn = 3;
    toGeodetic.Digits = 12;

    double worstPlane = 0, worstBack = 0;
    for (int i = 0; i < 2000; ++i) {
      char l[32], b[32], h[32];
      std::snprintf(l, sizeof l, "%.9f", lon(random));
      std::snprintf(b, sizeof b, "%.9f", lat(random));
      std::snprintf(h, sizeof h, "%.3f", height(random));
      const std::string plane = Convert(toGauss, {l, b, h});
      ASSERT_FALSE(plane.starts_with("error")) << plane;
      int zone;
      double x, y;
      ASSERT_EQ(std::sscanf(plane.c_str(), "%d,%lf,%lf", &zone, &x, &y), 3);

      const double meridian = app::WindowZoneMeridian(zone) * 180 / 3.14159265358979323846;
      char pipeline[700];
      std::snprintf(pipeline, sizeof pipeline,
                    "+proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad +step +proj=cart +ellps=WGS84 "
                    "+step %s +step +inv +proj=cart +ellps=krass +step +proj=tmerc +lon_0=%.17g +k=1 +x_0=500000 "
                    "+y_0=0 +ellps=krass",
                    HelmertStep(*toGauss.Helmert).c_str(), meridian);
      PJ* proj = proj_create(context, pipeline);
      ASSERT_NE(proj, nullptr);
      const PJ_COORD theirs = proj_trans(proj, PJ_FWD, proj_coord(std::stod(l), std::stod(b), std::stod(h), 0));
      proj_destroy(proj);
      worstPlane = std::fmax(worstPlane, std::hypot(x - theirs.xy.x, y - theirs.xy.y));

      // Back with the height the point has on the Krassovsky side.
      char gridHeight[32];
      std::snprintf(gridHeight, sizeof gridHeight, "%.4f", theirs.xyz.z);
      const size_t c1 = plane.find(','), c2 = plane.rfind(',');
      const std::string back = Convert(
          toGeodetic, {std::to_string(zone), plane.substr(c1 + 1, c2 - c1 - 1), plane.substr(c2 + 1), gridHeight});
      double l2, b2;
      ASSERT_EQ(std::sscanf(back.c_str(), "%lf,%lf", &l2, &b2), 2) << back;
      worstBack = std::fmax(worstBack, std::fmax(std::fabs(l2 - std::stod(l)), std::fabs(b2 - std::stod(b))));
    }
    std::printf("%s rows: |ours - PROJ| <= %.3g m, back to the input within %.3g degrees\n",
                convention == TRotationConvention::PositionVector ? "position vector" : "coordinate frame",
                worstPlane, worstBack);
    EXPECT_LT(worstPlane, 1e-3);
    EXPECT_LT(worstBack, 1e-9);
  }
}

}  // namespace
