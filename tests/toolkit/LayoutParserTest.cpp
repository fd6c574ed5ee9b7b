// The text form of stored layouts: every kind of value, and malformed text
// failing with the place of the fault.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "toolkit/win/LayoutParser.h"

namespace {

using tk::LayoutValue;
using tk::ParseLayout;

const tk::LayoutValue& ValueOf(const tk::LayoutObject& object, const std::string& name) {
  for (const auto& p : object.properties)
    if (p.name == name) return p.value;
  throw std::runtime_error("no property " + name);
}

TEST(LayoutParser, EveryKindOfValue) {
  const tk::LayoutObject root = ParseLayout(
      "\xEF\xBB\xBF// a comment\n"
      "object Form1: TForm1\n"
      "  Count = 42\n"
      "  Negative = -7\n"
      "  Flags = $FF00FF\n"
      "  AllBits = $FFFFFFFF\n"
      "  Ratio = 1.5e2\n"
      "  Caption = 'It''s ' + '坐标'#36716#25442\n"
      "  Style = [fsBold, fsItalic]\n"
      "  Empty = []\n"
      "  Kind = bsSingle\n"
      "  Font.Name = 'MS Sans Serif'  // trailing comment\n"
      "  Data = {0A ff\n 10}\n"
      "  Lines = ('one' 'two' 3)\n"
      "  Items = <\n"
      "    item\n"
      "      Name = 'first'\n"
      "    end\n"
      "    item\n"
      "    end>\n"
      "  object Button1: TButton\n"
      "  end\n"
      "  object TLabel\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  EXPECT_EQ(ValueOf(root, "Count").integer, 42);
  EXPECT_EQ(ValueOf(root, "Negative").integer, -7);
  EXPECT_EQ(ValueOf(root, "Flags").integer, 0xFF00FF);
  // Hexadecimal 32-bit patterns are read as 32-bit numbers (colours, flags).
  EXPECT_EQ(ValueOf(root, "AllBits").integer, -1);
  EXPECT_EQ(ValueOf(root, "Ratio").kind, LayoutValue::Kind::Float);
  EXPECT_DOUBLE_EQ(ValueOf(root, "Ratio").number, 150.0);
  EXPECT_EQ(ValueOf(root, "Caption").text, "It's 坐标转换");
  EXPECT_EQ(ValueOf(root, "Style").names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(ValueOf(root, "Empty").names.empty());
  EXPECT_EQ(ValueOf(root, "Kind").kind, LayoutValue::Kind::Identifier);
  EXPECT_EQ(ValueOf(root, "Font.Name").text, "MS Sans Serif");
  EXPECT_EQ(ValueOf(root, "Data").bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x10}));
  ASSERT_EQ(ValueOf(root, "Lines").items.size(), 3u);
  EXPECT_EQ(ValueOf(root, "Lines").items[2].integer, 3);
  ASSERT_EQ(ValueOf(root, "Items").collection.size(), 2u);
  EXPECT_EQ(ValueOf(root, "Items").collection[0].properties[0].value.text, "first");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "Button1");
  EXPECT_EQ(root.children[1].name, "");
  EXPECT_EQ(root.children[1].className, "TLabel");
  EXPECT_EQ(root.children[0].line, 22);
}

struct BinaryText {
  const char* data;  // between the braces
  std::vector<std::uint8_t> bytes;
};

class LayoutParserBinary : public ::testing::TestWithParam<BinaryText> {};

// Blanks and line ends may stand anywhere between the digits, even between
// the two digits of one byte; the line count goes on through the data.
TEST_P(LayoutParserBinary, ReadsTheDigitsWhateverStandsBetweenThem) {
  const BinaryText& b = GetParam();
  const std::string text = std::string("object A: T\n  Data = {") + b.data + "}\n  After = 1\nend\n";
  const tk::LayoutObject root = ParseLayout(text);
  EXPECT_EQ(ValueOf(root, "Data").bytes, b.bytes) << b.data;
  const int lineEnds = static_cast<int>(std::count(b.data, b.data + std::char_traits<char>::length(b.data), '\n'));
  EXPECT_EQ(root.properties[1].line, 3 + lineEnds) << b.data;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutParserBinary,
    ::testing::Values(BinaryText{"", {}}, BinaryText{" \r\n ", {}}, BinaryText{"00", {0x00}},
                      BinaryText{"0a\tFf\r\n10", {0x0A, 0xFF, 0x10}}, BinaryText{"0\n A", {0x0A}},
                      BinaryText{"1 2 3 4", {0x12, 0x34}}, BinaryText{"\n\n9fE0\n", {0x9F, 0xE0}},
                      BinaryText{"abcdef0123456789", {0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67, 0x89}}));

