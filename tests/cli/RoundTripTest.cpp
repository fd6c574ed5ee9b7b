// Random points in China through files: gkconv to-gauss against PROJ's
// cs2cs on the same points (with the window's meridian written into PROJ's
// parameters), and gkconv to-geodetic back to the input, in 6- and 3-degree
// zones on WGS 84, GRS 80 and Krassovsky. The test runs 20000 points per
// case; GKCONV_ROUNDTRIP_POINTS=1000000 runs the full million
// (bench/cli/roundtrip.sh).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "GkconvProcess.h"
#include "app/GaussZone.h"
#include "cli/GaussZones.h"

namespace fs = std::filesystem;

namespace {

struct TCase {
  const char* Ellipsoid;  // gkconv's name
  const char* ProjEllps;  // PROJ's
  int Width;
};

int Points() {
  const char* env = std::getenv("GKCONV_ROUNDTRIP_POINTS");
  return env ? std::atoi(env) : 20000;
}

// PROJ's tmerc on the meridian the window computes for the zone.
std::string Cs2cs(const TCase& c, int zone) {
  const double meridianDegrees =
      gkconv::ZoneMeridianRadians(zone, c.Width, false) * 180 / 3.14159265358979323846264338327950288;
  char command[600];
  std::snprintf(command, sizeof command,
                "%s -f %%.6f +proj=longlat +ellps=%s +to +proj=tmerc +lon_0=%.17g +k=1 +x_0=500000 +y_0=0 "
                "+ellps=%s",
                GK_CS2CS, c.ProjEllps, meridianDegrees, c.ProjEllps);
  return command;
}

class RoundTrip : public ::testing::TestWithParam<TCase> {};

TEST_P(RoundTrip, AgreesWithCs2csAndComesBack) {
  const TCase c = GetParam();
  const int count = Points();
  TScratchDir dir;
  std::mt19937_64 random(static_cast<unsigned>(c.Width * 100 + c.Ellipsoid[0]));
  std::uniform_real_distribution<double> lon(73.5, 134.8), lat(18.2, 53.5);
  std::vector<std::pair<double, double>> points(static_cast<size_t>(count));
  {
    std::ofstream in(dir / "in.csv");
    in << "id,lon,lat\n";
    char line[80];
    for (int i = 0; i < count; ++i) {
      std::snprintf(line, sizeof line, "%d,%.9f,%.9f\n", i, lon(random), lat(random));
      std::sscanf(line, "%*d,%lf,%lf", &points[i].first, &points[i].second);
      in << line;
    }
  }
  const std::string width = std::to_string(c.Width);
  auto run = RunGkconv({"to-gauss", (dir / "in.csv").string(), "-o", (dir / "gauss.csv").string(), "--ellipsoid",
                        c.Ellipsoid, "--zone-width", width, "--digits", "6"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  run = RunGkconv({"to-geodetic", (dir / "gauss.csv").string(), "-o", (dir / "back.csv").string(), "--ellipsoid",
                   c.Ellipsoid, "--zone-width", width, "--zone-column", "zone/带号", "--digits", "12"});
  ASSERT_EQ(run.Status, 0) << run.Err;

  // Read both files; group the points by zone for cs2cs.
  std::ifstream gauss(dir / "gauss.csv"), back(dir / "back.csv");
  std::string line;
  std::getline(gauss, line);
  std::getline(back, line);
  std::vector<double> x(points.size()), y(points.size());
  std::map<int, std::vector<size_t>> byZone;
  double worstBack = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    ASSERT_TRUE(std::getline(gauss, line));
    int id, zone;
    double l, b;
    ASSERT_EQ(std::sscanf(line.c_str(), "%d,%lf,%lf,%d,%lf,%lf", &id, &l, &b, &zone, &x[i], &y[i]), 6) << line;
    ASSERT_EQ(zone, gkconv::ZoneOfLongitude(points[i].first, c.Width));
    byZone[zone].push_back(i);
    ASSERT_TRUE(std::getline(back, line));
    double l2, b2;
    ASSERT_EQ(std::sscanf(line.c_str(), "%*d,%*f,%*f,%*d,%*f,%*f,,%lf,%lf", &l2, &b2), 2) << line;
    worstBack = std::fmax(worstBack, std::fmax(std::fabs(l2 - points[i].first), std::fabs(b2 - points[i].second)));
  }

  double worstX = 0, worstY = 0;
  for (const auto& [zone, indexes] : byZone) {
    const fs::path zoneIn = dir / "zone.txt", zoneOut = dir / "zone.out";
    {
      std::ofstream f(zoneIn);
      char text[64];
      for (size_t i : indexes) {
        std::snprintf(text, sizeof text, "%.9f %.9f\n", points[i].first, points[i].second);
        f << text;
      }
    }
    ASSERT_EQ(std::system((Cs2cs(c, zone) + " <" + zoneIn.string() + " >" + zoneOut.string()).c_str()), 0);
    std::ifstream f(zoneOut);
    for (size_t i : indexes) {
      double px, py;
      ASSERT_TRUE(f >> px >> py >> line);
      worstX = std::fmax(worstX, std::fabs(px - x[i]));
      worstY = std::fmax(worstY, std::fabs(py - y[i]));
    }
  }
  std::printf("%s, %d-degree zones, %d points: |gkconv - cs2cs| <= %.3g m easting, %.3g m northing; "
              "back to the input within %.3g degrees\n",
              c.Ellipsoid, c.Width, count, worstX, worstY, worstBack);
  EXPECT_LT(worstX, 1e-3);
  EXPECT_LT(worstY, 1e-3);
  EXPECT_LT(worstBack, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ChinaZones, RoundTrip,
                         ::testing::Values(TCase{"WE", "WGS84", 6}, TCase{"RF", "GRS80", 6}, TCase{"KA", "krass", 6},
                                           TCase{"WE", "WGS84", 3}, TCase{"RF", "GRS80", 3},
                                           TCase{"KA", "krass", 3}),
                         [](const auto& info) {
                           return std::string(info.param.ProjEllps) + "_" + std::to_string(info.param.Width) + "deg";
                         });

}  // namespace
