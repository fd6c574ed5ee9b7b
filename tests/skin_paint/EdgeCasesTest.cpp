// The cases the painting rules single out: transparency over the parent,
// image percent mixes, the group box frame, border widths in a narrow
// rectangle, frame selection by state, a one-stop gradient, the colour
// blend at its ends, contour-less text and section names.
#include <gtest/gtest.h>

#include "ExpectedPixels.h"
#include "PaintSkins.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sGradient.h"
#include "skin/paint/sMaskFrame.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sSkinTextColors.h"

namespace {

using namespace paintfix;
using skin::TColor;

// A parent's cache: the FORM background of the skin over 200 x 120.
tk::Bitmap FormBackground(const skin::TsSkinTables& t) {
  tk::Bitmap form(200, 120);
  skin::PaintSectionBackgroundByIndex(Section(t, "FORM"), "FORM", {}, skin::clFuchsia, -1, -1, &t, form, {0, 0},
                                      {0, 0, 200, 120}, 0);
  return form;
}

TEST(SectionBackground, FullTransparencyOverAReadyParentIsExactlyTheParent) {
  for (Skin s : kSkins) {
    const skin::TsSkinTables& t = Tables(s);
    const tk::Bitmap parent = FormBackground(t);
    int checked = 0;
    for (std::size_t i = 0; i < t.gd.size(); ++i) {
      const skin::TsGeneralData& g = t.gd[i];
      for (int state : {0, 1}) {
        if ((state ? g.HotTransparency : g.Transparency) != 100) continue;
        SCOPED_TRACE(std::string(SkinName(s)) + " " + g.SectionName + " state " + std::to_string(state));
        // The rectangle (5, 3)-(45, 23) of the target lies at (30, 40) of the
        // parent's client area, which starts at (7, 2) of its cache.
        tk::Bitmap target = Filled(50, 30, 0x123456);
        const skin::CacheInfo cache{&parent, 7, 2, true};
        skin::PaintSectionBackgroundByIndex(static_cast<int>(i), g.SectionName, cache, skin::clFuchsia, -1, -1, &t,
                                            target, {30, 40}, {5, 3, 45, 23}, state);
        for (int y = 0; y < 30; ++y)
          for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 5 && x < 45 && y >= 3 && y < 23;
            const TColor expected = inside ? PixelAt(parent, 7 + 30 + x - 5, 2 + 40 + y - 3) : 0x123456;
            ASSERT_EQ(PixelAt(target, x, y), expected) << x << "," << y;
          }
        ++checked;
      }
    }
    EXPECT_GE(checked, 4) << SkinName(s);  // group box, speed buttons, check boxes ...
  }
}

TEST(SectionBackground, FullTransparencyWithAStandInColourFillsWithIt) {
  const skin::TsSkinTables& t = Tables(Skin::EmberStyle);
  const tk::Bitmap parent = FormBackground(t);
  tk::Bitmap target = Filled(40, 20, 0);
  skin::BackgroundColorReply = 0x00AA55;
  skin::PaintSectionBackgroundByIndex(Section(t, "GROUPBOX"), "GROUPBOX", {&parent, 0, 0, true}, skin::clFuchsia, -1, -1,
                                      &t, target, {0, 0}, {0, 0, 40, 20}, 0);
  skin::BackgroundColorReply = skin::clFuchsia;
  EXPECT_EQ(DifferingPixels(target, Filled(40, 20, 0x00AA55)), 0);
}

// The BUTTON section of EmberStyle with its image percent changed: its face
// is a texture stretched over the rectangle (DrawMode 1).
struct ImageMix {
  int percent;
};
class ImagePercentMix : public ::testing::TestWithParam<ImageMix> {};

