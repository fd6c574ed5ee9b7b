// Forward and inverse throughput of each class of this half of the family
// beside PROJ's implementation of the same projection, on the same points
// (inside each projection's sensible domain) in the same run. Benchmarks are
// named <code>/<ours|proj>/<forward|inverse>; the ratio per class is
// ours/proj of the times per point.
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gis/GisAngles.h"
#include "gis/GisEngine.h"
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

constexpr double kDeg = gis_angle::kDegree;
constexpr int kPoints = 1024;

struct Case {
  const char* code;
  std::function<std::unique_ptr<TGIS_ProjectionAbstract>()> make;
  std::string proj;  // the PROJ definition of the same projection
  double lonFrom, lonTo, latFrom, latTo;
  double height = 0;
};

template <class T>
std::function<std::unique_ptr<TGIS_ProjectionAbstract>()> Configured(
    std::function<void(TGIS_ProjectionAbstract&)> setUp = nullptr) {
  return [setUp] {
    std::unique_ptr<TGIS_ProjectionAbstract> p = std::make_unique<T>();
    if (setUp) setUp(*p);
    return p;
  };
}

// SetUp with angles in degrees: meridian, origin latitude, parallels, scale,
// azimuth and the two points.
std::function<void(TGIS_ProjectionAbstract&)> Degrees(double cm, double lat0, double sp1 = 0, double sp2 = 0,
                                                      double k = 1, double az = 0, double lon1 = 0, double lat1 = 0,
                                                      double lon2 = 0, double lat2 = 0) {
  return [=](TGIS_ProjectionAbstract& p) {
    p.SetUp(TGIS_SetUpParameters{.CentralMeridian = cm * kDeg,
                                 .OriginLatitude = lat0 * kDeg,
                                 .StandardParallel1 = sp1 * kDeg,
                                 .StandardParallel2 = sp2 * kDeg,
                                 .ScaleFactor = k,
                                 .Azimuth = az * kDeg,
                                 .Point1Longitude = lon1 * kDeg,
                                 .Point1Latitude = lat1 * kDeg,
                                 .Point2Longitude = lon2 * kDeg,
                                 .Point2Latitude = lat2 * kDeg});
  };
}

const char* kWgs84 = " +ellps=WGS84";

std::vector<Case> Cases() {
  TGIS_ProjectionOrthographic ort;
  const std::string sphere = " +R=" + std::to_string(ort.Radius());
  return {
      {"GEC", Configured<TGIS_ProjectionGeocentric>(), std::string("+proj=cart") + kWgs84, -180, 180, -89, 89, 100},
      {"LAM", Configured<TGIS_ProjectionLambert>(), std::string("+proj=lcc +lat_0=45 +lat_1=40 +lat_2=50") + kWgs84,
       -60, 60, 20, 80},
      {"ALB", Configured<TGIS_ProjectionAlbers>(), std::string("+proj=aea +lat_0=45 +lat_1=40 +lat_2=50") + kWgs84, -60,
       60, 20, 80},
      {"BON", Configured<TGIS_ProjectionBonne>(), std::string("+proj=bonne +lat_1=45") + kWgs84, -150, 150, -80, 80},
      {"CAS", Configured<TGIS_ProjectionCassini>(Degrees(10, 50)),
       std::string("+proj=cass +lon_0=10 +lat_0=50") + kWgs84, 6, 14, 30, 70},
      {"POL", Configured<TGIS_ProjectionPolarStereographic>(Degrees(0, 71)),
       std::string("+proj=stere +lat_0=90 +lat_ts=71") + kWgs84, -180, 180, 40, 90},
      {"ORT", Configured<TGIS_ProjectionOrthographic>(Degrees(0, 45)), "+proj=ortho +lat_0=45" + sphere, -60, 60, 10,
       80},
      {"PLC", Configured<TGIS_ProjectionPolyconic>(Degrees(-96, 30)),
       std::string("+proj=poly +lon_0=-96 +lat_0=30") + kWgs84, -156, -36, -60, 80},
      {"HOT", Configured<TGIS_ProjectionHotine>(Degrees(10, 45, 0, 0, 0.9996, 30)),
       std::string("+proj=omerc +lonc=10 +lat_0=45 +alpha=30 +k_0=0.9996") + kWgs84, -5, 25, 30, 60},
      {"HT2", Configured<TGIS_ProjectionHotine2>(Degrees(0, 40, 0, 0, 1, 0, -5, 35, 15, 45)),
       std::string("+proj=omerc +lat_0=40 +lon_1=-5 +lat_1=35 +lon_2=15 +lat_2=45") + kWgs84, -10, 20, 25, 55},
      {"NZMG", Configured<TGIS_ProjectionNZMG>(), "+proj=nzmg +ellps=intl", 166, 179, -48, -34},
  };
}

