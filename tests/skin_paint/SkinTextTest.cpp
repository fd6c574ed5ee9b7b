// Skinned text under the window system: the references (whose rasterising
// depends on the fonts Wine has, so a tolerance applies), the contour rule
// drawn exactly, clipping, and shortened captions.
#include <gtest/gtest.h>
#include <windows.h>

#include "GoldenCases.h"
#include "GoldenFiles.h"
#include "skin/paint/sSkinPaintData.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/data/sSkinTables.h"
#include "toolkit/win/Canvas.h"

namespace {

using namespace paintfix;

// Glyph edges may come out differently with other fonts or another Wine:
// a text picture matches when at most 2 % of its pixels differ from the
// reference, by any amount; everything else about it is exact.
constexpr double kTextTolerance = 0.02;

TEST(GoldenText, TextsMatchTheirReferencesWithinTheTolerance) {
  for (Skin s : kSkins)
    for (const GoldenCase& c : TextGoldenCases()) {
      SCOPED_TRACE(std::string(SkinName(s)) + "/" + c.name);
      const GoldenResult r = PaintAndCompare(s, c);
      ASSERT_TRUE(r.referenceFound) << "no reference " << GoldenPath(s, c.name);
      ASSERT_TRUE(r.difference.sameSize) << "see " << r.actual;
      EXPECT_LE(r.difference.pixels, kTextTolerance * r.area)
          << r.difference.pixels << " pixels differ, by up to " << r.difference.largest << "; see " << r.actual;
    }
}

// A section with one text colour and the given contours, and a control of it.
struct OneSection {
  skin::TsSkinTables tables;
  skin::TsSkinPaintRecord data;
  tk::TFont font;
  explicit OneSection(const skin::TsFontColors& colors, const char* name = "LABELLIKE") {
    skin::TsGeneralData g;
    g.SectionName = name;
    g.FontColor = g.HotFontColor = colors;
    tables.gd.push_back(g);
    data.tables = &tables;
    data.sectionIndex = 0;
    data.font = &font;
    font.SetHeight(-15);
  }
  tk::Bitmap Write(const char* text, bool enabled = true, bool hot = false, RECT r = {2, 2, 78, 22}) {
    tk::Bitmap b(80, 24);
    b.Fill(0xFFFFFF);
    tk::TBitmapCanvas canvas(b);
    skin::WriteSkinText(canvas, text, enabled, hot, data, DT_LEFT | DT_SINGLELINE, r);
    canvas.Unbind();
    return b;
  }
};

tk::Bitmap PlainText(const char* text, skin::TColor color, int dx = 0, int dy = 0) {
  tk::Bitmap b(80, 24);
  b.Fill(0xFFFFFF);
  tk::TBitmapCanvas canvas(b);
  canvas.Font().SetHeight(-15);
  canvas.Font().SetColor(color);
  canvas.Brush().SetStyle(tk::bsClear);
  RECT r{2 + dx, 2 + dy, 78 + dx, 22 + dy};
  canvas.DrawText(text, r, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
  canvas.Unbind();
  return b;
}

TEST(SkinText, ContoursOfMinusOneDrawTheTextOnce) {
  OneSection plain({0x0000C0, -1, -1, -1, -1});
  const tk::Bitmap once = PlainText("Gauss 高斯", 0x0000C0);
  EXPECT_EQ(Compare(plain.Write("Gauss 高斯"), once).pixels, 0);
  EXPECT_GT(Compare(once, PlainText("", 0)).pixels, 20);  // the text does show
}

TEST(SkinText, EachContourIsTheTextMovedOnePixelToItsSide) {
  // Only the right contour: the text in green drawn one pixel right, then
  // the text colour in place over it.
  OneSection right({0x0000C0, -1, -1, 0x00C000, -1});
  tk::Bitmap expected(80, 24);
  expected.Fill(0xFFFFFF);
  {
    tk::TBitmapCanvas canvas(expected);
    canvas.Font().SetHeight(-15);
    canvas.Brush().SetStyle(tk::bsClear);
    canvas.Font().SetColor(0x00C000);
    RECT moved{3, 2, 79, 22};
    canvas.DrawText("Gauss", moved, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    canvas.Font().SetColor(0x0000C0);
    RECT place{2, 2, 78, 22};
    canvas.DrawText("Gauss", place, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    canvas.Unbind();
  }
  EXPECT_EQ(Compare(right.Write("Gauss"), expected).pixels, 0);
  // Disabled: no contour, 40 % text colour and 60 % section colour (white).
  EXPECT_EQ(Compare(right.Write("Gauss", false), PlainText("Gauss", 0x9999E6)).pixels, 0);
}

TEST(SkinText, AControlsTextIsClippedToItsRectangle) {
  OneSection s({0x000000, -1, -1, -1, -1});
  const tk::Bitmap b = s.Write("WWWWWWWWWWWWWWW", true, false, {2, 2, 30, 22});
  for (int y = 0; y < 24; ++y)
    for (int x = 30; x < 80; ++x) ASSERT_EQ(PixelAt(b, x, y), 0xFFFFFF) << x << "," << y;
}

TEST(SkinText, LongCaptionsAreShortenedToFit) {
  tk::Bitmap b(10, 10);
  tk::TBitmapCanvas canvas(b);
  canvas.Font().SetHeight(-15);
  canvas.Font().SetCharset(GB2312_CHARSET);  // a face with the Chinese glyphs
  EXPECT_EQ(skin::EllipsizeText(canvas, "short", 200), "short");
  ASSERT_GT(canvas.TextWidth("坐标转换坐标转换坐标转换"), 80);
  const std::string cut = skin::EllipsizeText(canvas, "坐标转换坐标转换坐标转换", 80);
  EXPECT_LE(canvas.TextWidth(cut), 80);
  EXPECT_EQ(cut.substr(cut.size() - 3), "...");
  EXPECT_EQ(cut.substr(0, cut.size() - 3), std::string("坐标转换坐标转换坐标转换").substr(0, cut.size() - 3));
  EXPECT_EQ((cut.size() - 3) % 3, 0u);  // whole characters of three bytes
  EXPECT_EQ(skin::EllipsizeText(canvas, "坐标", 1), "...");
  canvas.Unbind();
}

}  // namespace
