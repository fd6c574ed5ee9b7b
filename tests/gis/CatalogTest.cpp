// The registry after start-up holds exactly the engine's 27 classes, each
// under its code with its description and the parameters it reads. A class
// missing from the registration list, a typo in a description or a wrong
// ParameterSet shows up here rather than in a client's lookup.
#include "gis/GisProjections.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

struct CatalogRow {
  const char* code;
  const char* description;
  TGIS_ParameterSet parameters;
};

// Descriptions are the built-in texts, spelling included.
constexpr CatalogRow kCatalog[] = {
    {"GED", "Geodetic (unprojected)", 0},
    {"GEC", "Geocentic (unprojected)", 0},
    {"ALB", "Albers Equal Area Conic", 63},
    {"MER", "Mercator", 15},
    {"ROB", "Robinson", 13},
    {"BON", "Bonne", 15},
    {"CAS", "Cassini", 15},
    {"CEA", "Cylindrical Equal Area", 15},
    {"TCE", "Transverse Cylindrical Equal Area", 143},
    {"EQC", "Equidistant Cylindrical", 15},
    {"MIL", "Miller Cylindrical", 13},
    {"MOL", "Mollweide Pseudocylindrical", 13},
    {"EC4", "Eckert IV", 13},
    {"EC6", "Eckert VI", 13},
    {"WA4", "Wagner IV", 13},
    {"WA7", "Wagner VII", 13},
    {"GRI", "Van der Grinten", 13},
    {"LAM", "Lambert Conformal Conic", 63},
    {"ORT", "Orthographic", 15},
    {"POL", "Polar Stereographic", 15},
    {"PLC", "Polyconic", 15},
    {"SIN", "Sinusoid", 13},
    {"TMR", "Transverse Mercator", 143},
    {"UTM", "Universal Transverse Mercator (UTM)", 64},
    {"HOT", "Hotine Olique Mercator Azimuth Center", 655},
    {"HT2", "Hotine Olique Mercator Two Point", 3215},
    {"NZMG", "New Zealand Map Grid", 0},
};

TEST(ProjectionCatalog, RegistryHoldsExactlyTheEngineClasses) {
  ASSERT_NE(GisProjectionList, nullptr);
  ASSERT_EQ(GisProjectionList->Count(), static_cast<int>(std::size(kCatalog)));
  for (const CatalogRow& row : kCatalog) {
    SCOPED_TRACE(row.code);
    TGIS_ProjectionAbstract* prototype = GisProjectionList->Find(row.code);
    ASSERT_NE(prototype, nullptr);
    EXPECT_EQ(prototype->Code(), row.code);
    EXPECT_EQ(prototype->Description(), row.description);
    EXPECT_EQ(prototype->ParameterSet(), row.parameters);

    // A client's instance is a fresh object of the same class.
    auto instance = GisProjectionList->CreateByCode(row.code);
    ASSERT_NE(instance, nullptr);
    EXPECT_NE(instance.get(), prototype);
    EXPECT_EQ(typeid(*instance), typeid(*prototype));
    EXPECT_EQ(instance->Code(), row.code);
  }
}

TEST(ProjectionCatalog, EveryClassIsADistinctType) {
  for (size_t i = 0; i < std::size(kCatalog); ++i)
    for (size_t j = i + 1; j < std::size(kCatalog); ++j) {
      const auto& a = *GisProjectionList->Find(kCatalog[i].code);
      const auto& b = *GisProjectionList->Find(kCatalog[j].code);
      EXPECT_NE(typeid(a), typeid(b)) << kCatalog[i].code << " " << kCatalog[j].code;
    }
}

}  // namespace
