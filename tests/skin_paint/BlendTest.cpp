// Bitmap blends and fast pixel access: the fade blend against its formula
// (the vector path and the byte path alike), clipping of points and
// rectangles, a bitmap blended with itself, the transparent copies, and the
// frames of a form's transition.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ExpectedPixels.h"
#include "PaintSkins.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sFastAccess.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sTransitionBlend.h"

namespace {

using namespace paintfix;
using skin::TColor;

tk::Bitmap Noise(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  tk::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixelAt(b, x, y, static_cast<TColor>(rng() & 0xFFFFFF));
  return b;
}

TEST(BlendBitmaps, EveryChannelFollowsTheFadeFormulaAtEveryLevel) {
  // 37 pixels a row: 111 bytes, so rows end off the 16-byte steps.
  const tk::Bitmap from = Noise(37, 9, 1), to = Noise(37, 9, 2);
  for (int level : {0, 1, 77, 127, 128, 200, 254, 255}) {
    tk::Bitmap frame = from;
    skin::BlendBitmaps(frame, to, level);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 37; ++x)
        ASSERT_EQ(PixelAt(frame, x, y), Faded(PixelAt(from, x, y), PixelAt(to, x, y), level))
            << "level " << level << " at " << x << "," << y;
  }
}

TEST(BlendBitmaps, LevelsOutsideTheRangeAreHeldToIt) {
  const tk::Bitmap from = Noise(8, 4, 3), to = Noise(8, 4, 4);
  tk::Bitmap low = from, high = from;
  skin::BlendBitmaps(low, to, -40);
  skin::BlendBitmaps(high, to, 999);
  tk::Bitmap zero = from, full = from;
  skin::BlendBitmaps(zero, to, 0);
  skin::BlendBitmaps(full, to, 255);
  EXPECT_EQ(DifferingPixels(low, zero), 0);
  EXPECT_EQ(DifferingPixels(high, full), 0);
}

TEST(BlendBitmaps, PointsAndRectanglesAreCutToBothBitmaps) {
  const tk::Bitmap source = Noise(10, 8, 5);
  const struct {
    skin::TPoint point;
    skin::TRect rect;
    skin::TRect covered;  // target pixels that change
    skin::TPoint origin;  // source pixel under the covered area's top-left
  } cases[] = {
      {{2, 3}, {0, 0, 10, 8}, {2, 3, 12, 11}, {0, 0}},
      {{-3, -2}, {0, 0, 10, 8}, {0, 0, 7, 6}, {3, 2}},   // the source start moves instead
      {{4, 1}, {-2, -1, 5, 5}, {6, 2, 11, 7}, {0, 0}},   // a source rectangle reaching out of the source
      {{14, 0}, {0, 0, 10, 8}, {14, 0, 16, 8}, {0, 0}},  // cut at the target's right edge
      {{16, 0}, {0, 0, 10, 8}, {0, 0, 0, 0}, {0, 0}},    // nothing left
  };
  for (const auto& c : cases) {
    tk::Bitmap target = Filled(16, 12, 0);
    skin::BlendBitmaps(target, source, 0, c.point, c.rect);  // level 0: the source alone
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool in = x >= c.covered.Left && x < c.covered.Right && y >= c.covered.Top && y < c.covered.Bottom;
        const TColor expected =
            in ? Faded(0, PixelAt(source, c.origin.X + x - c.covered.Left, c.origin.Y + y - c.covered.Top), 0) : 0;
        ASSERT_EQ(PixelAt(target, x, y), expected) << c.point.X << " " << x << "," << y;
      }
  }
}

TEST(BlendBitmaps, SmallOrMismatchedBitmapsAreLeftAlone) {
  const tk::Bitmap one = Noise(1, 5, 6), big = Noise(5, 5, 7), other = Noise(5, 4, 8);
  tk::Bitmap target = big;
  skin::BlendBitmaps(target, one, 0, {0, 0}, {0, 0, 1, 5});
  EXPECT_EQ(DifferingPixels(target, big), 0);
  skin::BlendBitmaps(target, other, 0);  // the three-argument blend wants equal sizes
  EXPECT_EQ(DifferingPixels(target, big), 0);
  tk::Bitmap wide(5, 5, tk::PixelFormat::pf32bit);
  skin::BlendBitmaps(target, wide, 0, {0, 0}, {0, 0, 5, 5});
  EXPECT_EQ(DifferingPixels(target, big), 0);
}

