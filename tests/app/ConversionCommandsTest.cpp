#include "app/ConversionCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "DecimalSeparatorScope.h"
#include "EngineFixture.h"
#include "gis/projections/GisProjectionTransverseMercator.h"
#include "toolkit/core/NumberText.h"

namespace {

using app::TField;
using app::TFieldTexts;

// Every field starts with a marker text, so a test sees which fields a
// command wrote, emptied or left alone.
TFieldTexts MarkedFields() {
  TFieldTexts fields;
  for (TField field : app::AllFields) fields[field] = "<" + std::string(app::FieldName(field)) + ">";
  return fields;
}

TGIS_Point3 Radians(double lon, double lat) {
  constexpr long double kDegreesToRadians = 0.017453292519943295769L;
  return TGIS_Point3{static_cast<double>(lon * kDegreesToRadians), static_cast<double>(lat * kDegreesToRadians), 0};
}

double Number(const std::string& text) {
  const std::optional<double> value = tk::TryStrToFloat(text);
  EXPECT_TRUE(value.has_value()) << '"' << text << '"';
  return value.value_or(std::nan(""));
}

// Expects every field other than the given ones to hold its marker.
void ExpectOthersUntouched(const TFieldTexts& fields, std::initializer_list<TField> written) {
  const TFieldTexts marked = MarkedFields();
  for (TField field : app::AllFields) {
    bool isWritten = false;
    for (TField w : written) isWritten = isWritten || w == field;
    if (!isWritten) {
      EXPECT_EQ(fields[field], marked[field]) << app::FieldName(field);
    }
  }
}

class ConversionCommands : public EngineFixture {
protected:
  app::TConversionCommands commands;
  TFieldTexts fields = MarkedFields();

  bool ToGauss(const char* lon, const char* lat) {
    fields[TField::edtLon] = lon;
    fields[TField::edtLat] = lat;
    return commands.GeodeticToGauss(fields);
  }
  bool ToGeodetic(const char* zone, const char* x, const char* y) {
    fields[TField::edtGaussZone] = zone;
    fields[TField::edtGaussX] = x;
    fields[TField::edtGaussY] = y;
    return commands.GaussToGeodetic(fields);
  }
};

constexpr std::initializer_list<TField> kGaussFields = {TField::edtGaussX, TField::edtGaussY,
                                                        TField::edtGaussZone};
constexpr std::initializer_list<TField> kDecimalFields = {TField::edtLon, TField::edtLat};

TEST_F(ConversionCommands, BeijingToGaussAndBack) {
  ASSERT_TRUE(ToGauss("116.391", "39.907"));
  EXPECT_EQ(fields[TField::edtGaussZone], "20");
  const double x = Number(fields[TField::edtGaussX]);
  const double y = Number(fields[TField::edtGaussY]);
  // To the tenth of a millimetre.
  EXPECT_NEAR(x, 447924.4946, 0.0001);
  EXPECT_NEAR(y, 4419380.4477, 0.0001);
  ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtGaussX, TField::edtGaussY,
                                 TField::edtGaussZone});

  // Back from the texts just written; the degree/minute/second fields stay.
  fields[TField::edtLon] = "<edtLon>";
  fields[TField::edtLat] = "<edtLat>";
  ASSERT_TRUE(commands.GaussToGeodetic(fields));
  EXPECT_NEAR(Number(fields[TField::edtLon]), 116.391, 1e-9);
  EXPECT_NEAR(Number(fields[TField::edtLat]), 39.907, 1e-9);
  ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtGaussX, TField::edtGaussY,
                                 TField::edtGaussZone});
}

TEST_F(ConversionCommands, MeridianCarriesPiToEightDecimals) {
  // On the meridian of zone 20 at the equator the easting would be 500000
  // with the true pi; the shorter pi shifts the meridian by 1.5 cm.
  ASSERT_TRUE(ToGauss("117", "0"));
  EXPECT_EQ(fields[TField::edtGaussZone], "20");
  EXPECT_NEAR(Number(fields[TField::edtGaussX]), 500000.0149, 0.0001);
  EXPECT_EQ(fields[TField::edtGaussY], "0");
}

struct ZoneCase {
  const char* lon;
  const char* zone;
};

