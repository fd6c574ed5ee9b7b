#include "toolkit/core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FloatCase {
  double value;
  const char* text;
};

TEST(FloatToStrGeneral, FixedScientificAndTrailingZeros) {
  const FloatCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {45.0, "45"},
      {116.391, "116.391"},
      {-30.5, "-30.5"},
      {27.600000000019202, "27.6000000000192"},
      {447924.49461234, "447924.49461234"},
      {0.00001, "0.00001"},
      {0.000001, "1E-6"},
      {-0.0000015, "-1.5E-6"},
      {123456789012345.0, "123456789012345"},   // 15 integer digits: fixed
      {1234567890123456.0, "1.23456789012346E15"},  // 16: scientific, rounded
      {1e20, "1E20"},
      {0.1 + 0.2, "0.3"},                       // 15 digits hide the binary error
      {2.5e-308, "2.5E-308"},
      {std::numeric_limits<double>::max(), "1.79769313486232E308"},
      {10001965.729313, "10001965.729313"},
  };
  for (const auto& c : cases) EXPECT_EQ(tk::FloatToStrGeneral(c.value, "."), c.text) << c.value;
}

TEST(FloatToStrGeneral, UsesTheGivenSeparatorOnlyWhenAFractionRemains) {
  EXPECT_EQ(tk::FloatToStrGeneral(116.391, ","), "116,391");
  EXPECT_EQ(tk::FloatToStrGeneral(116.0, ","), "116");
  EXPECT_EQ(tk::FloatToStrGeneral(1.5e-9, ","), "1,5E-9");
}

TEST(FloatToStrGeneral, NonFiniteValuesHaveWords) {
  EXPECT_EQ(tk::FloatToStrGeneral(std::numeric_limits<double>::quiet_NaN(), "."), "NAN");
  EXPECT_EQ(tk::FloatToStrGeneral(HUGE_VAL, "."), "INF");
  EXPECT_EQ(tk::FloatToStrGeneral(-HUGE_VAL, "."), "-INF");
}