TEST_P(ImagePercentMix, TextureAndColourShareThePixels) {
  auto core = LoadSkin(Skin::EmberStyle);
  skin::TsSkinTables& t = core->Tables;
  const int button = Section(t, "BUTTON");
  skin::TsGeneralData& g = t.gd[static_cast<std::size_t>(button)];
  g.ImagePercent = GetParam().percent;
  g.GradientPercent = 0;
  g.Transparency = 0;
  g.Color = Rgb(40, 90, 200);
  const skin::TsMaskData& face = MaskData(t, "BUTTON", "PATTERN");
  ASSERT_EQ(face.DrawMode, 1);
  const int w = 119, h = 30;
  tk::Bitmap target = Filled(w, h, 0);
  skin::PaintSectionBackgroundByIndex(button, "BUTTON", {}, skin::clFuchsia, -1, -1, &t, target, {0, 0}, {0, 0, w, h}, 0);
  const int fw = face.R.Width(), fh = face.R.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const TColor texel = PixelAt(t.MasterBitmap, face.R.Left + x * fw / w, face.R.Top + y * fh / h);
      ASSERT_EQ(PixelAt(target, x, y), Percent(texel, g.Color, GetParam().percent)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ZeroThirtyHundred, ImagePercentMix, ::testing::Values(ImageMix{0}, ImageMix{30}, ImageMix{100}));

TEST(BorderMask, TheGroupBoxFrameOfNineByNineIntoHundredByFifty) {
  const skin::TsSkinTables& t = Tables(Skin::EmberStyle);
  const skin::TsMaskData& m = MaskData(t, "GROUPBOX", "BORDERSMASK");
  ASSERT_EQ(m.R, (skin::TRect{0, 24, 9, 42}));  // one frame of 9 x 9 with its mask below
  const TColor under = Rgb(10, 200, 70);
  tk::Bitmap target = Filled(100, 50, under);
  skin::DrawBorderMask(target, {0, 0, 100, 50}, false, false, 0, m, {});
  // Source column and row of the frame for a target pixel: corners 3 x 3
  // from the frame's corners, edges repeated in steps of 3.
  auto source = [](int v, int size) { return v < 3 ? v : v >= size - 3 ? 9 - (size - v) : 3 + (v - 3) % 3; };
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool border = x < 3 || x >= 97 || y < 3 || y >= 47;
      const bool corner = (x < 3 || x >= 97) && (y < 3 || y >= 47);
      if (!border) {
        ASSERT_EQ(PixelAt(target, x, y), under) << x << "," << y;
        continue;
      }
      const int u = source(x, 100), v = source(y, 50);
      const TColor image = PixelAt(t.MasterBitmap, u, 24 + v), mask = PixelAt(t.MasterBitmap, u, 33 + v);
      const TColor expected = corner && image == skin::clFuchsia ? skin::clFuchsia : ThroughMask(image, under, mask);
      ASSERT_EQ(PixelAt(target, x, y), expected) << x << "," << y;
    }
}

// A frame of 20 x 10 whose every column has its own colour, borders 5 left
// and right, drawn opaque into narrow rectangles.
struct WidthSplit {
  int width, wl, wr, expectLeft, expectRight;
};
class BorderWidthSplit : public ::testing::TestWithParam<WidthSplit> {};

TEST_P(BorderWidthSplit, NarrowRectanglesShareTheirWidthBetweenTheBorders) {
  const WidthSplit c = GetParam();
  skin::TsSkinTables t;
  t.MasterBitmap = tk::Bitmap(20, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) SetPixelAt(t.MasterBitmap, x, y, Rgb(10 * x, 0, 100));
  skin::TsMaskData m;
  m.Manager = &t;
  m.R = {0, 0, 20, 10};
  m.ImageCount = 1;
  m.WL = c.wl, m.WR = c.wr, m.WT = m.WB = 2;
  const skin::TsBorderWidths b = skin::BorderWidthsFor(m, c.width, 10);
  EXPECT_EQ(b.left, c.expectLeft);
  EXPECT_EQ(b.right, c.expectRight);
  tk::Bitmap target = Filled(c.width, 10, 0);
  skin::DrawBorderMask(target, {0, 0, c.width, 10}, false, false, 0, m, {});
  for (int x = 0; x < c.expectLeft; ++x) EXPECT_EQ(PixelAt(target, x, 5), Rgb(10 * x, 0, 100)) << x;
  for (int x = 0; x < c.expectRight; ++x)
    EXPECT_EQ(PixelAt(target, c.width - c.expectRight + x, 5), Rgb(10 * (20 - c.expectRight + x), 0, 100)) << x;
}

