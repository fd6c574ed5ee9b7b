// Every projection class beside PROJ's implementation of the same map, in one
// run, on the same points (inside each projection's sensible domain).
//
// The machine is shared, so the measurement is built to survive noise: the
// time is the thread's CPU time (time spent waiting for a core is not
// counted), each measurement is a block of passes over the class's points,
// the blocks of all classes, directions and peers are interleaved, and the
// reported figure is the median of the repetitions. The closing table gives
// nanoseconds per point and the ratio ours / PROJ (below 1: ours is faster).
//
//   gis_family_bench [--repetitions N] [--block-ms M] [--only CODE,CODE,...]
#include "gis/GisAngles.h"
#include "gis/GisEngine.h"
#include "gis/GisProjections.h"

#include <proj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kDeg = gis_angle::kDegree;
constexpr int kPoints = 1024;

// The SetUp of one case, angles in degrees.
struct Parameters {
  int zone = 0;
  double meridian = 0, originLatitude = 0, falseEasting = 0, falseNorthing = 0;
  double parallel1 = 0, parallel2 = 0, scale = 1, azimuth = 0;
  double lon1 = 0, lat1 = 0, lon2 = 0, lat2 = 0;
  bool setUp = true;  // false: the creation defaults
};

struct Case {
  const char* code;
  Parameters parameters;
  std::string proj;  // PROJ's definition of the same map
  double lonFrom, lonTo, latFrom, latTo;
  double height = 0;
  bool projInverse = true;  // PROJ has one
  // Why the pair compares unlike work, if it does.
  const char* note = "";
};

Parameters Defaults() {
  Parameters p;
  p.setUp = false;
  return p;
}

Parameters At(double meridian, double originLatitude) {
  Parameters p;
  p.meridian = meridian;
  p.originLatitude = originLatitude;
  return p;
}

std::vector<Case> Cases() {
  const std::string wgs84 = " +ellps=WGS84";
  const std::string authalic = wgs84 + " +R_A";
  Parameters gauss = At(117, 0);
  gauss.falseEasting = 500000;
  Parameters utm;
  utm.zone = 50;
  Parameters cassini = At(10, 50);
  Parameters polar = At(0, 71);
  Parameters ortho = At(0, 45);
  Parameters poly = At(-96, 30);
  Parameters hotine = At(10, 45);
  hotine.scale = 0.9996;
  hotine.azimuth = 30;
  Parameters hotine2 = At(0, 40);
  hotine2.lon1 = -5;
  hotine2.lat1 = 35;
  hotine2.lon2 = 15;
  hotine2.lat2 = 45;
  return {
      {"TMR", gauss, "+proj=tmerc +lat_0=0 +lon_0=117 +k_0=1 +x_0=500000" + wgs84, 114, 120, -80, 80, 0, true,
       "PROJ: exact (Poder/Engsager) series"},
      {"UTM", utm, "+proj=utm +zone=50" + wgs84, 114, 120, 0, 80, 0, true, "PROJ: exact (Poder/Engsager) series"},
      {"GEC", Defaults(), "+proj=cart" + wgs84, -180, 180, -89, 89, 100},
      {"LAM", Defaults(), "+proj=lcc +lat_0=45 +lat_1=40 +lat_2=50" + wgs84, -60, 60, 20, 80},
      {"ALB", Defaults(), "+proj=aea +lat_0=45 +lat_1=40 +lat_2=50" + wgs84, -60, 60, 20, 80},
      {"BON", Defaults(), "+proj=bonne +lat_1=45" + wgs84, -150, 150, -80, 80},
      {"CAS", cassini, "+proj=cass +lon_0=10 +lat_0=50" + wgs84, 6, 14, 30, 70},
      {"POL", polar, "+proj=stere +lat_0=90 +lat_ts=71" + wgs84, -180, 180, 40, 90},
      {"ORT", ortho, "+proj=ortho +lat_0=45" + authalic, -60, 60, 10, 80},
      {"PLC", poly, "+proj=poly +lon_0=-96 +lat_0=30" + wgs84, -156, -36, -60, 80},
      {"HOT", hotine, "+proj=omerc +lonc=10 +lat_0=45 +alpha=30 +k_0=0.9996" + wgs84, -5, 25, 30, 60},
      {"HT2", hotine2, "+proj=omerc +lat_0=40 +lon_1=-5 +lat_1=35 +lon_2=15 +lat_2=45" + wgs84, -10, 20, 25, 55},
      {"NZMG", Defaults(), "+proj=nzmg +ellps=intl", 166, 179, -48, -34},
      {"MER", Defaults(), "+proj=merc" + wgs84, -180, 180, -85, 85},
      {"ROB", Defaults(), "+proj=robin +R=6378137", -180, 180, -89, 89},
      {"CEA", Defaults(), "+proj=cea" + wgs84, -180, 180, -89, 89},
      {"TCE", Defaults(), "+proj=tcea +R=6371007", -180, 180, -89, 89, 0, true, "PROJ: sphere only"},
      {"EQC", Defaults(), "+proj=eqc" + authalic, -180, 180, -89, 89},
      {"MIL", Defaults(), "+proj=mill" + authalic, -180, 180, -89, 89},
      {"MOL", Defaults(), "+proj=moll" + authalic, -180, 180, -89, 89},
      {"EC4", Defaults(), "+proj=eck4" + authalic, -180, 180, -89, 89},
      {"EC6", Defaults(), "+proj=eck6" + authalic, -180, 180, -89, 89},
      {"WA4", Defaults(), "+proj=wag4" + authalic, -180, 180, -89, 89},
      {"WA7", Defaults(), "+proj=wag7" + authalic, -180, 180, -89, 89, 0, false, "PROJ: no inverse"},
      {"GRI", Defaults(), "+proj=vandg" + authalic, -180, 180, -89, 89},
      {"SIN", Defaults(), "+proj=sinu" + wgs84, -180, 180, -89, 89},
  };
}