TEST_F(ConversionCommands, ZoneFromWholeDegreesAndGoingBackGivesThePoint) {
  const ZoneCase cases[] = {
      {"6", "2"},       {"5.999999", "1"}, {"-3", "1"},   {"-7", "0"}, {"0", "1"},
      {"-0.5", "1"},    {"-6.5", "0"},     {"-12", "-1"}, {"179.9", "30"}, {"90", "16"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lon);
    ASSERT_TRUE(ToGauss(c.lon, "30"));
    EXPECT_EQ(fields[TField::edtGaussZone], c.zone);
    ASSERT_TRUE(commands.GaussToGeodetic(fields));
    EXPECT_NEAR(Number(fields[TField::edtLon]), Number(c.lon), 1e-8);
    EXPECT_NEAR(Number(fields[TField::edtLat]), 30, 1e-8);
  }
}

TEST_F(ConversionCommands, LongitudeMinusThreeLiesWestOfTheMeridianOfZoneOne) {
  ASSERT_TRUE(ToGauss("-3", "0"));
  EXPECT_EQ(fields[TField::edtGaussZone], "1");
  EXPECT_LT(Number(fields[TField::edtGaussX]), 0);
}

TEST_F(ConversionCommands, Longitude180IsZone31AroundMeridianMinus177) {
  ASSERT_TRUE(ToGauss("180", "10"));
  EXPECT_EQ(fields[TField::edtGaussZone], "31");
  // Three degrees west of the meridian 183 = -177.
  const double x = Number(fields[TField::edtGaussX]);
  EXPECT_GT(x, 100000);
  EXPECT_LT(x, 500000);
  ASSERT_TRUE(commands.GaussToGeodetic(fields));
  EXPECT_NEAR(std::fabs(Number(fields[TField::edtLon])), 180, 1e-8);
  EXPECT_NEAR(Number(fields[TField::edtLat]), 10, 1e-8);
}

TEST_F(ConversionCommands, LatitudeBeyondTheLimitIsProjectedAsThePole) {
  ASSERT_TRUE(ToGauss("117", "95"));
  EXPECT_NEAR(Number(fields[TField::edtGaussY]), 10001965.7293, 0.0001);
  ASSERT_TRUE(ToGauss("117", "-95"));
  EXPECT_NEAR(Number(fields[TField::edtGaussY]), -10001965.7293, 0.0001);
}

TEST_F(ConversionCommands, Longitude400IsZone67ProjectedAgainstMeridianZero) {
  ASSERT_TRUE(ToGauss("400", "20"));
  EXPECT_EQ(fields[TField::edtGaussZone], "67");
  const std::string x400 = fields[TField::edtGaussX];
  const std::string y400 = fields[TField::edtGaussY];
  // Its meridian (399 degrees) is clamped to 2 pi, which is meridian 0: the
  // same point projected by the engine set up at meridian 0 must agree.
  TGIS_ProjectionTransverseMercator reference;
  reference.SetUp(0, 0, 0, 500000, 0, 0, 0, 1.0, 0, 0, 0, 0, 0, 0, 0);
  TGIS_Point3 plane;
  reference.Project(Radians(400, 20), plane);
  EXPECT_NEAR(Number(x400), plane.X, 1e-6);
  EXPECT_NEAR(Number(y400), plane.Y, 1e-6);
}

TEST_F(ConversionCommands, GeodeticToGaussFailuresEmptyZoneAndPlaneCoordinates) {
  const struct {
    const char* lon;
    const char* lat;
  } cases[] = {
      {"116.391", ""},          // the zone was already written, and is emptied too
      {"", "39.907"},
      {"abc", "39.907"},
      {"116.391", "39,907"},    // not the separator of the locale
      {"116.391 x", "39.907"},
      {"1e19", "0"},            // whole degrees beyond 64 bits
      {"-1e19", "0"},
      {"2e10", "0"},            // zone 3333333334 does not read back in 32 bits
      {"-1.3e10", "0"},
      {"1e999", "0"},
      {"nan", "0"},
      {"116", "inf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.lon) + " / " + c.lat);
    fields = MarkedFields();
    EXPECT_FALSE(ToGauss(c.lon, c.lat));
    for (TField field : kGaussFields) EXPECT_EQ(fields[field], "") << app::FieldName(field);
    EXPECT_EQ(fields[TField::edtLon], c.lon);
    EXPECT_EQ(fields[TField::edtLat], c.lat);
    ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtGaussX, TField::edtGaussY,
                                   TField::edtGaussZone});
  }
}