INSTANTIATE_TEST_SUITE_P(Widths, BorderWidthSplit,
                         ::testing::Values(WidthSplit{5, 5, 5, 3, 2}, WidthSplit{6, 5, 5, 3, 3}, WidthSplit{4, 5, 5, 2, 2},
                                           WidthSplit{7, 5, 5, 4, 3}, WidthSplit{10, 5, 5, 5, 5},
                                           WidthSplit{30, 5, 5, 5, 5}));

TEST(MaskGlyph, StatesBeyondTheLastFrameShowTheLastFrame) {
  const skin::TsSkinTables& t = Tables(Skin::EmberStyle);
  const skin::TsMaskData& box = MaskData(t, "GLOBALINFO", "BOXCHECKED");
  ASSERT_EQ(box.R, (skin::TRect{0, 78, 39, 104}));  // "@0000@0078@0039@0104@3@1"
  ASSERT_EQ(box.ImageCount, 3);
  auto drawn = [&](int state) {
    tk::Bitmap b = Filled(13, 13, Rgb(1, 2, 3));
    skin::DrawMaskGlyph(b, {0, 0}, state, box, 1);
    return b;
  };
  const struct {
    int state, frame;
  } cases[] = {{-3, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 2}, {5, 2}, {1000, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    const tk::Bitmap got = drawn(c.state);
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x) {
        const TColor image = PixelAt(t.MasterBitmap, 13 * c.frame + x, 78 + y);
        const TColor mask = PixelAt(t.MasterBitmap, 13 * c.frame + x, 91 + y);
        const TColor expected = image == skin::clFuchsia ? Rgb(1, 2, 3) : ThroughMask(image, Rgb(1, 2, 3), mask);
        ASSERT_EQ(PixelAt(got, x, y), expected) << x << "," << y;
      }
  }
  EXPECT_GT(DifferingPixels(drawn(5), drawn(1)), 0);
}

TEST(Gradient, OneVerticalStopRunsTheWholeHeight) {
  // 17 rows: 16 steps, so every step is exact in binary.
  const skin::TsGradArray stops{{Rgb(10, 200, 0), Rgb(200, 8, 255), 40, 0}};
  tk::Bitmap b = Filled(6, 17, 0);
  skin::PaintGradient(b, {0, 0, 6, 17}, stops);
  for (int y = 0; y < 17; ++y) {
    const TColor expected = Rgb(RoundExact(10 * 16 + 190 * y, 16), RoundExact(200 * 16 - 192 * y, 16), RoundExact(255 * y, 16));
    for (int x = 0; x < 6; ++x) ASSERT_EQ(PixelAt(b, x, y), expected) << x << "," << y;
  }
  EXPECT_EQ(PixelAt(b, 0, 0), Rgb(10, 200, 0));
  EXPECT_EQ(PixelAt(b, 0, 16), Rgb(200, 8, 255));
}

TEST(BlendColorRect, HundredKeepsThePixelsAndZeroTakesTheColour) {
  const tk::Bitmap before = Checkerboard(20, 10, Rgb(5, 15, 250), Rgb(99, 0, 7), 3);
  const TColor colour = Rgb(0, 128, 255);
  tk::Bitmap keep = before, take = before, mix = before;
  skin::BlendColorRect(keep, {0, 0, 20, 10}, 100, colour);
  skin::BlendColorRect(take, {0, 0, 20, 10}, 0, colour);
  skin::BlendColorRect(mix, {-5, -5, 7, 4}, 30, colour);  // cut to the bitmap
  EXPECT_EQ(DifferingPixels(keep, before), 0);
  EXPECT_EQ(DifferingPixels(take, Filled(20, 10, colour)), 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const TColor was = PixelAt(before, x, y);
      ASSERT_EQ(PixelAt(mix, x, y), x < 7 && y < 4 ? Percent(was, colour, 30) : was) << x << "," << y;
    }
  // Ties go to the even neighbour: 30 % of 5 is 1.5 -> 2, of 15 is 4.5 -> 4.
  tk::Bitmap ties = Filled(2, 2, Rgb(5, 15, 0));
  skin::BlendColorRect(ties, {0, 0, 2, 2}, 30, 0);
  EXPECT_EQ(PixelAt(ties, 1, 1), Rgb(2, 4, 0));
}