TEST(StrToFloat, AcceptsTheGrammar) {
  const FloatCase cases[] = {
      {116.391, "116.391"}, {116.391, "  116.391  "}, {-30.5, "-30.5"}, {7.5, "+7.5"},
      {0.5, ".5"},          {5.0, "5."},              {1500.0, "1.5e3"}, {1.5e-3, "1.5E-3"},
      {2e5, "2E+5"},        {0.0, "0"},               {0.0, "1e-400"},   {116.391, "116.3910000000000000000000000000000000"},
  };
  for (const auto& c : cases) {
    auto v = tk::TryStrToFloat(c.text, ".");
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(StrToFloat, RejectsEverythingElse) {
  const char* bad[] = {"",      " ",     "+",    "-",     ".",     "1.2.3", "1,5",  "1e",   "e5",
                       "1e+",   "inf",   "nan",  "INF",   "0x10",  "$10",   "1 2",  "12a",  "a12",
                       "\t12",  "12\n",  "1e400", "-1e999", "１２", "1_000", "--1",  "+-1",  "1e5.5"};
  for (const char* text : bad) EXPECT_FALSE(tk::TryStrToFloat(text, ".").has_value()) << text;
}

TEST(StrToFloat, LocaleSeparatorReplacesThePoint) {
  EXPECT_EQ(tk::TryStrToFloat("116,391", ","), 116.391);
  EXPECT_FALSE(tk::TryStrToFloat("116.391", ",").has_value());
  EXPECT_EQ(tk::TryStrToFloat("1٫5", "٫"), 1.5);  // a multi-byte separator
}

TEST(StrToFloat, LongDigitStringsAreRoundedCorrectly) {
  std::string text = "0." + std::string(400, '3');
  EXPECT_EQ(tk::TryStrToFloat(text, "."), 1.0 / 3.0);
  std::string big = std::string(400, '9');
  EXPECT_FALSE(tk::TryStrToFloat(big, ".").has_value());  // 1e400 does not fit
}

TEST(StrToFloat, TextsAroundSixtyFourCharactersReadLikeShortOnes) {
  // Short texts are copied on the stack, long ones on the heap; both read alike.
  for (size_t length = 60; length <= 68; ++length) {
    const std::string ones = "1." + std::string(length - 2, '0');
    EXPECT_EQ(tk::TryStrToFloat(ones, "."), 1.0) << length;
    const std::string huge = "1" + std::string(length - 5, '0') + "e400";
    EXPECT_FALSE(tk::TryStrToFloat(huge, ".").has_value()) << length;
    const std::string tiny = "1" + std::string(length - 6, '0') + "e-400";
    EXPECT_EQ(tk::TryStrToFloat(tiny, "."), 0.0) << length;
  }
}

struct IntCase {
  const char* text;
  std::int32_t value;
};

TEST(StrToInt, AcceptsDecimalAndHexadecimal) {
  const IntCase cases[] = {{"20", 20},          {" 12", 12},         {"-7", -7},     {"+5", 5},
                           {"$1F", 31},         {"x10", 16},         {"X10", 16},    {"0x7fffffff", 2147483647},
                           {"0X10", 16},        {"-$10", -16},       {"2147483647", 2147483647},
                           {"-2147483648", -2147483647 - 1},         {"0", 0},       {"007", 7}};
  for (const auto& c : cases) {
    auto v = tk::TryStrToInt(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(StrToInt, RejectsEverythingElse) {
  const char* bad[] = {"",   " ",  "12 ",         "12.5",  "1e3",         "2147483648", "-2147483649",
                       "$",  "0x", "0x80000000",  "$g",    "- 1",         "\t12",       "99999999999999999999",
                       "+",  "-",  "１",          "12a"};
  for (const char* text : bad) EXPECT_FALSE(tk::TryStrToInt(text).has_value()) << text;
}

TEST(StrToInt, ThrowingReaderNamesTheText) {
  try {
    tk::StrToInt("abc");
    FAIL() << "no exception";
  } catch (const tk::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

TEST(NumberText, RoundTripOfWrittenValues) {
  // Every value written with 15 digits reads back to a value that writes the same.
  const double values[] = {116.391, -0.000123456789012345, 6.02214076e23, 1e-300, 4419380.44779, 1.0 / 3.0};
  for (double v : values) {
    const std::string text = tk::FloatToStrGeneral(v, ".");
    auto back = tk::TryStrToFloat(text, ".");
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(tk::FloatToStrGeneral(*back, "."), text);
  }
}

TEST(NumberText, BlankTextIgnoresControlCharacters) {
  EXPECT_TRUE(tk::IsBlankText(""));
  EXPECT_TRUE(tk::IsBlankText(" \t\r\n\x01"));
  EXPECT_TRUE(tk::IsBlankText("\x7f"));                     // DEL
  EXPECT_TRUE(tk::IsBlankText("\xc2\x80 \xc2\x85\xc2\x9f"));  // C1 controls U+0080, U+0085, U+009F
  EXPECT_FALSE(tk::IsBlankText(" 0 "));
  EXPECT_FALSE(tk::IsBlankText("\xc2\xa0"));  // U+00A0 is a character, not a control
  EXPECT_FALSE(tk::IsBlankText("\xc2"));      // a cut sequence is not a control either
  EXPECT_FALSE(tk::IsBlankText("\x85"));      // nor a lone continuation byte
}

TEST(NumberText, OverrideOfTheSeparator) {
  tk::SetDecimalSeparatorOverride(",");
  EXPECT_EQ(tk::DecimalSeparator(), ",");
  EXPECT_EQ(tk::FloatToStrGeneral(0.5), "0,5");
  EXPECT_EQ(tk::TryStrToFloat("0,5"), 0.5);
  tk::SetDecimalSeparatorOverride("");
  EXPECT_FALSE(tk::DecimalSeparator().empty());
}

}  // namespace
