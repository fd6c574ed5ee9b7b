#include "vxMDIWnd.h"

#include "skin/data/sSkinCommand.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

namespace {
// The client window's sunken edge (WS_EX_CLIENTEDGE).
constexpr int kEdge = 2;
}  // namespace

TvxMDIWnd::TvxMDIWnd(HWND client, TsSkinManager* manager, tk::TCustomForm& form, TCacheSource formCache,
                     std::function<void()> areaMoved)
    : TvxBaseWnd(client, false, "CHECKBOX", manager, nullptr),
      form_(form),
      formCache_(std::move(formCache)),
      areaMoved_(std::move(areaMoved)) {}

POINT TvxMDIWnd::ClientOriginInForm() const {
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  RECT window{};
  GetWindowRect(GetParent(handle_), &window);
  return POINT{origin.x - window.left, origin.y - window.top};
}

bool TvxMDIWnd::ActiveChildMaximized() const {
  bool maximized = false;
  tk::TCustomForm* active = form_.ActiveMDIChild(&maximized);
  return maximized && active && IsWindowVisible(active->Handle());
}

void TvxMDIWnd::PaintArea(HDC dc, bool graphicControlsOnly) {
  const tk::Bitmap* cache = formCache_ ? formCache_() : nullptr;
  if (!cache || cache->Empty()) return;
  RECT client{};
  GetClientRect(handle_, &client);
  const POINT origin = ClientOriginInForm();
  if (!graphicControlsOnly) {
    const tk::TBitmapSource source(*cache);
    BitBlt(dc, 0, 0, client.right, client.bottom, source.Handle(), origin.x, origin.y, SRCCOPY);
  }
  // The form's graphic controls that the client window covers.
  POINT formClient{0, 0};
  ClientToScreen(form_.Handle(), &formClient);
  POINT clientScreen{0, 0};
  ClientToScreen(handle_, &clientScreen);
  tk::TSavedDC saved(dc);
  SetViewportOrgEx(dc, formClient.x - clientScreen.x, formClient.y - clientScreen.y, nullptr);
  form_.PaintControls(dc, nullptr);
}

void TvxMDIWnd::PaintEdge(HDC dc) {
  const tk::Bitmap* cache = formCache_ ? formCache_() : nullptr;
  if (!cache || cache->Empty()) return;
  RECT window{}, form{};
  GetWindowRect(handle_, &window);
  GetWindowRect(GetParent(handle_), &form);
  const int x = window.left - form.left, y = window.top - form.top;
  const int w = window.right - window.left, h = window.bottom - window.top;
  const tk::TBitmapSource source(*cache);
  BitBlt(dc, 0, 0, w, kEdge, source.Handle(), x, y, SRCCOPY);
  BitBlt(dc, 0, h - kEdge, w, kEdge, source.Handle(), x, y + h - kEdge, SRCCOPY);
  BitBlt(dc, 0, kEdge, kEdge, h - 2 * kEdge, source.Handle(), x, y + kEdge, SRCCOPY);
  BitBlt(dc, w - kEdge, kEdge, kEdge, h - 2 * kEdge, source.Handle(), x + w - kEdge, y + kEdge, SRCCOPY);
  PaintBars(dc);
}

void TvxMDIWnd::Print(HDC dc) {
  PaintEdge(dc);
  RECT window{};
  GetWindowRect(handle_, &window);
  POINT client{0, 0};
  ClientToScreen(handle_, &client);
  RECT area{};
  GetClientRect(handle_, &area);
  const tk::TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, client.x - window.left, client.y - window.top, nullptr);
  IntersectClipRect(dc, 0, 0, area.right, area.bottom);
  PaintArea(dc, false);
}

bool TvxMDIWnd::HandleSkinCommand(tk::TMessage& m) {
  switch (SkinSubCommand(m.WParam)) {
    case SCMD_GET_CACHE:
      // The area is the form's: its cache answers.
      if (form_.HandleAllocated()) m.Result = SendMessageW(form_.Handle(), m.Msg, m.WParam, m.LParam);
      return true;
    case SCMD_BEFORE_SCROLL:
      SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
      return true;
    case SCMD_AFTER_SCROLL:
      SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
      if (LOWORD(m.LParam) != SB_THUMBTRACK) {
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        if (GetCapture() == handle_) ReleaseCapture();
      }
      return true;
    default: return TvxBaseWnd::HandleSkinCommand(m);
  }
}

void TvxMDIWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxBaseWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND:
      PaintArea(reinterpret_cast<HDC>(m.WParam), false);
      m.Result = 1;
      return;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(handle_, &ps);
      PaintArea(dc, ActiveChildMaximized());
      EndPaint(handle_, &ps);
      m.Result = 0;
      return;
    }
    case WM_NCPAINT: {
      tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
      PaintEdge(dc.Get());
      m.Result = 0;
      return;
    }
    case WM_PRINT:
      Print(reinterpret_cast<HDC>(m.WParam));
      m.Result = 0;
      return;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (areaMoved_ && pos && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) areaMoved_();
      break;
    }
    case WM_MDICREATE: {
      // The window system restores the maximized child before it creates
      // the new one: the new child learns here that it takes the state over.
      struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
      } restore{creatingBesideMaximized_, creatingBesideMaximized_};
      creatingBesideMaximized_ = ActiveChildMaximized();
      TvxBaseWnd::WndProc(m);
      return;
    }
    case WM_PARENTNOTIFY:
    case 0x3F:  // the client window recalculates its scroll range
      TvxBaseWnd::WndProc(m);
      UpdateScrollInfo();
      return;
    default: break;
  }
  TvxBaseWnd::WndProc(m);
}

}  // namespace skin