struct Points {
  std::vector<TGIS_Point3> geodetic;
  std::vector<TGIS_Point3> plane;  // our images of the geodetic points
};

Points MakePoints(const Case& c) {
  Points points;
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> lon(c.lonFrom, c.lonTo), lat(c.latFrom, c.latTo);
  auto p = c.make();
  for (int i = 0; i < kPoints; ++i) {
    const TGIS_Point3 g = MakePoint3(lon(random) * kDeg, lat(random) * kDeg, c.height);
    TGIS_Point3 xy{0, 0, 0};
    p->Project(g, xy);
    points.geodetic.push_back(g);
    points.plane.push_back(xy);
  }
  return points;
}

void RunOurs(benchmark::State& state, const Case& c, const Points& points, bool forward) {
  auto p = c.make();
  const std::vector<TGIS_Point3>& in = forward ? points.geodetic : points.plane;
  TGIS_Point3 out{0, 0, 0};
  size_t i = 0;
  for (auto _ : state) {
    if (forward)
      p->Project(in[i], out);
    else
      p->Unproject(in[i], out);
    benchmark::DoNotOptimize(out);
    i = (i + 1) % in.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void RunProj(benchmark::State& state, const Case& c, const Points& points, bool forward) {
  PJ_CONTEXT* ctx = proj_context_create();
  PJ* pj = proj_create(ctx, c.proj.c_str());
  if (!pj) {
    state.SkipWithError(("proj_create failed: " + c.proj).c_str());
    proj_context_destroy(ctx);
    return;
  }
  const std::vector<TGIS_Point3>& in = forward ? points.geodetic : points.plane;
  const PJ_DIRECTION direction = forward ? PJ_FWD : PJ_INV;
  size_t i = 0;
  for (auto _ : state) {
    const PJ_COORD out = proj_trans(pj, direction, proj_coord(in[i].X, in[i].Y, in[i].Z, 0));
    benchmark::DoNotOptimize(out);
    i = (i + 1) % in.size();
  }
  state.SetItemsProcessed(state.iterations());
  proj_destroy(pj);
  proj_context_destroy(ctx);
}

}  // namespace

int main(int argc, char** argv) {
  GisEngineScope engine;
  // The cases and their points live until the benchmarks have run.
  static const std::vector<Case> cases = Cases();
  static std::vector<Points> points;
  points.reserve(cases.size());
  for (const Case& c : cases) points.push_back(MakePoints(c));
  for (size_t k = 0; k < cases.size(); ++k) {
    const Case& c = cases[k];
    const Points& pts = points[k];
    for (const bool forward : {true, false}) {
      const std::string direction = forward ? "forward" : "inverse";
      benchmark::RegisterBenchmark((std::string(c.code) + "/ours/" + direction).c_str(),
                                   [&c, &pts, forward](benchmark::State& s) { RunOurs(s, c, pts, forward); });
      benchmark::RegisterBenchmark((std::string(c.code) + "/proj/" + direction).c_str(),
                                   [&c, &pts, forward](benchmark::State& s) { RunProj(s, c, pts, forward); });
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