TEST(BlendBitmaps, ABitmapBlendedIntoItselfReadsFromTheEndBackwards) {
  const tk::Bitmap start = Noise(12, 6, 9);
  tk::Bitmap b = start;
  // Each target row overlaps the source row one pixel to its left.
  skin::BlendBitmaps(b, b, 100, {1, 0}, {0, 0, 11, 6});
  for (int y = 0; y < 6; ++y) {
    // From the last byte backwards every source byte is read before it is written.
    for (int x = 11; x >= 1; --x) ASSERT_EQ(PixelAt(b, x, y), Faded(PixelAt(start, x, y), PixelAt(start, x - 1, y), 100));
    EXPECT_EQ(PixelAt(b, 0, y), PixelAt(start, 0, y));
  }
}

TEST(FastAccess, ReadsRowsOfEitherOrderAndRefusesTinyBitmaps) {
  for (bool topDown : {false, true}) {
    tk::Bitmap b(4, 3, tk::PixelFormat::pf24bit, topDown);
    SetPixelAt(b, 2, 1, Rgb(1, 2, 3));
    skin::TvxFast24 f;
    ASSERT_TRUE(f.Attach(b));
    EXPECT_EQ(f.Stride, topDown ? 12 : -12);
    EXPECT_EQ(f.Pixel(2, 1), Rgb(1, 2, 3));
    f.SetPixel(0, 2, Rgb(9, 8, 7));
    EXPECT_EQ(PixelAt(b, 0, 2), Rgb(9, 8, 7));
  }
  tk::Bitmap wide(3, 2, tk::PixelFormat::pf32bit);
  wide.ScanLine(1)[4 * 2 + 3] = 0x80;
  SetPixelAt(wide, 2, 1, Rgb(4, 5, 6));
  skin::TvxFast32 f32;
  ASSERT_TRUE(f32.Attach(wide));
  EXPECT_EQ(f32.Pixel(2, 1), 0x80000000u | static_cast<std::uint32_t>(Rgb(4, 5, 6)));
  skin::TvxFast24 small;
  EXPECT_FALSE(small.Attach(tk::Bitmap(1, 7)));
  EXPECT_FALSE(small.Attached());
  EXPECT_FALSE(small.Attach(wide));  // another pixel format
}

TEST(ColourHelpers, MixAndGreyscale) {
  EXPECT_EQ(skin::MixColors(Rgb(255, 0, 100), Rgb(0, 255, 100), 0.4), Rgb(102, 153, 100));
  EXPECT_EQ(skin::MixColors(Rgb(1, 0, 0), 0, 0.5), 0);  // 0.5 rounds to even
  EXPECT_EQ(skin::MixColors(Rgb(3, 0, 0), 0, 0.5), Rgb(2, 0, 0));
  tk::Bitmap b = Filled(3, 1, Rgb(10, 20, 31));
  SetPixelAt(b, 1, 0, skin::clFuchsia);
  tk::Bitmap all = b;
  skin::GrayscaleBitmap(all);
  EXPECT_EQ(PixelAt(all, 0, 0), Rgb(20, 20, 20));
  EXPECT_EQ(PixelAt(all, 1, 0), Rgb(170, 170, 170));
  skin::GrayscaleExceptColor(b, skin::clFuchsia);
  EXPECT_EQ(PixelAt(b, 0, 0), Rgb(20, 20, 20));
  EXPECT_EQ(PixelAt(b, 1, 0), skin::clFuchsia);
}

