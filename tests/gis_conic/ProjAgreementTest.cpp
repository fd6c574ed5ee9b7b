// Each class of the family beside PROJ's implementation of the same
// projection, same ellipsoid (or the same authalic sphere through +R), on a
// grid inside the projection's sensible domain. Forward: the distance between
// the two plane points. Inverse: both unproject PROJ's plane point and the
// ground distance between the two answers is taken. The worst of each is
// printed per class.
#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ConicTestSupport.h"
#include "gis/projections/GisProjectionAlbers.h"
#include "gis/projections/GisProjectionBonne.h"
#include "gis/projections/GisProjectionCassini.h"
#include "gis/projections/GisProjectionGeocentric.h"
#include "gis/projections/GisProjectionHotine2.h"
#include "gis/projections/GisProjectionLambert.h"
#include "gis/projections/GisProjectionNZMG.h"
#include "gis/projections/GisProjectionOrthographic.h"
#include "gis/projections/GisProjectionPolarStereographic.h"
#include "gis/projections/GisProjectionPolyconic.h"

namespace {

using conictest::kDeg;
using conictest::Make;
using conictest::Parameters;
using gis_angle::kPi;

class ProjOperation {
 public:
  explicit ProjOperation(const std::string& definition) : ctx_(proj_context_create()) {
    pj_ = proj_create(ctx_, definition.c_str());
  }
  ~ProjOperation() {
    proj_destroy(pj_);
    proj_context_destroy(ctx_);
  }
  ProjOperation(const ProjOperation&) = delete;
  ProjOperation& operator=(const ProjOperation&) = delete;

  bool Valid() const { return pj_ != nullptr; }
  std::string Error() const { return proj_context_errno_string(ctx_, proj_context_errno(ctx_)); }
  PJ_COORD Forward(double lon, double lat, double h = 0) const {
    return proj_trans(pj_, PJ_FWD, proj_coord(lon, lat, h, 0));
  }
  PJ_COORD Inverse(double x, double y, double z = 0) const { return proj_trans(pj_, PJ_INV, proj_coord(x, y, z, 0)); }

