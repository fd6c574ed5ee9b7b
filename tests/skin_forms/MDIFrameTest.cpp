// A skinned MDI parent form: its client window shows the MDI area the
// provider painted into its cache; a maximized child's buttons sit on the
// parent's menu line, answer their hit codes and act on the child under
// real clicks; a picture of the parent includes its children. A maximized
// child's icon and menu items are on the parent's menu line, its system
// commands leave both windows painted, its buttons stay shown during the
// parent's menu loop, and an outline drag places a child where the
// outline was dropped.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MDIFrameFixture.h"
#include "ScreenPixels.h"
#include "skin/controls/sRenderControl.h"
#include "skin/forms/sMDIIconsWindow.h"
#include "skin/forms/sTitleButtons.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/StandardControls.h"
#include "toolkit/win/Unicode.h"

namespace {

using namespace formfix;
using namespace mdifix;
using namespace testing_support;

class MDIFrameTest : public mdifix::MDIParentFixture {};

TEST_F(MDIFrameTest, TheClientWindowShowsTheMDIAreaOfTheProvidersCache) {
  ASSERT_NE(Client(), nullptr);
  ASSERT_TRUE(provider->SkinData().Cache() && !provider->SkinData().Cache()->Empty());
  const tk::Bitmap skinned = *provider->SkinData().Cache();
  const tk::Bitmap* cache = &skinned;
  const RECT area = ClientInWindow();
  const tk::Bitmap shown = PrintClient();
  const int w = area.right - area.left, h = area.bottom - area.top;
  ASSERT_EQ(shown.Width(), w);
  ASSERT_EQ(shown.Height(), h);
  EXPECT_EQ(DifferingPixels(shown, 0, 0, *cache, area.left, area.top, w, h), 0)
      << "the edge and the area are the cache's pixels where the client window lies";

  // Without the skin the client window is the platform's again.
  manager->SetActive(false);
  PumpPending();
  EXPECT_NE(DifferingPixels(PrintClient(), 0, 0, *cache, area.left, area.top, w, h), 0);
}

TEST_F(MDIFrameTest, AMaximizedChildsButtonsAnswerTheirHitCodes) {
  tk::TForm* child = AddMDIChild("Child");
  EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width(), 0) << "no buttons while no child is maximized";
  Maximize(child);
  const skin::TsFrameMetrics fm = provider->Metrics();
  const struct {
    int id;
    const char* what;
  } buttons[] = {{skin::HTCHILDMIN, "minimize"}, {skin::HTCHILDMAX, "restore"}, {skin::HTCHILDCLOSE, "close"}};
  int previousRight = 0;
  for (const auto& b : buttons) {
    const skin::TRect r = provider->Button(b.id)->Rect;
    EXPECT_GT(r.Left, previousRight) << b.what << ": left to right, minimize, restore, close";
    EXPECT_GE(r.Top, fm.TitleHeight()) << b.what << ": on the menu line";
    EXPECT_LE(r.Bottom, fm.topStrip) << b.what;
    previousRight = r.Right - 1;
    const POINT p = ButtonCentre(b.id);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), b.id) << b.what;
  }
  EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Right, fm.width - fm.frameWidth - 1);
}

TEST_F(MDIFrameTest, RealClicksOnTheChildButtonsRestoreMinimizeAndCloseTheChild) {
  tk::TForm* first = AddMDIChild("First");
  tk::TForm* second = AddMDIChild("Second");

  Maximize(second);
  ClickAt(ButtonCentre(skin::HTCHILDMAX));
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(second->Handle()); })) << "restore";
  EXPECT_TRUE(PumpUntil([&] { return provider->Button(skin::HTCHILDCLOSE)->Rect.Width() == 0; }))
      << "the buttons leave the menu line with the maximized child";

  Maximize(second);
  ClickAt(ButtonCentre(skin::HTCHILDMIN));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(second->Handle()) != FALSE; })) << "minimize";

  Maximize(first);
  const HWND firstWindow = first->Handle();
  ClickAt(ButtonCentre(skin::HTCHILDCLOSE));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(firstWindow); })) << "close: the child is gone";
  EXPECT_EQ(form->MDIChildCount(), 1);
}

