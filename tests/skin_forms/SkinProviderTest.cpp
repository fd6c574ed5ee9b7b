// The skin provider on a real form: it takes the frame over while a skin is
// applied and gives the plain window back when the skin goes; one provider
// per form; its answers to the skin command message; the caption buttons'
// places; the hit tests of what it draws; the window region.
#include <gtest/gtest.h>

#include <algorithm>

#include "SkinnedFrameFixture.h"
#include "skin/data/sSkinCommand.h"
#include "skin/forms/sFormScrollWnd.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Application.h"

namespace {

using namespace formfix;
using namespace testing_support;

bool HasSystemMenuStyle(HWND h) { return (GetWindowLongW(h, GWL_STYLE) & WS_SYSMENU) != 0; }
bool HasRegion(HWND h) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(h, r);
  DeleteObject(r);
  return kind != ERROR;
}
SIZE ClientSize(HWND h) {
  RECT r;
  GetClientRect(h, &r);
  return {r.right, r.bottom};
}

LRESULT HitTest(HWND h, POINT screen) { return SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)); }

using SkinProviderTest = SkinnedFrameTest;

TEST_F(SkinProviderTest, TakesTheFrameOverWhileSkinnedAndGivesThePlainWindowBack) {
  const HWND h = form->Handle();
  ASSERT_TRUE(provider->Skinned());
  EXPECT_FALSE(HasSystemMenuStyle(h)) << "the window system draws no caption buttons of its own";
  EXPECT_TRUE(HasRegion(h));
  EXPECT_EQ(std::count(skin::HookedForms.begin(), skin::HookedForms.end(), form), 1);
  EXPECT_EQ(form->Color(), manager->Tables().GlobalColor()) << "the form takes the skin's colour";
  const SIZE skinned = ClientSize(h);

  manager->SetActive(false);
  PumpPending();
  EXPECT_FALSE(provider->Skinned());
  EXPECT_TRUE(HasSystemMenuStyle(h));
  EXPECT_FALSE(HasRegion(h));
  EXPECT_EQ(form->Color(), tk::clBtnFace);
  EXPECT_EQ(ClientSize(h).cx, skinned.cx);
  EXPECT_EQ(ClientSize(h).cy, skinned.cy);
  // The plain window's own caption answers: the provider lets everything pass.
  EXPECT_EQ(HitTest(h, CaptionPoint()), HTCAPTION);

  manager->SetActive(true);
  PumpPending();
  EXPECT_TRUE(provider->Skinned());
  EXPECT_FALSE(HasSystemMenuStyle(h));
  EXPECT_TRUE(HasRegion(h));
}

TEST_F(SkinProviderTest, FreeingTheProviderGivesThePlainWindowBack) {
  const HWND h = form->Handle();
  tk::TComponent::Free(provider);
  provider = nullptr;
  PumpPending();
  EXPECT_TRUE(HasSystemMenuStyle(h));
  EXPECT_FALSE(HasRegion(h));
  EXPECT_EQ(std::count(skin::HookedForms.begin(), skin::HookedForms.end(), form), 0);
  EXPECT_EQ(skin::SendSkinCommand(h, skin::SCMD_IS_SKINNED, 0), 0) << "nobody answers for the form any more";
}

TEST_F(SkinProviderTest, ASecondProviderLeavesTheFormToTheFirst) {
  auto* second = tk::Create<skin::TsSkinProvider>(form);
  EXPECT_EQ(second->Form(), nullptr);
  EXPECT_EQ(provider->Form(), form);
  EXPECT_EQ(skin::TsSkinProvider::Of(form), provider);
  EXPECT_EQ(std::count(skin::HookedForms.begin(), skin::HookedForms.end(), form), 1);
  const LRESULT answer = skin::SendSkinCommand(form->Handle(), skin::SCMD_GET_PROVIDER, 0);
  EXPECT_EQ(answer, reinterpret_cast<LRESULT>(static_cast<tk::TObject*>(provider)));
  tk::TComponent::Free(second);
  EXPECT_TRUE(provider->Skinned());
}

