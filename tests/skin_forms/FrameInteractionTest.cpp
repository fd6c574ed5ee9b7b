// The skinned frame under the real mouse and keyboard: caption buttons that
// light up, press and act on release; the title bar that moves the window;
// the system menu from the icon, a right click on the caption and
// Alt+Space, with the skin list when asked for; snapping to the work area.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ControlSkins.h"
#include "SkinnedFrameFixture.h"
#include "skin/forms/sSystemMenu.h"
#include "toolkit/win/Application.h"

namespace {

using namespace formfix;
using namespace testing_support;

// Runs `inside` once the window system's popup menu is open (from a timer,
// while the menu's own loop runs), then closes whatever is still open -
// unless `inside` answers false, having sent keys that close it.
class OpenMenuWatch {
public:
  explicit OpenMenuWatch(std::function<bool(HWND menuWindow)> inside) : inside_(std::move(inside)) {
    watch_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &OpenMenuWatch::Tick);
  }
  ~OpenMenuWatch() {
    KillTimer(nullptr, timer_);
    watch_ = nullptr;
  }
  bool Seen() const { return seen_; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    OpenMenuWatch* w = watch_;
    if (!w || w->seen_) return;
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    w->seen_ = true;
    if (!w->inside_ || w->inside_(menu)) EndMenu();
  }
  static inline OpenMenuWatch* watch_ = nullptr;
  std::function<bool(HWND)> inside_;
  UINT_PTR timer_ = 0;
  bool seen_ = false;
};

// Drags from one screen point to another with the left button. Under Xvfb
// the injected mouse must stay over the window's first place while the
// window system's move loop runs: Wine loses the release of a drag that
// leaves it (and waits for it for ever).
void Drag(POINT from, POINT to) {
  MoveMouseTo(from);
  LeftButtonDown();
  MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
  MoveMouseTo(to);
  LeftButtonUp();
}

using FrameInteractionTest = SkinnedFrameTest;

TEST_F(FrameInteractionTest, TheCloseButtonLightsUpUnderTheMouseAndClosesTheForm) {
  MoveMouseTo(ButtonCentre(skin::kButtonClose));
  ASSERT_TRUE(PumpUntil([&] { return provider->HotButton() == skin::kButtonClose; }));
  EXPECT_EQ(provider->Button(skin::kButtonClose)->State, 1);
  MoveMouseTo(CaptionPoint());
  ASSERT_TRUE(PumpUntil([&] { return provider->HotButton() == 0; })) << "leaving the button makes it normal";
  EXPECT_EQ(provider->Button(skin::kButtonClose)->State, 0);
  ClickAt(ButtonCentre(skin::kButtonClose));
  EXPECT_TRUE(PumpUntil([&] { return closed; }));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(FrameInteractionTest, APressedCloseButtonReleasedElsewhereStillCloses) {
  MoveMouseTo(ButtonCentre(skin::kButtonClose));
  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return provider->Button(skin::kButtonClose)->State == 2; }));
  POINT inside{kClientWidth / 2, kClientHeight / 2};
  ClientToScreen(form->Handle(), &inside);
  MoveMouseTo(inside);
  EXPECT_TRUE(PumpUntil([&] { return provider->Button(skin::kButtonClose)->State == 0; }))
      << "off the button it no longer looks pressed";
  EXPECT_FALSE(closed);
  LeftButtonUp();
  EXPECT_TRUE(PumpUntil([&] { return closed; }));
}

TEST_F(FrameInteractionTest, MinimizeActsOnlyWhenReleasedOverIt) {
  const HWND h = form->Handle();
  MoveMouseTo(ButtonCentre(skin::kButtonMinimize));
  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return provider->Button(skin::kButtonMinimize)->State == 2; }));
  MoveMouseTo(CaptionPoint());
  LeftButtonUp();
  ASSERT_TRUE(PumpUntil([&] { return provider->HotButton() == 0; }));
  PumpPending();
  EXPECT_FALSE(IsIconic(h)) << "released off the button";
  EXPECT_NE(WindowRect().left, 0) << "nor did the press move the window";

  ClickAt(ButtonCentre(skin::kButtonMinimize));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(h) != FALSE; }));
  ShowWindow(h, SW_RESTORE);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(h); }));
}