TEST_F(MDIFrameTest, APictureOfTheParentIncludesItsChildren) {
  tk::TForm* child = AddMDIChild("Child");
  PumpPending();
  tk::Bitmap whole(form->Width(), form->Height(), tk::PixelFormat::pf24bit);
  skin::RenderControlTo(whole, *form);
  tk::Bitmap alone(child->Width(), child->Height(), tk::PixelFormat::pf24bit);
  skin::RenderControlTo(alone, *child);

  RECT at{}, window{};
  GetWindowRect(child->Handle(), &at);
  GetWindowRect(form->Handle(), &window);
  const int x = at.left - window.left, y = at.top - window.top;
  ASSERT_GT(x, 0);
  ASSERT_LE(x + child->Width(), whole.Width());
  ASSERT_LE(y + child->Height(), whole.Height());
  EXPECT_EQ(DifferingPixels(whole, x, y, alone, 0, 0, child->Width(), child->Height()), 0)
      << "the child is pictured whole at its place in the parent";
  // Next to the child the parent shows its MDI area.
  const RECT area = ClientInWindow();
  const tk::Bitmap* cache = provider->SkinData().Cache();
  const int px = x + child->Width() + 5, py = y + 5;
  ASSERT_LT(px, area.right - 2);
  EXPECT_EQ(DifferingPixels(whole, px, py, *cache, px, py, 1, 1), 0);
}

// The bar's position of an item with this caption, or -1.
int BarPosition(HWND window, const std::string& caption) {
  HMENU bar = GetMenu(window);
  for (int i = 0; bar && i < GetMenuItemCount(bar); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(bar, static_cast<UINT>(i), text, 127, MF_BYPOSITION);
    if (tk::WideToUtf8(text) == caption) return i;
  }
  return -1;
}

TEST_F(MDIFrameTest, AMaximizedChildsIconAndMenuItemsAreOnTheParentsMenuLine) {
  tk::TForm* child = AddMDIChild("Child");
  auto* menu = tk::Create<tk::TMainMenu>(child);
  auto* sheet = tk::Create<tk::TMenuItem>(child);
  sheet->SetCaption("Sheet");
  sheet->SetGroupIndex(3);
  auto* sub = tk::Create<tk::TMenuItem>(child);
  sub->SetCaption("Sort");
  sheet->Add(sub);
  menu->Items()->Add(sheet);
  child->SetMenu(menu);
  Maximize(child);

  const HWND parent = form->Handle();
  const int window = BarPosition(parent, "Window"), merged = BarPosition(parent, "Sheet");
  ASSERT_GE(window, 0);
  EXPECT_GT(merged, window) << "the child's item comes after the parent's item of a lower GroupIndex";
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(GetMenu(parent), static_cast<UINT>(merged), TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << "the skinned menus draw the child's item on the parent's line";

  // The icon square: the child's own icon, else the program's default one.
  const struct {
    const char* what;
    HICON own;
    HICON shown;
  } icons[] = {
      {"its own icon", LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING)),
       LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING))},
      {"no icon", nullptr, skin::TsSkinProvider::DefaultSmallIcon()},
  };
  for (const auto& c : icons) {
    SendMessageW(child->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(c.own));
    provider->RefreshFrame();
    PumpPending();
    const skin::TsFrameMetrics fm = provider->Metrics();
    const int size = fm.menuHeight - 2;
    ASSERT_GT(size, 0);
    tk::Bitmap expected(size, size, tk::PixelFormat::pf24bit);
    {
      tk::TBitmapCanvas canvas(expected);
      const tk::TBitmapSource line(provider->MenuLineBmp());
      BitBlt(canvas.Handle(), 0, 0, size, size, line.Handle(), fm.frameWidth + 1, 1, SRCCOPY);
      DrawIconEx(canvas.Handle(), 0, 0, c.shown, size, size, 0, nullptr, DI_NORMAL);
      canvas.Unbind();
    }
    GdiFlush();
    expected.Sync();
    const tk::Bitmap* cache = provider->SkinData().Cache();
    EXPECT_EQ(DifferingPixels(*cache, fm.frameWidth + 1, fm.TitleHeight() + 1, expected, 0, 0, size, size), 0) << c.what;
    EXPECT_NE(DifferingPixels(expected, 0, 0, provider->MenuLineBmp(), fm.frameWidth + 1, 1, size, size), 0)
        << c.what << ": the icon shows over the line";
  }

  // The window system's item in front keeps the icon's room: the items
  // start after it, also when the child is maximized again after its own
  // restore command.
  for (const char* when : {"first maximized", "maximized after a restore"}) {
    const skin::TsFrameMetrics fm = provider->Metrics();
    RECT first{}, window{};
    ASSERT_TRUE(GetMenuItemRect(parent, GetMenu(parent), static_cast<UINT>(BarPosition(parent, "Window")), &first));
    GetWindowRect(parent, &window);
    EXPECT_GE(first.left - window.left, fm.frameWidth + fm.menuHeight - 2) << when;
    SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpPending();
    Maximize(child);
    PumpPending();
  }
}

