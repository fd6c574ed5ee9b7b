#include "gis/GisException.h"
#include "gis/GisMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(EGIS_Exception, FormatsTextThenNumberAndTakesTheCodeFromThreeCharacters) {
  const EGIS_Exception zone(GIS_RS_ERR_ZONE_INVALID, "", 61);
  EXPECT_EQ(zone.Message(), "0225 Zone \"61\" out of scope");
  EXPECT_STREQ(zone.what(), "0225 Zone \"61\" out of scope");
  EXPECT_EQ(zone.ErrorCode(), 22);
  EXPECT_EQ(zone.TextArgument(), "");
  EXPECT_EQ(zone.NumberArgument(), 61);

  const EGIS_Exception easting(GIS_RS_ERR_EASTING_INVALID, "18577794", 0);
  EXPECT_EQ(easting.Message(), "0215 Easting 18577794 out of scope");
  EXPECT_EQ(easting.ErrorCode(), 21);

  const EGIS_Exception file(GIS_RS_ERR_FILEREAD, "a.shp", -5);
  EXPECT_EQ(file.Message(), "0031 Error during reading file \"a.shp\" (code -5)");
  EXPECT_EQ(file.ErrorCode(), 3);

  EXPECT_EQ(EGIS_Exception(GIS_RS_ERR_UNIMPLEMENTED, "x", 1).ErrorCode(), 0);
  EXPECT_EQ(EGIS_Exception("abc", "", 0).ErrorCode(), 0);
  EXPECT_EQ(EGIS_Exception("", "", 0).ErrorCode(), 0);
  EXPECT_EQ(EGIS_Exception("", "", 0).Message(), "");
}

TEST(EGIS_Exception, UnformattableTemplateIsTheMessage) {
  const EGIS_Exception badCall(GIS_RS_ERR_BAD_CALL, "arg", 3);
  EXPECT_EQ(badCall.Message(), "0006 Improper call of the method (bad parameters?) %");
  EXPECT_EQ(badCall.ErrorCode(), 0);
  EXPECT_EQ(badCall.TextArgument(), "arg");
  EXPECT_EQ(badCall.NumberArgument(), 3);

  // A directive that does not fit its argument, or one argument too many.
  for (const char* t : {"999 %d first", "999 %s %s", "999 %s %d %d", "999 %f", "999 %s %g", "999 %q", "999 %5"})
    EXPECT_EQ(EGIS_Exception(t, "x", 1).Message(), t) << t;
}

struct FormatCase {
  const char* templ;
  const char* text;
  int number;
  const char* expected;
};

TEST(GisFormatMessage, FollowsTheRuntimeFormatDirectives) {
  const FormatCase cases[] = {
      {"%s%d", "N", 7, "N7"},
      {"100%% %s", "sure", 0, "100% sure"},
      {"[%5s|%0:-5s]", "ab", 0, "[   ab|ab   ]"},
      {"[%.2s]", "abcdef", 0, "[ab]"},
      {"%s [%4d] [%1:-4d] [%1:.3d]", "", -7, " [  -7] [-7  ] [-007]"},
      {"%s%x", "", 255, "FF"},
      {"%s%u", "", -1, "4294967295"},
      {"%1:d %0:s %d", "t", 5, "5 t 5"},
      {"%S%D", "up", 2, "up2"},
      {"no directives", "t", 1, "no directives"},
  };
  for (const FormatCase& c : cases) {
    const auto out = GisFormatMessage(c.templ, c.text, c.number);
    ASSERT_TRUE(out.has_value()) << c.templ;
    EXPECT_EQ(*out, c.expected) << c.templ;
  }
  EXPECT_FALSE(GisFormatMessage("%", "", 0).has_value());
  EXPECT_FALSE(GisFormatMessage("%2:s", "", 0).has_value());
  EXPECT_FALSE(GisFormatMessage("%99999999d", "", 0).has_value());
}

TEST(GisRaise, ValueTextUsesFifteenDigitsAndTheLocaleSeparator) {
  try {
    GisRaiseValue(GIS_RS_ERR_NORTHING_INVALID, -10001966.0);
    FAIL();
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.Message(), "0216 Northing -10001966 out of scope");
    EXPECT_EQ(e.ErrorCode(), 21);
    EXPECT_EQ(e.TextArgument(), "-10001966");
  }
  try {
    GisRaiseValue(GIS_RS_ERR_LATITUDE_INVALID, 1.0 / 3.0);
    FAIL();
  } catch (const EGIS_Exception& e) {
    EXPECT_EQ(e.TextArgument(), "0.333333333333333");
  }
}

}  // namespace