 private:
  PJ_CONTEXT* ctx_;
  PJ* pj_ = nullptr;
};

std::string Num(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

// Ground distance (mm) between two geodetic points close together.
double GroundMm(double lon1, double lat1, double lon2, double lat2) {
  double dLon = std::remainder(lon1 - lon2, 2 * kPi);
  return 1000 * 6378137.0 * std::hypot(lat1 - lat2, dLon * std::cos(lat1));
}

// A regular grid of (longitude, latitude) in degrees, the ends included,
// kept where `inside` holds.
std::vector<std::pair<double, double>> Grid(double lon0, double lon1, double lat0, double lat1, int steps,
                                            const std::function<bool(double, double)>& inside = nullptr) {
  std::vector<std::pair<double, double>> points;
  for (int i = 0; i <= steps; ++i)
    for (int j = 0; j <= steps; ++j) {
      const double lon = lon0 + (lon1 - lon0) * i / steps;
      const double lat = lat0 + (lat1 - lat0) * j / steps;
      if (!inside || inside(lon, lat)) points.emplace_back(lon, lat);
    }
  return points;
}

struct Worst {
  double forwardMm = 0;
  double inverseMm = 0;
  int points = 0;
  int declined = 0;  // points PROJ could not unproject
};

// Compares one configured projection with one PROJ operation over the points.
Worst Compare(const std::string& label, TGIS_ProjectionAbstract& ours, const std::string& projDefinition,
              const std::vector<std::pair<double, double>>& pointsDeg, double toleranceMm) {
  const ProjOperation theirs(projDefinition);
  EXPECT_TRUE(theirs.Valid()) << label << ": " << projDefinition << ": " << theirs.Error();
  Worst worst;
  if (!theirs.Valid()) return worst;
  for (const auto& [lonDeg, latDeg] : pointsDeg) {
    double lon = lonDeg * kDeg;
    if (lon > kPi) lon -= 2 * kPi;
    if (lon < -kPi) lon += 2 * kPi;
    const double lat = latDeg * kDeg;
    const PJ_COORD plane = theirs.Forward(lon, lat);
    TGIS_Point3 mine;
    ours.Project(MakePoint3(lon, lat, 0), mine);
    const double forwardMm = 1000 * std::hypot(mine.X - plane.xy.x, mine.Y - plane.xy.y);

    TGIS_Point3 back;
    ours.Unproject(MakePoint3(plane.xy.x, plane.xy.y, 0), back);
    PJ_COORD theirsBack = theirs.Inverse(plane.xy.x, plane.xy.y);
    if (theirsBack.lp.lam == HUGE_VAL) {
      // PROJ 9.1 declines the bonne inverse for a southern standard parallel:
      // compare with the point itself there.
      theirsBack.lp.lam = lon;
      theirsBack.lp.phi = lat;
      ++worst.declined;
    }
    const double inverseMm = GroundMm(back.X, back.Y, theirsBack.lp.lam, theirsBack.lp.phi);

    EXPECT_LT(forwardMm, toleranceMm) << label << " forward at " << lonDeg << ", " << latDeg;
    EXPECT_LT(inverseMm, toleranceMm) << label << " inverse at " << lonDeg << ", " << latDeg;
    worst.forwardMm = std::max(worst.forwardMm, forwardMm);
    worst.inverseMm = std::max(worst.inverseMm, inverseMm);
    ++worst.points;
  }
  return worst;
}

struct Report {
  const char* name;
  Worst total;
  void Add(const Worst& w) {
    total.forwardMm = std::max(total.forwardMm, w.forwardMm);
    total.inverseMm = std::max(total.inverseMm, w.inverseMm);
    total.points += w.points;
    total.declined += w.declined;
  }
  ~Report() {
    std::printf("%-22s vs PROJ, %5d points: forward worst %.3g mm, inverse worst %.3g mm", name, total.points,
                total.forwardMm, total.inverseMm);
    if (total.declined) std::printf(" (%d inverses PROJ declined: against the point)", total.declined);
    std::printf("\n");
  }
};

// PROJ's ellipsoid parameters from ours, so both work on the same figure.
std::string EllipsoidOf(const TGIS_ProjectionAbstract& p) {
  return " +a=" + Num(static_cast<double>(p.Ellipsoid->A)) + " +rf=" + Num(static_cast<double>(1 / p.Ellipsoid->F));
}

std::string FalseOrigin(const Parameters& q) {
  return " +x_0=" + Num(q.falseEasting) + " +y_0=" + Num(q.falseNorthing);
}

// ---- Conics ---------------------------------------------------------------

struct ConicCase {
  Parameters q;
  const char* datum;
};

const ConicCase kConics[] = {
    {{0, 45, 0, 0, 40, 50}, "WGE"},
    {{-96, 23, 500000, 0, 29.5, 45.5}, "NAS-C"},
    {{135, -30, 1000000, 2000000, -20, -40}, "WGE"},
    {{20, 50, 0, 0, 45, 45}, "PUK"},  // one standard parallel
};

std::vector<std::pair<double, double>> ConicGrid(const Parameters& q) {
  // The hemisphere of the cone's apex, 60 degrees either side of the meridian.
  const double sign = q.parallel1 + q.parallel2 >= 0 ? 1 : -1;
  return Grid(q.centralMeridian - 60, q.centralMeridian + 60, sign > 0 ? 0 : -85, sign > 0 ? 85 : 0, 30);
}

TEST(ProjAgreement, LambertConformalConic) {
  Report report{"Lambert (lcc)", {}};
  for (const ConicCase& c : kConics) {
    auto p = Make<TGIS_ProjectionLambert>(c.q, c.datum);
    const std::string def = "+proj=lcc +lon_0=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            " +lat_1=" + Num(c.q.parallel1) + " +lat_2=" + Num(c.q.parallel2) + FalseOrigin(c.q) +
                            EllipsoidOf(*p);
    report.Add(Compare("LAM " + def, *p, def, ConicGrid(c.q), 1.0));
  }
}

TEST(ProjAgreement, AlbersEqualArea) {
  Report report{"Albers (aea)", {}};
  for (const ConicCase& c : kConics) {
    auto p = Make<TGIS_ProjectionAlbers>(c.q, c.datum);
    const std::string def = "+proj=aea +lon_0=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            " +lat_1=" + Num(c.q.parallel1) + " +lat_2=" + Num(c.q.parallel2) + FalseOrigin(c.q) +
                            EllipsoidOf(*p);
    report.Add(Compare("ALB " + def, *p, def, ConicGrid(c.q), 1.0));
  }
}

TEST(ProjAgreement, Bonne) {
  Report report{"Bonne (bonne)", {}};
  const ConicCase cases[] = {{{0, 45}, "WGE"}, {{10, 60, 200000, 100000}, "EUR-M"}, {{-60, -30, 0, 5000000}, "WGE"}};
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionBonne>(c.q, c.datum);
    const std::string def = "+proj=bonne +lon_0=" + Num(c.q.centralMeridian) + " +lat_1=" + Num(c.q.originLatitude) +
                            FalseOrigin(c.q) + EllipsoidOf(*p);
    report.Add(
        Compare("BON " + def, *p, def, Grid(c.q.centralMeridian - 150, c.q.centralMeridian + 150, -85, 85, 30), 1.0));
  }
  // With the standard parallel on the equator Bonne is the sinusoidal projection.
  const Parameters equator{25, 0, 100000, -200000};
  auto p = Make<TGIS_ProjectionBonne>(equator, "NAS-C");
  const std::string sinu = "+proj=sinu +lon_0=25" + FalseOrigin(equator) + EllipsoidOf(*p);
  report.Add(Compare("BON " + sinu, *p, sinu, Grid(-155, 175, -85, 85, 30), 1.0));
}

// ---- Cassini and polyconic --------------------------------------------------

TEST(ProjAgreement, Cassini) {
  Report report{"Cassini (cass)", {}};
  const ConicCase cases[] = {{{0, 0}, "WGE"},
                             {{-61.33333333333333, 10.44166666666667, 86501.46392052, 65379.0134283}, "ADI-M"},
                             {{13.5, 52.4, 40000, 10000}, "EUR-M"}};
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionCassini>(c.q, c.datum);
    const std::string def = "+proj=cass +lon_0=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            FalseOrigin(c.q) + EllipsoidOf(*p);
    // The series are meant for a few degrees around the meridian.
    report.Add(
        Compare("CAS " + def, *p, def, Grid(c.q.centralMeridian - 4, c.q.centralMeridian + 4, -80, 80, 40), 1.0));
  }
}

