#include "vxPaintedButtonWnd.h"

#include "skin/paint/sParentBlend.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

void TvxPaintedButtonWnd::Paint(HDC dc) {
  skinData_->cacheStale = true;
  PrepareCache();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  FillCorners();
  PaintContent(*cache);
  GdiFlush();
  cache->Sync();
  if (!IsEnabled()) {
    const TRect b = skinData_->OwnerBounds();
    BlendWithParentCache(*cache, skinData_->ParentCacheInfo(), {b.Left, b.Top}, 60);
  }
  skinData_->CopyCacheTo(dc);
}

void TvxPaintedButtonWnd::Repaint() {
  PaintNow([this](HDC dc) { Paint(dc); });
}

bool TvxPaintedButtonWnd::HoverChanged() {
  if (!Skinned()) return false;
  Repaint();
  return true;
}

void TvxPaintedButtonWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaintMessage(m, [this](HDC dc, bool) { Paint(dc); });
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYUP:
      SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
      TvxMainWnd::WndProc(m);
      SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
      Repaint();
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