std::unique_ptr<TGIS_ProjectionAbstract> MakeOurs(const Case& c) {
  auto p = GisProjectionList->CreateByCode(c.code);
  const Parameters& q = c.parameters;
  if (q.setUp)
    p->SetUp(TGIS_SetUpParameters{.Zone = q.zone,
                                  .CentralMeridian = q.meridian * kDeg,
                                  .OriginLatitude = q.originLatitude * kDeg,
                                  .FalseEasting = q.falseEasting,
                                  .FalseNorthing = q.falseNorthing,
                                  .StandardParallel1 = q.parallel1 * kDeg,
                                  .StandardParallel2 = q.parallel2 * kDeg,
                                  .ScaleFactor = q.scale,
                                  .Azimuth = q.azimuth * kDeg,
                                  .Point1Longitude = q.lon1 * kDeg,
                                  .Point1Latitude = q.lat1 * kDeg,
                                  .Point2Longitude = q.lon2 * kDeg,
                                  .Point2Latitude = q.lat2 * kDeg});
  return p;
}

// A case's points: geodetic ones and our plane images of them.
struct Points {
  std::vector<TGIS_Point3> geodetic;
  std::vector<TGIS_Point3> plane;
};

Points MakePoints(const Case& c) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> lon(c.lonFrom, c.lonTo), lat(c.latFrom, c.latTo);
  auto p = MakeOurs(c);
  Points points;
  for (int i = 0; i < kPoints; ++i) {
    const TGIS_Point3 g{lon(random) * kDeg, lat(random) * kDeg, c.height};
    TGIS_Point3 xy{0, 0, c.height};
    p->Project(g, xy);
    points.geodetic.push_back(g);
    points.plane.push_back(xy);
  }
  return points;
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// One thing to time: a pass over a case's points in one direction by one
// implementation. Measured in blocks of `passes` passes.
struct Subject {
  std::string label;  // code/who/direction
  std::function<void()> pass;
  int passes = 1;
  std::vector<double> nanosecondsPerPoint;

