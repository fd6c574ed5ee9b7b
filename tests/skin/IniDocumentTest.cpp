#include "skin/data/sIniDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/TextCase.h"

namespace {

const char* const kText =
    "  ; a comment line\r\n"
    "ORPHAN=before any section\r\n"
    "[GlobalInfo]  \r\n"
    "  Color = 5133660  \r\n"
    "VERSION=5.2\r\n"
    "no equals sign here\r\n"
    "color=1\r\n"
    "EMPTY=\r\n"
    "URL=a=b=c\r\n"
    "\r\n"
    "[ BUTTON ]\n"
    "HEX1=$FF00FF\n"
    "HEX2=0x10\n"
    "HEX3=0XfF\n"
    "SYS=$8000000F\n"
    "NEG=-16777201\n"
    "BAD=12abc\n"
    "BIG=99999999999\n"
    "FLAG1=true\n"
    "FLAG2=Yes\n"
    "COMMA=5,2\n"
    "[globalinfo]\n"
    "AUTHOR=second block is never found\r"
    "[Last]\r"
    "A=1";

TEST(TsIniDocument, ReadsTheDialectAsWritten) {
  const skin::TsIniDocument ini(kText);
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"GlobalInfo", "BUTTON", "Last"}));
  EXPECT_EQ(ini.Keys("GLOBALINFO"), (std::vector<std::string>{"Color", "VERSION", "EMPTY", "URL"}));
  EXPECT_TRUE(ini.SectionExists("globalINFO"));
  EXPECT_FALSE(ini.SectionExists("ORPHAN"));

  EXPECT_EQ(ini.ReadInteger("GLOBALINFO", "COLOR", 0), 5133660);  // first occurrence, any case
  EXPECT_EQ(ini.ReadString("globalinfo", "url", "?"), "a=b=c");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "EMPTY", "?"), "");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "AUTHOR", "?"), "?");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "no equals sign here", "?"), "?");
  EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 5.2);
  EXPECT_EQ(ini.ReadInteger("Last", "A", 0), 1);
}

// The walks by section number give what the look-ups by name give: each key
// once, as written, with its first occurrence's value.
TEST(TsIniDocument, WalksBySectionNumberAgreeWithTheLookUps) {
  const skin::TsIniDocument ini(kText);
  for (std::size_t i = 0; i < ini.Sections().size(); ++i) {
    const std::string& section = ini.Sections()[i];
    std::vector<std::string> keys;
    ini.VisitEntries(i, [&](std::string_view key, std::string_view value) {
      keys.emplace_back(key);
      EXPECT_EQ(ini.Find(section, key), value) << section << " " << key;
      EXPECT_EQ(ini.FindAt(i, tk::UpperCase(key)), value) << section << " " << key;
    });
    EXPECT_EQ(keys, ini.Keys(section)) << section;
  }
  EXPECT_EQ(ini.FindAt(0, "COLOR"), std::optional<std::string_view>("5133660"));
  EXPECT_EQ(ini.FindAt(0, "color"), std::nullopt);  // the key must come upper-cased
  EXPECT_EQ(ini.FindAt(0, "AUTHOR"), std::nullopt);
  EXPECT_EQ(ini.FindAt(ini.Sections().size(), "A"), std::nullopt);
  bool visited = false;
  ini.VisitEntries(ini.Sections().size(), [&](std::string_view, std::string_view) { visited = true; });
  EXPECT_FALSE(visited);
}

TEST(TsIniDocument, NumbersAndBooleans) {
  const skin::TsIniDocument ini(kText);
  struct Case {
    const char* key;
    int expected;
  };
  for (const Case& c : {Case{"HEX1", 0xFF00FF}, Case{"HEX2", 16}, Case{"HEX3", 255},
                        Case{"SYS", static_cast<int>(0x8000000F)}, Case{"NEG", -16777201}, Case{"BAD", -7},
                        Case{"BIG", -7}, Case{"MISSING", -7}, Case{"FLAG1", -7}}) {
    EXPECT_EQ(ini.ReadInteger("BUTTON", c.key, -7), c.expected) << c.key;
  }
  EXPECT_TRUE(ini.ReadBool("BUTTON", "FLAG1", false));
  EXPECT_FALSE(ini.ReadBool("BUTTON", "FLAG2", true));
  EXPECT_TRUE(ini.ReadBool("BUTTON", "MISSING", true));
  EXPECT_DOUBLE_EQ(ini.ReadFloat("BUTTON", "COMMA", -1), -1);  // "," is not the separator here
}

TEST(TsIniDocument, ParseIntegerRules) {
  using P = skin::TsIniDocument;
  EXPECT_EQ(P::ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(P::ParseInteger("-$10"), -16);
  EXPECT_EQ(P::ParseInteger("$123456789"), std::nullopt);
  EXPECT_EQ(P::ParseInteger("x10"), std::nullopt);
  EXPECT_EQ(P::ParseInteger("$"), std::nullopt);
  EXPECT_EQ(P::ParseInteger("+7"), 7);
  EXPECT_EQ(P::ParseInteger(""), std::nullopt);
  EXPECT_EQ(P::ParseInteger("1 2"), std::nullopt);
}

}  // namespace
