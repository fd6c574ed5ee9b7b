#include "vxSizerWnd.h"

#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

void TvxSizerWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaintMessage(m, [this](HDC dc, bool) {
        skinData_->cacheStale = true;
        PrepareCache();
        if (skinData_->Cache() && !skinData_->Cache()->Empty()) skinData_->CopyCacheTo(dc);
      });
      return;
    case WM_NCHITTEST:
      m.Result = HTBOTTOMRIGHT;
      if (IsEnabled() && DefaultManager && DefaultManager->HoveredControl()) DefaultManager->SetHoveredControl(nullptr);
      return;
    default:
      if (SuppressPlatformPaint(m)) return;
      break;
  }
  TvxMainWnd::WndProc(m);
}

void TvxTransPanelWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      ReadGeometry();
      skinData_->cacheStale = true;
      PrepareCache();
      const HDC dc = reinterpret_cast<HDC>(m.WParam);
      if (dc && skinData_->Cache() && !skinData_->Cache()->Empty()) skinData_->CopyCacheTo(dc);
      m.Result = 1;
      return;
    }
    case WM_NCPAINT:
      m.Result = 0;
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
