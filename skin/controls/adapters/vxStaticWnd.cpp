#include "vxStaticWnd.h"

#include "skin/data/sSkinManager.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace skin {

bool TvxStaticWnd::HasPlatformPane() const { return width == 152 && height == 49; }

void TvxStaticWnd::PaintContent(tk::Bitmap& cache) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) SelectLogFont(metrics.lfMessageFont);
  else SelectWindowFont();
  const RECT text{0, 0, cache.Width() + 4, cache.Height()};
  WriteSectionText(skinData_->CacheCanvas(), tk::WideToUtf8(CaptionText()), IsEnabled(), &manager_->Tables(), false,
                   skinData_->sectionIndex, DT_WORDBREAK | DT_EXPANDTABS, text);
}

void TvxStaticWnd::Paint(HDC dc) {
  skinData_->cacheStale = true;
  PrepareCache();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  PaintContent(*cache);
  GdiFlush();
  cache->Sync();
  if (HasPlatformPane()) {
    tk::TMessage platform{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    CallPrevious(platform);
    const tk::TSavedDC saved(dc);
    ExcludeClipRect(dc, kPlatformPane.left, kPlatformPane.top, kPlatformPane.right, kPlatformPane.bottom);
    skinData_->CopyCacheTo(dc);
    return;
  }
  skinData_->CopyCacheTo(dc);
}

void TvxStaticWnd::Repaint() {
  PaintNow([this](HDC dc) { Paint(dc); });
}

void TvxStaticWnd::PassOnQuietly(tk::TMessage& m, bool repaint) {
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  TvxMainWnd::WndProc(m);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  if (repaint) Repaint();
}

void TvxStaticWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      ReadGeometry();
      HandlePaintMessage(m, [this](HDC dc, bool) { Paint(dc); });
      return;
    case WM_ENABLE:
    case WM_CANCELMODE:
      PassOnQuietly(m, true);
      return;
    case WM_SETTEXT:
      skinData_->cacheStale = true;
      PassOnQuietly(m, true);
      return;
    case WM_UPDATEUISTATE:
      if (IsWindowVisible(handle_)) {
        SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
        CallPrevious(m);
        SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
      }
      return;
    default:
      if (SuppressPlatformPaint(m)) return;
      break;
  }
  TvxMainWnd::WndProc(m);
}

void TvxIconWnd::PaintContent(tk::Bitmap&) {
  const HICON icon = reinterpret_cast<HICON>(SendMessageW(handle_, STM_GETICON, 0, 0));
  if (icon) DrawIconEx(skinData_->CacheCanvas().Handle(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

void TvxLinkWnd::WndProc(tk::TMessage& m) {
  // The link draws its own text over the background it asks its parent for.
  if (m.Msg == WM_PAINT && !done_ && IsWindowVisible(handle_)) {
    CallPrevious(m);
    return;
  }
  TvxStaticWnd::WndProc(m);
}

}  // namespace skin
