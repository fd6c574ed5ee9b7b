// The wrappers of the windows the toolkit's own controls do not cover -
// statics, icons, links, size boxes, panes, up-down controls, tool bars,
// bitmap buttons - on raw windows of those classes, and the grid and
// virtual-tree wrappers on controls standing in for those of other
// libraries: what each paints, what it answers, its rules as tables.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <functional>
#include <memory>

#include "AdapterFixture.h"
#include "FamilyTestControls.h"
#include "ScreenPixels.h"
#include "WindowTestSupport.h"
#include "skin/controls/adapters/vxBitBtnWnd.h"
#include "skin/controls/adapters/vxSizerWnd.h"
#include "skin/controls/adapters/vxGroupBoxWnd.h"
#include "skin/controls/adapters/vxSpinWnd.h"
#include "skin/controls/adapters/vxStaticWnd.h"
#include "skin/controls/adapters/vxToolBarWnd.h"
#include "skin/controls/adapters/vxVirtualTreeViewWnd.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Button.h"

namespace {

using namespace adaptfix;
using WrapFn = std::function<std::unique_ptr<skin::TvxMainWnd>(HWND, skin::TsSkinManager*)>;

template <class T>
WrapFn WrapAs(const char* section) {
  return [section](HWND h, skin::TsSkinManager* m) -> std::unique_ptr<skin::TvxMainWnd> {
    return skin::TvxMainWnd::Wrap<T>(h, false, section, m, nullptr);
  };
}

// A raw child window of the form, destroyed with the test.
struct RawWindow {
  HWND handle = nullptr;
  RawWindow(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int w, int h)
      : handle(CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr)) {}
  ~RawWindow() {
    if (handle) DestroyWindow(handle);
  }
};

// Pixels of the window on the screen that differ from the cache, outside
// an area left to the platform.
int DiffersOutside(HWND h, const tk::Bitmap& cache, RECT kept) {
  const tk::Bitmap screen = ctlfix::CaptureWindow(h);
  if (screen.Width() != cache.Width() || screen.Height() != cache.Height()) return screen.Width() * screen.Height();
  int n = 0;
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x) {
      const POINT p{x, y};
      if (!PtInRect(&kept, p) && ctlfix::PixelOf(screen, x, y) != ctlfix::PixelOf(cache, x, y)) ++n;
    }
  return n;
}

struct RawCase {
  const char* name;
  const wchar_t* cls;
  const wchar_t* text;
  DWORD style;
  int width, height;
  WrapFn wrap;
  bool screenIsCache;  // the window shows its cache (outside `kept`)
  RECT kept{};
  LRESULT hitTest = -1;  // the answer to WM_NCHITTEST at its middle; -1: not checked
};

TEST_F(AdapterTest, RawWindowsOfEachWrapperShowTheirSkinPicture) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&icc);
  const RawCase cases[] = {
      {"static text", L"STATIC", L"A static text wrapped at its words", 0, 160, 40, WrapAs<skin::TvxStaticWnd>("CHECKBOX"),
       true},
      {"progress dialog's animation pane", L"STATIC", L"", 0, 152, 49, WrapAs<skin::TvxStaticWnd>("CHECKBOX"), true,
       skin::TvxStaticWnd::kPlatformPane},
      {"icon static", L"STATIC", L"", SS_ICON, 40, 40, WrapAs<skin::TvxIconWnd>("CHECKBOX"), true},
      {"size box", L"SCROLLBAR", L"", SBS_SIZEBOX, 18, 18, WrapAs<skin::TvxSizerWnd>("CHECKBOX"), true, {}, HTBOTTOMRIGHT},
      {"up-down control", UPDOWN_CLASSW, L"", 0, 18, 31, WrapAs<skin::TvxSpinWnd>("BUTTON"), true},
      {"link", WC_LINK, L"A <a>link</a>", 0, 120, 20, WrapAs<skin::TvxLinkWnd>("CHECKBOX"), false},
  };
  for (const RawCase& c : cases) {
    SCOPED_TRACE(c.name);
    RawWindow raw(form->Handle(), c.cls, c.text, c.style, c.width, c.height);
    ASSERT_NE(raw.handle, nullptr);
    if (c.style == SS_ICON) SendMessageW(raw.handle, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_ERROR)), 0);
    std::unique_ptr<skin::TvxMainWnd> w = c.wrap(raw.handle, manager);
    EXPECT_EQ(skin::SendSkinCommand(raw.handle, skin::SCMD_IS_SKINNED, 0), 1);
    RedrawWindow(raw.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    testing_support::PumpPending();
    RECT r{};
    GetWindowRect(raw.handle, &r);
    if (c.screenIsCache) {
      const tk::Bitmap* cache = w->SkinData()->Cache();
      ASSERT_NE(cache, nullptr);
      // (An icon static takes its icon's size.)
      ASSERT_EQ(cache->Width(), r.right - r.left);
      EXPECT_EQ(DiffersOutside(raw.handle, *cache, c.kept), 0);
    }
    if (c.hitTest >= 0) {
      EXPECT_EQ(SendMessageW(raw.handle, WM_NCHITTEST, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2)),
                c.hitTest);
    }
    w.reset();
    EXPECT_EQ(GetPropW(raw.handle, skin::kWrapperProperty), nullptr);
  }
}