TEST(TransparentCopies, SkipTheClearColourAndFillFromTheParentOrTheMaskColour) {
  tk::Bitmap glyph = Filled(3, 2, Rgb(200, 100, 0));
  SetPixelAt(glyph, 1, 0, skin::clFuchsia);
  const tk::Bitmap parent = Noise(20, 20, 11);

  tk::Bitmap blended = Filled(6, 4, Rgb(0, 0, 100));
  skin::BlendTransparent(blended, 2, 1, skin::clFuchsia, 0.25, {0, 0, 3, 2}, glyph);
  EXPECT_EQ(PixelAt(blended, 2, 1), Rgb(150, 75, 25));  // 0.75 source + 0.25 target
  EXPECT_EQ(PixelAt(blended, 3, 1), Rgb(0, 0, 100));    // clear pixel skipped
  EXPECT_EQ(PixelAt(blended, 1, 1), Rgb(0, 0, 100));

  tk::Bitmap withParent = Filled(6, 4, 0);
  skin::CopyTransparent(withParent, glyph, 2, true, {&parent, 5, 7, true}, skin::clFuchsia, {0, 0, 3, 2}, 1);
  EXPECT_EQ(PixelAt(withParent, 2, 1), Rgb(200, 100, 0));
  EXPECT_EQ(PixelAt(withParent, 3, 1), PixelAt(parent, 5 + 3, 7 + 1));

  skin::MaskBackgroundColor = Rgb(1, 2, 3);
  tk::Bitmap noParent = Filled(6, 4, 0);
  skin::CopyTransparent(noParent, glyph, 2, true, {&parent, 5, 7, false}, skin::clFuchsia, {0, 0, 3, 2}, 1);
  EXPECT_EQ(PixelAt(noParent, 3, 1), Rgb(1, 2, 3));
  skin::MaskBackgroundColor = skin::clFuchsia;
  tk::Bitmap plain = Filled(6, 4, 0);
  skin::CopyTransparent(plain, glyph, 2, false, {&parent, 5, 7, true}, skin::clFuchsia, {0, 0, 3, 2}, 1);
  EXPECT_EQ(PixelAt(plain, 3, 1), 0);
  skin::CopyTransparent(plain, glyph, 2, false, {}, -1, {0, 0, 3, 2}, 1);  // nothing is clear
  EXPECT_EQ(PixelAt(plain, 3, 1), skin::clFuchsia);
}

// One channel of a transition frame: the old screen keeps weight / 256.
int TransitionChannel(int saved, int fresh, int weight) {
  const int w = std::clamp(weight, 0, 256);
  return (w * saved + (256 - w) * fresh) / 256;
}

TEST(TransitionFrames, OldScreenFadesIntoTheNewLookByWeight) {
  const tk::Bitmap saved = Noise(23, 7, 21), fresh = Noise(23, 7, 22);
  // The weights of a 100 ms transition, its ends, one gone negative, and the
  // old screen alone; 24- and 32-bit frames.
  for (int weight : {255, 234, 129, 3, 0, -18, 256}) {
    tk::Bitmap frame(23, 7, tk::PixelFormat::pf32bit);
    for (int y = 0; y < 7; ++y) std::fill_n(frame.ScanLine(y), 4 * 23, std::uint8_t{0xAB});
    skin::BlendTransitionFrame(frame, saved, fresh, weight);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 23; ++x) {
        const TColor s = PixelAt(saved, x, y), n = PixelAt(fresh, x, y);
        const TColor expected = Rgb(TransitionChannel(Channel(s, 0), Channel(n, 0), weight),
                                    TransitionChannel(Channel(s, 8), Channel(n, 8), weight),
                                    TransitionChannel(Channel(s, 16), Channel(n, 16), weight));
        ASSERT_EQ(PixelAt(frame, x, y), expected) << "weight " << weight << " at " << x << "," << y;
        ASSERT_EQ(frame.ScanLine(y)[4 * x + 3], 0xAB) << "the fourth byte is left alone";
      }
    if (weight <= 0) {
      EXPECT_EQ(DifferingPixels(frame, fresh), 0) << "the new look alone";
    }
    if (weight == 256) {
      EXPECT_EQ(DifferingPixels(frame, saved), 0) << "the old screen alone";
    }
    tk::Bitmap frame24(23, 7);
    skin::BlendTransitionFrame(frame24, saved, fresh, weight);
    EXPECT_EQ(DifferingPixels(frame24, frame), 0) << "weight " << weight;
  }
}

TEST(TransitionFrames, OnlyTheCommonAreaIsWritten) {
  const tk::Bitmap saved = Noise(10, 6, 23), fresh = Noise(8, 9, 24);
  tk::Bitmap frame = Filled(12, 12, Rgb(1, 2, 3));
  skin::BlendTransitionFrame(frame, saved, fresh, 0);
  EXPECT_EQ(PixelAt(frame, 7, 5), PixelAt(fresh, 7, 5));
  EXPECT_EQ(PixelAt(frame, 8, 5), Rgb(1, 2, 3));
  EXPECT_EQ(PixelAt(frame, 7, 6), Rgb(1, 2, 3));
  tk::Bitmap empty;
  skin::BlendTransitionFrame(frame, empty, fresh, 0);  // nothing to blend, no crash
  skin::BlendTransitionFrame(empty, saved, fresh, 0);
  EXPECT_EQ(PixelAt(frame, 0, 0), PixelAt(fresh, 0, 0));
}

}  // namespace
