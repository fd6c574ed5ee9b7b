// The skinned menus' arithmetic: item kinds from captions, the word of a
// caption band, item sizes, and popup sizes and item places with breaks.
#include <gtest/gtest.h>

#include "skin/forms/sMenuMetrics.h"

namespace {

using namespace skin;

TEST(MenuMetrics, ItemKindsComeFromTheCaption) {
  struct Case {
    const char* caption;
    TsMenuItemType type;
  } cases[] = {
      {"-", smDivider},       {"-Caption-", smCaption}, {"--", smCaption},  {"-Two words-", smCaption},
      {"Open", smNormal},     {"-Open", smNormal},      {"Open-", smNormal}, {"", smNormal},
      {"&Save as...", smNormal}, {"- -", smCaption},
  };
  for (const Case& c : cases) EXPECT_EQ(MenuItemTypeOf(c.caption), c.type) << '"' << c.caption << '"';
}

TEST(MenuMetrics, ACaptionBandShowsItsFirstWordBetweenDashes) {
  struct Case {
    const char* caption;
    const char* shown;
  } cases[] = {{"-Caption-", "Caption"}, {"-Two words-", "Two words"}, {"--Tools--", "Tools"},
               {"-a-b-", "a"},           {"--", ""},                   {"-", ""}};
  for (const Case& c : cases) EXPECT_EQ(CaptionBandText(c.caption), c.shown) << c.caption;
  EXPECT_EQ(WithoutAmpersands("&File && &Exit"), "File  Exit");
}

TEST(MenuMetrics, TextHeightIsAQuarterTallerRoundedHalfToEven) {
  struct Case {
    int w, expected;
  } cases[] = {{12, 15}, {13, 16}, {14, 18}, {15, 19}, {16, 20}, {2, 2}, {6, 8}, {10, 12}, {0, 0}};
  // 13 * 1.25 = 16.25; 14 * 1.25 = 17.5 -> 18 (even); 2 * 1.25 = 2.5 -> 2; 10 * 1.25 = 12.5 -> 12.
  for (const Case& c : cases) EXPECT_EQ(MenuTextHeight(c.w), c.expected) << c.w;
}

TEST(MenuMetrics, ItemSizes) {
  const TsMenuSizing plain{3, 6, 16, 16, 0};
  const TsMenuSizing tallGlyph{3, 6, 24, 24, 0};
  const TsMenuSizing withLine{3, 6, 16, 16, 32};
  struct Case {
    TsMenuItemType type;
    int heightOfW, textWidth;
    TsMenuSizing sizing;
    int height, width;
  } cases[] = {
      // height: divider 2; caption text + 2 margins; normal max(text, glyph) + 2 margins.
      // width: 2 glyphs + text + 3 margins + spacing (+ extra line).
      {smDivider, 13, 0, plain, 2, 2 * 16 + 0 + 9 + 6},
      {smCaption, 13, 50, plain, 16 + 6, 2 * 16 + 50 + 9 + 6},
      {smNormal, 13, 50, plain, 16 + 6, 2 * 16 + 50 + 9 + 6},
      {smNormal, 16, 50, plain, 20 + 6, 2 * 16 + 50 + 9 + 6},
      {smNormal, 13, 50, tallGlyph, 24 + 6, 2 * 24 + 50 + 9 + 6},
      {smCaption, 13, 50, tallGlyph, 16 + 6, 2 * 24 + 50 + 9 + 6},
      {smNormal, 13, 50, withLine, 16 + 6, 2 * 16 + 50 + 9 + 6 + 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type << " W " << c.heightOfW << " glyph " << c.sizing.glyphWidth
                                      << " line " << c.sizing.extraLine);
    EXPECT_EQ(PopupItemHeight(c.type, c.heightOfW, c.sizing), c.height);
    EXPECT_EQ(PopupItemWidth(c.type, c.textWidth, c.sizing), c.width);
  }
}

TEST(MenuMetrics, PopupSizeAndPlacesFollowTheColumnBreaks) {
  // One column: widest + 12 wide, the heights summed, a border of 3 around.
  const std::vector<TsMenuColumnItem> one{{80, 20, false}, {100, 2, false}, {60, 20, false}};
  const TsMenuSize a = PopupSizeOf(one, 3);
  EXPECT_EQ(a.width, 100 + 12 + 6);
  EXPECT_EQ(a.height, 42 + 6);
  // Two columns: the second starts after the first's width + 12 + 4; the
  // tallest column gives the height.
  const std::vector<TsMenuColumnItem> two{{80, 20, false}, {90, 20, false}, {70, 20, false},
                                          {50, 20, true},  {120, 20, false}};
  const TsMenuSize b = PopupSizeOf(two, 3);
  EXPECT_EQ(b.width, (90 + 12) + 4 + (120 + 12) + 6);
  EXPECT_EQ(b.height, 60 + 6);
  const std::vector<TsMenuItemPlace> places = PopupItemPlaces(two);
  ASSERT_EQ(places.size(), 5u);
  const int expectedLeft[] = {0, 0, 0, 106, 106};
  const int expectedTop[] = {0, 20, 40, 0, 20};
  const int expectedColumn[] = {0, 0, 0, 1, 1};
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(places[i].left, expectedLeft[i]) << i;
    EXPECT_EQ(places[i].top, expectedTop[i]) << i;
    EXPECT_EQ(places[i].column, expectedColumn[i]) << i;
    EXPECT_EQ(places[i].width, i < 3 ? 102 : 132) << i;
  }
  EXPECT_EQ(PopupSizeOf({}, 3).width, 6);
}

}  // namespace