// A raw group box wrapped on a form paints all of itself from its cache;
// wrapped in a system dialog it leaves its inside to the platform and
// draws only its frame and caption strip over the platform's picture.
TEST_F(AdapterTest, GroupBoxInADialogKeepsThePlatformsInside) {
  struct Case {
    const char* mode;
    bool dialog;
  };
  for (const Case c : {Case{"form", false}, Case{"dialog", true}}) {
    SCOPED_TRACE(c.mode);
    RawWindow raw(form->Handle(), L"BUTTON", L"Group", BS_GROUPBOX, 160, 100);
    ASSERT_NE(raw.handle, nullptr);
    // The platform's own picture, with visual styles off as the wrapper has them.
    SetWindowTheme(raw.handle, L" ", L" ");
    RedrawWindow(raw.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    testing_support::PumpPending();
    const tk::Bitmap platform = ctlfix::CaptureWindow(raw.handle);
    const bool saved = skin::DialogModeWrapping;
    skin::DialogModeWrapping = c.dialog;
    auto w = skin::TvxMainWnd::Wrap<skin::TvxGroupBoxWnd>(raw.handle, false, "GROUPBOX", manager, nullptr);
    skin::DialogModeWrapping = saved;
    EXPECT_EQ(w->DlgMode(), c.dialog);
    RedrawWindow(raw.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    testing_support::PumpPending();
    const tk::Bitmap screen = ctlfix::CaptureWindow(raw.handle);
    const tk::Bitmap& cache = *w->SkinData()->Cache();
    ASSERT_EQ(cache.Width(), screen.Width());
    const RECT inside = w->InsideRect();
    ASSERT_LT(inside.left, inside.right);
    ASSERT_LT(inside.top, inside.bottom);
    int frameNotCache = 0, insideNotCache = 0, insideNotPlatform = 0, platformNotCache = 0;
    for (int y = 0; y < screen.Height(); ++y)
      for (int x = 0; x < screen.Width(); ++x) {
        const COLORREF shown = ctlfix::PixelOf(screen, x, y);
        const COLORREF cached = ctlfix::PixelOf(cache, x, y);
        if (!PtInRect(&inside, POINT{x, y})) {
          frameNotCache += shown != cached;
          continue;
        }
        insideNotCache += shown != cached;
        insideNotPlatform += shown != ctlfix::PixelOf(platform, x, y);
        platformNotCache += ctlfix::PixelOf(platform, x, y) != cached;
      }
    EXPECT_EQ(frameNotCache, 0);
    // The platform's inside is not the cache's, so either shows.
    ASSERT_GT(platformNotCache, 0);
    if (c.dialog) EXPECT_EQ(insideNotPlatform, 0);
    else EXPECT_EQ(insideNotCache, 0);
  }
}

TEST_F(AdapterTest, StaticWritesItsTextInTheSectionsFontColour) {
  RawWindow raw(form->Handle(), L"STATIC", L"WWWW MMMM", 0, 160, 30);
  auto w = skin::TvxMainWnd::Wrap<skin::TvxStaticWnd>(raw.handle, false, "CHECKBOX", manager, nullptr);
  RedrawWindow(raw.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  testing_support::PumpPending();
  const skin::TsGeneralData* s = w->SkinData()->Section();
  ASSERT_NE(s, nullptr);
  const tk::Bitmap* cache = w->SkinData()->Cache();
  int inks = 0;
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x) inks += ctlfix::PixelOf(*cache, x, y) == s->FontColor[0];
  EXPECT_GT(inks, 20);
  // A new text is painted at once.
  SetWindowTextW(raw.handle, L"");
  int after = 0;
  cache = w->SkinData()->Cache();
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x) after += ctlfix::PixelOf(*cache, x, y) == s->FontColor[0];
  EXPECT_LT(after, inks);
}

TEST(SpinHalves, SplitAndStateByCursor) {
  struct Case {
    int offset, width, height;
    POINT cursor;
    bool inside, pressed;
    std::pair<int, int> states;
  };
  const Case cases[] = {
      {0, 16, 30, {8, 3}, true, false, {1, 0}},     // hot upper
      {0, 16, 30, {8, 25}, true, true, {0, 2}},     // pressed lower
      {0, 16, 31, {8, 15}, true, false, {1, 0}},    // the shared middle row belongs to the upper half
      {0, 16, 30, {8, 3}, false, true, {0, 0}},     // outside: both normal
      {2, 18, 30, {1, 3}, true, false, {0, 0}},     // left of the buttons (a dialog's offset)
  };
  for (const Case& c : cases) {
    const auto halves = skin::TvxSpinWnd::HalvesOf(c.offset, c.width, c.height);
    EXPECT_EQ(halves.upper.left, c.offset);
    EXPECT_EQ(halves.upper.bottom, c.height / 2 + c.height % 2);
    EXPECT_EQ(halves.lower.top, c.height / 2);
    EXPECT_EQ(skin::TvxSpinWnd::HalfStates(halves, c.cursor, c.inside, c.pressed), c.states)
        << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(ToolBarButtons, StateTextPlaceAndDisabledMix) {
  struct StateCase {
    BYTE tbState;
    bool underCursor;
    int state;
  };
  for (const StateCase& c : {StateCase{0, true, 0}, StateCase{TBSTATE_ENABLED, false, 0},
                             StateCase{TBSTATE_ENABLED, true, 1}, StateCase{TBSTATE_ENABLED | TBSTATE_PRESSED, false, 2},
                             StateCase{TBSTATE_PRESSED, true, 0}})
    EXPECT_EQ(skin::TvxToolBarWnd::ButtonState(c.tbState, c.underCursor), c.state) << int(c.tbState);
  const RECT plain = skin::TvxToolBarWnd::TextRect(60, 40, 0);
  EXPECT_EQ(plain.top, 2);
  EXPECT_EQ(plain.right, 58);
  EXPECT_EQ(skin::TvxToolBarWnd::TextRect(60, 40, 16).top, 20);
  EXPECT_EQ(skin::TvxToolBarWnd::MixDisabled(200, 100), 160);
  EXPECT_EQ(skin::TvxToolBarWnd::MixDisabled(0, 255), 102);
  EXPECT_EQ(skin::TvxToolBarWnd::MixDisabled(255, 255), 255);
}

TEST(BitBtnLayout, PictureAndCaptionCentredTogether) {
  struct Case {
    int width;
    SIZE glyph, text;
    int glyphLeft, textLeft;
  };
  for (const Case& c : {Case{100, {16, 16}, {40, 13}, 20, 40}, Case{100, {0, 0}, {40, 13}, 30, 30},
                        Case{100, {16, 16}, {0, 0}, 42, 58}, Case{30, {16, 16}, {40, 13}, -15, 5}}) {
    const auto at = skin::TvxBitBtnWnd::LayOut(c.width, c.glyph, c.text);
    EXPECT_EQ(at.glyphLeft, c.glyphLeft) << c.width << " " << c.glyph.cx << " " << c.text.cx;
    EXPECT_EQ(at.textLeft, c.textLeft);
  }
}

TEST_F(AdapterTest, BitmapButtonShowsItsPictureWithoutTheTransparentColour) {
  auto* button = PlacePlain<tk::TButton>(form, 10, 10, 120, 30);
  button->SetCaption("OK");
  button->HandleNeeded();
  SetWindowLongPtrW(button->Handle(), GWL_STYLE, GetWindowLongPtrW(button->Handle(), GWL_STYLE) | BS_BITMAP);
  // A red square on magenta whose bottom-left pixel says magenta is clear.
  tk::Bitmap glyph(16, 16, tk::PixelFormat::pf24bit);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      std::uint8_t* p = glyph.ScanLine(y) + x * 3;
      const bool red = x >= 4 && x < 12 && y >= 4 && y < 12;
      p[0] = red ? 0 : 255;
      p[1] = 0;
      p[2] = 255;
    }
  SendMessageW(button->Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph.NativeHandle()));
  adapter->AddAllItems();
  skin::TvxAdapterItem* item = adapter->ItemOf(button);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(dynamic_cast<skin::TvxBitBtnWnd*>(item->Wrapper()), nullptr);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  testing_support::PumpPending();
  const tk::Bitmap* cache = item->SkinData().Cache();
  ASSERT_NE(cache, nullptr);
  int red = 0, magenta = 0;
  for (int y = 0; y < cache->Height(); ++y)
    for (int x = 0; x < cache->Width(); ++x) {
      const int p = ctlfix::PixelOf(*cache, x, y);
      red += p == 0x0000FF;
      magenta += p == 0xFF00FF;
    }
  EXPECT_EQ(red, 64);
  EXPECT_EQ(magenta, 0);
  EXPECT_EQ(ctlfix::ScreenDiffersFromCache(*button, *cache), 0);
}

TEST_F(AdapterTest, ToolBarButtonsOverTheBarAndTheBarBetweenThem) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  RawWindow raw(form->Handle(), TOOLBARCLASSNAMEW, L"", TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NODIVIDER, 300,
                30);
  SendMessageW(raw.handle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2] = {};
  const wchar_t* texts[2] = {L"One", L"Two"};
  for (int i = 0; i < 2; ++i) {
    buttons[i].iBitmap = I_IMAGENONE;
    buttons[i].idCommand = 100 + i;
    buttons[i].fsState = i == 0 ? TBSTATE_ENABLED : 0;
    buttons[i].fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT | BTNS_AUTOSIZE;
    buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i]);
  }
  SendMessageW(raw.handle, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
  auto w = skin::TvxMainWnd::Wrap<skin::TvxToolBarWnd>(raw.handle, false, "BAR", manager, nullptr);
  RedrawWindow(raw.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  const tk::Bitmap* cache = w->SkinData()->Cache();
  ASSERT_NE(cache, nullptr);
  const tk::Bitmap screen = ctlfix::CaptureWindow(raw.handle);
  RECT second{};
  SendMessageW(raw.handle, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  // Right of the buttons the bar itself shows.
  EXPECT_EQ(ctlfix::PixelOf(screen, 290, 15), ctlfix::PixelOf(*cache, 290, 15));
  // The disabled button is the TOOLBUTTON look mixed with the bar: never
  // further from the bar than 40 percent of the way.
  const int x = second.left + 1, y = second.top + 1;
  const int bar = ctlfix::PixelOf(*cache, x, y), shown = ctlfix::PixelOf(screen, x, y);
  for (int shift : {0, 8, 16}) {
    const int b = (bar >> shift) & 0xFF, s = (shown >> shift) & 0xFF;
    EXPECT_LE(std::abs(s - b), 102) << shift;
  }
}

TEST_F(AdapterTest, GridTakesTheSkinsColoursForWhatItHasAndGetsThemBack) {
  auto* grid = PlacePlain<TTestGrid>(form, 10, 10, 200, 120);
  grid->look.fixedColor = 0x123456;
  grid->look.titleFontColor = 0x654321;
  grid->look.footerCellColor = 0x0A0B0C;
  const skin::TvxGridLook before = grid->look;
  grid->HandleNeeded();
  adapter->AddAllItems();
  ASSERT_NE(adapter->ItemOf(grid), nullptr);
  RedrawWindow(grid->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  const skin::TsSkinTables& skin = manager->Tables();
  int header = skin.IndexOfSection("COLHEADER");
  if (header < 0) header = skin.IndexOfSection("BUTTON");
  ASSERT_GE(header, 0);
  const skin::TsGeneralData& head = skin.gd[static_cast<std::size_t>(header)];
  const skin::TsGeneralData* own = adapter->ItemOf(grid)->SkinData().Section();
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(grid->look.fixedColor, head.Color);
  EXPECT_EQ(grid->look.titleFontColor, head.FontColor[0]);
  EXPECT_EQ(grid->look.footerCellColor, own->Color);
  // What the grid does not have stays absent.
  EXPECT_FALSE(grid->look.titleColor.has_value());
  EXPECT_FALSE(grid->look.indicatorIconColor.has_value());
  adapter->RemoveItem(adapter->IndexOf(grid));
  EXPECT_EQ(grid->look, before);
}

TEST_F(AdapterTest, VirtualTreeHasItsHeaderWindowPaintedAsAListViewsHeader) {
  auto* tree = PlacePlain<TVirtualStringTree>(form, 10, 10, 200, 120);
  tree->HandleNeeded();
  RawWindow header(tree->Handle(), WC_HEADERW, L"", HDS_BUTTONS, 200, 20);
  HDITEMW column{};
  column.mask = HDI_TEXT | HDI_WIDTH;
  column.cxy = 100;
  column.pszText = const_cast<wchar_t*>(L"Name");
  SendMessageW(header.handle, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&column));
  adapter->AddAllItems();
  skin::TvxAdapterItem* item = adapter->ItemOf(tree);
  ASSERT_NE(item, nullptr);
  auto* wrapper = dynamic_cast<skin::TvxVirtualTreeViewWnd*>(item->Wrapper());
  ASSERT_NE(wrapper, nullptr);
  ASSERT_NE(wrapper->Header(), nullptr);
  EXPECT_EQ(GetPropW(header.handle, skin::kWrapperProperty), wrapper->Header());
  adapter->RemoveItem(adapter->IndexOf(tree));
  EXPECT_EQ(GetPropW(header.handle, skin::kWrapperProperty), nullptr);
}

}  // namespace
