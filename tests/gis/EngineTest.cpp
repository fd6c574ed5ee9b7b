#include "gis/GisEngine.h"
#include "gis/GisProjections.h"

#include <gtest/gtest.h>

namespace {

TEST(GisEngine, NestedScopesShareTheOutermostStartUp) {
  const TGIS_ProjectionList* const registry = GisProjectionList.get();
  const TGIS_DatumList* const datums = GisDatumList.get();
  {
    GisEngineScope nested;
    EXPECT_EQ(GisProjectionList.get(), registry);
    EXPECT_EQ(GisDatumList.get(), datums);
  }
  EXPECT_EQ(GisProjectionList.get(), registry);  // still held by the test environment
  EXPECT_EQ(GIS_RS_ERR_ZONE_INVALID, "0225 Zone \"%s%d\" out of scope");
}

TEST(GisEngine, ShutdownFreesEverythingAndStartupRebuildsIt) {
  // The test environment holds one start; give it back and take it again.
  GisEngineShutdown();
  EXPECT_EQ(GisProjectionList, nullptr);
  EXPECT_EQ(GisLocalizedNotification, nullptr);
  EXPECT_EQ(GisDatumList, nullptr);
  EXPECT_EQ(GisEllipsoidList, nullptr);
  EXPECT_TRUE(GIS_RS_ERR_ZONE_INVALID.empty());
  GisEngineShutdown();  // unbalanced: ignored

  GisEngineStartup();
  ASSERT_NE(GisProjectionList, nullptr);
  EXPECT_EQ(GisDatumList->Count(), 227);
  EXPECT_EQ(GisEllipsoidList->Count(), 23);
  EXPECT_NE(GisProjectionList->Find("TMR"), nullptr);
  EXPECT_NE(GisProjectionList->Find("UTM"), nullptr);
  EXPECT_EQ(GIS_RS_ERR_ZONE_INVALID, "0225 Zone \"%s%d\" out of scope");
}

}  // namespace
