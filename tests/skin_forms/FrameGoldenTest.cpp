// The skinned frame against its reviewed reference pictures (golden/):
// exactly equal everywhere but in the caption text, which the window system
// draws and may shift by a pixel here and there (there at most 2 % of the
// band's pixels may differ). A picture that differs is written next to the
// build (skin-forms-actual/); scripts/golden.sh makes new references and
// their contact sheet.
#include <gtest/gtest.h>

#include "FrameGoldenCases.h"
#include "GoldenFiles.h"
#include "toolkit/win/FontMapper.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace formfix;

// Differing pixels inside and outside a rectangle.
struct SplitDifference {
  int inside = 0;
  int outside = 0;
};
SplitDifference DifferingPixels(const tk::Bitmap& a, const tk::Bitmap& b, const skin::TRect& band) {
  SplitDifference d;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const std::uint8_t* p = a.ScanLine(y) + 3 * x;
      const std::uint8_t* q = b.ScanLine(y) + 3 * x;
      if (p[0] == q[0] && p[1] == q[1] && p[2] == q[2]) continue;
      const bool in = x >= band.Left && x < band.Right && y >= band.Top && y < band.Bottom;
      ++(in ? d.inside : d.outside);
    }
  return d;
}

TEST(FrameGolden, EveryFrameMatchesItsReference) {
  // The references were drawn with Wine's own faces in the prefix (the
  // caption's MS Sans Serif, Tahoma); without them Wine picks another face
  // and every Latin caption differs for a reason that is not ours.
  for (const wchar_t* face : {L"MS Sans Serif", L"Tahoma"})
    ASSERT_TRUE(tk::FontFaceExists(face, DEFAULT_CHARSET))
        << "the Wine prefix lacks Wine's own fonts (no " << tk::WideToUtf8(face) << "): run scripts/setup.sh";
  SkinnedFrame frame;
  for (const GoldenSkin& skin : GoldenSkins())
    for (const FrameGoldenCase& c : FrameGoldenCases()) {
      SCOPED_TRACE(std::string(skin.folder) + "/" + c.name);
      const FramePicture got = PaintFrameCase(frame, c, skin);
      const std::optional<tk::Bitmap> reference = paintfix::ReadPng(FrameGoldenPath(skin, c.name));
      ASSERT_TRUE(reference) << "no reference " << FrameGoldenPath(skin, c.name);
      const bool sameSize = reference->Width() == got.picture.Width() && reference->Height() == got.picture.Height();
      const SplitDifference d = sameSize ? DifferingPixels(got.picture, *reference, got.textBand) : SplitDifference{};
      const int band = got.textBand.Width() * got.textBand.Height();
      const bool matches = sameSize && d.outside == 0 && d.inside * 50 <= band;
      if (!matches) paintfix::WritePng(FrameActualPath(skin, c.name), got.picture);
      EXPECT_TRUE(sameSize) << "see " << FrameActualPath(skin, c.name);
      EXPECT_EQ(d.outside, 0) << "pixels of the skin's own drawing differ; see " << FrameActualPath(skin, c.name);
      EXPECT_LE(d.inside * 50, band) << d.inside << " caption pixels of " << band << " differ";
    }
}

}  // namespace
