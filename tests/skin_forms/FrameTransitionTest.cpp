// The cross-fade of a skinned window: the transition pictures the form
// while its redrawing is off, and what it pictures is the provider's whole
// window in the new skin (frame and client background, in the new window
// region); the frames in between blend the old screen into it. (The skin
// manager plays it for the application's main form: window_tests.)
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ScreenPixels.h"
#include "SkinnedFrameFixture.h"
#include "skin/controls/sFormTransition.h"
#include "toolkit/win/GdiObjects.h"

namespace {

using namespace formfix;
using namespace testing_support;

class FrameTransitionTest : public SkinnedFrameTest {
protected:
  // Pixels inside the window's region where the picture is not the cache.
  int DiffersFromCacheInRegion(const tk::Bitmap& picture) {
    const tk::Bitmap& cache = *provider->SkinData().Cache();
    if (picture.Width() != cache.Width() || picture.Height() != cache.Height()) return picture.Width() * picture.Height();
    tk::TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(form->Handle(), region.Get()) != ERROR;
    int differs = 0;
    for (int y = 0; y < cache.Height(); ++y)
      for (int x = 0; x < cache.Width(); ++x)
        if ((!shaped || PtInRegion(region.Get(), x, y)) && ctlfix::PixelOf(picture, x, y) != ctlfix::PixelOf(cache, x, y))
          ++differs;
    return differs;
  }

  struct Seen {
    std::vector<int> weights;
    tk::Bitmap last;
    tk::Bitmap middle;
  };
  tk::TCallbackList<void(const skin::TsTransitionFrame&)>::Registration Watch(Seen& seen) {
    return skin::TransitionFrames().Register([&seen](const skin::TsTransitionFrame& f) {
      seen.weights.push_back(f.weight);
      if (f.final) seen.last = *f.picture;
      else if (f.weight > 64 && f.weight < 192) seen.middle = *f.picture;
    });
  }
};

TEST_F(FrameTransitionTest, TheFramesBlendTheOldScreenIntoTheNewSkin) {
  PumpPending();
  const tk::Bitmap ember = ctlfix::CaptureControl(*form);
  // The new skin applied with the form's redrawing off, as the manager does,
  // then played over 40 ms: 6 frames from the old screen to the new look.
  SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
  UseSkin("Glacier (internal)");
  SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
  skin::SavedScreenImage() = std::make_unique<tk::Bitmap>(ember);
  Seen seen;
  {
    const auto registration = Watch(seen);
    skin::PlayFormTransition(*form, 40);
  }
  PumpPending();
  ASSERT_EQ(seen.weights.size(), 7u) << "six blended frames from the old screen's weight 255 down, then the new look";
  EXPECT_EQ(seen.weights.front(), 255);
  for (std::size_t i = 1; i + 1 < seen.weights.size(); ++i) EXPECT_LT(seen.weights[i], seen.weights[i - 1]);
  EXPECT_EQ(DiffersFromCacheInRegion(seen.last), 0);
  // Half way, a pixel where the skins differ lies between them.
  ASSERT_FALSE(seen.middle.Empty());
  const tk::Bitmap& glacier = *provider->SkinData().Cache();
  const int x = glacier.Width() / 2, y = provider->Metrics().TitleHeight() / 2;
  const int from = ctlfix::PixelOf(ember, x, y), to = ctlfix::PixelOf(glacier, x, y), mid = ctlfix::PixelOf(seen.middle, x, y);
  for (int shift : {0, 8, 16}) {
    const int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF, m = (mid >> shift) & 0xFF;
    EXPECT_GE(m, std::min(a, b));
    EXPECT_LE(m, std::max(a, b));
  }
  EXPECT_NE(mid, to);
  EXPECT_NE(mid, from);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace
