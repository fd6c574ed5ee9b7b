// What each map is made to preserve, measured on the map itself and so
// independent of how its formulas are written: equal-area maps keep the
// ellipsoid's (or the authalic sphere's) area element, Mercator keeps angles,
// Robinson's interpolated table is continuous and monotone.
#include "CylindricalTestSupport.h"

#include "gis/GisDatums.h"

#include <algorithm>

namespace {

using namespace cyl_test;

// Area on the map of a small cell around (lon, lat), per unit of dlon dlat:
// the Jacobian by central differences.
double MapAreaElement(TGIS_ProjectionAbstract& p, double lon, double lat) {
  const double h = 1e-6;
  const TGIS_Point3 east = Forward(p, lon + h, lat);
  const TGIS_Point3 west = Forward(p, lon - h, lat);
  const TGIS_Point3 north = Forward(p, lon, lat + h);
  const TGIS_Point3 south = Forward(p, lon, lat - h);
  return ((east.X - west.X) * (north.Y - south.Y) - (north.X - south.X) * (east.Y - west.Y)) / (4 * h * h);
}

// The same on the ellipsoid: a^2 (1 - e^2) cos(phi) / W^4.
double EllipsoidAreaElement(const TGIS_Ellipsoid& e, double lat) {
  const double a = static_cast<double>(e.A);
  const double e2 = static_cast<double>(e.E2);
  const double w2 = 1 - e2 * std::sin(lat) * std::sin(lat);
  return a * a * (1 - e2) * std::cos(lat) / (w2 * w2);
}

// The same on the authalic sphere, computed here from the series of its
// definition: Ra^2 cos(phi).
double SphereAreaElement(const TGIS_Ellipsoid& e, double lat) {
  const double e2 = static_cast<double>(e.E2);
  const double ra = static_cast<double>(e.A) * (1 - e2 / 6 - 17 * e2 * e2 / 360 - 67 * e2 * e2 * e2 / 3024);
  return ra * ra * std::cos(lat);
}

struct EqualArea {
  const char* code;
  bool onSphere;
  // How far the area scale may sit from 1: the published constants of some
  // maps are rounded, which scales every area by the same factor.
  double scaleTolerance;
};

TEST(MapProperties, EqualAreaMapsKeepTheAreaElement) {
  const EqualArea kMaps[] = {
      {"CEA", false, 1e-7}, {"TCE", false, 1e-7}, {"SIN", false, 1e-7}, {"MOL", true, 1e-7},
      {"EC4", true, 1e-7},  {"EC6", true, 1e-7},
      // 0.8631 * 1.56548 * 2.9604205062 / 4 = 1.0000053; 2.66723 * 1.24104 * 0.90631 / 3 = 1.0000063
      {"WA4", true, 1e-5}, {"WA7", true, 1e-5},
  };
  for (const EqualArea& m : kMaps) {
    for (const char* datum : {"WGE", "NAS-C"}) {
      auto p = Make(m.code);
      p->SetDatum(*GisDatumList->Find(datum));
      cyl_test::SetUp(*p, {25 * kDeg, 30 * kDeg, 1e5, 2e5, 0.9996});
      double lowest = 1e9;
      double highest = 0;
      // The rows miss the equator: beyond 90 degrees from the meridian it is
      // TCEA's seam (the map's top and bottom edges).
      for (double latDeg = -84.3; latDeg <= 85; latDeg += 6.5) {
        for (double dlonDeg = -177.5; dlonDeg <= 178; dlonDeg += 12.5) {
          // TCEA's own poles (equator, 90 degrees from the meridian) are
          // singular points of its map.
          if (std::string(m.code) == "TCE" && std::fabs(latDeg) < 10 && std::fabs(std::fabs(dlonDeg) - 90) < 10)
            continue;
          const double lat = latDeg * kDeg;
          const double expected =
              m.onSphere ? SphereAreaElement(*p->Ellipsoid, lat) : EllipsoidAreaElement(*p->Ellipsoid, lat);
          const double ratio = MapAreaElement(*p, 25 * kDeg + dlonDeg * kDeg, lat) / expected;
          lowest = std::min(lowest, ratio);
          highest = std::max(highest, ratio);
        }
      }
      EXPECT_LT(highest - lowest, 1e-7) << m.code << " on " << datum << ": the area scale varies over the map";
      EXPECT_NEAR(lowest, 1, m.scaleTolerance) << m.code << " on " << datum;
      EXPECT_NEAR(highest, 1, m.scaleTolerance) << m.code << " on " << datum;
    }
  }
}

// Mercator is conformal: the scale along the meridian equals the scale along
// the parallel at every point, and both are 1 on the latitude of true scale.
TEST(MapProperties, MercatorKeepsAngles) {
  for (double trueScale : {0.0, 40 * kDeg}) {
    auto p = Make("MER", {0, trueScale});
    const double a = static_cast<double>(p->Ellipsoid->A);
    const double e2 = static_cast<double>(p->Ellipsoid->E2);
    for (double latDeg = -85; latDeg <= 85; latDeg += 5) {
      const double lat = latDeg * kDeg;
      const double h = 1e-7;
      const double w2 = 1 - e2 * std::sin(lat) * std::sin(lat);
      const double meridianRadius = a * (1 - e2) / (w2 * std::sqrt(w2));
      const double parallelRadius = a * std::cos(lat) / std::sqrt(w2);
      const TGIS_Point3 n = Forward(*p, 0.3, lat + h);
      const TGIS_Point3 s = Forward(*p, 0.3, lat - h);
      const TGIS_Point3 e = Forward(*p, 0.3 + h, lat);
      const TGIS_Point3 w = Forward(*p, 0.3 - h, lat);
      const double alongMeridian = std::hypot(n.X - s.X, n.Y - s.Y) / (2 * h * meridianRadius);
      const double alongParallel = std::hypot(e.X - w.X, e.Y - w.Y) / (2 * h * parallelRadius);
      EXPECT_NEAR(alongMeridian / alongParallel, 1, 1e-7) << latDeg;
      if (std::fabs(std::fabs(lat) - trueScale) < 1e-9) {
        EXPECT_NEAR(alongParallel, 1, 1e-7) << latDeg;
      }
    }
  }
}

// Stirling's interpolation meets the rows exactly, so the parallels neither
// jump nor cross: northing rises and the parallels shorten towards the pole,
// and the map is symmetric about the equator.
TEST(MapProperties, RobinsonIsContinuousAndMonotone) {
  auto p = Make("ROB");
  double lastY = -1;
  double lastX = 1e300;
  for (int i = 0; i <= 3590; ++i) {
    const double lat = i * 0.025 * kDeg;
    const TGIS_Point3 r = Forward(*p, kPi, lat);
    EXPECT_GT(r.Y, lastY) << i * 0.025;
    EXPECT_LT(r.X, lastX) << i * 0.025;
    // A row approached from both sides.
    if (i % 200 == 0 && i > 0) {
      const TGIS_Point3 below = Forward(*p, kPi, lat - 1e-12);
      const TGIS_Point3 above = Forward(*p, kPi, lat + 1e-12);
      EXPECT_NEAR(below.X, above.X, 1e-3) << i * 0.025;
      EXPECT_NEAR(below.Y, above.Y, 1e-3) << i * 0.025;
    }
    const TGIS_Point3 mirrored = Forward(*p, -kPi, -lat);
    EXPECT_EQ(mirrored.X, -r.X);
    EXPECT_EQ(mirrored.Y, -r.Y);
    lastY = r.Y;
    lastX = r.X;
  }
}

}  // namespace
