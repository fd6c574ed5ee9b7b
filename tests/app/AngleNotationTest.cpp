#include "app/AngleNotation.h"

#include <gtest/gtest.h>

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
      {-0.5, "0", "30", "0"},  // the sign lives in the degrees, which are 0 here
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
    ASSERT_GE(dms.Minutes, 0) << v;
    ASSERT_LT(dms.Minutes, 60) << v;
    ASSERT_GE(dms.Seconds, 0) << v;
    ASSERT_LT(dms.Seconds, 60) << v;
    const double back = app::Join(dms);
    // Values in (-1, 0) lose their sign by design; everything else returns
    // within one unit in the last place.
    const double expected = (v < 0 && v > -1) ? -v : v;
    ASSERT_LE(std::fabs(back - expected), std::fabs(std::nextafter(expected, 1e9) - expected)) << v;
  }
}

TEST(Split, HugeMagnitudesKeepTheLargestDegreesAndCarryTheRestInMinutes) {
  for (double v : {2147483648.0, -3e9, 1e15, -1e15}) {
    const TDegMinSec dms = app::Split(v);
    EXPECT_EQ(dms.Degrees, v > 0 ? 2147483647 : -2147483647) << v;
    EXPECT_NEAR(app::Join(dms), v, std::fabs(v) * 1e-15) << v;
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
