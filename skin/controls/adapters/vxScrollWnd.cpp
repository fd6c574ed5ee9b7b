#include "vxScrollWnd.h"

#include <windowsx.h>

#include "vxScrollInteraction.h"
#include "skin/controls/sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sMaskGlyph.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

TvxScrollWnd::TvxScrollWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager,
                           TsCommonData* skinData)
    : TvxMainWnd(window, recalcFrame, section, manager, skinData) {}

TvxScrollWnd::~TvxScrollWnd() { TvxScrollInteraction::Forget(this); }

void TvxScrollWnd::Attach() {
  horz_.ReadInfo(handle_);
  vert_.ReadInfo(handle_);
  leftScrollBar = (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  if (style & WS_HSCROLL) horz_.flags |= 8;
  if (style & WS_VSCROLL) vert_.flags |= 8;
  horz_.minThumbSize = vert_.minThumbSize = 10;
  TvxMainWnd::Attach();
}

const TsSkinTables* TvxScrollWnd::PaintTables() const { return manager_ ? &manager_->Tables() : nullptr; }

CacheInfo TvxScrollWnd::ParentBackground() const { return GetParentCacheInfoOfWindow(handle_); }

POINT TvxScrollWnd::BarOrigin(const TvxScrollBar& bar) const {
  return {offsetInParent.x + bar.rect.left, offsetInParent.y + bar.rect.top};
}

POINT TvxScrollWnd::WindowPointOfScreen(POINT screen) const {
  RECT r{};
  GetWindowRect(handle_, &r);
  return {screen.x - r.left, screen.y - r.top};
}

// --- frame ----------------------------------------------------------------------

void TvxScrollWnd::HandleNcCalcSize(tk::TMessage& m) {
  RECT* proposed = reinterpret_cast<RECT*>(m.LParam);
  const RECT window = *proposed;
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const LONG_PTR bars = style & (WS_HSCROLL | WS_VSCROLL);
  if (bars) {
    preventStyleChange_ = true;
    SetWindowLongPtrW(handle_, GWL_STYLE, style & ~bars);
  }
  CallPrevious(m);
  if (bars) {
    SetWindowLongPtrW(handle_, GWL_STYLE, GetWindowLongPtrW(handle_, GWL_STYLE) | bars);
    preventStyleChange_ = false;
  }
  RECT& client = *proposed;
  edgeLeft = client.left - window.left;
  edgeTop = client.top - window.top;
  edgeRight = window.right - client.right;
  edgeBottom = window.bottom - client.bottom;
  horz_.flags = (horz_.flags & ~8u) | ((style & WS_HSCROLL) ? 8u : 0u);
  vert_.flags = (vert_.flags & ~8u) | ((style & WS_VSCROLL) ? 8u : 0u);
  horz_.shown = (horz_.flags & 8) && client.bottom - client.top >= horz_.Thickness();
  if (horz_.shown) client.bottom -= horz_.Thickness();
  vert_.shown = (vert_.flags & 8) && client.right - client.left >= vert_.Thickness();
  if (vert_.shown) {
    if (leftScrollBar) client.left += vert_.Thickness();
    else client.right -= vert_.Thickness();
  }
  LayOutBars();
}

void TvxScrollWnd::LayOutBars() {
  ReadGeometry();
  const int hThick = horz_.shown ? horz_.Thickness() : 0;
  const int vThick = vert_.shown ? vert_.Thickness() : 0;
  const int left = edgeLeft + (leftScrollBar ? vThick : 0);
  const int right = width - edgeRight - (leftScrollBar ? 0 : vThick);
  horz_.rect = {left, height - edgeBottom - hThick, right, height - edgeBottom};
  const int vLeft = leftScrollBar ? edgeLeft : width - edgeRight - vThick;
  vert_.rect = {vLeft, edgeTop, vLeft + vThick, height - edgeBottom - hThick};
}

RECT TvxScrollWnd::SizeBoxRect() const {
  if (!horz_.shown || !vert_.shown) return {};
  return {vert_.rect.left, horz_.rect.top, vert_.rect.right, horz_.rect.bottom};
}

bool TvxScrollWnd::GripShown() const {
  const RECT box = SizeBoxRect();
  if (box.right <= box.left || !parentHandle || GetParent(parentHandle)) return false;
  RECT client{};
  GetClientRect(parentHandle, &client);
  POINT corner{leftScrollBar ? box.left : box.right, box.bottom};
  corner.x += offsetInParent.x;
  corner.y += offsetInParent.y;
  return corner.y == client.bottom && corner.x == (leftScrollBar ? client.left : client.right);
}

TvxScrollBar* TvxScrollWnd::BarAt(POINT p) {
  if (horz_.shown && PtInRect(&horz_.rect, p)) return &horz_;
  if (vert_.shown && PtInRect(&vert_.rect, p)) return &vert_;
  return nullptr;
}

void TvxScrollWnd::HandleNcHitTest(tk::TMessage& m) {
  const POINT p = WindowPointOfScreen({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  if (TvxScrollBar* bar = BarAt(p)) {
    m.Result = bar->Disabled(handle_) ? 0 : (bar->Horizontal() ? HTHSCROLL : HTVSCROLL);
    return;
  }
  const RECT box = SizeBoxRect();
  if (PtInRect(&box, p) && GripShown()) {
    m.Result = HTBOTTOMRIGHT;
    return;
  }
  CallPrevious(m);
}

// --- painting --------------------------------------------------------------------

void TvxScrollWnd::UpdateScrollInfo() {
  horz_.ReadInfo(handle_);
  vert_.ReadInfo(handle_);
  PaintBars();
}

void TvxScrollWnd::PaintBars() {
  if (suspendPainting || done_ || !IsWindowVisible(handle_)) return;
  const tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
  PaintBars(dc.Get());
}

void TvxScrollWnd::PaintBars(HDC dc) {
  if (suspendPainting || !dc || !manager_ || !manager_->SkinData().Active) return;
  const TsSkinTables* skin = PaintTables();
  if (!skin || skin->IndexOfSection("SCROLLBAR1H") < 0) return;
  LayOutBars();
  for (TvxScrollBar* bar : {&horz_, &vert_}) {
    const int w = bar->rect.right - bar->rect.left, h = bar->rect.bottom - bar->rect.top;
    if (!bar->shown || (bar->Horizontal() ? w : h) <= 1 || w <= 0 || h <= 0) continue;
    tk::Bitmap picture = NewBitmap24(w, h);
    TvxScrollInteraction::PaintBar(*bar, picture);
    const tk::TBitmapSource source(picture);
    BitBlt(dc, bar->rect.left, bar->rect.top, w, h, source.Handle(), 0, 0, SRCCOPY);
  }
  PaintSizeBox(dc);
}

void TvxScrollWnd::PaintSizeBox(HDC dc) {
  const RECT box = SizeBoxRect();
  const int w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return;
  const TsSkinTables* skin = PaintTables();
  tk::Bitmap picture = NewBitmap24(w, h);
  const CacheInfo parent = ParentBackground();
  if (parent.Usable())
    CopyBitmapRect(picture, 0, 0, *parent.bitmap,
                   {parent.offsetX + offsetInParent.x + box.left, parent.offsetY + offsetInParent.y + box.top,
                    parent.offsetX + offsetInParent.x + box.right, parent.offsetY + offsetInParent.y + box.bottom});
  else
    FillRectBitmap(picture, {0, 0, w, h}, skin->GlobalHotColor());
  if (GripShown()) {
    const int general = skin->IndexOfSection("GLOBALINFO");
    const int grip = general < 0 ? -1 : skin->IndexOfMask(general, "GLOBALINFO", "GRIPIMAGE");
    if (grip >= 0) {
      const auto [gw, gh] = skin->MaskFrameSize(grip);
      DrawMaskGlyph(picture, {w - gw, h - gh}, 0, skin->ma[static_cast<std::size_t>(grip)], 1);
    }
  }
  const tk::TBitmapSource source(picture);
  BitBlt(dc, box.left, box.top, w, h, source.Handle(), 0, 0, SRCCOPY);
}

// --- scroll requests ---------------------------------------------------------------

void TvxScrollWnd::SendScroll(TvxScrollBar& bar, int code, int position) {
  const UINT msg = bar.Horizontal() ? WM_HSCROLL : WM_VSCROLL;
  suspendPainting = true;
  SendSkinCommand(handle_, SCMD_BEFORE_SCROLL, 0);
  const bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
  if (!thumb || !ScrollToThumb(bar, position)) {
    SetScrollPos(handle_, bar.Bar(), position, FALSE);
    SendMessageW(handle_, msg, MAKEWPARAM(code, position), 0);
  }
  SendSkinCommand(handle_, SCMD_AFTER_SCROLL, MAKELPARAM(code, msg));
  suspendPainting = false;
  // The bars were not repainted meanwhile; the caller paints them.
  horz_.ReadInfo(handle_);
  vert_.ReadInfo(handle_);
}

// --- messages -------------------------------------------------------------------------

void TvxScrollWnd::WndProc(tk::TMessage& m) {
  if (!done_ && m.Msg == SM_VEXACMD && SkinSubCommand(m.WParam) == SCMD_REFRESH && skinData_ &&
      skinData_->IsOwnManager(m.LParam)) {
    TvxMainWnd::WndProc(m);
    // A window wrapped while the skin was still being applied had the
    // platform reserve room for its own bars: the frame is measured again
    // now that the bars are ours.
    if (recalcFrame_ && Skinned())
      SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCCALCSIZE:
      HandleNcCalcSize(m);
      return;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
      if (preventStyleChange_) return;
      break;
    case WM_NCHITTEST:
      HandleNcHitTest(m);
      return;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_VSCROLL || (m.WParam & 0xFFF0) == SC_HSCROLL || m.WParam == 0xF077) return;
      break;
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      TvxMainWnd::WndProc(m);
      UpdateScrollInfo();
      return;
    default:
      break;
  }
  if (TvxScrollInteraction::Handle(*this, m)) return;
  TvxMainWnd::WndProc(m);
  // Views that set their scroll information while they paint make the
  // platform draw its bar even when nothing changed.
  if (m.Msg == WM_PAINT) PaintBars();
  else if (m.Msg != WM_NCPAINT) RepaintIfScrolled();
}

void TvxScrollWnd::RepaintIfScrolled() {
  // Tree and list views scroll themselves from inside (expanding an item,
  // keeping the selection in view) and the platform draws its own bar over
  // ours when they do: whatever the message, changed information repaints.
  if (suspendPainting || done_ || TvxScrollInteraction::Current().tracking) return;
  for (TvxScrollBar* bar : {&horz_, &vert_}) {
    if (!bar->shown) continue;
    SCROLLINFO now{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(handle_, bar->Bar(), &now)) continue;
    if (now.nMin != bar->si.nMin || now.nMax != bar->si.nMax || now.nPage != bar->si.nPage || now.nPos != bar->si.nPos) {
      UpdateScrollInfo();
      return;
    }
  }
}

}  // namespace skin
