// The canvas on a bitmap: the pixels each drawing call leaves, clipping and
// saved states, transparent copies, and Chinese text in a GB2312 font.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "toolkit/win/Canvas.h"
#include "toolkit/win/FontMapper.h"
#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/Unicode.h"

namespace {

using tk::Bitmap;
using tk::TBitmapCanvas;

// The pixel as a TColor (red in the low byte), read from the bitmap's rows.
tk::TColor At(const Bitmap& bitmap, int x, int y) { return tk::PixelColor(bitmap, x, y); }

int CountColour(const Bitmap& bitmap, const RECT& area, tk::TColor colour) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += At(bitmap, x, y) == colour;
  return n;
}

class CanvasTest : public ::testing::Test {
protected:
  Bitmap bitmap{40, 30};
  TBitmapCanvas canvas{bitmap};
  void SetUp() override {
    canvas.Brush().SetColor(tk::clWhite);
    canvas.FillRect(RECT{0, 0, 40, 30});
  }
};

TEST_F(CanvasTest, FillFrameAndLinesLandOnTheRightPixels) {
  canvas.Brush().SetColor(tk::clRed);
  canvas.FillRect(RECT{2, 3, 10, 8});
  EXPECT_EQ(At(bitmap, 2, 3), tk::clRed);
  EXPECT_EQ(At(bitmap, 9, 7), tk::clRed);
  EXPECT_EQ(At(bitmap, 10, 7), tk::clWhite);  // right and bottom edges excluded
  EXPECT_EQ(At(bitmap, 9, 8), tk::clWhite);
  EXPECT_EQ(CountColour(bitmap, RECT{0, 0, 40, 30}, tk::clRed), 8 * 5);

  // A new brush colour after the old brush was selected takes effect.
  canvas.Brush().SetColor(tk::clBlue);
  canvas.FrameRect(RECT{20, 10, 30, 20});
  EXPECT_EQ(At(bitmap, 20, 10), tk::clBlue);
  EXPECT_EQ(At(bitmap, 29, 19), tk::clBlue);
  EXPECT_EQ(At(bitmap, 25, 15), tk::clWhite);

  canvas.Pen().SetColor(tk::clLime);
  canvas.MoveTo(0, 25);
  canvas.LineTo(40, 25);
  EXPECT_EQ(At(bitmap, 0, 25), tk::clLime);
  EXPECT_EQ(At(bitmap, 39, 25), tk::clLime);
  EXPECT_EQ(At(bitmap, 39, 24), tk::clWhite);

  canvas.SetPixel(5, 20, tk::clFuchsia);
  EXPECT_EQ(canvas.Pixel(5, 20), tk::clFuchsia);
  EXPECT_EQ(At(bitmap, 5, 20), tk::clFuchsia);
}

TEST_F(CanvasTest, ClippingAndSavedStatesAndOrigin) {
  {
    tk::TCanvasStateGuard saved(canvas);
    canvas.IntersectClip(RECT{10, 10, 20, 20});
    canvas.ExcludeClip(RECT{12, 12, 14, 14});
    canvas.MoveOrigin(5, 5);
    canvas.Brush().SetColor(tk::clBlack);
    canvas.FillRect(RECT{0, 0, 40, 30});  // at (5, 5) on: only the clip box gets it
    EXPECT_EQ(canvas.ClipRect().left, 5);  // in the moved coordinates
  }
  EXPECT_EQ(CountColour(bitmap, RECT{0, 0, 40, 30}, tk::clBlack), 100 - 4);
  EXPECT_EQ(At(bitmap, 12, 12), tk::clWhite);
  EXPECT_EQ(At(bitmap, 10, 10), tk::clBlack);
  // After the restore nothing is clipped or moved any more.
  canvas.Brush().SetColor(tk::clGreen);
  canvas.FillRect(RECT{0, 0, 1, 1});
  EXPECT_EQ(At(bitmap, 0, 0), tk::clGreen);
  EXPECT_EQ(canvas.ClipRect().right, 40);
}

TEST_F(CanvasTest, TransparentAndStretchedCopies) {
  // A 4 x 4 glyph: magenta background, a blue 2 x 2 square in the middle.
  Bitmap glyph(4, 4);
  {
    TBitmapCanvas g(glyph);
    g.Brush().SetColor(tk::clFuchsia);
    g.FillRect(RECT{0, 0, 4, 4});
    g.Brush().SetColor(tk::clBlue);
    g.FillRect(RECT{1, 1, 3, 3});
  }
  canvas.Brush().SetColor(tk::clYellow);
  canvas.FillRect(RECT{0, 0, 10, 10});
  canvas.DrawTransparent(2, 2, glyph, tk::clFuchsia);
  EXPECT_EQ(At(bitmap, 2, 2), tk::clYellow);  // magenta left out
  EXPECT_EQ(At(bitmap, 3, 3), tk::clBlue);
  EXPECT_EQ(At(bitmap, 4, 4), tk::clBlue);
  EXPECT_EQ(At(bitmap, 5, 5), tk::clYellow);

  canvas.Draw(20, 0, glyph);  // opaque: magenta too
  EXPECT_EQ(At(bitmap, 20, 0), tk::clFuchsia);

  canvas.StretchDraw(RECT{20, 10, 28, 18}, glyph);  // twice the size
  EXPECT_EQ(At(bitmap, 21, 11), tk::clFuchsia);
  EXPECT_EQ(At(bitmap, 22, 12), tk::clBlue);
  EXPECT_EQ(At(bitmap, 25, 15), tk::clBlue);
  EXPECT_EQ(At(bitmap, 26, 16), tk::clFuchsia);

  // From one canvas to another, the glyph's own canvas still holding it.
  TBitmapCanvas source(glyph);
  source.Pixel(0, 0);  // selects the glyph into its canvas
  canvas.CopyRect(RECT{30, 20, 32, 22}, source, RECT{1, 1, 3, 3});
  EXPECT_EQ(At(bitmap, 30, 20), tk::clBlue);
  EXPECT_EQ(At(bitmap, 31, 21), tk::clBlue);
  canvas.Draw(34, 20, glyph);  // read through a copy while the glyph is selected elsewhere
  EXPECT_EQ(At(bitmap, 35, 21), tk::clBlue);
}

