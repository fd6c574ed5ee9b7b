// A sizable form takes the size the program gives it - by SetWindowPos (as
// the skin's outline drag places the window when it ends) and by the
// toolkit's bounds - skinned as plainly, a plain window and an MDI parent
// alike. Skinned, its frame is painted for the new
// size: the picture is as wide and high as the window, up to date (drawn
// again from scratch it is the same), the screen shows it and nothing waits
// to be painted.
#include <gtest/gtest.h>

#include <string>

#include "ScreenPixels.h"
#include "SkinnedFrameFixture.h"
#include "toolkit/win/Application.h"

namespace {

using namespace formfix;
using namespace testing_support;

enum class Sizing {
  WindowPos,    // SetWindowPos
  Bounds,       // the toolkit's SetBounds
  Width,        // the toolkit's Width and Height
};

struct ResizeCase {
  const char* what;
  Sizing how;
  int dx, dy;
};

const ResizeCase kResizeCases[] = {
    {"SetWindowPos grows", Sizing::WindowPos, 100, 60},
    {"SetWindowPos shrinks", Sizing::WindowPos, -120, -50},
    {"SetBounds grows", Sizing::Bounds, 80, 40},
    {"SetBounds shrinks", Sizing::Bounds, -70, -30},
    {"Width and Height grow", Sizing::Width, 90, 30},
};

class FrameResizeTest : public ::testing::Test, protected SkinnedFrame {
protected:
  void TearDown() override { Free(); }

  void Build(bool mdiParent, bool skinned) {
    FrameSetup setup;
    setup.borderStyle = tk::bsSizeable;
    setup.borderIcons = tk::biSystemMenu | tk::biMinimize | tk::biMaximize;
    setup.mdiParent = mdiParent;
    SkinnedFrame::Build(setup);
    if (!skinned) manager->SetActive(false);
    PumpPending();
  }

  SIZE WindowSize() const {
    const RECT r = WindowRect();
    return SIZE{r.right - r.left, r.bottom - r.top};
  }

  void Resize(const ResizeCase& c) {
    const HWND h = form->Handle();
    const SIZE size = WindowSize();
    switch (c.how) {
      case Sizing::WindowPos:
        SetWindowPos(h, nullptr, 0, 0, size.cx + c.dx, size.cy + c.dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
      case Sizing::Bounds: form->SetBounds(form->Left(), form->Top(), size.cx + c.dx, size.cy + c.dy); break;
      case Sizing::Width:
        form->SetWidth(size.cx + c.dx);
        form->SetHeight(size.cy + c.dy);
        break;
    }
  }

  // The skinned frame is painted for the window's size.
  void ExpectFramePainted(const std::string& what) {
    const HWND h = form->Handle();
    const SIZE size = WindowSize();
    const tk::Bitmap* cache = provider->SkinData().Cache();
    ASSERT_NE(cache, nullptr) << what;
    EXPECT_EQ(cache->Width(), size.cx) << what << ": the picture's width";
    EXPECT_EQ(cache->Height(), size.cy) << what << ": the picture's height";
    EXPECT_FALSE(provider->SkinData().cacheStale) << what;
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE)) << what << ": nothing left to paint";
    RECT box{};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(h, region) != ERROR) {
      GetRgnBox(region, &box);
      EXPECT_EQ(box.right, size.cx) << what << ": the region reaches the right edge";
      EXPECT_EQ(box.bottom, size.cy) << what << ": the region reaches the bottom edge";
    }
    DeleteObject(region);
    EXPECT_EQ(ctlfix::ScreenDiffersFromCache(*form, *cache), 0) << what << ": the screen shows the picture";
    const tk::Bitmap before = *cache;
    provider->RefreshFrame();
    PumpPending();
    cache = provider->SkinData().Cache();
    ASSERT_NE(cache, nullptr) << what;
    EXPECT_EQ(ctlfix::DifferingPixels(before, *cache), 0) << what << ": the picture is up to date";
  }
};

TEST_F(FrameResizeTest, ASizableFormTakesTheSizeItIsGivenAndShowsItsFrameForIt) {
  for (bool mdiParent : {false, true})
    for (bool skinned : {true, false})
      for (const ResizeCase& c : kResizeCases) {
        const std::string what = std::string(c.what) + (mdiParent ? ", MDI parent" : ", plain form") +
                                 (skinned ? ", skinned" : ", not skinned");
        SCOPED_TRACE(what);
        Build(mdiParent, skinned);
        ASSERT_EQ(provider->Skinned(), skinned);
        // The mouse off the caption buttons: no hover in the pictures.
        MoveMouseTo(ScreenPoint(WindowSize().cx / 2, WindowSize().cy / 2));
        PumpPending();
        const SIZE before = WindowSize();
        Resize(c);
        const SIZE wanted{before.cx + c.dx, before.cy + c.dy};
        EXPECT_TRUE(PumpUntil([&] {
          const SIZE now = WindowSize();
          return now.cx == wanted.cx && now.cy == wanted.cy;
        }));
        PumpPending();
        EXPECT_EQ(WindowSize().cx, wanted.cx) << what;
        EXPECT_EQ(WindowSize().cy, wanted.cy) << what;
        if (skinned) ExpectFramePainted(what);
        Free();
      }
}

}  // namespace
