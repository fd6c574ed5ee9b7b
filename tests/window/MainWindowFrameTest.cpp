// The converter's skinned frame under real input: its close button closes
// the tool, its minimize button minimizes it, its title bar moves it,
// Alt+Space opens its window menu (without a skin list). Switching the skin
// manager off gives the plain window back, and switching it off and on
// again and again leaks neither windows nor GDI objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "MainWindowFixture.h"
#include "MainWindowPicture.h"
#include "skin/controls/sFormTransition.h"
#include "skin/forms/sSystemMenu.h"
#include "toolkit/win/Application.h"

namespace {

using namespace testing_support;

class MainWindowFrameTest : public MainWindowTest {
protected:
  skin::TsSkinProvider& Provider() { return *form->sSkinProvider1; }
  RECT WindowRect() const {
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return r;
  }
  POINT ButtonCentre(int id) {
    const skin::TRect& b = Provider().Button(id)->Rect;
    const RECT w = WindowRect();
    return {w.left + (b.Left + b.Right) / 2, w.top + (b.Top + b.Bottom) / 2};
  }
  POINT CaptionPoint() {
    const RECT w = WindowRect();
    return {w.left + (w.right - w.left) * 2 / 3, w.top + Provider().Metrics().TitleHeight() / 2};
  }
};

TEST_F(MainWindowFrameTest, StartsSkinnedWithTheStoredProvider) {
  skin::TsSkinProvider& p = Provider();
  EXPECT_EQ(p.Form(), form);
  EXPECT_EQ(p.SkinData().SkinSection(), "FORM");
  EXPECT_FALSE(p.MakeSkinMenu());
  EXPECT_EQ(p.TitleButtons().Count(), 0);
  EXPECT_TRUE(p.Skinned());
  EXPECT_FALSE(p.RegionRects().empty()) << "the title bar's rounded corners shape the window";
  // Every control skins itself: the adapter the provider made when it was
  // loaded finds nothing to wrap, and the window scrolls nothing.
  ASSERT_NE(p.Adapter(), nullptr);
  EXPECT_EQ(p.Adapter()->Count(), 0);
  EXPECT_EQ(p.ScrollWnd(), nullptr);
}

TEST_F(MainWindowFrameTest, TheCloseButtonClosesTheTool) {
  ClickAt(ButtonCentre(skin::kButtonClose));
  EXPECT_TRUE(PumpUntil([&] { return tk::Application().Terminated(); }));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(MainWindowFrameTest, TheMinimizeButtonMinimizesTheTool) {
  const HWND h = form->Handle();
  ClickAt(ButtonCentre(skin::kButtonMinimize));
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(h) != FALSE; }));
  EXPECT_FALSE(tk::Application().Terminated());
  ShowWindow(h, SW_RESTORE);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(h); }));
}

TEST_F(MainWindowFrameTest, TheTitleBarMovesTheWindow) {
  const RECT before = WindowRect();
  // Under Xvfb the injected mouse must stay over the window's first place
  // while the window system's move loop runs: Wine loses the release of a
  // drag that leaves it.
  const POINT from = CaptionPoint();
  MoveMouseTo(from);
  LeftButtonDown();
  MoveMouseTo({from.x - 20, from.y + 15});
  MoveMouseTo({from.x - 50, from.y + 30});
  LeftButtonUp();
  ASSERT_TRUE(PumpUntil([&] { return WindowRect().left != before.left; }));
  EXPECT_EQ(WindowRect().left, before.left - 50);
  EXPECT_EQ(WindowRect().top, before.top + 30);
}

TEST_F(MainWindowFrameTest, AltSpaceOpensTheWindowMenuWithoutASkinList) {
  bool open = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
  tk::TWndHookId hook = form->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_INITMENUPOPUP && Provider().SystemMenu() &&
        reinterpret_cast<HMENU>(m.WParam) == Provider().SystemMenu()->Handle()) {
      open = true;
      PostMessageW(form->Handle(), WM_CANCELMODE, 0, 0);
    }
    next(m);
  });
  PressChord({VK_MENU, VK_SPACE});
  EXPECT_TRUE(PumpUntil([&] { return open; }));
  EndMenu();
  PumpPending();
  form->WindowProc.Remove(hook);
  KillTimer(nullptr, timer);
  ASSERT_NE(Provider().SystemMenu(), nullptr);
  EXPECT_EQ(Provider().SystemMenu()->SkinSelectItem(), nullptr);
  EXPECT_TRUE(Provider().SystemMenu()->ItemMinimize->Visible());
  EXPECT_FALSE(Provider().SystemMenu()->ItemMaximize->Visible());
}

