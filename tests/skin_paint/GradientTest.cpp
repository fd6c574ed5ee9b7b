// Gradients: bands of several stops, the offset, horizontal runs, the
// corner mesh, and the section gradient over a texture.
#include <gtest/gtest.h>

#include "ExpectedPixels.h"
#include "PaintSkins.h"
#include "skin/paint/sGradient.h"

namespace {

using namespace paintfix;
using skin::TColor;

TEST(Gradient, VerticalBandsShareTheirBoundaryRow) {
  // 33 rows; the first stop takes 50 % of them: rows 0..16, the second
  // starts again on row 16 and runs to the last row.
  const skin::TsGradArray stops{{Rgb(0, 0, 0), Rgb(160, 0, 0), 50, 0}, {Rgb(0, 64, 0), Rgb(0, 192, 0), 0, 1}};
  tk::Bitmap b = Filled(3, 33, 0x777777);
  skin::PaintGradient(b, {0, 0, 3, 33}, stops);
  for (int y = 0; y < 16; ++y) EXPECT_EQ(PixelAt(b, 1, y), Rgb(10 * y, 0, 0)) << y;
  for (int y = 16; y < 33; ++y) EXPECT_EQ(PixelAt(b, 1, y), Rgb(0, 64 + 8 * (y - 16), 0)) << y;
}

TEST(Gradient, TheOffsetStartsTheBandsLower) {
  const skin::TsGradArray stops{{Rgb(0, 0, 0), Rgb(0, 0, 32), 100, 0}};
  tk::Bitmap b = Filled(2, 17, 0x777777);
  skin::PaintGradient(b, {0, 0, 2, 17}, stops, 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(PixelAt(b, 0, y), 0x777777) << y;
  // Rows 4..16: 12 steps from 0 to 32.
  for (int y = 4; y < 17; ++y) EXPECT_EQ(PixelAt(b, 0, y), Rgb(0, 0, RoundExact(32 * (y - 4), 12))) << y;
}

TEST(Gradient, HorizontalRunsAcrossEveryRow) {
  // 41 columns: the first stop covers round(25 * 41 / 100) = 10 columns.
  const skin::TsGradArray stops{{Rgb(0, 0, 0), Rgb(0, 100, 0), 25, 1}, {Rgb(255, 0, 0), Rgb(255, 0, 240), 100, 0}};
  tk::Bitmap b = Filled(41, 3, 0);
  skin::PaintGradient(b, {0, 0, 41, 3}, stops);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 10; ++x) EXPECT_EQ(PixelAt(b, x, y), Rgb(0, 10 * x, 0)) << x;
    for (int x = 10; x < 41; ++x) EXPECT_EQ(PixelAt(b, x, y), Rgb(255, 0, 8 * (x - 10))) << x;
  }
}

TEST(Gradient, TheCornerMeshTakesItsCornerColours) {
  const TColor tl = Rgb(255, 0, 0), centre = Rgb(0, 255, 0), tr = Rgb(0, 0, 255), br = Rgb(255, 255, 0);
  const skin::TsGradArray stops{{tl, 0, 0, 2}, {centre, 0, 0, 0}, {tr, 0, 0, 0}, {br, 0, 0, 0}};  // no fifth: repeats br
  tk::Bitmap b = Filled(101, 61, 0);
  skin::PaintGradient(b, {0, 0, 101, 61}, stops);
  auto near = [](TColor got, TColor want, int tolerance) {
    for (int i = 0; i < 3; ++i)
      if (std::abs(Channel(got, 8 * i) - Channel(want, 8 * i)) > tolerance) return false;
    return true;
  };
  EXPECT_TRUE(near(PixelAt(b, 0, 0), tl, 8));
  EXPECT_TRUE(near(PixelAt(b, 100, 0), tr, 8));
  EXPECT_TRUE(near(PixelAt(b, 100, 60), br, 8));
  EXPECT_TRUE(near(PixelAt(b, 0, 60), br, 8));
  EXPECT_TRUE(near(PixelAt(b, 50, 30), centre, 8));
  // Halfway along the top edge: half top-left, half top-right.
  EXPECT_TRUE(near(PixelAt(b, 50, 0), Rgb(128, 3, 128), 8));
}

TEST(Gradient, NothingWithoutStopsOrOutsideTheBitmapAndNegativeBandsMoveUp) {
  tk::Bitmap b = Filled(5, 5, 0x123456);
  skin::PaintGradient(b, {0, 0, 5, 5}, {});
  skin::PaintGradient(b, {10, 10, 20, 20}, {{0, 0xFFFFFF, 100, 0}});
  EXPECT_EQ(DifferingPixels(b, Filled(5, 5, 0x123456)), 0);
  // A band of -50 % paints nothing and starts the next one two rows above
  // the rectangle: its rows 2..6 of 6 steps are the visible ones.
  skin::PaintGradient(b, {0, 0, 5, 5}, {{0, 0xFFFFFF, -50, 0}, {0, 0xFFFFFF, 100, 1}});
  for (int y = 0; y < 5; ++y) {
    const int grey = RoundExact(255LL * (y + 2), 6);
    EXPECT_EQ(PixelAt(b, 3, y), Rgb(grey, grey, grey)) << y;
  }
}

}  // namespace