TEST(ProjAgreement, Polyconic) {
  Report report{"Polyconic (poly)", {}};
  const ConicCase cases[] = {{{0, 0}, "WGE"}, {{-96, 30, 1000000, 500000}, "NAS-C"}, {{120, -25}, "WGE"}};
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionPolyconic>(c.q, c.datum);
    const std::string def = "+proj=poly +lon_0=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            FalseOrigin(c.q) + EllipsoidOf(*p);
    report.Add(
        Compare("PLC " + def, *p, def, Grid(c.q.centralMeridian - 60, c.q.centralMeridian + 60, -80, 80, 32), 1.0));
  }
}

// ---- Azimuthals -------------------------------------------------------------

TEST(ProjAgreement, PolarStereographic) {
  Report report{"Polar stereo (stere)", {}};
  const ConicCase cases[] = {
      {{0, 90}, "WGE"}, {{-45, 70, 2000000, 2000000}, "WGE"}, {{0, -90}, "WGE"}, {{140, -71, 0, 0}, "EUR-M"}};
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionPolarStereographic>(c.q, c.datum);
    const double pole = c.q.originLatitude < 0 ? -90 : 90;
    const std::string def = "+proj=stere +lat_0=" + Num(pole) + " +lat_ts=" + Num(c.q.originLatitude) +
                            " +lon_0=" + Num(c.q.centralMeridian) + FalseOrigin(c.q) + EllipsoidOf(*p);
    report.Add(Compare("POL " + def, *p, def, Grid(-180, 180, pole > 0 ? 30 : -90, pole > 0 ? 90 : -30, 36), 1.0));
  }
}

