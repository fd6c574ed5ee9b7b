// Every angle notation gkconv reads, and the malformed fields it refuses
// with a reason that names the fault.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/AngleText.h"

namespace {

using gkconv::ReadAngle;
using gkconv::TAngleAxis;

constexpr TAngleAxis kLon = TAngleAxis::Longitude;
constexpr TAngleAxis kLat = TAngleAxis::Latitude;

struct TGoodCase {
  const char* Text;
  TAngleAxis Axis;
  double Degrees;
};

// 116°23'27.6" = 116.391 and 39°54'25.2" = 39.907.
const TGoodCase kGood[] = {
    {"116.391", kLon, 116.391},
    {"-39.907", kLat, -39.907},
    {"+116.391", kLon, 116.391},
    {"  116.391\t", kLon, 116.391},
    {"1.16391e2", kLon, 116.391},
    {"116 23 27.6", kLon, 116.391},
    {"116:23:27.6", kLon, 116.391},
    {"-116:23:27.6", kLon, -116.391},
    {"-0 30 0.0", kLat, -0.5},
    {"116 23.46", kLon, 116.391},
    {"116°23′27.6″", kLon, 116.391},
    {"116°23'27.6\"", kLon, 116.391},
    {"116º23’27.6”", kLon, 116.391},
    {"116°23'27.6''", kLon, 116.391},
    {"116° 23′ 27.6″", kLon, 116.391},
    {"116°23'27.6", kLon, 116.391},  // the closing " lost to CSV quoting
    {"116°23.46'", kLon, 116.391},
    {"116.391°", kLon, 116.391},
    {"116°", kLon, 116},
    {"116度23分27.6秒", kLon, 116.391},
    {"39度54分25.2秒", kLat, 39.907},
    {"N39°54′25.2″", kLat, 39.907},
    {"39°54′25.2″S", kLat, -39.907},
    {"39.907N", kLat, 39.907},
    {"116 23 27.6 E", kLon, 116.391},
    {"W116.391", kLon, -116.391},
    {"东经116°23′27.6″", kLon, 116.391},
    {"西经116.391", kLon, -116.391},
    {"北纬39度54分25.2秒", kLat, 39.907},
    {"南纬39.907", kLat, -39.907},
    {"\xE3\x80\x80" "116.391", kLon, 116.391},  // ideographic space
    {"180", kLon, 180},
    {"-90", kLat, -90},
    {"-0", kLat, 0},
};

TEST(AngleText, ReadsEveryNotation) {
  for (const TGoodCase& c : kGood) {
    const auto r = ReadAngle(c.Text, c.Axis);
    ASSERT_TRUE(r.Ok()) << c.Text << ": " << r.Error;
    EXPECT_NEAR(r.Degrees, c.Degrees, 1e-12) << c.Text;
    EXPECT_FALSE(std::signbit(r.Degrees) && r.Degrees == 0) << c.Text << " read as -0";
  }
}

TEST(AngleText, SexagesimalPartsJoinAsTheWindowJoins) {
  // The window's join of 116, 23, 27.6000000000192 gives back 116.391 exactly.
  EXPECT_EQ(ReadAngle("116 23 27.6000000000192", kLon).Degrees, 116.391);
  EXPECT_EQ(ReadAngle("116:23:27.6000000000192", kLon).Degrees, 116.391);
}

struct TPackedCase {
  const char* Text;
  double Degrees;
};

TEST(AngleText, ReadsPackedDegreesMinutesSecondsOnlyOnRequest) {
  const TPackedCase cases[] = {
      {"116.232760", 116.391}, {"116.23276", 116.391}, {"-39.542520", -39.907},
      {"116.2", 116 + 20 / 60.0}, {"116", 116}, {"N39.542520", 39.907},
  };
  for (const TPackedCase& c : cases) {
    const auto r = ReadAngle(c.Text, c.Text[0] == 'N' || c.Text[0] == '-' ? kLat : kLon, {.Packed = true});
    ASSERT_TRUE(r.Ok()) << c.Text << ": " << r.Error;
    EXPECT_NEAR(r.Degrees, c.Degrees, 1e-12) << c.Text;
  }
  EXPECT_NEAR(ReadAngle("116.232760", kLon).Degrees, 116.23276, 1e-12);  // decimal unless asked

  const auto minutes = ReadAngle("116.612760", kLon, {.Packed = true});
  EXPECT_NE(minutes.Error.find("minutes 61 are 60 or more"), std::string::npos) << minutes.Error;
  const auto seconds = ReadAngle("116.236000", kLon, {.Packed = true});
  EXPECT_NE(seconds.Error.find("seconds 60 are 60 or more"), std::string::npos) << seconds.Error;
}

struct TBadCase {
  const char* Text;
  TAngleAxis Axis;
  const char* Reason;  // a part of the error text
};

const TBadCase kBad[] = {
    {"116°61′0″", kLon, "minutes 61 are 60 or more"},
    {"116 61 0", kLon, "minutes 61 are 60 or more"},
    {"116°23′60″", kLon, "seconds 60 are 60 or more"},
    {"116:23:60.0", kLon, "seconds 60.0 are 60 or more"},
    {"116°23'", kLon, "seconds missing after the whole minutes"},
    {"116 23", kLon, "seconds missing after the whole minutes"},
    {"116度23分", kLon, "seconds missing after the whole minutes"},
    {"116.39.1", kLon, "two decimal points in '116.39.1'"},
    {"116°23'27.6.1\"", kLon, "two decimal points in '27.6.1'"},
    {"１１６.３９１", kLon, "full-width digit '１'"},
    {"116．391", kLon, "full-width character '．'"},
    {"116,391", kLon, "the decimal separator is '.'"},
    {"", kLon, "empty field"},
    {"   ", kLat, "empty field"},
    {"abc", kLon, "unexpected 'a'"},
    {"N116.391", kLon, "does not belong to a longitude"},
    {"116.391E", kLat, "does not belong to a latitude"},
    {"-39.907S", kLat, "sign and hemisphere letter together"},
    {"N39.9N", kLat, "two hemisphere letters"},
    {"116.5°30'", kLon, "with a fraction before the minutes"},
    {"116 -23 27.6", kLon, "only the whole angle has a sign"},
    {"23'116°", kLon, "out of order"},
    {"23'27\"5", kLon, "number after the seconds"},
    {"116 23 27 5", kLon, "more than three numbers"},
    {"116°27.6\"", kLon, "seconds without minutes"},
    {"°23", kLon, "without a number before it"},
    {"95", kLat, "latitude '95' is outside -90...90"},
    {"181", kLon, "longitude '181' is outside -180...180"},
    {"-", kLon, "sign without a number"},
    {"inf", kLon, "unexpected 'i'"},
};

TEST(AngleText, RefusesMalformedFieldsWithTheirReason) {
  for (const TBadCase& c : kBad) {
    const auto r = ReadAngle(c.Text, c.Axis);
    EXPECT_FALSE(r.Ok()) << c.Text << " read as " << r.Degrees;
    EXPECT_NE(r.Error.find(c.Reason), std::string::npos) << c.Text << ": " << r.Error;
  }
}

TEST(AngleText, ReadsMetresAndExplainsWhatIsNot) {
  double v;
  std::string error;
  EXPECT_TRUE(gkconv::ReadMetres(" 4419380.448 ", v, error));
  EXPECT_EQ(v, 4419380.448);
  EXPECT_TRUE(gkconv::ReadMetres("-1.5e3", v, error));
  EXPECT_EQ(v, -1500);
  const std::pair<const char*, const char*> bad[] = {
      {"4419380.44.8", "two decimal points"}, {"４４１９３８０", "full-width digit"}, {"447924,494", "decimal separator"},
      {"", "empty field"},                    {"1e999", "not a number"},             {"nan", "not a number"}};
  for (const auto& [text, reason] : bad) {
    EXPECT_FALSE(gkconv::ReadMetres(text, v, error)) << text;
    EXPECT_NE(error.find(reason), std::string::npos) << text << ": " << error;
  }
}

}  // namespace