TEST(SkinText, ContoursOfMinusOneAreNotDrawn) {
  skin::TsSkinTables t;
  skin::TsGeneralData plain;
  plain.SectionName = "LABELLIKE";
  plain.FontColor = {0x00FF00, -1, -1, -1, -1};
  plain.HotFontColor = {0x0000FF, -1, 0x111111, -1, -1};
  t.gd.push_back(plain);
  const skin::TsTextColors normal = skin::SectionTextColors(t, 0, true, false);
  EXPECT_EQ(normal.contour, (std::array<TColor, 4>{-1, -1, -1, -1}));
  EXPECT_EQ(normal.color, 0x00FF00);
  const skin::TsTextColors hot = skin::SectionTextColors(t, 0, true, true);
  EXPECT_EQ(hot.contour, (std::array<TColor, 4>{-1, 0x111111, -1, -1}));
  // Disabled: 40 % text colour, 60 % section colour (white), no contour.
  const skin::TsTextColors disabled = skin::SectionTextColors(t, 0, false, true);
  EXPECT_EQ(disabled.contour, (std::array<TColor, 4>{-1, -1, -1, -1}));
  EXPECT_EQ(disabled.color, Rgb(153, 255, 153));
}

TEST(SkinText, EmberStyleButtonsAndControlsOfTheirOwnColour) {
  const skin::TsSkinTables& t = Tables(Skin::EmberStyle);
  skin::TsSkinPaintRecord button;
  button.ResolveSection(t, "BUTTON");
  button.fontColor = Rgb(1, 2, 3);
  EXPECT_EQ(skin::SkinTextColors(button, true, false).color, 65535);
  EXPECT_EQ(skin::SkinTextColors(button, true, true).color, 65280);
  const skin::TsTextColors title = skin::SectionTextColors(t, Section(t, "FORMTITLE"), true, false);
  EXPECT_EQ(title.contour, (std::array<TColor, 4>{-1, -1, 8079147, 8079147}));
  button.customFont = true;
  const skin::TsTextColors own = skin::SkinTextColors(button, true, true);
  EXPECT_EQ(own.color, Rgb(1, 2, 3));
  EXPECT_EQ(own.contour, (std::array<TColor, 4>{-1, -1, -1, -1}));
  skin::TsSkinPaintRecord unskinned;
  unskinned.tables = &t;
  unskinned.fontColor = Rgb(4, 5, 6);
  EXPECT_EQ(skin::SkinTextColors(unskinned, true, true).color, Rgb(4, 5, 6));
}

// Section names are stored upper case and compared exactly: a name in
// another case, "UNKNOWN" (what an emptied section name becomes) and an
// empty name paint nothing.
TEST(SectionNames, OnlyTheExactUpperCaseNamePaints) {
  const skin::TsSkinTables& t = Tables(Skin::EmberStyle);
  const struct {
    const char* name;
    bool paints;
  } cases[] = {{"BUTTON", true}, {"button", false}, {"Button", false}, {"UNKNOWN", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tk::Bitmap target = Filled(60, 24, 0x010203);
    skin::PaintSectionByIndex(-1, c.name, {}, -1, -1, &t, &target, {0, 0}, {0, 0, 60, 24}, 0, true);
    EXPECT_EQ(DifferingPixels(target, Filled(60, 24, 0x010203)) > 0, c.paints);
    skin::TsSkinPaintRecord data;
    data.ResolveSection(t, c.name);
    tk::Bitmap viaData = Filled(60, 24, 0x010203);
    skin::PaintSection(data, {}, true, false, &viaData, {0, 0}, {0, 0, 60, 24}, 0);
    EXPECT_EQ(DifferingPixels(viaData, Filled(60, 24, 0x010203)) > 0, c.paints);
  }
}

}  // namespace
