// The skinned window on the screen stays whole: after moving across the
// screen, and after another window covered part of it and went away, what
// the screen shows of the frame and the client background is exactly the
// provider's picture of the window - no stale strips, nothing of the
// window system's own frame. While the window is covered and uncovered it
// is painted from the cache only (no new rendering of the frame).
#include <gtest/gtest.h>

#include "ScreenPixels.h"
#include "SkinnedFrameFixture.h"
#include "toolkit/win/Application.h"

namespace {

using namespace formfix;
using namespace testing_support;

class FrameRepaintTest : public SkinnedFrameTest {
protected:
  // Pixels where the screen differs from the provider's picture of the
  // window, inside the window's region (this form has no children).
  int StaleScreenPixels() { return ctlfix::ScreenDiffersFromCache(*form, *provider->SkinData().Cache()); }
};

TEST_F(FrameRepaintTest, TheWindowIsWholeOnTheScreenAfterItMoved) {
  PumpPending();
  EXPECT_EQ(StaleScreenPixels(), 0) << "right after start";
  const HWND h = form->Handle();
  const RECT start = WindowRect();
  for (int step = 1; step <= 4; ++step) {
    SetWindowPos(h, nullptr, start.left - 90 * step, start.top + 40 * step, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpPending();
  }
  EXPECT_EQ(StaleScreenPixels(), 0) << "after moving across the screen";
}

TEST_F(FrameRepaintTest, UncoveringRepaintsFromTheCacheWithoutStaleStrips) {
  const HWND h = form->Handle();
  const RECT r = WindowRect();
  // A plain window over the title bar and part of the client area.
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_BORDER, r.left + 40,
                               r.top - 10, 200, 120, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(cover, nullptr);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  PumpPending();
  ASSERT_TRUE(provider->FormActive());
  const tk::Bitmap* cacheBefore = provider->SkinData().Cache();
  const tk::Bitmap before = *cacheBefore;
  DestroyWindow(cover);
  PumpPending();
  EXPECT_EQ(StaleScreenPixels(), 0) << "after the cover went";
  // The frame came back from the same picture: nothing was rendered anew.
  const tk::Bitmap& after = *provider->SkinData().Cache();
  ASSERT_EQ(after.Width(), before.Width());
  bool same = true;
  for (int y = 0; y < after.Height() && same; ++y)
    same = std::equal(after.ScanLine(y), after.ScanLine(y) + 3 * after.Width(), before.ScanLine(y));
  EXPECT_TRUE(same);
  EXPECT_TRUE(IsWindowVisible(h));
}

}  // namespace
