// Skinned popup menus against their reviewed reference pictures
// (menus-golden/): exactly equal but in the item texts and the extra
// line's caption, which the window system draws and may shift by a pixel
// (there at most 2 % of those pixels may differ). A picture that differs is
// written next to the build (skin-menus-actual/); scripts/golden.sh makes
// new references and their contact sheet.
#include <gtest/gtest.h>

#include "GoldenFiles.h"
#include "MenuGoldenCases.h"
#include "toolkit/win/FontMapper.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace formfix;

bool InAny(const std::vector<skin::TRect>& bands, int x, int y) {
  for (const skin::TRect& b : bands)
    if (x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) return true;
  return false;
}

TEST(MenuGolden, EveryPopupMatchesItsReference) {
  // The references were drawn with Wine's own faces in the prefix; without
  // them the menu font maps to another face and every popup changes size.
  for (const wchar_t* face : {L"MS Sans Serif", L"Tahoma"})
    ASSERT_TRUE(tk::FontFaceExists(face, DEFAULT_CHARSET))
        << "the Wine prefix lacks Wine's own fonts (no " << tk::WideToUtf8(face) << "): run scripts/setup.sh";
  SkinnedFrame frame;
  for (const GoldenSkin& skin : GoldenSkins())
    for (const MenuGoldenCase& c : MenuGoldenCases()) {
      SCOPED_TRACE(std::string(skin.folder) + "/" + c.name);
      const MenuPicture got = PaintMenuCase(frame, c, skin);
      const std::optional<tk::Bitmap> reference = paintfix::ReadPng(MenuGoldenPath(skin, c.name));
      ASSERT_TRUE(reference) << "no reference " << MenuGoldenPath(skin, c.name);
      const paintfix::TextBandDifference d = paintfix::CompareOutsideText(
          got.picture, *reference, [&](int x, int y) { return InAny(got.textBands, x, y); });
      if (!d.Matches()) paintfix::WritePng(MenuActualPath(skin, c.name), got.picture);
      EXPECT_TRUE(d.sameSize) << "see " << MenuActualPath(skin, c.name);
      EXPECT_EQ(d.outside, 0) << "pixels of the skin's own drawing differ; see " << MenuActualPath(skin, c.name);
      EXPECT_LE(d.inside * 50, d.text) << d.inside << " text pixels of " << d.text << " differ";
    }
}

}  // namespace
