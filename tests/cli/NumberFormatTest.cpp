// Output numbers: fixed decimals without "-0", degrees/minutes/seconds whose
// rounding carries, packed ddd.mmss, and the window's 15-digit rule.

#include <gtest/gtest.h>

#include <string>

#include "cli/NumberFormat.h"

namespace {

using gkconv::TAngleStyle;

std::string Fixed(double v, int d) {
  std::string s;
  gkconv::AppendFixed(s, v, d);
  return s;
}

std::string Angle(double v, TAngleStyle style, int d) {
  std::string s;
  gkconv::AppendAngle(s, v, style, d);
  return s;
}

TEST(NumberFormat, FixedDecimalsNeverWriteMinusZero) {
  const std::tuple<double, int, const char*> cases[] = {
      {447924.4946, 3, "447924.495"}, {-0.0004, 3, "0.000"}, {-0.0, 3, "0.000"},  {-0.0005001, 3, "-0.001"},
      {2.5, 0, "2"},                  {-1e-12, 9, "0.000000000"},            {116.391, 9, "116.391000000"},
      {1e-10, 9, "0.000000000"},      {-2.0000000004, 9, "-2.000000000"},
  };
  for (const auto& [value, digits, text] : cases) EXPECT_EQ(Fixed(value, digits), text) << value;
}

TEST(NumberFormat, DegreesMinutesSecondsCarryWhenSecondsRoundTo60) {
  const std::tuple<double, TAngleStyle, int, const char*> cases[] = {
      {116.391, TAngleStyle::Dms, 5, "116°23'27.60000\""},
      {116.391, TAngleStyle::Dms, 1, "116°23'27.6\""},
      {39.5 + 59.9999999 / 3600, TAngleStyle::Dms, 5, "39°31'00.00000\""},  // 59.9999999" carries into 31'
      {39 + 59.0 / 60 + 59.999999 / 3600, TAngleStyle::Dms, 3, "40°0'00.000\""},  // and on into the degrees
      {-116.391, TAngleStyle::Dms, 2, "-116°23'27.60\""},
      {-0.5, TAngleStyle::Dms, 0, "-0°30'00\""},  // the sign survives whole degrees of 0
      {-1e-12, TAngleStyle::Dms, 5, "0°0'00.00000\""},  // no "-0"
      {45, TAngleStyle::Dms, 5, "45°0'00.00000\""},
      {116.391, TAngleStyle::Packed, 4, "116.23276000"},
      {-39.907, TAngleStyle::Packed, 2, "-39.542520"},
      {5.0 + 1.0 / 60 + 2.5 / 3600, TAngleStyle::Packed, 1, "5.01025"},
      {116.391, TAngleStyle::Decimal, 9, "116.391000000"},
  };
  for (const auto& [value, style, digits, text] : cases) EXPECT_EQ(Angle(value, style, digits), text) << value;
}

TEST(NumberFormat, WindowRuleWritesFifteenSignificantDigits) {
  std::string s;
  gkconv::AppendWindowNumber(s, 447924.49462812);
  EXPECT_EQ(s, "447924.49462812");
  s.clear();
  gkconv::AppendWindowNumber(s, 116.39100000000002);
  EXPECT_EQ(s, "116.391");
}

}  // namespace