struct Malformed {
  const char* text;
  int line;
  const char* says;
};

class LayoutParserRejects : public ::testing::TestWithParam<Malformed> {};

TEST_P(LayoutParserRejects, WithThePlaceOfTheFault) {
  const Malformed& m = GetParam();
  try {
    ParseLayout(m.text);
    FAIL() << "accepted: " << m.text;
  } catch (const tk::ELayoutError& e) {
    EXPECT_EQ(e.Line(), m.line) << e.what();
    EXPECT_NE(std::string(e.what()).find(m.says), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutParserRejects,
    ::testing::Values(Malformed{"", 1, "expected 'object'"},
                      Malformed{"object A: TA\n  X = 1\n", 1, "no matching 'end'"},
                      Malformed{"object A: TA\n  X = 'open\nend", 2, "no closing quote"},
                      Malformed{"object A: TA\n  X = {0A1}\nend", 2, "odd number"},
                      Malformed{"object A: TA\n  X = {0G}\nend", 2, "not a hexadecimal digit"},
                      Malformed{"object A: TA\n  X = {0A\n  0B\n  G0}\nend", 4, "not a hexadecimal digit"},
                      Malformed{"object A: TA\n  X = {0A\n  0}\nend", 3, "odd number"},
                      Malformed{"object A: TA\n  X = {0A,0B}\nend", 2, "not a hexadecimal digit"},
                      Malformed{"object A: TA\n  X = {0A\nend", 2, "no closing '}'"},
                      Malformed{"object A: TA\n  X 1\nend", 2, "expected '='"},
                      Malformed{"object A: TA\n  X = ?\nend", 2, "expected a value"},
                      Malformed{"object A: TA\n  X = 99999999999999999999\nend", 2, "too large"},
                      Malformed{"object A: TA\n  X = 12abc\nend", 2, "unexpected character"},
                      Malformed{"object A: TA\n  X = #1114112\nend", 2, "beyond Unicode"},
                      Malformed{"object A: TA\n  X = #55296\nend", 2, "surrogate"},
                      Malformed{"object A: TA\n  X = [a, ]\nend", 2, "set member"},
                      Malformed{"object A: TA\n  X = (1 2\nend", 2, "no closing ')'"},
                      Malformed{"object A: TA\n  X = <item end", 2, "no closing '>'"},
                      Malformed{"object A: TA\n  X = <\n  Y = 1>\nend", 3, "expected 'item'"},
                      Malformed{"object A: TA\n  X. = 1\nend", 2, "after '.'"},
                      Malformed{"object A: TA\nend\nobject B: TB\nend", 3, "after the last 'end'"},
                      Malformed{"object A: 1\nend", 1, "class name"}));

TEST(LayoutParser, RefusesNestingBeyondTheLimit) {
  std::string text;
  for (int i = 0; i <= tk::kMaxLayoutDepth + 1; ++i) text += "object A" + std::to_string(i) + ": T\n";
  for (int i = 0; i <= tk::kMaxLayoutDepth + 1; ++i) text += "end\n";
  EXPECT_THROW(ParseLayout(text), tk::ELayoutError);
  std::string lists = "object A: T\n X = " + std::string(200, '(') + std::string(200, ')') + "\nend";
  EXPECT_THROW(ParseLayout(lists), tk::ELayoutError);
}

TEST(LayoutParser, TensOfKilobytesOfBinaryComeBackExactly) {
  std::mt19937 random(20260101);
  std::vector<std::uint8_t> bytes(56321);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  static const char* hex = "0123456789ABCDEF";
  std::string text = "object A: T\n  Data = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n    ";
    text += hex[bytes[i] >> 4];
    text += hex[bytes[i] & 15];
  }
  text += "}\n  After = 1\nend\n";
  const tk::LayoutObject root = ParseLayout(text);
  EXPECT_EQ(ValueOf(root, "Data").bytes, bytes);
  // Line counting went on through the data.
  EXPECT_EQ(root.properties[1].line, 3 + static_cast<int>((bytes.size() + 31) / 32));
}

}  // namespace