TEST_F(SkinProviderTest, AnswersTheSkinCommandsWithItsCacheAndClientOffset) {
  const HWND h = form->Handle();
  const skin::TsFrameMetrics fm = provider->Metrics();
  EXPECT_EQ(skin::SendSkinCommand(h, skin::SCMD_IS_SKINNED, 0), 1);
  EXPECT_EQ(skin::SendSkinCommand(h, skin::SCMD_GET_APPLICATION, 0),
            reinterpret_cast<LRESULT>(static_cast<tk::TObject*>(&tk::Application())));
  skin::CacheInfoReply = {};
  skin::SendSkinCommand(h, skin::SCMD_GET_CACHE, 0);
  ASSERT_TRUE(skin::CacheInfoReply.ready);
  EXPECT_EQ(skin::CacheInfoReply.bitmap, provider->SkinData().Cache());
  EXPECT_EQ(skin::CacheInfoReply.offsetX, fm.clientOffsetX);
  EXPECT_EQ(skin::CacheInfoReply.offsetY, fm.clientOffsetY);
  // The client area's origin inside the window, as the window system has it.
  POINT origin{0, 0};
  ClientToScreen(h, &origin);
  const RECT window = WindowRect();
  EXPECT_EQ(fm.clientOffsetX, origin.x - window.left);
  EXPECT_EQ(fm.clientOffsetY, origin.y - window.top);
  EXPECT_EQ(skin::CacheInfoReply.bitmap->Width(), window.right - window.left);
  EXPECT_EQ(skin::CacheInfoReply.bitmap->Height(), window.bottom - window.top);

  manager->SetActive(false);
  skin::CacheInfoReply = {};
  skin::SendSkinCommand(h, skin::SCMD_GET_CACHE, 0);
  EXPECT_FALSE(skin::CacheInfoReply.ready) << "no cache to copy from while unskinned";
  EXPECT_EQ(skin::SendSkinCommand(h, skin::SCMD_IS_SKINNED, 0), 1) << "asked in every state";
}

TEST_F(SkinProviderTest, CloseAndMinimizeTouchEachOtherAndTheFrameWithoutAMaximizeButton) {
  const skin::TsFrameMetrics fm = provider->Metrics();
  const skin::TsCaptionButton& close = *provider->Button(skin::kButtonClose);
  const skin::TsCaptionButton& minimize = *provider->Button(skin::kButtonMinimize);
  const skin::TsCaptionButton& maximize = *provider->Button(skin::kButtonMaximize);
  ASSERT_EQ(manager->Tables().SkinData.BISpace, 0);
  EXPECT_EQ(close.Rect.Right, fm.width - fm.frameWidth);
  EXPECT_EQ(close.Rect.Width(), 21);
  EXPECT_EQ(minimize.Rect.Right, close.Rect.Left);
  EXPECT_EQ(minimize.Rect.Width(), 21);
  EXPECT_EQ(maximize.Rect.Width(), 0) << "a single border without maximize shows no maximize button";
  EXPECT_EQ(close.Rect.Top, (fm.TitleHeight() - close.Rect.Height()) / 2);
  EXPECT_EQ(fm.iconWidth, 16) << "the program's icon in a caption of " << fm.captionHeight;
}

TEST_F(SkinProviderTest, ASizeableFormShowsMaximizeAndTheRestoreImageWhileMaximized) {
  Build({tk::bsSizeable, tk::biSystemMenu | tk::biMinimize | tk::biMaximize, "Sizeable"});
  const skin::TsCaptionButton& close = *provider->Button(skin::kButtonClose);
  const skin::TsCaptionButton& maximize = *provider->Button(skin::kButtonMaximize);
  const skin::TsCaptionButton& minimize = *provider->Button(skin::kButtonMinimize);
  EXPECT_EQ(maximize.Rect.Right, close.Rect.Left);
  EXPECT_EQ(minimize.Rect.Right, maximize.Rect.Left);
  EXPECT_EQ(HitTest(form->Handle(), ButtonCentre(skin::kButtonMaximize)), HTMAXBUTTON);
}

