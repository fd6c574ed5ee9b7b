// Hue and saturation shift: the colour arithmetic and what a loaded skin
// changes with it.
#include "skin/data/sColorShift.h"

#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "SkinTablesFixture.h"

namespace {

TEST(ShiftHue, RotatesAroundTheColourWheel) {
  struct Case {
    skin::TColor in;
    int offset;
    skin::TColor out;
  };
  const Case cases[] = {
      {0x0000FF, 0, 0x0000FF},     // no shift
      {0x0000FF, 120, 0x00FF00},   // red -> green
      {0x0000FF, 240, 0xFF0000},   // red -> blue
      {0x0000FF, 360, 0x0000FF},   // full turn
      {0x0000FF, -120, 0xFF0000},  // negative offsets wrap
      {0x0000FF, 30, 0x0080FF},    // 127.5 -> 128
      {0x0000FD, 30, 0x007EFD},    // 126.5 -> 126: ties go to the even neighbour
      {0x808080, 90, 0x808080},    // grey keeps its value
      {0x000000, 90, 0x000000},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::ShiftHue(c.in, c.offset), c.out) << std::hex << c.in << " by " << std::dec << c.offset;
}

TEST(ShiftSaturation, MovesChannelsAgainstTheGreyMean) {
  struct Case {
    skin::TColor in;
    int saturation;
    skin::TColor out;
  };
  const Case cases[] = {
      {0x0064C8, 150, 0x0064F9},  // s = 150 works as 49: (200,100,0) -> (249,100,0), blue clamped
      {0x0064C8, -100, 0x646464},  // every colour grey
      {0x0064C8, 50, 0x0064FA},   // (200,100,0) -> (250,100,0)
      {0x006465, 50, 0x007476},   // (101,100,0) -> (118,116,0): green 116.5 goes to the even 116
      {0x0064C8, 0, 0x0064C8},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::ShiftSaturation(c.in, c.saturation), c.out) << std::hex << c.in << " by " << std::dec
                                                                 << c.saturation;
}

TEST(ColorShift, LoadedSkinColoursPixelsAndWhatStaysAlone) {
  // The master bitmap: a red pixel, a transparent one and a grey one.
  const tk::Bitmap master = fixtures::MakePicture(3, 1, [](int x, int) {
    return x == 0 ? 0x0000FFu : x == 1 ? 0xFF00FFu : 0x505050u;
  });
  const char* const options = R"(
[GLOBALINFO]
MASTERBITMAP=MASTER.BMP
SHADOW1COLOR=255
BORDERCOLOR=255
[FORM]
COLOR=255
HOTCOLOR=255
FONTCOLOR=255
TCLEFT=-1
HOTFONTCOLOR=-16777208
SHADOWCOLOR=255
BORDERCOLOR1=255
GRADIENTDATA=255;255;100;0;0
PATTERN=FBG.JPG
)";
  fixtures::SkinOptions shift;
  shift.hue = 120;
  const fixtures::LoadedSkin skin(
      options,
      {{"Master.bmp", fixtures::MakeBmp24(master)},
       {"fBG.jpg", fixtures::MakeJpeg(300, 300, [](int, int) { return 0x0000FFu; })}},
      shift);
  const skin::TsSkinTables& t = skin.tables;
  EXPECT_EQ(fixtures::PixelAt(t.MasterBitmap, 0, 0), 0x00FF00u);
  EXPECT_EQ(fixtures::PixelAt(t.MasterBitmap, 1, 0), 0xFF00FFu);
  EXPECT_EQ(fixtures::PixelAt(t.MasterBitmap, 2, 0), 0x505050u);
  const skin::TsGeneralData& form = skin.Gd("FORM");
  EXPECT_EQ(form.Color, 0x00FF00);
  EXPECT_EQ(form.HotColor, 0x00FF00);
  EXPECT_EQ(form.FontColor[0], 0x00FF00);
  EXPECT_EQ(form.FontColor[1], -1);
  EXPECT_EQ(form.HotFontColor[0], -16777208);  // a system colour is no channel data
  EXPECT_EQ(form.ShadowColor, 255);
  EXPECT_EQ(form.BorderColor1, 255);
  EXPECT_EQ(form.GradientArray[0].Color1, 0x00FF00);
  EXPECT_EQ(form.GradientArray[0].Color2, 0x00FF00);
  EXPECT_EQ(t.SkinData.Shadow1Color, 0x00FF00);
  EXPECT_EQ(t.SkinData.BorderColor, 0x00FF00);
  // JPEG patterns keep their colours.
  const std::uint32_t p = fixtures::PixelAt(*t.pa.at(0).Img, 5, 5);
  EXPECT_GT(p & 0xFF, 0xF0u);
  EXPECT_LT((p >> 8) & 0xFF, 0x10u);
}

// The bitmaps take the hue shift and then the saturation shift in a pass of
// their own, each leaving out the transparent colour and the greys as they
// are at that moment: cyan turned a third of the way round is the
// transparent magenta, which the saturation then keeps.
TEST(ColorShift, BitmapsTakeTheShiftsInTwoPasses) {
  tk::Bitmap picture = fixtures::MakePicture(3, 1, [](int x, int) {
    return x == 0 ? 0xFFFF00u : x == 1 ? 0x0000FFu : 0x404080u;  // cyan, red, a dull red
  });
  skin::ShiftBitmapColors(picture, 120, -50);
  EXPECT_EQ(fixtures::PixelAt(picture, 0, 0), 0xFF00FFu);  // not (212, 85, 212)
  // Red to green (0, 255, 0), then half way to its mean 85: (42.5 -> 42, 170, 42).
  EXPECT_EQ(fixtures::PixelAt(picture, 1, 0), 0x2AAA2Au);
  // (128, 64, 64) to (64, 128, 64), then half way to the mean 85.33: (74.67 -> 75, 106.67 -> 107, 75).
  EXPECT_EQ(fixtures::PixelAt(picture, 2, 0), 0x4B6B4Bu);
}

}  // namespace
