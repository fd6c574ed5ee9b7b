// The registry after start-up holds exactly the engine's 27 classes, each
// under its code with its description and the parameters it reads. This is
// the one table of them in the tests: a class missing from the registration
// list, registered under another class's code, a typo in a description or a
// wrong ParameterSet shows up here rather than in a client's lookup.
#include "gis/GisProjections.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <typeinfo>

#include "gis/projections/GisProjectionAlbers.h"
#include "gis/projections/GisProjectionBonne.h"
#include "gis/projections/GisProjectionCEA.h"
#include "gis/projections/GisProjectionCassini.h"
#include "gis/projections/GisProjectionEQC.h"
#include "gis/projections/GisProjectionEckert4.h"
#include "gis/projections/GisProjectionEckert6.h"
#include "gis/projections/GisProjectionGeocentric.h"
#include "gis/projections/GisProjectionGeodetic.h"
#include "gis/projections/GisProjectionGrinten.h"
#include "gis/projections/GisProjectionHotine.h"
#include "gis/projections/GisProjectionHotine2.h"
#include "gis/projections/GisProjectionLambert.h"
#include "gis/projections/GisProjectionMercator.h"
#include "gis/projections/GisProjectionMillerCyl.h"
#include "gis/projections/GisProjectionMollweide.h"
#include "gis/projections/GisProjectionNZMG.h"
#include "gis/projections/GisProjectionOrthographic.h"
#include "gis/projections/GisProjectionPolarStereographic.h"
#include "gis/projections/GisProjectionPolyconic.h"
#include "gis/projections/GisProjectionRobinson.h"
#include "gis/projections/GisProjectionSinusoid.h"
#include "gis/projections/GisProjectionTCEA.h"
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "gis/projections/GisProjectionUTM.h"
#include "gis/projections/GisProjectionWagner4.h"
#include "gis/projections/GisProjectionWagner7.h"

namespace {

struct CatalogRow {
  const char* code;
  const char* description;
  TGIS_ParameterSet parameters;
  const std::type_info& type;
};

// Descriptions are the built-in texts, spelling included.
const CatalogRow kCatalog[] = {
    {"GED", "Geodetic (unprojected)", 0, typeid(TGIS_ProjectionGeodetic)},
    {"GEC", "Geocentic (unprojected)", 0, typeid(TGIS_ProjectionGeocentric)},
    {"ALB", "Albers Equal Area Conic", 63, typeid(TGIS_ProjectionAlbers)},
    {"MER", "Mercator", 15, typeid(TGIS_ProjectionMercator)},
    {"ROB", "Robinson", 13, typeid(TGIS_ProjectionRobinson)},
    {"BON", "Bonne", 15, typeid(TGIS_ProjectionBonne)},
    {"CAS", "Cassini", 15, typeid(TGIS_ProjectionCassini)},
    {"CEA", "Cylindrical Equal Area", 15, typeid(TGIS_ProjectionCEA)},
    {"TCE", "Transverse Cylindrical Equal Area", 143, typeid(TGIS_ProjectionTCEA)},
    {"EQC", "Equidistant Cylindrical", 15, typeid(TGIS_ProjectionEQC)},
    {"MIL", "Miller Cylindrical", 13, typeid(TGIS_ProjectionMillerCyl)},
    {"MOL", "Mollweide Pseudocylindrical", 13, typeid(TGIS_ProjectionMollweide)},
    {"EC4", "Eckert IV", 13, typeid(TGIS_ProjectionEckert4)},
    {"EC6", "Eckert VI", 13, typeid(TGIS_ProjectionEckert6)},
    {"WA4", "Wagner IV", 13, typeid(TGIS_ProjectionWagner4)},
    {"WA7", "Wagner VII", 13, typeid(TGIS_ProjectionWagner7)},
    {"GRI", "Van der Grinten", 13, typeid(TGIS_ProjectionGrinten)},
    {"LAM", "Lambert Conformal Conic", 63, typeid(TGIS_ProjectionLambert)},
    {"ORT", "Orthographic", 15, typeid(TGIS_ProjectionOrthographic)},
    {"POL", "Polar Stereographic", 15, typeid(TGIS_ProjectionPolarStereographic)},
    {"PLC", "Polyconic", 15, typeid(TGIS_ProjectionPolyconic)},
    {"SIN", "Sinusoid", 13, typeid(TGIS_ProjectionSinusoid)},
    {"TMR", "Transverse Mercator", 143, typeid(TGIS_ProjectionTransverseMercator)},
    {"UTM", "Universal Transverse Mercator (UTM)", 64, typeid(TGIS_ProjectionUTM)},
    {"HOT", "Hotine Olique Mercator Azimuth Center", 655, typeid(TGIS_ProjectionHotine)},
    {"HT2", "Hotine Olique Mercator Two Point", 3215, typeid(TGIS_ProjectionHotine2)},
    {"NZMG", "New Zealand Map Grid", 0, typeid(TGIS_ProjectionNZMG)},
};

TEST(ProjectionCatalog, RegistryHoldsExactlyTheEngineClasses) {
  ASSERT_NE(GisProjectionList, nullptr);
  ASSERT_EQ(GisProjectionList->Count(), static_cast<int>(std::size(kCatalog)));
  for (const CatalogRow& row : kCatalog) {
    SCOPED_TRACE(row.code);
    TGIS_ProjectionAbstract* prototype = GisProjectionList->Find(row.code);
    ASSERT_NE(prototype, nullptr);
    EXPECT_EQ(typeid(*prototype), row.type);
    EXPECT_EQ(prototype->Code(), row.code);
    EXPECT_EQ(prototype->Description(), row.description);
    EXPECT_EQ(prototype->ParameterSet(), row.parameters);

    // Codes are found in any case.
    std::string lower = row.code;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(GisProjectionList->Find(lower), prototype);

    // A client's instance is a fresh object of the same class, and so is
    // what the prototype creates.
    auto instance = GisProjectionList->CreateByCode(row.code);
    ASSERT_NE(instance, nullptr);
    EXPECT_NE(instance.get(), prototype);
    EXPECT_EQ(typeid(*instance), row.type);
    EXPECT_EQ(instance->Code(), row.code);
    auto created = prototype->Create();
    ASSERT_NE(created, nullptr);
    EXPECT_NE(created.get(), prototype);
    EXPECT_EQ(typeid(*created), row.type);
  }
}

TEST(ProjectionCatalog, EveryClassIsADistinctType) {
  for (size_t i = 0; i < std::size(kCatalog); ++i)
    for (size_t j = i + 1; j < std::size(kCatalog); ++j)
      EXPECT_NE(kCatalog[i].type, kCatalog[j].type) << kCatalog[i].code << " " << kCatalog[j].code;
}

}  // namespace