TEST_F(SkinProviderTest, HitTestsAnswerTheIconTheButtonsAndTheCaptionAndMakeButtonsHot) {
  const HWND h = form->Handle();
  const skin::TsFrameMetrics fm = provider->Metrics();
  EXPECT_EQ(HitTest(h, ScreenPoint(fm.iconRect.Left + 2, fm.TitleHeight() / 2)), HTSYSMENU);
  EXPECT_EQ(HitTest(h, ButtonCentre(skin::kButtonClose)), HTCLOSE);
  EXPECT_EQ(provider->HotButton(), skin::kButtonClose);
  EXPECT_EQ(provider->Button(skin::kButtonClose)->State, 1);
  EXPECT_EQ(HitTest(h, ButtonCentre(skin::kButtonMinimize)), HTMINBUTTON);
  EXPECT_EQ(provider->HotButton(), skin::kButtonMinimize);
  EXPECT_EQ(provider->Button(skin::kButtonClose)->State, 0);
  EXPECT_EQ(HitTest(h, CaptionPoint()), HTCAPTION);
  EXPECT_EQ(provider->HotButton(), 0);
  POINT client{10, 10};
  ClientToScreen(h, &client);
  EXPECT_EQ(HitTest(h, client), HTCLIENT);
}

TEST_F(SkinProviderTest, AMaximizedFormDoesNotReactNearItsOuterEdge) {
  Build({tk::bsSizeable, tk::biSystemMenu | tk::biMinimize | tk::biMaximize, "Sizeable"});
  const HWND h = form->Handle();
  ShowWindow(h, SW_MAXIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(h) != FALSE; }));
  const RECT r = WindowRect();
  EXPECT_EQ(HitTest(h, {r.left + 1, r.top + 30}), HTTRANSPARENT);
  EXPECT_EQ(HitTest(h, {r.right - 3, r.top + 30}), HTTRANSPARENT);
  EXPECT_NE(HitTest(h, {r.left + 2, r.top + 30}), HTTRANSPARENT);
}

TEST_F(SkinProviderTest, TheRegionLeavesOutTheClearCornerPixelsOfTheTitle) {
  const HWND h = form->Handle();
  const std::vector<skin::TRect>& cuts = provider->RegionRects();
  ASSERT_FALSE(cuts.empty());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(h, region), ERROR);
  for (const skin::TRect& r : cuts) EXPECT_FALSE(PtInRegion(region, r.Left, r.Top)) << r.Left << "," << r.Top;
  const skin::TsFrameMetrics fm = provider->Metrics();
  EXPECT_TRUE(PtInRegion(region, fm.width / 2, 0));
  EXPECT_TRUE(PtInRegion(region, fm.width / 2, fm.height - 1));
  DeleteObject(region);
}

// Shaping a window is a frame change of it and of all its children (with a
// redraw, a repaint of everything): a frame rebuilt in the same shape leaves
// the region alone, a new size gives the window its new one.
TEST_F(SkinProviderTest, TheRegionIsSetAgainOnlyWhenTheShapeChanges) {
  const HWND h = form->Handle();
  int frameChanges = 0;
  const tk::TWndHookId hook = form->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_NCCALCSIZE && m.WParam) ++frameChanges;
    next(m);
  });
  provider->RefreshFrame();
  PumpPending();
  provider->RepaintFrame();
  PumpPending();
  EXPECT_EQ(frameChanges, 0) << "the same region was set again";
  RECT before;
  GetWindowRect(h, &before);
  const int wider = before.right - before.left + 40;
  SetWindowPos(h, nullptr, 0, 0, wider, before.bottom - before.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpPending();
  form->WindowProc.Remove(hook);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(h, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.right, wider) << "the region follows the new width";
}