TEST_F(MDIFrameTest, SystemCommandsOfAChildLeaveBothWindowsPainted) {
  tk::TForm* first = AddMDIChild("First");
  tk::TForm* second = AddMDIChild("Second");
  const struct {
    const char* what;
    tk::TForm* child;
    UINT command;
  } steps[] = {
      {"maximize", second, SC_MAXIMIZE},       {"restore", second, SC_RESTORE},
      {"maximize again", second, SC_MAXIMIZE}, {"minimize the maximized child", second, SC_MINIMIZE},
      {"restore the minimized one", second, SC_RESTORE}, {"maximize the other", first, SC_MAXIMIZE},
      {"minimize a restored child", second, SC_MINIMIZE}, {"restore from the parent's line", first, SC_RESTORE},
  };
  for (const auto& step : steps) {
    SendMessageW(step.child->Handle(), WM_SYSCOMMAND, step.command, 0);
    PumpPending();
    bool maximized = false;
    tk::TCustomForm* active = form->ActiveMDIChild(&maximized);
    ASSERT_NE(active, nullptr) << step.what;
    EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0, maximized)
        << step.what << ": the child's buttons are on the line exactly while the active child is maximized";
    EXPECT_FALSE(provider->SkinData().deferPaint) << step.what << ": the parent's painting does not wait";
    EXPECT_FALSE(provider->SkinData().cacheStale) << step.what;
    EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE)) << step.what << ": nothing left to paint";
    EXPECT_FALSE(GetUpdateRect(Client(), nullptr, FALSE)) << step.what;
    for (tk::TForm* child : {first, second}) {
      skin::TsSkinProvider* own = skin::TsSkinProvider::Of(child);
      ASSERT_NE(own, nullptr);
      EXPECT_FALSE(own->SkinData().deferPaint) << step.what << ": " << child->Caption();
      EXPECT_FALSE(GetUpdateRect(child->Handle(), nullptr, FALSE)) << step.what << ": " << child->Caption();
    }
    EXPECT_EQ(StaleTopPixels(*form, *provider), 0) << step.what << ": the screen shows the parent's new line";
  }
}

TEST_F(MDIFrameTest, ClosingAMaximizedChildLeavesTheParentPainted) {
  // First the only child; then one of two, whose sibling takes the
  // maximized state over.
  for (bool another : {false, true}) {
    const char* what = another ? "another child left" : "the last child";
    if (another) AddMDIChild("Other");
    tk::TForm* child = AddMDIChild("Closed");
    Maximize(child);
    PumpPending();
    const HWND window = child->Handle();
    ClickAt(ButtonCentre(skin::HTCHILDCLOSE));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window); })) << what;
    PumpPending();
    bool maximized = false;
    const tk::TCustomForm* active = form->ActiveMDIChild(&maximized);
    EXPECT_EQ(active != nullptr, another) << what;
    EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0, maximized)
        << what << ": the buttons are on the line exactly while a maximized child is left";
    EXPECT_FALSE(provider->SkinData().cacheStale) << what;
    EXPECT_FALSE(GetUpdateRect(form->Handle(), nullptr, FALSE)) << what;
    EXPECT_FALSE(GetUpdateRect(Client(), nullptr, FALSE)) << what;
    EXPECT_EQ(StaleTopPixels(*form, *provider), 0) << what << ": the screen shows the line without the child";
  }
}

