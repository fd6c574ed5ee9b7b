// Forward and inverse throughput of the cylindrical and pseudocylindrical
// classes beside PROJ's implementation of the same projection, on the same
// 1024 points in the same run. Each iteration converts the whole batch, so the
// items/s column is points per second. After the run a table gives, per class
// and direction, the time per point of both and the ratio ours/PROJ (below 1:
// ours is faster).
//
// TCE runs on WGS 84 (ellipsoidal); PROJ's tcea exists only on a sphere, so
// that pair compares unlike work. PROJ has no inverse of wag7.
#include <benchmark/benchmark.h>
#include <proj.h>

#include "gis/GisAngles.h"
#include "gis/GisEngine.h"
#include "gis/GisProjections.h"

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kDeg = gis_angle::kDegree;
constexpr int kBatch = 1024;

struct Peer {
  const char* code;
  const char* proj;  // the PROJ definition of the same map
  double latLimit;   // degrees; points are spread over +-latLimit and all longitudes
  bool projInverse = true;
};

const Peer kPeers[] = {
    {"MER", "+proj=merc +ellps=WGS84", 85},
    {"ROB", "+proj=robin +R=6378137", 89},
    {"CEA", "+proj=cea +ellps=WGS84", 89},
    {"TCE", "+proj=tcea +R=6371007", 89},
    {"EQC", "+proj=eqc +ellps=WGS84 +R_A", 89},
    {"MIL", "+proj=mill +ellps=WGS84 +R_A", 89},
    {"MOL", "+proj=moll +ellps=WGS84 +R_A", 89},
    {"EC4", "+proj=eck4 +ellps=WGS84 +R_A", 89},
    {"EC6", "+proj=eck6 +ellps=WGS84 +R_A", 89},
    {"WA4", "+proj=wag4 +ellps=WGS84 +R_A", 89},
    {"WA7", "+proj=wag7 +ellps=WGS84 +R_A", 89, false},
    {"GRI", "+proj=vandg +ellps=WGS84 +R_A", 89},
    {"SIN", "+proj=sinu +ellps=WGS84", 89},
};

// One class's batch: the geodetic points and our plane images of them.
struct Batch {
  std::vector<PJ_COORD> geodetic;
  std::vector<PJ_COORD> plane;
};

Batch MakeBatch(const Peer& peer) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> lon(-180, 180);
  std::uniform_real_distribution<double> lat(-peer.latLimit, peer.latLimit);
  auto p = GisProjectionList->CreateByCode(peer.code);
  Batch batch;
  for (int i = 0; i < kBatch; ++i) {
    const TGIS_Point3 g{lon(random) * kDeg, lat(random) * kDeg, 0};
    TGIS_Point3 xy;
    p->Project(g, xy);
    batch.geodetic.push_back(proj_coord(g.X, g.Y, 0, 0));
    batch.plane.push_back(proj_coord(xy.X, xy.Y, 0, 0));
  }
  return batch;
}

void Ours(benchmark::State& state, const Peer& peer, const Batch& batch, bool forward) {
  auto p = GisProjectionList->CreateByCode(peer.code);
  const std::vector<PJ_COORD>& in = forward ? batch.geodetic : batch.plane;
  TGIS_Point3 out;
  for (auto _ : state) {
    for (const PJ_COORD& c : in) {
      const TGIS_Point3 point{c.xy.x, c.xy.y, 0};
      if (forward)
        p->Project(point, out);
      else
        p->Unproject(point, out);
      benchmark::DoNotOptimize(out);
    }
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

void Theirs(benchmark::State& state, const Peer& peer, const Batch& batch, bool forward) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* pj = proj_create(context, peer.proj);
  const std::vector<PJ_COORD>& in = forward ? batch.geodetic : batch.plane;
  for (auto _ : state) {
    for (const PJ_COORD& c : in) benchmark::DoNotOptimize(proj_trans(pj, forward ? PJ_FWD : PJ_INV, c));
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
  proj_destroy(pj);
  proj_context_destroy(context);
}

// Keeps the time per point of every run for the closing table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        nanosecondsPerPoint_[run.benchmark_name()] = run.GetAdjustedRealTime() / kBatch;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\n%-5s %-8s %12s %12s %8s\n", "class", "dir", "ours ns/pt", "PROJ ns/pt", "ratio");
    for (const Peer& peer : kPeers) {
      for (const char* direction : {"forward", "inverse"}) {
        const auto ours = nanosecondsPerPoint_.find(std::string(peer.code) + "/ours/" + direction);
        const auto theirs = nanosecondsPerPoint_.find(std::string(peer.code) + "/proj/" + direction);
        if (ours == nanosecondsPerPoint_.end()) continue;
        if (theirs == nanosecondsPerPoint_.end()) {
          std::printf("%-5s %-8s %12.1f %12s %8s\n", peer.code, direction, ours->second, "-", "-");
          continue;
        }
        std::printf("%-5s %-8s %12.1f %12.1f %8.2f\n", peer.code, direction, ours->second, theirs->second,
                    ours->second / theirs->second);
      }
    }
  }

private:
  std::map<std::string, double> nanosecondsPerPoint_;
};

}  // namespace

int main(int argc, char** argv) {
  GisEngineScope engine;
  static std::vector<Batch> batches;
  for (const Peer& peer : kPeers) batches.push_back(MakeBatch(peer));
  for (size_t k = 0; k < std::size(kPeers); ++k) {
    const Peer& peer = kPeers[k];
    const Batch& batch = batches[k];
    for (const bool forward : {true, false}) {
      const std::string name = std::string(peer.code) + (forward ? "/%s/forward" : "/%s/inverse");
      auto named = [&name](const char* who) {
        char text[64];
        std::snprintf(text, sizeof text, name.c_str(), who);
        return std::string(text);
      };
      benchmark::RegisterBenchmark(named("ours").c_str(),
                                   [&peer, &batch, forward](benchmark::State& s) { Ours(s, peer, batch, forward); });
      if (forward || peer.projInverse)
        benchmark::RegisterBenchmark(named("proj").c_str(), [&peer, &batch, forward](benchmark::State& s) {
          Theirs(s, peer, batch, forward);
        });
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