  double Measure() const {
    const double start = ThreadSeconds();
    for (int i = 0; i < passes; ++i) pass();
    return (ThreadSeconds() - start) * 1e9 / (static_cast<double>(passes) * kPoints);
  }
  double Median() const {
    std::vector<double> v = nanosecondsPerPoint;
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
  }
};

volatile double gSink;

class Peer {
public:
  explicit Peer(const std::string& definition) : context_(proj_context_create()) {
    pj_ = proj_create(context_, definition.c_str());
  }
  ~Peer() {
    proj_destroy(pj_);
    proj_context_destroy(context_);
  }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;
  PJ* Get() const { return pj_; }

private:
  PJ_CONTEXT* context_;
  PJ* pj_ = nullptr;
};

struct Options {
  int repetitions = 15;
  double blockMs = 3;
  std::vector<std::string> only;
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(argv[i], "--repetitions") && hasValue) {
      o.repetitions = std::max(1, std::atoi(argv[++i]));
    } else if (!std::strcmp(argv[i], "--block-ms") && hasValue) {
      o.blockMs = std::max(0.1, std::atof(argv[++i]));
    } else if (!std::strcmp(argv[i], "--only") && hasValue) {
      std::string list = argv[++i];
      for (size_t from = 0; from <= list.size();) {
        const size_t comma = std::min(list.find(',', from), list.size());
        if (comma > from) o.only.push_back(list.substr(from, comma - from));
        from = comma + 1;
      }
    } else {
      std::fprintf(stderr, "usage: %s [--repetitions N] [--block-ms M] [--only CODE,CODE,...]\n", argv[0]);
      std::exit(2);
    }
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  GisEngineScope engine;

  std::vector<Case> cases;
  for (Case& c : Cases())
    if (options.only.empty() || std::find(options.only.begin(), options.only.end(), c.code) != options.only.end())
      cases.push_back(std::move(c));

  std::vector<Points> points;
  std::vector<std::unique_ptr<TGIS_ProjectionAbstract>> ours;
  std::vector<std::unique_ptr<Peer>> peers;
  std::vector<Subject> subjects;
  points.reserve(cases.size());
  for (const Case& c : cases) {
    points.push_back(MakePoints(c));
    ours.push_back(MakeOurs(c));
    peers.push_back(std::make_unique<Peer>(c.proj));
    if (!peers.back()->Get()) {
      std::fprintf(stderr, "PROJ refuses %s\n", c.proj.c_str());
      return 1;
    }
  }
  auto add = [&subjects](std::string label, std::function<void()> pass) {
    Subject s;
    s.label = std::move(label);
    s.pass = std::move(pass);
    subjects.push_back(std::move(s));
  };
  for (size_t k = 0; k < cases.size(); ++k) {
    TGIS_ProjectionAbstract* p = ours[k].get();
    PJ* pj = peers[k]->Get();
    const Points* pts = &points[k];
    const std::string code = cases[k].code;
    add(code + "/ours/forward", [p, pts] {
                          TGIS_Point3 out;
                          for (const TGIS_Point3& g : pts->geodetic) p->Project(g, out);
                          gSink = out.X;
                        });
    add(code + "/proj/forward", [pj, pts] {
                          PJ_COORD out{};
                          for (const TGIS_Point3& g : pts->geodetic)
                            out = proj_trans(pj, PJ_FWD, proj_coord(g.X, g.Y, g.Z, 0));
                          gSink = out.xyz.x;
                        });
    add(code + "/ours/inverse", [p, pts] {
                          TGIS_Point3 out;
                          for (const TGIS_Point3& xy : pts->plane) p->Unproject(xy, out);
                          gSink = out.X;
                        });
    // The batch entry points, and PROJ's array call on a copy of the points.
    auto buffer = std::make_shared<std::vector<TGIS_Point3>>(kPoints);
    add(code + "/ours-batch/forward", [p, pts, buffer] {
      p->ProjectPoints(pts->geodetic, *buffer);
      gSink = (*buffer)[0].X;
    });
    add(code + "/ours-batch/inverse", [p, pts, buffer] {
      p->UnprojectPoints(pts->plane, *buffer);
      gSink = (*buffer)[0].X;
    });
    auto coords = std::make_shared<std::vector<PJ_COORD>>(kPoints);
    add(code + "/proj-batch/forward", [pj, pts, coords] {
      for (int i = 0; i < kPoints; ++i) {
        const TGIS_Point3& g = pts->geodetic[i];
        (*coords)[i] = proj_coord(g.X, g.Y, g.Z, 0);
      }
      proj_trans_array(pj, PJ_FWD, coords->size(), coords->data());
      gSink = (*coords)[0].xyz.x;
    });
    if (cases[k].projInverse)
      add(code + "/proj-batch/inverse", [pj, pts, coords] {
        for (int i = 0; i < kPoints; ++i) {
          const TGIS_Point3& xy = pts->plane[i];
          (*coords)[i] = proj_coord(xy.X, xy.Y, xy.Z, 0);
        }
        proj_trans_array(pj, PJ_INV, coords->size(), coords->data());
        gSink = (*coords)[0].xyz.x;
      });
    if (cases[k].projInverse)
      add(code + "/proj/inverse", [pj, pts] {
                            PJ_COORD out{};
                            for (const TGIS_Point3& xy : pts->plane)
                              out = proj_trans(pj, PJ_INV, proj_coord(xy.X, xy.Y, xy.Z, 0));
                            gSink = out.xyz.x;
                          });
  }

  // Calibrate each block to about blockMs of CPU time.
  for (Subject& s : subjects) {
    s.pass();  // warm up
    const double perPass = std::max(1e-7, s.Measure() * kPoints * 1e-9);
    s.passes = std::max(1, static_cast<int>(options.blockMs * 1e-3 / perPass));
  }
  for (int r = 0; r < options.repetitions; ++r)
    for (Subject& s : subjects) s.nanosecondsPerPoint.push_back(s.Measure());

  auto median = [&subjects](const std::string& label) {
    for (const Subject& s : subjects)
      if (s.label == label) return s.Median();
    return 0.0;
  };
  std::printf("%d points per class, %d interleaved repetitions, median thread CPU time\n\n", kPoints,
              options.repetitions);
  std::printf("Per point: Project / Unproject beside proj_trans. Batch: ProjectPoints / UnprojectPoints beside\n"
              "proj_trans_array. Times in ns per point; ratio = ours / PROJ.\n\n");
  std::printf("%-5s %-8s %8s %8s %6s   %8s %8s %6s  %s\n", "class", "dir", "ours", "PROJ", "ratio", "batch",
              "PROJ", "ratio", "note");
  for (const Case& c : cases) {
    for (const char* direction : {"forward", "inverse"}) {
      const std::string code = c.code;
      const double mine = median(code + "/ours/" + direction);
      const double theirs = median(code + "/proj/" + direction);
      const double mineBatch = median(code + "/ours-batch/" + direction);
      const double theirsBatch = median(code + "/proj-batch/" + direction);
      if (theirs > 0)
        std::printf("%-5s %-8s %8.1f %8.1f %6.2f   %8.1f %8.1f %6.2f  %s\n", c.code, direction, mine, theirs,
                    mine / theirs, mineBatch, theirsBatch, mineBatch / theirsBatch, c.note);
      else
        std::printf("%-5s %-8s %8.1f %8s %6s   %8.1f %8s %6s  %s\n", c.code, direction, mine, "-", "-", mineBatch,
                    "-", "-", c.note);
    }
  }
  return 0;
}