TEST(ProjAgreement, UniversalPolarStereographicAtTrueScale) {
  // UPS is polar stereographic with k0 0.994 and a 2000 km false origin; ours
  // has scale 1, so the plane coordinates of ups map onto ours by that affine
  // change.
  Report report{"Polar stereo (ups)", {}};
  for (const bool south : {false, true}) {
    auto p = Make<TGIS_ProjectionPolarStereographic>(Parameters{0, south ? -90.0 : 90.0}, "WGE");
    const ProjOperation ups(std::string("+proj=ups +ellps=WGS84") + (south ? " +south" : ""));
    ASSERT_TRUE(ups.Valid());
    Worst worst;
    for (const auto& [lonDeg, latDeg] : Grid(-180, 180, south ? -90 : 60, south ? -60 : 90, 30)) {
      const PJ_COORD grid = ups.Forward(lonDeg * kDeg, latDeg * kDeg);
      const TGIS_Point3 mine = gistest::Project(*p, lonDeg * kDeg, latDeg * kDeg);
      const double mm = 1000 * std::hypot(mine.X * 0.994 + 2000000 - grid.xy.x, mine.Y * 0.994 + 2000000 - grid.xy.y);
      EXPECT_LT(mm, 1.0) << lonDeg << ", " << latDeg;
      worst.forwardMm = std::max(worst.forwardMm, mm);
      ++worst.points;
    }
    report.Add(worst);
  }
}

TEST(ProjAgreement, OrthographicOnTheAuthalicSphere) {
  Report report{"Orthographic (ortho)", {}};
  const ConicCase cases[] = {{{0, 0}, "WGE"}, {{116, 40, 100000, 0}, "WGE"}, {{-70, -90}, "PUK"}, {{30, 90}, "WGE"}};
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionOrthographic>(c.q, c.datum);
    const TGIS_Ellipsoid& ellipsoid = *p->Ellipsoid;
    const double e2 = static_cast<double>(ellipsoid.E2);
    const double ra = static_cast<double>(ellipsoid.A) * (1 - e2 / 6 - 17 * e2 * e2 / 360 - 67 * e2 * e2 * e2 / 3024);
    const std::string def = "+proj=ortho +lon_0=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            FalseOrigin(c.q) + " +R=" + Num(ra);
    // The visible hemisphere, short of its rim where the inverse is ill-conditioned.
    const double lat0 = c.q.originLatitude * kDeg;
    const double lon0 = c.q.centralMeridian * kDeg;
    const auto visible = [&](double lon, double lat) {
      return std::sin(lat0) * std::sin(lat * kDeg) +
                 std::cos(lat0) * std::cos(lat * kDeg) * std::cos(lon * kDeg - lon0) >
             0.1;
    };
    report.Add(Compare("ORT " + def, *p, def, Grid(-180, 180, -89, 89, 40, visible), 1.0));
  }
}

// ---- Oblique Mercator -------------------------------------------------------

TEST(ProjAgreement, HotineCentreAndAzimuth) {
  Report report{"Hotine (omerc)", {}};
  const ConicCase cases[] = {
      {{10, 45, 0, 0, 0, 0, 1, 30}, "WGE"},
      {{115, 4, 590476.87, 442857.65, 0, 0, 0.99984, 53.31582047222222}, "TIL"},
      {{-133.6666666666667, 57, 5000000, -5000000, 0, 0, 0.9999, -36.86989764583333}, "NAS-C"},
      {{147, -35, 0, 0, 0, 0, 0.9996, 120}, "WGE"},
  };
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionHotine>(c.q, c.datum);
    const std::string def = "+proj=omerc +lonc=" + Num(c.q.centralMeridian) + " +lat_0=" + Num(c.q.originLatitude) +
                            " +alpha=" + Num(c.q.azimuth) + " +k_0=" + Num(c.q.scale) + FalseOrigin(c.q) +
                            EllipsoidOf(*p);
    report.Add(Compare("HOT " + def, *p, def,
                       Grid(c.q.centralMeridian - 15, c.q.centralMeridian + 15,
                            std::max(-85.0, c.q.originLatitude - 15), std::min(85.0, c.q.originLatitude + 15), 30),
                       1.0));
  }
}

