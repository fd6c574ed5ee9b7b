// The Gauss coordinates against PROJ's exact Transverse Mercator, set up on
// the same (eight-decimal pi) meridian, over the zones of China from pole to
// pole. The series are good to micrometres inside a zone; a wrong meridian,
// coefficient or unit shows up as millimetres or more.

#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "EngineFixture.h"
#include "app/ConversionCommands.h"
#include "toolkit/core/NumberText.h"

namespace {

using app::TField;

class ProjAgreement : public EngineFixture {
protected:
  void SetUp() override { context = proj_context_create(); }
  void TearDown() override { proj_context_destroy(context); }

  // PROJ's projection for the meridian the tool uses for a zone.
  PJ* ZoneProjection(int zone) const {
    const long double meridianDegrees =
        (zone * 6 - 3) * 3.14159265L / 180 * 180 / 3.14159265358979323846264338327950288L;
    char definition[160];
    std::snprintf(definition, sizeof definition, "+proj=tmerc +lon_0=%.17g +k=1 +x_0=500000 +y_0=0 +ellps=WGS84",
                  static_cast<double>(meridianDegrees));
    return proj_create(context, definition);
  }

  PJ_CONTEXT* context = nullptr;
};

TEST_F(ProjAgreement, GaussCoordinatesMatchTheExactProjectionInsideTheZones) {
  app::TConversionCommands commands;
  app::TFieldTexts fields;
  double worstX = 0, worstY = 0, worstAngle = 0;
  int points = 0;
  for (int zone = 13; zone <= 23; ++zone) {
    PJ* projection = ZoneProjection(zone);
    ASSERT_NE(projection, nullptr);
    const int meridian = zone * 6 - 3;
    for (double offset = -3; offset < 3; offset += 0.25) {
      for (double lat = -84; lat <= 84; lat += 1.75) {
        const double lon = meridian + offset;
        fields[TField::edtLon] = tk::FloatToStrGeneral(lon);
        fields[TField::edtLat] = tk::FloatToStrGeneral(lat);
        ASSERT_TRUE(commands.GeodeticToGauss(fields)) << lon << ' ' << lat;
        ASSERT_EQ(fields[TField::edtGaussZone], std::to_string(zone)) << lon;

        proj_errno_reset(projection);
        const PJ_COORD exact = proj_trans(projection, PJ_FWD, proj_coord(proj_torad(lon), proj_torad(lat), 0, 0));
        ASSERT_EQ(proj_errno(projection), 0) << lon << ' ' << lat;
        worstX = std::fmax(worstX, std::fabs(tk::StrToFloat(fields[TField::edtGaussX]) - exact.xy.x));
        worstY = std::fmax(worstY, std::fabs(tk::StrToFloat(fields[TField::edtGaussY]) - exact.xy.y));

        ASSERT_TRUE(commands.GaussToGeodetic(fields)) << lon << ' ' << lat;
        worstAngle = std::fmax(worstAngle, std::fabs(tk::StrToFloat(fields[TField::edtLon]) - lon));
        worstAngle = std::fmax(worstAngle, std::fabs(tk::StrToFloat(fields[TField::edtLat]) - lat));
        ++points;
      }
    }
    proj_destroy(projection);
  }
  std::printf("%d points: |dX| <= %.3g m, |dY| <= %.3g m, round trip <= %.3g degrees\n", points, worstX, worstY,
              worstAngle);
  EXPECT_LT(worstX, 1e-4);
  EXPECT_LT(worstY, 1e-4);
  EXPECT_LT(worstAngle, 1e-9);
}

}  // namespace
