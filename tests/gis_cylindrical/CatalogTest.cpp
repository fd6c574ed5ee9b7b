// Creation defaults of the family and the reach of Unproject at creation.
// (Codes, descriptions and parameter sets are in the registry's table,
// tests/gis/CatalogTest.cpp.)
#include "CylindricalTestSupport.h"

#include <algorithm>

namespace {

using namespace cyl_test;

TEST(Catalog, CreationDefaults) {
  for (const std::string& code : kCodes) {
    auto p = Make(code);
    EXPECT_EQ(p->Datum, GisDatumList->Default()) << code;
    EXPECT_EQ(p->ScaleFactor, 1.0) << code;
    EXPECT_EQ(p->CentralMeridian, 0.0) << code;
    EXPECT_EQ(p->OriginLatitude, 0.0) << code;
    EXPECT_EQ(p->FalseEasting, 0.0) << code;
    EXPECT_EQ(p->FalseNorthing, 0.0) << code;
    EXPECT_EQ(p->Warnings, "") << code;
  }
}

// The reach at creation on WGS 84, to the metre. TCEA reaches as far east
// as its map does, one equatorial radius (6378137 m). Wagner IV and VII have
// no simpler figure than the box their map fills, which ReachIsTheWholeMap
// checks for every class.
TEST(Catalog, CreationReachOnWgs84) {
  struct Reach {
    const char* code;
    double easting;
    double northing;
  };
  const Reach kReach[] = {
      {"CEA", 20037509, 6363886}, {"EQC", 20015110, 10007555}, {"MIL", 20015110, 14675058},
      {"MOL", 18019930, 9009965}, {"EC4", 16902288, 8451144},  {"EC6", 17653838, 8826919},
      {"SIN", 20037509, 10001966}, {"TCE", 6378137, 20003931},
  };
  for (const Reach& r : kReach) {
    auto p = Make(r.code);
    EXPECT_NEAR(p->MaxEastingOffset, r.easting, 1) << r.code;
    EXPECT_NEAR(p->MaxNorthingOffset, r.northing, 1) << r.code;
  }
}

// The reach is the map's bounding box around the false origin, whatever the
// central meridian: every projected point lies inside it and the extreme
// points reach its edges.
TEST(Catalog, ReachIsTheWholeMap) {
  for (const std::string& code : kCodes) {
    for (const Params& q : {Params{}, Params{130 * kDeg, 20 * kDeg, 1e6, -5e5, 1.5}}) {
      auto p = Make(code, q);
      double east = 0;
      double north = 0;
      double south = 0;
      for (int row = 0; row <= 360; ++row) {
        for (int column = 0; column <= 360; ++column) {
          const TGIS_Point3 r = Forward(*p, -kPi + column * kPi / 180, -kPi / 2 + row * kPi / 360);
          east = std::max(east, std::fabs(r.X - q.falseEasting));
          north = std::max(north, r.Y - q.falseNorthing);
          south = std::max(south, q.falseNorthing - r.Y);
        }
      }
      EXPECT_LE(east, p->MaxEastingOffset * (1 + 1e-12)) << code;
      EXPECT_LE(std::max(north, south), p->MaxNorthingOffset * (1 + 1e-12)) << code;
      // Within the grid's spacing (half a degree) of the edges. TCEA's map is
      // not symmetric about an origin latitude other than 0: the reach is the
      // larger side, whose edge the grid can only approach.
      EXPECT_GE(east, p->MaxEastingOffset * (1 - 5e-3)) << code;
      EXPECT_GE(std::max(north, south), p->MaxNorthingOffset * (1 - 5e-3)) << code;
    }
  }
}

}  // namespace