TEST_F(FrameInteractionTest, TheTitleBarMovesTheWindow) {
  const RECT before = WindowRect();
  const POINT from = CaptionPoint();
  Drag(from, {from.x - 60, from.y + 45});
  ASSERT_TRUE(PumpUntil([&] { return WindowRect().left != before.left; }));
  const RECT after = WindowRect();
  EXPECT_EQ(after.left, before.left - 60);
  EXPECT_EQ(after.top, before.top + 45);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

TEST_F(FrameInteractionTest, TheOutlineDragMovesTheWindowOnceReleased) {
  provider->SetResizeMode(skin::rmBorder);
  const RECT before = WindowRect();
  const POINT from = CaptionPoint();
  Drag(from, {from.x + 50, from.y + 20});
  ASSERT_TRUE(PumpUntil([&] { return WindowRect().left != before.left; }));
  EXPECT_EQ(WindowRect().left, before.left + 50);
  EXPECT_EQ(WindowRect().top, before.top + 20);
  EXPECT_EQ(GetCapture(), nullptr) << "the drag let the mouse go";
}

TEST_F(FrameInteractionTest, AMaximizedFormCannotBeDraggedByItsTitleBar) {
  Build({tk::bsSizeable, tk::biSystemMenu | tk::biMinimize | tk::biMaximize, "Sizeable"});
  const HWND h = form->Handle();
  for (skin::TsResizeMode mode : {skin::rmStandard, skin::rmBorder}) {
    SCOPED_TRACE(mode == skin::rmStandard ? "standard" : "outline");
    provider->SetResizeMode(mode);
    ShowWindow(h, SW_MAXIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }));
    PumpPending();
    const RECT before = WindowRect();
    // Each press somewhere else: two presses on one spot make a double click.
    POINT from = CaptionPoint();
    from.x += mode == skin::rmStandard ? -40 : 40;
    Drag(from, {from.x + 80, from.y + 120});
    PumpPending();
    const RECT after = WindowRect();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_TRUE(IsZoomed(h));
    ShowWindow(h, SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(h); }));
  }
}

