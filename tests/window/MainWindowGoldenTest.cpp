// The converter's whole window (frame and client) against its reviewed
// reference pictures (golden/), in each internal skin and with the mouse
// over a conversion button: exactly equal on the frame and on the form's
// background between the controls; where the window system draws text (the
// caption and the controls, whose own pictures have references of their
// own) at most 2 % of the pixels may differ. A picture that differs is
// written next to the build (window-golden-actual/); scripts/golden.sh makes
// new references and the README's screenshots.
#include <gtest/gtest.h>

#include "GoldenFiles.h"
#include "MainWindowFixture.h"
#include "MainWindowPicture.h"

namespace {

using namespace windowfix;

bool Inside(const std::vector<skin::TRect>& areas, int x, int y) {
  for (const skin::TRect& r : areas)
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return true;
  return false;
}

// Each case pictures a window of its own, as the references were made.
class MainWindowGoldenTest : public MainWindowSuite {};

TEST_F(MainWindowGoldenTest, TheWholeWindowMatchesItsReferences) {
  for (const WindowPictureCase& c : WindowPictureCases()) {
    SCOPED_TRACE(c.name);
    const WindowPicture got = PictureOfCase(c);
    const std::optional<tk::Bitmap> reference = paintfix::ReadPng(WindowGoldenPath(c.name));
    ASSERT_TRUE(reference) << "no reference " << WindowGoldenPath(c.name);
    ASSERT_EQ(reference->Width(), got.picture.Width());
    ASSERT_EQ(reference->Height(), got.picture.Height());
    int text = 0, textDiffers = 0, otherDiffers = 0;
    for (int y = 0; y < got.picture.Height(); ++y)
      for (int x = 0; x < got.picture.Width(); ++x) {
        const bool inText = Inside(got.textAreas, x, y);
        text += inText;
        const std::uint8_t* a = got.picture.ScanLine(y) + 3 * x;
        const std::uint8_t* b = reference->ScanLine(y) + 3 * x;
        if (a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) continue;
        ++(inText ? textDiffers : otherDiffers);
      }
    if (otherDiffers != 0 || textDiffers * 50 > text) paintfix::WritePng(WindowActualPath(c.name), got.picture);
    EXPECT_EQ(otherDiffers, 0) << "the frame or the background differ; see " << WindowActualPath(c.name);
    EXPECT_LE(textDiffers * 50, text) << textDiffers << " of " << text << " text pixels differ; see "
                                      << WindowActualPath(c.name);
  }
}

}  // namespace