// Watches a menu loop from a timer: once the thread is in menu mode it
// records the window of the child's buttons (none when there is none), then
// ends the loop.
class MenuLoopWatch {
public:
  MenuLoopWatch() {
    watch_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &MenuLoopWatch::Tick);
  }
  ~MenuLoopWatch() {
    KillTimer(nullptr, timer_);
    watch_ = nullptr;
  }
  bool seen = false;
  HWND icons = nullptr;
  bool visible = false;
  RECT rect{};
  tk::Bitmap shown;

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuLoopWatch* w = watch_;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!w || w->seen || !GetGUIThreadInfo(0, &info) || !(info.flags & GUI_INMENUMODE)) return;
    w->seen = true;
    w->icons = FindWindowW(L"TvxMDIIcons", skin::TsMDIIconsWindow::kName);
    if (w->icons) {
      w->visible = IsWindowVisible(w->icons) != FALSE;
      GetWindowRect(w->icons, &w->rect);
      w->shown = ctlfix::CaptureWindow(w->icons);
    }
    EndMenu();
  }
  static inline MenuLoopWatch* watch_ = nullptr;
  UINT_PTR timer_ = 0;
};

TEST_F(MDIFrameTest, TheChildsButtonsStayShownByTheirOwnWindowDuringTheMenuLoop) {
  tk::TForm* child = AddMDIChild("Child");
  // An earlier click may have left the mouse where the child's close button comes.
  MouseToClientCorner();
  Maximize(child);
  PumpPending();
  {
    MenuLoopWatch watch;
    PressKey(VK_MENU);  // the menu bar's loop, from the keyboard
    ASSERT_TRUE(PumpUntil([&] { return watch.seen; })) << "the menu loop ran";
    ASSERT_NE(watch.icons, nullptr) << "the loop shows the window of the child's buttons";
    EXPECT_TRUE(watch.visible);
    const skin::TsFrameMetrics fm = provider->Metrics();
    const RECT r = WindowRect();
    const int height = GetSystemMetrics(SM_CYMENU) + 3;
    EXPECT_EQ(watch.rect.left, r.right - 60);
    EXPECT_EQ(watch.rect.top, r.top + fm.captionHeight);
    EXPECT_EQ(watch.rect.right - watch.rect.left, 60);
    EXPECT_EQ(watch.rect.bottom - watch.rect.top, height);
    ASSERT_EQ(watch.shown.Width(), 60);
    EXPECT_EQ(DifferingPixels(watch.shown, 0, 0, *provider->SkinData().Cache(), fm.width - 60, fm.captionHeight, 60,
                              height),
              0)
        << "it shows the parent's picture of the buttons";
    EXPECT_GE(provider->Button(skin::HTCHILDCLOSE)->Rect.Left, fm.width - 60) << "the close button lies under it";
  }
  EXPECT_TRUE(PumpUntil([&] { return provider->MDIIconsWindow() == nullptr; })) << "gone after the loop";
  EXPECT_EQ(FindWindowW(L"TvxMDIIcons", skin::TsMDIIconsWindow::kName), nullptr);

  // Without a maximized child the loop needs no such window.
  form->MDIRestore(child);
  PumpPending();
  MenuLoopWatch watch;
  PressKey(VK_MENU);
  ASSERT_TRUE(PumpUntil([&] { return watch.seen; })) << "the menu loop ran";
  EXPECT_EQ(watch.icons, nullptr);
}