TEST_F(FrameInteractionTest, ADropNinePixelsFromTheWorkAreaSnapsButTenDoesNot) {
  provider->SetScreenSnap(true);
  ASSERT_EQ(provider->SnapBuffer(), 10);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  for (int gap : {9, 10}) {
    SCOPED_TRACE("gap " + std::to_string(gap));
    // A short drag towards the right edge: 40 pixels before it, then 40 - gap.
    const int width = WindowRect().right - WindowRect().left;
    SetWindowPos(form->Handle(), nullptr, work.right - width - 40, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpPending();
    const RECT before = WindowRect();
    POINT from = CaptionPoint();
    from.x += (gap - 9) * 30;  // not a double click with the drop before
    Drag(from, {from.x + 40 - gap, from.y});
    ASSERT_TRUE(PumpUntil([&] { return WindowRect().left != before.left; }));
    EXPECT_EQ(WindowRect().right, gap < 10 ? work.right : work.right - gap);
  }
}

TEST_F(FrameInteractionTest, AltSpaceOpensTheSystemMenuBelowTheIcon) {
  HMENU shown = nullptr;
  RECT menuRect{};
  {
    OpenMenuWatch watch([&](HWND menuWindow) {
      shown = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
      GetWindowRect(menuWindow, &menuRect);
      return true;
    });
    PressChord({VK_MENU, VK_SPACE});
    ASSERT_TRUE(PumpUntil([&] { return watch.Seen(); }));
  }
  ASSERT_NE(provider->SystemMenu(), nullptr);
  EXPECT_EQ(shown, provider->SystemMenu()->Handle());
  const skin::TsFrameMetrics fm = provider->Metrics();
  const RECT window = WindowRect();
  EXPECT_EQ(menuRect.left, window.left + fm.frameWidth);
  EXPECT_EQ(menuRect.top, window.top + fm.frameHeight + fm.iconHeight);
  // Its items follow the window: no maximize, size or restore on a single border.
  const skin::TsSystemMenu& menu = *provider->SystemMenu();
  EXPECT_TRUE(menu.ItemMinimize->Visible() && menu.ItemMinimize->Enabled());
  EXPECT_FALSE(menu.ItemMaximize->Visible());
  EXPECT_FALSE(menu.ItemSize->Enabled());
  EXPECT_TRUE(menu.ItemClose->Visible());
}

TEST_F(FrameInteractionTest, ARightClickOnTheCaptionAndAClickOnTheIconOpenTheSystemMenu) {
  {
    OpenMenuWatch watch(nullptr);
    MoveMouseTo(CaptionPoint());
    RightButtonDown();
    RightButtonUp();
    EXPECT_TRUE(PumpUntil([&] { return watch.Seen(); })) << "right click on the caption";
  }
  {
    OpenMenuWatch watch(nullptr);
    const skin::TsFrameMetrics fm = provider->Metrics();
    ClickAt(ScreenPoint(fm.iconRect.Left + fm.iconWidth / 2, fm.iconRect.Top + fm.iconHeight / 2));
    EXPECT_TRUE(PumpUntil([&] { return watch.Seen(); })) << "click on the icon";
  }
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(FrameInteractionTest, TheSkinListStartsASecondColumnAtTheTwentyFirstSkinAndSwitchesSkins) {
  provider->SetMakeSkinMenu(true);
  // Three internal skins; eighteen more make twenty-one.
  for (int i = 0; i < 18; ++i) {
    auto& item = manager->InternalSkins().Add();
    item.SetName("Extra " + std::string(1, static_cast<char>('A' + i)));
    const tk::MemoryStream& edges = manager->InternalSkins().Items(2).Data;
    item.Data.LoadFromBytes(edges.Memory(), edges.Size());
  }
  tk::StringList names;
  manager->GetSkinNames(names, skin::kSkinNamesAll);
  ASSERT_EQ(names.Count(), 21u);
  std::vector<UINT> types;
  UINT checked = ~0u;
  {
    OpenMenuWatch watch([&](HWND) {
      HMENU list = GetSubMenu(provider->SystemMenu()->Handle(), 0);
      for (int i = 0; i < GetMenuItemCount(list); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoW(list, static_cast<UINT>(i), TRUE, &info);
        types.push_back(info.fType);
        if (info.fState & MFS_CHECKED) checked = static_cast<UINT>(i);
      }
      return true;
    });
    PressChord({VK_MENU, VK_SPACE});
    ASSERT_TRUE(PumpUntil([&] { return watch.Seen(); }));
  }
  ASSERT_EQ(types.size(), 21u);
  for (std::size_t i = 0; i < types.size(); ++i)
    EXPECT_EQ((types[i] & MFT_MENUBREAK) != 0, i == 20) << "item " << i;
  EXPECT_EQ(checked, static_cast<UINT>(names.IndexOf(manager->SkinName())));
  EXPECT_EQ(provider->SystemMenu()->Items()->Items(1)->IsLine(), true);

  // Picking a skin from the list with the keyboard switches to it.
  const std::string wanted = names[0];
  ASSERT_NE(wanted, manager->SkinName());
  {
    OpenMenuWatch watch([&](HWND) {
      PressKey(VK_DOWN);    // on "Available skins"
      PressKey(VK_RIGHT);   // into the list, on its first skin
      PressKey(VK_RETURN);
      return false;
    });
    PressChord({VK_MENU, VK_SPACE});
    ASSERT_TRUE(PumpUntil([&] { return watch.Seen(); }));
  }
  EXPECT_TRUE(PumpUntil([&] { return manager->SkinName() == wanted; })) << manager->SkinName();
  // Shown again, the list is rebuilt, not doubled.
  provider->SystemMenu()->MakeSkinItems();
  EXPECT_EQ(provider->SystemMenu()->Items()->Items(0)->Count(), 21);
  EXPECT_FALSE(provider->SystemMenu()->Items()->Items(2)->IsLine());
}

TEST_F(FrameInteractionTest, WithoutMakeSkinMenuTheSystemMenuHasNoSkinList) {
  provider->SetMakeSkinMenu(false);
  {
    OpenMenuWatch watch(nullptr);
    PressChord({VK_MENU, VK_SPACE});
    ASSERT_TRUE(PumpUntil([&] { return watch.Seen(); }));
  }
  EXPECT_EQ(provider->SystemMenu()->SkinSelectItem(), nullptr);
  EXPECT_EQ(provider->SystemMenu()->Items()->Items(0), provider->SystemMenu()->ItemRestore);
}

}  // namespace