TEST_F(ConversionCommands, GaussToGeodeticFailuresEmptyOnlyTheDecimalFields) {
  const struct {
    const char* zone;
    const char* x;
    const char* y;
  } cases[] = {
      {"20", "20500000", "4419380"},    // beyond the easting reach
      {"20", "-18100000", "0"},
      {"20", "447924", "10001966"},     // beyond the northing reach
      {"20", "447924", "-10001966"},
      {"", "447924", "4419380"},        // empty zone
      {"20 ", "447924", "4419380"},     // nothing may follow an integer
      {"20.5", "447924", "4419380"},
      {"2147483648", "447924", "4419380"},
      {"20", "", "4419380"},
      {"20", "447924", ""},
      {"20", "4e5x", "4419380"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " / " + c.x + " / " + c.y);
    fields = MarkedFields();
    EXPECT_FALSE(ToGeodetic(c.zone, c.x, c.y));
    for (TField field : kDecimalFields) EXPECT_EQ(fields[field], "") << app::FieldName(field);
    EXPECT_EQ(fields[TField::edtGaussZone], c.zone);
    EXPECT_EQ(fields[TField::edtGaussX], c.x);
    EXPECT_EQ(fields[TField::edtGaussY], c.y);
    ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtGaussX, TField::edtGaussY,
                                   TField::edtGaussZone});
  }
}

TEST_F(ConversionCommands, GaussToGeodeticTakesHexadecimalAndBlankLedZones) {
  for (const char* zone : {"$14", "0x14", " 20", "+20"}) {
    SCOPED_TRACE(zone);
    ASSERT_TRUE(ToGeodetic(zone, "447924.49465", "4419380.44775"));
    EXPECT_NEAR(Number(fields[TField::edtLon]), 116.391, 1e-8);
  }
}

TEST_F(ConversionCommands, SplitAndJoinBothAngles) {
  fields[TField::edtLon] = "116.391";
  fields[TField::edtLat] = "-30.5";
  ASSERT_TRUE(commands.SplitLongitude(fields));
  ASSERT_TRUE(commands.SplitLatitude(fields));
  EXPECT_EQ(fields[TField::edtLonD], "116");
  EXPECT_EQ(fields[TField::edtLonM], "23");
  EXPECT_EQ(fields[TField::edtLonS], "27.6000000000192");
  EXPECT_EQ(fields[TField::edtLatD], "-30");
  EXPECT_EQ(fields[TField::edtLatM], "30");
  EXPECT_EQ(fields[TField::edtLatS], "0");
  ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtLonD, TField::edtLonM,
                                 TField::edtLonS, TField::edtLatD, TField::edtLatM, TField::edtLatS});

  fields[TField::edtLon] = "<edtLon>";
  fields[TField::edtLat] = "<edtLat>";
  ASSERT_TRUE(commands.JoinLongitude(fields));
  ASSERT_TRUE(commands.JoinLatitude(fields));
  EXPECT_EQ(fields[TField::edtLon], "116.391");
  EXPECT_EQ(fields[TField::edtLat], "-30.5");

  // Blank parts count as 0; minutes above 59 are taken as they are.
  fields[TField::edtLatD] = "10";
  fields[TField::edtLatM] = "90";
  fields[TField::edtLatS] = " ";
  ASSERT_TRUE(commands.JoinLatitude(fields));
  EXPECT_EQ(fields[TField::edtLat], "11.5");

  // A latitude just south of the equator keeps its hemisphere both ways.
  fields[TField::edtLat] = "-0.5";
  ASSERT_TRUE(commands.SplitLatitude(fields));
  EXPECT_EQ(fields[TField::edtLatD], "0");
  EXPECT_EQ(fields[TField::edtLatM], "-30");
  EXPECT_EQ(fields[TField::edtLatS], "0");
  fields[TField::edtLat] = "";
  ASSERT_TRUE(commands.JoinLatitude(fields));
  EXPECT_EQ(fields[TField::edtLat], "-0.5");

  // Magnitudes near the largest double still split into readable parts.
  fields[TField::edtLon] = "1.7e308";
  ASSERT_TRUE(commands.SplitLongitude(fields));
  EXPECT_EQ(fields[TField::edtLonD], "2147483647");
  EXPECT_EQ(fields[TField::edtLonM], "1.79769313486231E308");
  EXPECT_EQ(fields[TField::edtLonS], "0");
  fields[TField::edtLon] = "";
  ASSERT_TRUE(commands.JoinLongitude(fields));
  EXPECT_EQ(fields[TField::edtLon], "2.99615522477052E306");
}