TEST(ProjAgreement, HotineTwoPoint) {
  Report report{"Hotine 2 (omerc)", {}};
  const ConicCase cases[] = {
      {{0, 40, 0, 0, 0, 0, 1, 0, -5, 35, 15, 45}, "WGE"},
      {{0, -30, 500000, 1000000, 0, 0, 0.9996, 0, 140, -20, 150, -40}, "WGE"},
      {{0, 60, 0, 0, 0, 0, 1, 0, 10, 55, -20, 65}, "EUR-M"},
  };
  for (const ConicCase& c : cases) {
    auto p = Make<TGIS_ProjectionHotine2>(c.q, c.datum);
    const std::string def = "+proj=omerc +lat_0=" + Num(c.q.originLatitude) + " +lon_1=" + Num(c.q.point1Longitude) +
                            " +lat_1=" + Num(c.q.point1Latitude) + " +lon_2=" + Num(c.q.point2Longitude) +
                            " +lat_2=" + Num(c.q.point2Latitude) + " +k_0=" + Num(c.q.scale) + FalseOrigin(c.q) +
                            EllipsoidOf(*p);
    const double lonMid = (c.q.point1Longitude + c.q.point2Longitude) / 2;
    const double latMid = (c.q.point1Latitude + c.q.point2Latitude) / 2;
    report.Add(Compare("HT2 " + def, *p, def, Grid(lonMid - 15, lonMid + 15, latMid - 15, latMid + 15, 30), 1.0));
  }
}

// ---- The rest ---------------------------------------------------------------

TEST(ProjAgreement, NewZealandMapGrid) {
  Report report{"NZMG (nzmg)", {}};
  TGIS_ProjectionNZMG nzmg;
  report.Add(Compare("NZMG", nzmg, "+proj=nzmg +ellps=intl", Grid(166, 179, -48, -34, 40), 1.0));
}

TEST(ProjAgreement, Geocentric) {
  // Both directions are exact formulas (the inverse a closed form without
  // iteration) and agree with PROJ's to the micrometre; the tolerances are
  // those from when the inverse was good only to millimetres.
  double forwardWorstMm = 0, angleWorst = 0, heightWorstMm = 0;
  int points = 0;
  for (const char* datum : {"WGE", "EUR-M", "NAS-C"}) {
    auto p = Make<TGIS_ProjectionGeocentric>(Parameters{}, datum);
    const ProjOperation cart("+proj=cart" + EllipsoidOf(*p));
    ASSERT_TRUE(cart.Valid());
    for (const double h : {-1000.0, 0.0, 500.0, 9000.0}) {
      for (const auto& [lonDeg, latDeg] : Grid(-180, 180, -90, 90, 24)) {
        const double lon = lonDeg * kDeg;
        const double lat = latDeg * kDeg;
        const PJ_COORD xyz = cart.Forward(lon, lat, h);
        const TGIS_Point3 mine = gistest::Project(*p, lon, lat, h);
        const double forwardMm = 1000 * std::sqrt(std::pow(mine.X - xyz.xyz.x, 2) + std::pow(mine.Y - xyz.xyz.y, 2) +
                                                  std::pow(mine.Z - xyz.xyz.z, 2));
        const TGIS_Point3 back = gistest::Unproject(*p, xyz.xyz.x, xyz.xyz.y, xyz.xyz.z);
        const PJ_COORD theirs = cart.Inverse(xyz.xyz.x, xyz.xyz.y, xyz.xyz.z);
        const double angle =
            std::hypot(back.Y - theirs.lpz.phi, std::remainder(back.X - theirs.lpz.lam, 2 * kPi) * std::cos(lat));
        const double heightMm = 1000 * std::fabs(back.Z - theirs.lpz.z);
        EXPECT_LT(forwardMm, 1.0) << datum << " " << lonDeg << ", " << latDeg << ", " << h;
        EXPECT_LT(angle, 1e-9) << datum << " " << lonDeg << ", " << latDeg << ", " << h;
        EXPECT_LT(heightMm, 8.0) << datum << " " << lonDeg << ", " << latDeg << ", " << h;
        forwardWorstMm = std::max(forwardWorstMm, forwardMm);
        angleWorst = std::max(angleWorst, angle);
        heightWorstMm = std::max(heightWorstMm, heightMm);
        ++points;
      }
    }
  }
  std::printf(
      "%-22s vs PROJ, %5d points: forward worst %.3g mm, inverse worst %.3g rad (%.3g mm) and %.3g mm "
      "in height\n",
      "Geocentric (cart)", points, forwardWorstMm, angleWorst, angleWorst * 6378137e3, heightWorstMm);
}

}  // namespace