TEST_F(MainWindowFrameTest, AnotherSkinRepaintsTheShownFrameFromTheNewSkin) {
  const HWND h = form->Handle();
  const tk::Bitmap ember = *Provider().SkinData().Cache();
  // The change is played as a transition that ends on the window's new look.
  tk::Bitmap played;
  {
    const auto watch = skin::TransitionFrames().Register([&](const skin::TsTransitionFrame& f) {
      if (f.final) played = *f.picture;
    });
    form->sSkinManager1->SetSkinName("Glacier (internal)");
  }
  PumpPending();
  ASSERT_TRUE(IsWindowVisible(h)) << "switched off for the change and never on again";
  const tk::Bitmap& glacier = *Provider().SkinData().Cache();
  ASSERT_EQ(glacier.Width(), ember.Width());
  ASSERT_EQ(played.Width(), glacier.Width()) << "no transition was played";
  // The title band on the screen is the new cache's, and that is not the old one.
  const windowfix::WindowPicture screen = windowfix::CaptureMainWindow(*form);
  const int band = Provider().Metrics().TitleHeight();
  int differsFromOld = 0, staleOnScreen = 0, notPlayed = 0;
  for (int y = 0; y < band; ++y)
    for (int x = 0; x < glacier.Width(); ++x) {
      const std::uint8_t* now = glacier.ScanLine(y) + 3 * x;
      const std::uint8_t* old = ember.ScanLine(y) + 3 * x;
      const std::uint8_t* shown = screen.picture.ScanLine(y) + 3 * x;
      differsFromOld += !std::equal(now, now + 3, old);
      const bool cut = shown[0] == 0xFF && shown[1] == 0xFF && shown[2] == 0xFF;
      staleOnScreen += !cut && !std::equal(now, now + 3, shown);
      const std::uint8_t* last = played.ScanLine(y) + 3 * x;
      notPlayed += !cut && !std::equal(now, now + 3, last);
    }
  EXPECT_GT(differsFromOld, glacier.Width() * band / 2);
  EXPECT_EQ(staleOnScreen, 0);
  EXPECT_EQ(notPlayed, 0) << "the transition's last frame is not the new frame";
}

TEST_F(MainWindowFrameTest, SwitchingTheManagerOffGivesThePlainWindowAndNothingLeaks) {
  skin::TsSkinManager& manager = *form->sSkinManager1;
  const HWND h = form->Handle();
  RECT client;
  GetClientRect(h, &client);
  // One round first: whatever is made once and kept (menus, fonts) exists.
  manager.SetActive(false);
  manager.SetActive(true);
  PumpPending();
  const DWORD gdi = GdiObjectCount();
  const std::set<HWND> windows = ThreadWindows();
  for (int i = 0; i < 100; ++i) {
    manager.SetActive(false);
    if (i == 0) {
      EXPECT_TRUE(GetWindowLongW(h, GWL_STYLE) & WS_SYSMENU);
      EXPECT_EQ(form->Color(), tk::clBtnFace);
      RECT plain;
      GetClientRect(h, &plain);
      EXPECT_EQ(plain.right, client.right);
      EXPECT_EQ(plain.bottom, client.bottom);
    }
    manager.SetActive(true);
  }
  PumpPending();
  EXPECT_TRUE(Provider().Skinned());
  EXPECT_TRUE(IsWindowVisible(h)) << "switched off for the change and never on again";
  EXPECT_LE(GdiObjectCount(), gdi + 2) << "GDI objects before: " << gdi;
  EXPECT_EQ(ThreadWindows(), windows);
}

}  // namespace
