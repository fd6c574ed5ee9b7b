#include "app/AngleNotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "DecimalSeparatorScope.h"
#include "toolkit/core/NumberText.h"

namespace {

using app::TDegMinSec;

struct SplitCase {
  double value;
  const char* degrees;
  const char* minutes;
  const char* seconds;
};

TEST(Split, ShowsTheExamplePartsWithFifteenDigits) {
  const SplitCase cases[] = {
      {116.391, "116", "23", "27.6000000000192"},
      {-30.5, "-30", "30", "0"},
      {-0.5, "0", "-30", "0"},  // between -1 and 0 the minutes and seconds carry the sign
      {-0.508333, "0", "-30", "-29.9988000000001"},
      {-1e-20, "0", "0", "-3.6E-17"},
      {-1.5, "-1", "30", "0"},  // from -1 on the degrees carry it, as ever
      {45.0, "45", "0", "0"},
      {-0.0, "0", "0", "0"},
      {0.0, "0", "0", "0"},
      {-116.391, "-116", "23", "27.6000000000192"},
      {39.907, "39", "54", "25.1999999999873"},  // exact: 25.199999999987313...
      {2147483647.5, "2147483647", "30", "0"},
  };
  for (const auto& c : cases) {
    const auto texts = app::ShowDegMinSec(app::Split(c.value));
    EXPECT_EQ(texts.Degrees, c.degrees) << c.value;
    EXPECT_EQ(texts.Minutes, c.minutes) << c.value;
    EXPECT_EQ(texts.Seconds, c.seconds) << c.value;
  }
}

TEST(Split, NeverRoundsUpToSixtyMinutesOrSeconds) {
  // Just below a whole degree and just below a whole minute.
  for (double v : {std::nextafter(11.0, 0.0), std::nextafter(10.5, 0.0), std::nextafter(-11.0, 0.0),
                   std::nextafter(1.0 / 60.0 * 7, 0.0)}) {
    const TDegMinSec dms = app::Split(v);
    EXPECT_LT(dms.Minutes, 60) << v;
    EXPECT_LT(dms.Seconds, 60) << v;
    EXPECT_EQ(dms.Degrees, static_cast<std::int32_t>(std::trunc(v))) << v;
  }
  const TDegMinSec belowEleven = app::Split(std::nextafter(11.0, 0.0));
  EXPECT_EQ(belowEleven.Degrees, 10);
  EXPECT_EQ(belowEleven.Minutes, 59);
  EXPECT_GT(belowEleven.Seconds, 59.9999999);
}

TEST(Split, PartsStayInRangeAndJoinGivesTheValueBack) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> angle(-400.0, 400.0);
  for (int i = 0; i < 100000; ++i) {
    const double v = angle(random);
    const TDegMinSec dms = app::Split(v);
    ASSERT_EQ(dms.Minutes, std::trunc(dms.Minutes)) << v;
    // Between -1 and 0 both parts are negative (or 0), elsewhere positive.
    const long double sign = (v < 0 && v > -1) ? -1 : 1;
    ASSERT_GE(dms.Minutes * sign, 0) << v;
    ASSERT_LT(dms.Minutes * sign, 60) << v;
    ASSERT_GE(dms.Seconds * sign, 0) << v;
    ASSERT_LT(dms.Seconds * sign, 60) << v;
    const double back = app::Join(dms);
    ASSERT_LE(std::fabs(back - v), std::fabs(std::nextafter(v, 1e9) - v)) << v;
  }
}

TEST(Split, HugeMagnitudesKeepTheLargestDegreesAndCarryTheRestInMinutes) {
  for (double v : {2147483648.0, -3e9, 1e15, -1e15, 2.9e306, -2.9e306}) {
    const TDegMinSec dms = app::Split(v);
    EXPECT_EQ(dms.Degrees, v > 0 ? 2147483647 : -2147483647) << v;
    EXPECT_NEAR(app::Join(dms), v, std::fabs(v) * 1e-15) << v;
  }
  // From about 3e306 on the minutes would pass the largest double; they stop
  // just below it, where every part still shows as a number that reads back.
  constexpr double kMax = std::numeric_limits<double>::max();
  for (double v : {3e306, 1e307, kMax, -kMax}) {
    const TDegMinSec dms = app::Split(v);
    EXPECT_EQ(dms.Degrees, v > 0 ? 2147483647 : -2147483647) << v;
    EXPECT_EQ(static_cast<double>(dms.Minutes), std::min(1.79769313486231e308, (std::fabs(v) - 2147483647.0) * 60)) << v;
    EXPECT_EQ(dms.Seconds, 0) << v;
    const auto texts = app::ShowDegMinSec(dms);
    EXPECT_NO_THROW(app::ReadDegMinSec(texts.Degrees, texts.Minutes, texts.Seconds)) << v;
    EXPECT_TRUE(std::isfinite(app::Join(dms))) << v;
  }
}

