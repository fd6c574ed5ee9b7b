// Our Transverse Mercator beside PROJ's tmerc (its default, exact algorithm)
// on the same ellipsoid, meridian, scale and false easting. The series of
// eighth order agree to well under a millimetre near the meridian and drift
// apart with the distance from it; the test holds the first and reports the
// second.
#include "gis/projections/GisProjectionTransverseMercator.h"

#include "GisTestSupport.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using gistest::kDeg;

struct ProjTmerc {
  ProjTmerc(double meridianDeg, double scale, const char* ellps) {
    ctx = proj_context_create();
    char def[200];
    std::snprintf(def, sizeof def, "+proj=tmerc +lat_0=0 +lon_0=%.17g +k_0=%.17g +x_0=500000 +y_0=0 +ellps=%s",
                  meridianDeg, scale, ellps);
    pj = proj_create(ctx, def);
  }
  ~ProjTmerc() {
    proj_destroy(pj);
    proj_context_destroy(ctx);
  }
  PJ_COORD Forward(double lon, double lat) const { return proj_trans(pj, PJ_FWD, proj_coord(lon, lat, 0, 0)); }
  PJ_COORD Inverse(double x, double y) const { return proj_trans(pj, PJ_INV, proj_coord(x, y, 0, 0)); }

  PJ_CONTEXT* ctx;
  PJ* pj;
};

struct Worst {
  double nearMeridian = 0;  // |dlon| <= 3.5 degrees
  double all = 0;
  void Add(double mm, double dlonDeg) {
    all = std::max(all, mm);
    if (std::abs(dlonDeg) <= 3.5) nearMeridian = std::max(nearMeridian, mm);
  }
};

// A ground distance in mm for a small angular difference at a latitude.
double AngularToMm(double dLon, double dLat, double lat) {
  constexpr double a = 6378137.0;
  return 1000 * a * std::hypot(dLat, dLon * std::cos(lat));
}

struct Setting {
  double meridianDeg;
  double scale;
  const char* datum;
  const char* ellps;
};

TEST(TransverseMercatorAgainstProj, TenThousandPointsWithinNineDegrees) {
  const Setting settings[] = {
      {117, 1.0, "WGE", "WGS84"}, {3, 0.9996, "WGE", "WGS84"},     {-75, 0.9996, "WGE", "WGS84"},
      {177, 1.0, "WGE", "WGS84"}, {21, 1.0, "PUK", "krass"},       {-123, 0.9996, "NAS-C", "clrk66"},
      {9, 0.9996, "EUR-M", "intl"}, {-3, 0.9996012717, "OGB-7", "airy"},
  };
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> dlonDist(-9.0, 9.0);
  std::uniform_real_distribution<double> latDist(-80.0, 80.0);
  constexpr int kPointsPerSetting = 1250;

  Worst forward, inverse;
  int compared = 0;
  TGIS_ProjectionTransverseMercator tm;
  for (const Setting& s : settings) {
    const ProjTmerc proj(s.meridianDeg, s.scale, s.ellps);
    ASSERT_NE(proj.pj, nullptr) << proj_context_errno_string(proj.ctx, proj_context_errno(proj.ctx));
    tm.SetDatum(*GisDatumList->Find(s.datum));
    gistest::SetUpTransverse(tm, s.meridianDeg * kDeg, 0, 500000, 0, s.scale);

    for (int i = 0; i < kPointsPerSetting; ++i) {
      const double dlon = dlonDist(random);
      const double lat = latDist(random) * kDeg;
      double lon = (s.meridianDeg + dlon) * kDeg;
      if (lon > std::numbers::pi) lon -= 2 * std::numbers::pi;

      const TGIS_Point3 ours = gistest::Project(tm, lon, lat);
      const PJ_COORD theirs = proj.Forward(lon, lat);
      const double fwdMm = 1000 * std::hypot(ours.X - theirs.xy.x, ours.Y - theirs.xy.y);
      forward.Add(fwdMm, dlon);
      EXPECT_TRUE(std::abs(dlon) > 3.5 || fwdMm < 1.0)
          << s.datum << " meridian " << s.meridianDeg << " dlon " << dlon << " lat " << lat / kDeg << ": "
          << fwdMm << " mm";

      // Both inverses of the same grid point (PROJ's image of the point).
      const TGIS_Point3 oursBack = gistest::Unproject(tm, theirs.xy.x, theirs.xy.y);
      const PJ_COORD theirsBack = proj.Inverse(theirs.xy.x, theirs.xy.y);
      double dLon = oursBack.X - theirsBack.lp.lam;
      if (dLon > std::numbers::pi) dLon -= 2 * std::numbers::pi;
      if (dLon < -std::numbers::pi) dLon += 2 * std::numbers::pi;
      const double invMm = AngularToMm(dLon, oursBack.Y - theirsBack.lp.phi, lat);
      inverse.Add(invMm, dlon);
      EXPECT_TRUE(std::abs(dlon) > 3.5 || invMm < 1.0)
          << s.datum << " meridian " << s.meridianDeg << " dlon " << dlon << " lat " << lat / kDeg << ": " << invMm
          << " mm";
      ++compared;
    }
  }
  EXPECT_EQ(compared, 10000);
  std::printf("TM vs PROJ tmerc, %d points: forward worst %.6f mm (|dlon| <= 3.5 deg), %.3f mm (all, <= 9 deg)\n",
              compared, forward.nearMeridian, forward.all);
  std::printf("TM vs PROJ tmerc, %d points: inverse worst %.6f mm (|dlon| <= 3.5 deg), %.3f mm (all, <= 9 deg)\n",
              compared, inverse.nearMeridian, inverse.all);
  RecordProperty("ForwardWorstMmNearMeridian", std::to_string(forward.nearMeridian));
  RecordProperty("ForwardWorstMmAll", std::to_string(forward.all));
  RecordProperty("InverseWorstMmNearMeridian", std::to_string(inverse.nearMeridian));
  RecordProperty("InverseWorstMmAll", std::to_string(inverse.all));
}

}  // namespace