TEST_F(MDIFrameTest, AnOutlineDragPlacesAChildWhereTheOutlineWasDropped) {
  // The child's place in the client window depends on where the parent
  // is and what its aligned children take.
  const struct {
    const char* what;
    int parentLeft, parentTop;
    tk::TAlign panelAlign;
    int panelSize;
  } cases[] = {
      {"the parent as shown", -1, -1, tk::alNone, 0},
      {"the parent elsewhere on the screen", 40, 30, tk::alNone, 0},
      {"a panel left of the client window", -1, -1, tk::alLeft, 45},
      {"a panel above the client window", 60, 20, tk::alTop, 35},
  };
  for (const auto& c : cases) {
    Build([] {
      FrameSetup setup;
      setup.borderStyle = tk::bsSizeable;
      setup.borderIcons = tk::biSystemMenu | tk::biMinimize | tk::biMaximize;
      setup.mdiParent = true;
      return setup;
    }());
    if (c.parentLeft >= 0) form->SetBounds(c.parentLeft, c.parentTop, form->Width(), form->Height());
    if (c.panelSize > 0) {
      auto* panel = tk::Create<tk::TListBox>(form);
      panel->SetBounds(0, 0, c.panelSize, c.panelSize);
      panel->SetAlign(c.panelAlign);
      panel->SetParent(form);
    }
    PumpPending();
    tk::TForm* child = AddMDIChild(c.what);
    skin::TsSkinProvider* own = skin::TsSkinProvider::Of(child);
    ASSERT_NE(own, nullptr);
    own->SetResizeMode(skin::rmBorder);
    RECT before{};
    GetWindowRect(child->Handle(), &before);
    const skin::TsFrameMetrics fm = own->Metrics();
    const POINT from{before.left + fm.width / 2, before.top + fm.TitleHeight() / 2};
    const POINT to{from.x + 30, from.y + 20};
    MoveMouseTo(from);
    LeftButtonDown();
    MoveMouseTo({from.x + 15, from.y + 10});
    MoveMouseTo(to);
    LeftButtonUp();
    RECT after{};
    EXPECT_TRUE(PumpUntil([&] {
      GetWindowRect(child->Handle(), &after);
      return after.left != before.left || after.top != before.top;
    })) << c.what;
    EXPECT_EQ(after.left, before.left + 30) << c.what;
    EXPECT_EQ(after.top, before.top + 20) << c.what;
    EXPECT_EQ(after.right - after.left, before.right - before.left) << c.what;
    EXPECT_EQ(GetCapture(), nullptr) << c.what << ": the drag let the mouse go";
  }
}

// A magenta pixel no skin paints there.
void Scribble(tk::Bitmap& bitmap, int x, int y) {
  std::uint8_t* p = bitmap.ScanLine(y) + 3 * x;
  p[0] = 0xFF;
  p[1] = 0;
  p[2] = 0xFF;
}

TEST_F(MDIFrameTest, PaintingBehindAMaximizedChildIsLeftOut) {
  tk::TForm* first = AddMDIChild("First");
  tk::TForm* second = AddMDIChild("Second");
  Maximize(second);
  PumpPending();

  // The child hidden behind the maximized one paints neither frame nor
  // client area; once exposed it is painted.
  skin::TsSkinProvider* hidden = skin::TsSkinProvider::Of(first);
  ASSERT_NE(hidden, nullptr);
  hidden->SkinData().cacheStale = true;
  RedrawWindow(first->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_TRUE(hidden->SkinData().cacheStale) << "nothing of the hidden child was painted";

  // The parent keeps its picture while only marked stale, and draws it
  // anew when its caption changes.
  const skin::TsFrameMetrics fm = provider->Metrics();
  const int x = fm.width / 2, y = fm.captionHeight / 2;
  const struct {
    const char* what;
    std::function<void()> change;
    bool redrawn;
  } cases[] = {
      {"marked stale", [] {}, false},
      {"a new caption", [&] { form->SetCaption("Renamed parent"); }, true},
      {"deactivated", [&] { SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0); }, true},
      {"activated", [&] { SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0); }, true},
  };
  for (const auto& c : cases) {
    PumpPending();
    Scribble(*provider->SkinData().Cache(), x, y);
    provider->SkinData().cacheStale = true;
    c.change();
    provider->RepaintFrame();
    PumpPending();
    EXPECT_EQ(ctlfix::PixelOf(*provider->SkinData().Cache(), x, y) != 0xFF00FF, c.redrawn) << c.what;
  }

  form->MDIRestore(second);
  PumpPending();
  EXPECT_FALSE(hidden->SkinData().cacheStale) << "the exposed child is painted";
  EXPECT_FALSE(GetUpdateRect(first->Handle(), nullptr, FALSE));
  Scribble(*provider->SkinData().Cache(), x, y);
  provider->SkinData().cacheStale = true;
  provider->RepaintFrame();
  EXPECT_NE(ctlfix::PixelOf(*provider->SkinData().Cache(), x, y), 0xFF00FF) << "without a maximized child it is redrawn";
}

}  // namespace