struct JoinCase {
  const char* degrees;
  const char* minutes;
  const char* seconds;
  double value;
};

TEST(Join, ReadsTheTriplesOfTheExamples) {
  const JoinCase cases[] = {
      {"116", "23", "27.6000000000192", 116.391},
      {"-30", "30", "0", -30.5},
      {"0", "30", "0", 0.5},
      {"", "", "", 0.0},
      {"", "30", "", 0.5},
      {"10", "90", "0", 11.5},     // minutes above 59 are not rejected
      {"10", "-30", "", 9.5},      // the minutes' own sign is the minutes' only
      {"-10", "-30", "", -9.5},
      {" 12", "", "", 12.0},       // blanks before the degrees are allowed
      {"", " 7.5 ", "", 0.125},    // and around floating texts
      {"\t", "\r\n", " ", 0.0},    // blank and control characters only: 0
      {"\x7f", "\xc2\x85", " \xc2\x9f\x01", 0.0},  // DEL and C1 controls (U+0085, U+009F) too
      {"0", "-30", "0", -0.5},     // an angle between -1 and 0, as split shows it
      {"0", "-30", "-29.9988000000001", -0.508333},
      {"$10", "", "", 16.0},       // the integer rule reads hexadecimal
      {"0x1E", "", "", 30.0},
      {"-2147483648", "", "", -2147483648.0},
      {"1", "", "3600", 2.0},
  };
  for (const auto& c : cases) {
    const double v = app::Join(app::ReadDegMinSec(c.degrees, c.minutes, c.seconds));
    EXPECT_EQ(v, c.value) << '"' << c.degrees << "\" \"" << c.minutes << "\" \"" << c.seconds << '"';
  }
}

TEST(Join, RejectsTextsTheRulesDoNotAllow) {
  const JoinCase cases[] = {
      {"12.5", "", "", 0},        // degrees must be an integer
      {"12 ", "", "", 0},         // nothing may follow the degrees
      {"2147483648", "", "", 0},  // beyond 32 bits
      {"1e2", "", "", 0},
      {"", "abc", "", 0},
      {"", "", "1,5", 0},  // not the separator of the locale
      {"", "7..5", "", 0},
      {"", "", "nan", 0},
      {"", "inf", "", 0},
      {"", "", "1e999", 0},
      {"", "\xc2\xa0", "", 0},  // a no-break space is a character, not a blank
      {"12\x7f", "", "", 0},    // the text is read whole: a trailing DEL is not a digit
  };
  for (const auto& c : cases)
    EXPECT_THROW(app::ReadDegMinSec(c.degrees, c.minutes, c.seconds), tk::EConvertError)
        << '"' << c.degrees << "\" \"" << c.minutes << "\" \"" << c.seconds << '"';
}

TEST(AngleNotation, FollowsTheLocaleSeparator) {
  const DecimalSeparatorScope comma(",");
  const auto texts = app::ShowDegMinSec(app::Split(116.391));
  EXPECT_EQ(texts.Seconds, "27,6000000000192");
  EXPECT_EQ(app::Join(app::ReadDegMinSec(texts.Degrees, texts.Minutes, texts.Seconds)), 116.391);
  EXPECT_THROW(app::ReadDegMinSec("", "7.5", ""), tk::EConvertError);
}

TEST(ShowDegMinSec, WritesSmallAndLargePartsInScientificNotation) {
  TDegMinSec dms;
  dms.Degrees = -5;
  dms.Minutes = 1e20L;
  dms.Seconds = 0.000001L;
  const auto texts = app::ShowDegMinSec(dms);
  EXPECT_EQ(texts.Degrees, "-5");
  EXPECT_EQ(texts.Minutes, "1E20");
  EXPECT_EQ(texts.Seconds, "1E-6");
}

}  // namespace