TEST(FontFaces, ChineseCharacterSetsGetAFaceWithTheGlyphs) {
  const std::wstring face = tk::ResolveFontFace(L"MS Sans Serif", GB2312_CHARSET);
  EXPECT_NE(face, L"MS Sans Serif");
  EXPECT_TRUE(tk::FontFaceExists(face, GB2312_CHARSET)) << tk::WideToUtf8(face);
  // A face that has the character set keeps its name; other sets are GDI's.
  EXPECT_EQ(tk::ResolveFontFace(face, GB2312_CHARSET), face);
  EXPECT_EQ(tk::ResolveFontFace(L"MS Sans Serif", DEFAULT_CHARSET), L"MS Sans Serif");
}

TEST(FontFaces, ChineseAndLatinTextRenderInAGb2312Font) {
  Bitmap bitmap(120, 30);
  TBitmapCanvas canvas(bitmap);
  canvas.Brush().SetColor(tk::clWhite);
  canvas.FillRect(RECT{0, 0, 120, 30});
  canvas.Font().SetName("MS Sans Serif");
  canvas.Font().SetHeight(-15);
  canvas.Font().SetCharset(GB2312_CHARSET);
  canvas.Font().SetColor(tk::clBlack);
  const std::string text = "大地坐标 ABC";
  // Every character has a glyph in the chosen face: no boxes.
  const std::wstring wide = tk::Utf8ToWide(text);
  std::vector<WORD> glyphs(wide.size());
  canvas.TextExtent("x");  // selects the font
  ASSERT_EQ(GetGlyphIndicesW(canvas.Handle(), wide.c_str(), static_cast<int>(wide.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS),
            static_cast<DWORD>(wide.size()));
  for (std::size_t i = 0; i < glyphs.size(); ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "character " << i;
  // A CJK character is a full em wide at this height.
  EXPECT_NEAR(canvas.TextWidth("坐标"), 30, 2);
  canvas.Brush().SetStyle(tk::bsClear);
  canvas.TextOut(2, 4, text);
  const int dark = 120 * 30 - [&] {
    int white = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 120; ++x) white += At(bitmap, x, y) == tk::clWhite;
    return white;
  }();
  EXPECT_GT(dark, 150) << "the text left ink";
}

}  // namespace

// A bitmap held by a canvas is read through that canvas's context, not a
// copy; a context whose coordinates are moved is not borrowed, and reading
// is right either way.
TEST(BitmapSource, ReadsABitmapThroughTheCanvasThatHoldsIt) {
  Bitmap glyph(6, 6);
  Bitmap target(12, 12);
  TBitmapCanvas into(target);
  const auto readCorner = [&](const Bitmap& from) {
    const tk::TBitmapSource source(from);
    BitBlt(into.Handle(), 0, 0, 6, 6, source.Handle(), 0, 0, SRCCOPY);
    return std::make_pair(source.Shared(), At(target, 1, 1));
  };
  {
    TBitmapCanvas holder(glyph);
    holder.Brush().SetColor(tk::clBlue);
    holder.FillRect(RECT{0, 0, 6, 6});  // selects the glyph into the holder's context
    {
      const tk::TBitmapSource source(glyph);
      EXPECT_TRUE(source.Shared());
      EXPECT_EQ(source.Handle(), holder.Handle());
    }
    EXPECT_EQ(readCorner(glyph), std::make_pair(true, tk::clBlue));
    // The holder draws on after being read from.
    holder.Brush().SetColor(tk::clRed);
    holder.FillRect(RECT{0, 0, 6, 6});
    EXPECT_EQ(readCorner(glyph), std::make_pair(true, tk::clRed));
    {
      tk::TCanvasStateGuard moved(holder);
      holder.MoveOrigin(3, 3);
      EXPECT_EQ(readCorner(glyph), std::make_pair(false, tk::clRed));
    }
    EXPECT_EQ(readCorner(glyph), std::make_pair(true, tk::clRed));
  }
  // Without a holder the bitmap gets a context of its own.
  EXPECT_EQ(readCorner(glyph), std::make_pair(false, tk::clRed));
  // A canvas that gives its bitmap up is no holder any more.
  TBitmapCanvas holder(glyph);
  holder.Pixel(0, 0);
  holder.Unbind();
  EXPECT_EQ(readCorner(glyph), std::make_pair(false, tk::clRed));
  holder.Rebind();
  EXPECT_EQ(readCorner(glyph), std::make_pair(true, tk::clRed));
}
