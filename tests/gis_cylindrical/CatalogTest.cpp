// The family in the registry: codes, descriptions, parameter sets, classes,
// and the reach of Unproject at creation.
#include "CylindricalTestSupport.h"

#include "gis/projections/GisProjectionCEA.h"
#include "gis/projections/GisProjectionEQC.h"
#include "gis/projections/GisProjectionEckert4.h"
#include "gis/projections/GisProjectionEckert6.h"
#include "gis/projections/GisProjectionGrinten.h"
#include "gis/projections/GisProjectionMercator.h"
#include "gis/projections/GisProjectionMillerCyl.h"
#include "gis/projections/GisProjectionMollweide.h"
#include "gis/projections/GisProjectionRobinson.h"
#include "gis/projections/GisProjectionSinusoid.h"
#include "gis/projections/GisProjectionTCEA.h"
#include "gis/projections/GisProjectionWagner4.h"
#include "gis/projections/GisProjectionWagner7.h"

#include <algorithm>
#include <functional>

namespace {

using namespace cyl_test;

struct Entry {
  const char* code;
  const char* description;
  TGIS_ParameterSet parameters;
  std::function<bool(const TGIS_ProjectionAbstract*)> isClass;
};

template <class T>
bool Is(const TGIS_ProjectionAbstract* p) {
  return dynamic_cast<const T*>(p) != nullptr;
}

const Entry kEntries[] = {
    {"MER", "Mercator", 15, Is<TGIS_ProjectionMercator>},
    {"ROB", "Robinson", 13, Is<TGIS_ProjectionRobinson>},
    {"CEA", "Cylindrical Equal Area", 15, Is<TGIS_ProjectionCEA>},
    {"TCE", "Transverse Cylindrical Equal Area", 143, Is<TGIS_ProjectionTCEA>},
    {"EQC", "Equidistant Cylindrical", 15, Is<TGIS_ProjectionEQC>},
    {"MIL", "Miller Cylindrical", 13, Is<TGIS_ProjectionMillerCyl>},
    {"MOL", "Mollweide Pseudocylindrical", 13, Is<TGIS_ProjectionMollweide>},
    {"EC4", "Eckert IV", 13, Is<TGIS_ProjectionEckert4>},
    {"EC6", "Eckert VI", 13, Is<TGIS_ProjectionEckert6>},
    {"WA4", "Wagner IV", 13, Is<TGIS_ProjectionWagner4>},
    {"WA7", "Wagner VII", 13, Is<TGIS_ProjectionWagner7>},
    {"GRI", "Van der Grinten", 13, Is<TGIS_ProjectionGrinten>},
    {"SIN", "Sinusoid", 13, Is<TGIS_ProjectionSinusoid>},
};

TEST(Catalog, EveryClassIsRegisteredUnderItsCode) {
  for (const Entry& e : kEntries) {
    TGIS_ProjectionAbstract* prototype = GisProjectionList->Find(e.code);
    ASSERT_NE(prototype, nullptr) << e.code;
    EXPECT_TRUE(e.isClass(prototype)) << e.code;
    EXPECT_EQ(prototype->Code(), e.code);
    EXPECT_EQ(prototype->Description(), e.description);
    EXPECT_EQ(prototype->ParameterSet(), e.parameters) << e.code;
    auto fresh = prototype->Create();
    EXPECT_NE(fresh.get(), prototype);
    EXPECT_TRUE(e.isClass(fresh.get())) << e.code;
  }
}

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

// The reach at creation where the class table gives it (rounded to the metre
// there). Wagner IV and VII are listed "as Eckert VI", which is not their
// size; TCEA's 6398628 m across is wider than its map (6378137 m); those
// follow the map (see ReachIsTheWholeMap).
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