TEST_F(ConversionCommands, SplitAndJoinFailuresEmptyTheirOutputsOnly) {
  fields[TField::edtLon] = "";
  EXPECT_FALSE(commands.SplitLongitude(fields));
  fields[TField::edtLat] = "1.7e";
  EXPECT_FALSE(commands.SplitLatitude(fields));
  for (TField field : {TField::edtLonD, TField::edtLonM, TField::edtLonS, TField::edtLatD,
                       TField::edtLatM, TField::edtLatS})
    EXPECT_EQ(fields[field], "") << app::FieldName(field);
  ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtLonD, TField::edtLonM,
                                 TField::edtLonS, TField::edtLatD, TField::edtLatM, TField::edtLatS});

  fields = MarkedFields();
  fields[TField::edtLonD] = "12.5";  // degrees must be an integer
  fields[TField::edtLonM] = "0";
  fields[TField::edtLonS] = "0";
  EXPECT_FALSE(commands.JoinLongitude(fields));
  EXPECT_EQ(fields[TField::edtLon], "");
  EXPECT_FALSE(commands.JoinLatitude(fields));  // markers are not numbers
  EXPECT_EQ(fields[TField::edtLat], "");
  ExpectOthersUntouched(fields, {TField::edtLon, TField::edtLat, TField::edtLonD, TField::edtLonM,
                                 TField::edtLonS});
}

TEST_F(ConversionCommands, ClearAllEmptiesEveryFieldAndLeavesTheProjection) {
  ASSERT_TRUE(ToGauss("116.391", "39.907"));
  const TGIS_ProjectionTransverseMercator& projection = commands.Projection();
  const double meridian = projection.CentralMeridian;
  EXPECT_NEAR(meridian, 117 * 3.14159265 / 180, 1e-15);
  EXPECT_TRUE(commands.ClearAll(fields));
  EXPECT_EQ(fields, TFieldTexts{});
  EXPECT_EQ(projection.CentralMeridian, meridian);
  EXPECT_EQ(projection.FalseEasting, 500000);
}

TEST_F(ConversionCommands, WorkWithACommaAsDecimalSeparator) {
  const DecimalSeparatorScope comma(",");
  ASSERT_TRUE(ToGauss("116,391", "39,907"));
  EXPECT_EQ(fields[TField::edtGaussZone], "20");
  EXPECT_EQ(fields[TField::edtGaussX].find('.'), std::string::npos);
  EXPECT_NEAR(Number(fields[TField::edtGaussX]), 447924.4946, 0.0001);
  ASSERT_TRUE(commands.GaussToGeodetic(fields));
  EXPECT_NEAR(Number(fields[TField::edtLon]), 116.391, 1e-9);

  fields[TField::edtLon] = "116,391";
  ASSERT_TRUE(commands.SplitLongitude(fields));
  EXPECT_EQ(fields[TField::edtLonS], "27,6000000000192");
  ASSERT_TRUE(commands.JoinLongitude(fields));
  EXPECT_EQ(fields[TField::edtLon], "116,391");

  EXPECT_FALSE(ToGauss("116.391", "39.907"));  // the dot is not the separator now
  EXPECT_EQ(fields[TField::edtGaussZone], "");
}

// A window's field access may fail too; the command still must not throw.
class TFailingFields final : public app::TFieldAccess {
public:
  TFieldTexts texts;
  std::optional<TField> failOn;
  std::string Text(TField field) const override { return texts.Text(field); }
  void SetText(TField field, std::string_view text) override {
    if (failOn == field) throw std::runtime_error("edit is gone");
    texts.SetText(field, text);
  }
};

TEST_F(ConversionCommands, AFailingFieldAccessEndsTheCommandWithoutThrowing) {
  TFailingFields failing;
  failing.texts = MarkedFields();
  failing.texts[TField::edtLon] = "116.391";
  failing.texts[TField::edtLat] = "39.907";
  failing.failOn = TField::edtGaussY;
  EXPECT_FALSE(commands.GeodeticToGauss(failing));
  EXPECT_EQ(failing.texts[TField::edtGaussX], "");
  EXPECT_EQ(failing.texts[TField::edtGaussZone], "");

  failing.failOn = TField::edtLonM;
  EXPECT_FALSE(commands.ClearAll(failing));
  for (TField field : app::AllFields) {
    if (field != TField::edtLonM) {
      EXPECT_EQ(failing.texts[field], "") << app::FieldName(field);
    }
  }
}

}  // namespace
