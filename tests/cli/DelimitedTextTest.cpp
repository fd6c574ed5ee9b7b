// Splitting rows, detecting the delimiter, writing fields back, and finding
// the coordinate columns by name, by position and by the CASS layout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Columns.h"
#include "cli/DelimitedText.h"

namespace {

using gkconv::TDelimiter;

std::vector<std::string> Split(std::string_view line, TDelimiter d, bool* ok = nullptr) {
  gkconv::TFieldSplitter splitter(d);
  std::vector<std::string_view> fields;
  const bool done = splitter.Split(line, fields);
  if (ok) *ok = done;
  return {fields.begin(), fields.end()};
}

TEST(DelimitedText, SplitsCsvWithQuotesTsvAndWhitespace) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Split("P1,116.391,39.907", TDelimiter::Comma), (V{"P1", "116.391", "39.907"}));
  EXPECT_EQ(Split("P1,,39.907,", TDelimiter::Comma), (V{"P1", "", "39.907", ""}));
  EXPECT_EQ(Split(R"("P,1","116°23'27.6""",x)", TDelimiter::Comma), (V{"P,1", "116°23'27.6\"", "x"}));
  EXPECT_EQ(Split("a\tb c\t", TDelimiter::Tab), (V{"a", "b c", ""}));
  EXPECT_EQ(Split("  P1   116.391\t39.907  ", TDelimiter::Whitespace), (V{"P1", "116.391", "39.907"}));
  EXPECT_EQ(Split("1;116,391;39,907", TDelimiter::Semicolon), (V{"1", "116,391", "39,907"}));
  bool ok = true;
  Split(R"(P1,"116.391,39.907)", TDelimiter::Comma, &ok);
  EXPECT_FALSE(ok);
}

TEST(DelimitedText, DetectsTheDelimiterFromTheFirstLines) {
  using L = std::vector<std::string_view>;
  EXPECT_EQ(gkconv::DetectDelimiter(L{"a\tb", "1\t2"}), TDelimiter::Tab);
  EXPECT_EQ(gkconv::DetectDelimiter(L{"name,lon,lat", "P1,116.391,39.907", ""}), TDelimiter::Comma);
  EXPECT_EQ(gkconv::DetectDelimiter(L{"1;116,391;39,907", "2;116,5;40"}), TDelimiter::Semicolon);
  EXPECT_EQ(gkconv::DetectDelimiter(L{"P1 116.391 39.907", "P2 116 23 27.6"}), TDelimiter::Whitespace);
  EXPECT_EQ(gkconv::DetectDelimiter(L{"P1,116.391,39.907", "P2 116.5 40"}), TDelimiter::Whitespace);
}

TEST(DelimitedText, QuotesOutputFieldsOnlyWhenTheyNeedIt) {
  const std::tuple<const char*, TDelimiter, const char*> cases[] = {
      {"447924.495", TDelimiter::Comma, "447924.495"},
      {"line 3, field 2: bad", TDelimiter::Comma, "\"line 3, field 2: bad\""},
      {"say \"x\"", TDelimiter::Tab, "\"say \"\"x\"\"\""},
      {"line 3: bad", TDelimiter::Whitespace, "\"line 3: bad\""},
      {"", TDelimiter::Whitespace, "*"},
      {"", TDelimiter::Comma, ""},
  };
  for (const auto& [field, d, text] : cases) {
    std::string out;
    gkconv::AppendField(out, field, d);
    EXPECT_EQ(out, text) << field;
  }
}

struct TColumnCase {
  const char* Name;
  gkconv::TDirection Direction;
  std::vector<std::string_view> FirstLine;
  gkconv::TColumnSpecs Specs;
  bool NorthFirst;
  bool Header;
  int First, Second;
  std::optional<int> Height, Zone;
};

TEST(Columns, FindsCoordinatesByNamePositionOrLayout) {
  using gkconv::TDirection;
  const TColumnCase cases[] = {
      {"names", TDirection::ToGauss, {"点号", "经度", "纬度", "高程"}, {}, false, true, 1, 2, 3, {}},
      {"english names", TDirection::ToGauss, {"id", "Latitude", "Longitude"}, {}, false, true, 2, 1, {}, {}},
      {"no header", TDirection::ToGauss, {"116.391", "39.907"}, {}, false, false, 0, 1, {}, {}},
      {"survey order", TDirection::ToGeodetic, {"4419380.448", "20447924.495"}, {}, true, false, 1, 0, {}, {}},
      {"east and north names", TDirection::ToGeodetic, {"pt", "X(北)", "Y(东)", "带号"}, {}, false, true, 2, 1, {}, 3},
      {"unknown header names", TDirection::ToGauss, {"foo", "bar"}, {}, false, true, 0, 1, {}, {}},
      {"positions", TDirection::ToGauss, {"P1", "x", "116.391", "39.907"}, {"3", "4", "", "", false}, false, false, 2, 3, {}, {}},
      {"given names", TDirection::ToGeodetic, {"a", "b", "c"}, {"c", "a", "", "", false}, false, true, 2, 0, {}, {}},
      {"CASS", TDirection::ToGeodetic, {"P1", "", "447924.495", "4419380.448", "45.2"}, {"", "", "", "", true}, false, false, 2, 3, 4, {}},
  };
  for (const TColumnCase& c : cases) {
    gkconv::TConvertSettings s;
    s.Direction = c.Direction;
    s.NorthFirst = c.NorthFirst;
    bool header = false;
    std::string error;
    ASSERT_TRUE(gkconv::ResolveColumns(c.Specs, gkconv::THeaderMode::Auto, c.FirstLine, s, header, error))
        << c.Name << ": " << error;
    EXPECT_EQ(header, c.Header) << c.Name;
    EXPECT_EQ(s.FirstColumn, c.First) << c.Name;
    EXPECT_EQ(s.SecondColumn, c.Second) << c.Name;
    EXPECT_EQ(s.HeightColumn, c.Height) << c.Name;
    EXPECT_EQ(s.ZoneColumn, c.Zone) << c.Name;
  }
}

TEST(Columns, NamesThatCouldMeanEitherAxisAreNotGuessed) {
  gkconv::TConvertSettings s;
  s.Direction = gkconv::TDirection::ToGeodetic;
  bool header = false;
  std::string error;
  // "x" and "y" are east and north to a mathematician and the other way
  // round to a surveyor: positions apply, not the names.
  ASSERT_TRUE(gkconv::ResolveColumns({}, gkconv::THeaderMode::Yes, {"y", "x"}, s, header, error));
  EXPECT_EQ(s.FirstColumn, 0);
  EXPECT_EQ(s.SecondColumn, 1);
  EXPECT_FALSE(gkconv::ResolveColumns({"easting", "", "", "", false}, gkconv::THeaderMode::No, {"1", "2"}, s, header, error));
  EXPECT_NE(error.find("no header row"), std::string::npos) << error;
  EXPECT_FALSE(gkconv::ResolveColumns({"东", "", "", "", false}, gkconv::THeaderMode::Yes, {"a", "b"}, s, header, error));
  EXPECT_NE(error.find("not in the header"), std::string::npos) << error;
}

}  // namespace