// The window system repeats a window's size when it is first shown: a frame
// painted for those very measures is not painted again, while a frame whose
// picture is out of date is.
TEST_F(SkinProviderTest, ASizeMessageRepaintsOnlyAFrameNotPaintedForTheseMeasures) {
  const HWND h = form->Handle();
  struct Case {
    const char* what;
    bool outOfDate;
    bool repaints;
  };
  for (const Case& c : {Case{"the frame as painted", false, false}, Case{"a frame out of date", true, true}}) {
    PumpPending();
    if (c.outOfDate) provider->RefreshAfterSkinChange();
    int paints = 0;
    const tk::TWndHookId hook = form->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == WM_NCPAINT || m.Msg == WM_PAINT) ++paints;
      next(m);
    });
    const SIZE client = ClientSize(h);
    SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
    PumpPending();
    form->WindowProc.Remove(hook);
    EXPECT_EQ(paints > 0, c.repaints) << c.what;
  }
}

TEST_F(SkinProviderTest, AnActivationChangeRedrawsTheTitleRowsAlone) {
  const tk::Bitmap before = *provider->SkinData().Cache();
  const skin::TsFrameMetrics fm = provider->Metrics();
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  PumpPending();
  ASSERT_FALSE(provider->FormActive());
  const tk::Bitmap& after = *provider->SkinData().Cache();
  ASSERT_EQ(after.Width(), before.Width());
  ASSERT_EQ(after.Height(), before.Height());
  int titleChanges = 0, belowChanges = 0;
  for (int y = 0; y < after.Height(); ++y)
    for (int x = 0; x < after.Width(); ++x) {
      const auto* a = before.ScanLine(y) + 3 * x;
      const auto* b = after.ScanLine(y) + 3 * x;
      if (a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) continue;
      (y < fm.TitleHeight() ? titleChanges : belowChanges)++;
    }
  EXPECT_GT(titleChanges, 0) << "the inactive title looks different";
  EXPECT_EQ(belowChanges, 0);
}

}  // namespace

namespace {

TEST_F(SkinProviderTest, AFormShowingScrollBarsHasThemSkinnedWithTheClientOffsetPastThem) {
  const HWND h = form->Handle();
  EXPECT_EQ(provider->ScrollWnd(), nullptr) << "no bars, no wrapper";
  const int hooksBefore = form->WindowProc.HookCount();
  SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) | WS_VSCROLL | WS_HSCROLL);
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 999, 100, 0, 0};
  SetScrollInfo(h, SB_VERT, &si, FALSE);
  SetScrollInfo(h, SB_HORZ, &si, FALSE);
  skin::SendSkinCommand(h, skin::SCMD_REFRESH, reinterpret_cast<LPARAM>(manager));
  PumpPending();
  ASSERT_NE(provider->ScrollWnd(), nullptr);
  EXPECT_EQ(form->WindowProc.HookCount(), hooksBefore + 1);
  const skin::TvxScrollBar& vert = static_cast<const skin::TvxScrollWnd*>(provider->ScrollWnd())->VertBar();
  const skin::TvxScrollBar& horz = static_cast<const skin::TvxScrollWnd*>(provider->ScrollWnd())->HorzBar();
  EXPECT_TRUE(vert.shown);
  EXPECT_TRUE(horz.shown);
  // The children's background is taken from the client's true place in the
  // window, the bars' room left out.
  const skin::TsFrameMetrics fm = provider->Metrics();
  POINT origin{0, 0};
  ClientToScreen(h, &origin);
  const RECT window = WindowRect();
  EXPECT_EQ(fm.clientOffsetX, origin.x - window.left);
  EXPECT_EQ(fm.clientOffsetY, origin.y - window.top);
  // The bars lie right of and below the client area.
  RECT client{};
  GetClientRect(h, &client);
  EXPECT_EQ(vert.rect.left, fm.clientOffsetX + client.right);
  EXPECT_EQ(horz.rect.top, fm.clientOffsetY + client.bottom);

  manager->SetActive(false);
  EXPECT_EQ(provider->ScrollWnd(), nullptr);
  EXPECT_EQ(form->WindowProc.HookCount(), hooksBefore);
}

}  // namespace
