// The skin generator's pieces: the layout table and the key values it
// writes, the frame encoding with transparency masks, the options template,
// the tiling guard, the picture encoders and the seamless noise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>


#include "SkinFiles.h"
#include "gen/ImageFiles.h"
#include "gen/MasterLayout.h"
#include "gen/Noise.h"
#include "gen/OptionsTemplate.h"
#include "gen/Parts.h"
#include "gen/SkinDesign.h"

namespace {

using namespace skingen;

Raster Solid(int w, int h, Rgba c) {
  Raster r(w, h);
  r.Fill(c);
  return r;
}

MasterImage Plain(const std::string& name, ImageSyntax syntax, int w, int h, int frames, bool masked) {
  MasterImage s;
  s.name = name;
  s.syntax = syntax;
  s.frameWidth = w;
  s.frameHeight = h;
  s.frames = frames;
  s.transparencyMask = masked;
  s.paint = [w, h](int state) { return Solid(w, h, Rgb(10 * state + 5, 100, 200)); };
  return s;
}

TEST(MasterLayout, ValuesFollowTheThreeSyntaxesAndPinnedImagesStayPut) {
  MasterImage check = Plain("check", ImageSyntax::Glyph, 13, 13, 3, true);
  check.pinned = true, check.pinX = 0, check.pinY = 78;
  MasterImage group = Plain("group", ImageSyntax::Border, 9, 9, 1, true);
  group.pinned = true, group.pinX = 0, group.pinY = 24, group.drawMode = 1;
  MasterImage button = Plain("button", ImageSyntax::Border, 14, 14, 3, true);
  button.borders = {5, 4, 3, 2}, button.borderWidth = 7;
  MasterImage face = Plain("face", ImageSyntax::Texture, 64, 32, 1, false);
  face.drawMode = 10;
  const MasterLayout layout({check, group, button, face}, 200);
  EXPECT_EQ(layout.ValueOf("check"), "@0000@0078@0039@0104@3@1");
  EXPECT_EQ(layout.ValueOf("group"), "^0000^0024^0009^0042^0000^0000^0000^0000^1^1^1^0");
  const Placement b = layout.PlacementOf("button"), f = layout.PlacementOf("face");
  EXPECT_EQ(b.right - b.left, 42);
  EXPECT_EQ(b.bottom - b.top, 28);
  char expected[64];
  std::snprintf(expected, sizeof expected, "^%04d^%04d^%04d^%04d^0005^0004^0003^0002^3^1^0^7", b.left, b.top, b.right,
                b.bottom);
  EXPECT_EQ(layout.ValueOf("button"), expected);
  std::snprintf(expected, sizeof expected, "~%04d~%04d~%04d~%04d~10", f.left, f.top, f.right, f.bottom);
  EXPECT_EQ(layout.ValueOf("face"), expected);
  EXPECT_EQ(layout.ValueOf("face").size(), 23u);  // no mask type written for an opaque texture

  // Nothing overlaps and everything lies inside the bitmap.
  const std::vector<std::string> names = {"check", "group", "button", "face"};
  for (const auto& a : names) {
    const Placement p = layout.PlacementOf(a);
    EXPECT_GE(p.left, 0);
    EXPECT_LE(p.right, layout.Width());
    EXPECT_LE(p.bottom, layout.Height());
    for (const auto& c : names) {
      if (a == c) continue;
      const Placement q = layout.PlacementOf(c);
      EXPECT_FALSE(p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom) << a << " " << c;
    }
  }
}

TEST(MasterLayout, RefusesWhatTheValueSyntaxCannotHold) {
  auto build = [](MasterImage s) { return MasterLayout({s}, 300); };
  MasterImage tooManyFrames = Plain("a", ImageSyntax::Glyph, 4, 4, 10, true);
  EXPECT_THROW(build(tooManyFrames), std::invalid_argument);
  MasterImage wideBorders = Plain("b", ImageSyntax::Border, 10, 10, 1, true);
  wideBorders.borders = {6, 1, 6, 1};
  EXPECT_THROW(build(wideBorders), std::invalid_argument);
  MasterImage bigMode = Plain("c", ImageSyntax::Border, 10, 10, 1, true);
  bigMode.drawMode = 10;
  EXPECT_THROW(build(bigMode), std::invalid_argument);
  MasterImage tooWide = Plain("d", ImageSyntax::Texture, 301, 4, 1, false);
  EXPECT_THROW(build(tooWide), std::invalid_argument);
  MasterImage p1 = Plain("e", ImageSyntax::Glyph, 10, 10, 1, true), p2 = Plain("f", ImageSyntax::Glyph, 10, 10, 1, true);
  p1.pinned = p2.pinned = true;
  p2.pinX = 5;
  EXPECT_THROW(MasterLayout({p1, p2}, 100), std::invalid_argument);
  EXPECT_THROW(MasterLayout({p1, p1}, 100), std::invalid_argument);  // one name twice
}

TEST(EncodeFrames, AlphaBecomesTheEnginesMaskAndClearPixelsBecomeFuchsia) {
  Raster frame(4, 1);
  frame.At(0, 0) = Rgb(10, 20, 30, 1.0);
  frame.At(1, 0) = Rgb(10, 20, 30, 0.0);
  frame.At(2, 0) = Rgb(200, 100, 50, 0.5);
  frame.At(3, 0) = Rgb(255, 0, 255, 1.0);  // drawn magenta must not read as clear
  tk::Bitmap target(4, 2);
  EncodeFrames({frame}, true, target, 0, 0);
  auto px = [&](int x, int y) {
    const std::uint8_t* p = target.ScanLine(y) + x * 3;
    return std::array<int, 3>{p[2], p[1], p[0]};
  };
  EXPECT_EQ(px(0, 0), (std::array<int, 3>{10, 20, 30}));
  EXPECT_EQ(px(0, 1), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(px(1, 0), (std::array<int, 3>{255, 0, 255}));
  EXPECT_EQ(px(1, 1), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(px(2, 0), (std::array<int, 3>{200, 100, 50}));
  EXPECT_EQ(px(2, 1), (std::array<int, 3>{128, 128, 128}));
  EXPECT_NE(px(3, 0), (std::array<int, 3>{255, 0, 255}));
}

TEST(EncodeFrames, InsideABorderClearPixelsStayOutOfTheCutColour) {
  // A ring: clear outside its rounded corners and clear in the middle.
  Raster ring(9, 9);
  ring.FillBand([](double x, double y) { return std::max(std::abs(x - 4.5), std::abs(y - 4.5)) - 3.0; }, 0, 1,
                Rgb(50, 60, 70));
  tk::Bitmap target(9, 18);
  EncodeFrames({ring}, true, target, 0, 0, true);
  auto image = [&](int x, int y) {
    const std::uint8_t* p = target.ScanLine(y) + x * 3;
    return p[0] << 16 | p[1] << 8 | p[2];
  };
  EXPECT_EQ(image(0, 0), 0xFF00FF);     // outside the ring: cut away
  EXPECT_EQ(image(4, 4), 0x000000);     // enclosed: shows what lies under it
  EXPECT_EQ(target.ScanLine(9 + 4)[4 * 3], 255);
  EXPECT_EQ(image(2, 2), 0x463C32);     // the ring itself (stored blue, green, red)
  EncodeFrames({ring}, true, target, 0, 0, false);
  EXPECT_EQ(image(4, 4), 0xFF00FF);     // glyphs keep every clear pixel transparent
}

TEST(OptionsTemplate, FillsPlaceholdersAndRefusesWhatCouldDrift) {
  const std::map<std::string, std::string> values = {{"box", "@0000@0078@0039@0104@3@1"}, {"face", "~0001~0002~0003~0004~01"}};
  const std::string filled = FillOptionsTemplate(
      "; comment\n[GLOBALINFO]\n  BOXCHECKED = {box}\nCOLOR=5133660\n[BUTTON]\nPATTERN={face}\nHOTPATTERN={face}\n", values);
  EXPECT_EQ(filled,
            "; comment\n[GLOBALINFO]\nBOXCHECKED=@0000@0078@0039@0104@3@1\nCOLOR=5133660\n[BUTTON]\n"
            "PATTERN=~0001~0002~0003~0004~01\nHOTPATTERN=~0001~0002~0003~0004~01\n");
  const char* bad[] = {
      "[A]\nK={box}\nL=@0000@0078@0039@0104@3@1\nM={face}\n",  // a rectangle written by hand
      "[A]\nK={box}\nL={nothing}\nM={face}\n",                 // unknown picture
      "[A]\nK={box}\n",                                        // picture never named
      "[A]\nK=x{box}\nM={face}\n",                             // placeholder inside a value
      "[A]\nK={box}{face}\n",                                  // two in one value
      "[A]\nK={box}\nL=!BUTTONHUGE.BMP!3!1!0\nM={face}\n",     // own-file value by hand
  };
  for (const char* text : bad) EXPECT_THROW(FillOptionsTemplate(text, values), std::invalid_argument) << text;
}

TEST(BorderMask, AFrameThatWouldShowSeamsWhenTiledIsRefused) {
  // A vertical gradient down the left edge repeats visibly when the edge is
  // tiled down a tall control.
  const MasterImage s = BorderMaskPainted("seams", 12, 12, 1, {3, 3, 3, 3}, 0, [](int) {
    Raster r(12, 12);
    for (int y = 0; y < 12; ++y) r.At(0, y) = Rgb(y * 20, 0, 0);
    return r;
  });
  EXPECT_THROW(s.paint(0), std::logic_error);
  const MasterImage fine = BorderMask("fine", 12, 12, 1, {3, 3, 3, 3}, 0, [](int) {
    FrameStyle f;
    f.radius = 3;
    f.rings = {{0, 1, Rgb(0, 0, 0), Rgb(90, 90, 90)}, {1, 1, Rgb(255, 255, 255, 0.4), Rgb(0, 0, 0, 0.2)}};
    return f;
  });
  EXPECT_NO_THROW(fine.paint(0));
}

TEST(ImageFiles, BmpHoldsThePixelsItWasGiven) {
  tk::Bitmap bmp(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      std::uint8_t* p = bmp.ScanLine(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(x * 40), p[1] = static_cast<std::uint8_t>(y * 80), p[2] = 7;
    }
  const skintest::Bmp24 back = skintest::ReadBmp24(EncodeBmp24(bmp));
  ASSERT_EQ(back.width, 5);
  ASSERT_EQ(back.height, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), (7u << 16) | (y * 80u) << 8 | x * 40u);

}

TEST(ImageFiles, JpegKeepsItsSize) {
  tk::Bitmap bmp(37, 21);
  bmp.Fill(0x336699);
  EXPECT_EQ(skintest::JpegSize(EncodeJpeg(bmp, 90)), std::make_pair(37, 21));
}

TEST(PeriodicNoise, WrapsAtTheImageEdgesSoTexturesTileWithoutSeams) {
  const PeriodicNoise n(378, 256, 42);
  for (double y : {0.0, 17.5, 255.0})
    for (double x : {0.0, 3.25, 200.0}) {
      EXPECT_NEAR(n.Fractal(x, y, 3, 2, 4), n.Fractal(x + 378, y, 3, 2, 4), 1e-12);
      EXPECT_NEAR(n.Fractal(x, y, 3, 2, 4), n.Fractal(x, y + 256, 3, 2, 4), 1e-12);
      EXPECT_NEAR(n.Sample(x, y, 63, 2, 5), n.Sample(x - 378, y - 512, 63, 2, 5), 1e-12);
    }
}

TEST(SkinDesigns, DrawingIsReproducible) {
  for (const char* folder : {"EmberStyle", "Glacier"}) {
    const SkinDesign a = DesignByFolder(folder), b = DesignByFolder(folder);
    const tk::Bitmap first = MasterLayout(a.masks, a.masterWidth).Render();
    const tk::Bitmap second = MasterLayout(b.masks, b.masterWidth).Render();
    EXPECT_EQ(EncodeBmp24(first), EncodeBmp24(second)) << folder;
  }
  EXPECT_THROW(DesignByFolder("Nowhere"), std::invalid_argument);
}

}  // namespace
