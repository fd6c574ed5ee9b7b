// Throughput of our Transverse Mercator beside PROJ's tmerc (default, exact
// algorithm) on the same points in the same run. The converter's set-up:
// WGS 84, meridian 117 degrees, scale 1, false easting 500000.
#include "gis/GisAngles.h"
#include "gis/GisEngine.h"
#include "gis/projections/GisProjectionTransverseMercator.h"

#include <benchmark/benchmark.h>
#include <proj.h>

#include <random>
#include <vector>

namespace {

constexpr double kDeg = gis_angle::kDegree;
constexpr double kMeridian = 117;
constexpr int kPoints = 4096;

// Points within 3 degrees of the meridian, in radians, and their grid images.
struct Points {
  std::vector<TGIS_Point3> geodetic;
  std::vector<TGIS_Point3> grid;
};

const Points& SharedPoints() {
  static const Points points = [] {
    Points p;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> dlon(-3, 3), lat(-80, 80);
    TGIS_ProjectionTransverseMercator tm;
    tm.SetUp(TGIS_SetUpParameters{.CentralMeridian = kMeridian * kDeg, .FalseEasting = 500000});
    for (int i = 0; i < kPoints; ++i) {
      const TGIS_Point3 g = MakePoint3((kMeridian + dlon(random)) * kDeg, lat(random) * kDeg, 0);
      TGIS_Point3 xy;
      tm.Project(g, xy);
      p.geodetic.push_back(g);
      p.grid.push_back(xy);
    }
    return p;
  }();
  return points;
}

void SetUpConverter(TGIS_ProjectionTransverseMercator& tm) {
  tm.SetUp(TGIS_SetUpParameters{.CentralMeridian = kMeridian * kDeg, .FalseEasting = 500000});
}

using Operation = void (TGIS_ProjectionTransverseMercator::*)(const TGIS_Point3&, TGIS_Point3&);

void RunOurs(benchmark::State& state, Operation operation, const std::vector<TGIS_Point3>& in) {
  TGIS_ProjectionTransverseMercator tm;
  SetUpConverter(tm);
  TGIS_Point3 out;
  size_t i = 0;
  for (auto _ : state) {
    (tm.*operation)(in[i], out);
    benchmark::DoNotOptimize(out);
    i = (i + 1) % in.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_OursProject(benchmark::State& state) {
  RunOurs(state, &TGIS_ProjectionTransverseMercator::Project, SharedPoints().geodetic);
}
void BM_OursUnproject(benchmark::State& state) {
  RunOurs(state, &TGIS_ProjectionTransverseMercator::Unproject, SharedPoints().grid);
}

// The converter calls SetUp before every conversion; this is its real cost.
void BM_OursSetUpAndProject(benchmark::State& state) {
  const Points& pts = SharedPoints();
  TGIS_ProjectionTransverseMercator tm;
  TGIS_Point3 out;
  size_t i = 0;
  for (auto _ : state) {
    SetUpConverter(tm);
    tm.Project(pts.geodetic[i], out);
    benchmark::DoNotOptimize(out);
    i = (i + 1) % pts.geodetic.size();
  }
  state.SetItemsProcessed(state.iterations());
}

struct ProjTmerc {
  ProjTmerc() {
    ctx = proj_context_create();
    pj = proj_create(ctx, "+proj=tmerc +lat_0=0 +lon_0=117 +k_0=1 +x_0=500000 +y_0=0 +ellps=WGS84");
  }
  ~ProjTmerc() {
    proj_destroy(pj);
    proj_context_destroy(ctx);
  }
  PJ_CONTEXT* ctx;
  PJ* pj;
};

void RunProj(benchmark::State& state, PJ_DIRECTION direction) {
  const Points& pts = SharedPoints();
  const std::vector<TGIS_Point3>& in = direction == PJ_FWD ? pts.geodetic : pts.grid;
  ProjTmerc proj;
  if (!proj.pj) {
    state.SkipWithError("proj_create failed");
    return;
  }
  size_t i = 0;
  for (auto _ : state) {
    const PJ_COORD out = proj_trans(proj.pj, direction, proj_coord(in[i].X, in[i].Y, 0, 0));
    benchmark::DoNotOptimize(out);
    i = (i + 1) % in.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ProjForward(benchmark::State& state) { RunProj(state, PJ_FWD); }
void BM_ProjInverse(benchmark::State& state) { RunProj(state, PJ_INV); }

BENCHMARK(BM_OursProject);
BENCHMARK(BM_ProjForward);
BENCHMARK(BM_OursUnproject);
BENCHMARK(BM_ProjInverse);
BENCHMARK(BM_OursSetUpAndProject);

}  // namespace

int main(int argc, char** argv) {
  GisEngineScope engine;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
