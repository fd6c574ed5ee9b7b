#include "vxSpinWnd.h"

#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

TvxSpinWnd::TvxSpinWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager,
                       TsCommonData* skinData, int leftOffset)
    : TvxMainWnd(window, recalcFrame, section, manager, skinData), leftOffset_(leftOffset) {}

TvxSpinWnd::Halves TvxSpinWnd::HalvesOf(int leftOffset, int width, int height) {
  return {{leftOffset, 0, width, height / 2 + height % 2}, {leftOffset, height / 2, width, height}};
}

std::pair<int, int> TvxSpinWnd::HalfStates(const Halves& halves, POINT cursor, bool inside, bool pressed) {
  if (!inside) return {0, 0};
  const int active = pressed ? 2 : 1;
  // The upper half wins the shared middle row.
  if (PtInRect(&halves.upper, cursor)) return {active, 0};
  if (PtInRect(&halves.lower, cursor)) return {0, active};
  return {0, 0};
}

void TvxSpinWnd::PaintHalf(const RECT& half, int state, const char* glyphSection) {
  TsCommonData& d = *skinData_;
  tk::Bitmap* cache = d.Cache();
  const TsPaintColorsReset reset;
  const CacheInfo parent = d.HasParent() ? d.ParentCacheInfo() : CacheInfo{};
  const TRect b = d.OwnerBounds();
  const TRect r{half.left, half.top, half.right, half.bottom};
  PaintSection(d, parent, true, true, cache, {b.Left + r.Left, b.Top + r.Top}, r, state);
  const TsSkinTables& skin = manager_->Tables();
  const int section = skin.IndexOfSection(glyphSection);
  const int glyph = section < 0 ? -1 : skin.IndexOfMask(section, glyphSection, "GLYPHMASK");
  if (glyph < 0) return;
  const auto [w, h] = skin.MaskFrameSize(glyph);
  DrawMaskGlyph(*cache, {r.Left + (r.Width() - w) / 2, r.Top + (r.Height() - h) / 2}, state,
                skin.ma[static_cast<std::size_t>(glyph)], 1);
}

void TvxSpinWnd::Paint(HDC dc) {
  if (skinData_->UpdateDeferPaint()) return;
  ReadGeometry();
  skinData_->EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  const Halves halves = HalvesOf(leftOffset_, width, height);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  const RECT all{0, 0, width, height};
  const auto [upper, lower] = HalfStates(halves, cursor, PtInRect(&all, cursor) != FALSE, pressed_);
  // The lower half first: the upper one owns the middle row of an odd height.
  PaintHalf(halves.lower, lower, "SCROLLBTNBOTTOM");
  PaintHalf(halves.upper, upper, "SCROLLBTNTOP");
  skinData_->cacheStale = false;
  cache->Sync();
  const tk::TBitmapSource source(*cache);
  BitBlt(dc, leftOffset_, 0, width - leftOffset_, height, source.Handle(), leftOffset_, 0, SRCCOPY);
}

void TvxSpinWnd::Repaint() {
  PaintNow([this](HDC dc) { Paint(dc); });
}

bool TvxSpinWnd::HoverChanged() {
  if (!Skinned()) return false;
  Repaint();
  return true;
}

void TvxSpinWnd::FollowMouse() {
  TsSkinManager* m = DefaultManager;
  if (!m || m->IsDesigning() || !IsEnabled()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(handle_, &r);
  if (PtInRect(&r, cursor)) {
    if (m->HoveredControl() == handle_) Repaint();
    else m->SetHoveredControl(handle_);
  } else if (m->HoveredControl() == handle_) {
    m->SetHoveredControl(nullptr);
  }
}

void TvxSpinWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaintMessage(m, [this](HDC dc, bool) { Paint(dc); });
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      pressed_ = m.Msg == WM_LBUTTONDOWN;
      CallPrevious(m);
      Repaint();
      return;
    case WM_MOUSEMOVE:
      CallPrevious(m);
      FollowMouse();
      return;
    default:
      if (SuppressPlatformPaint(m)) return;
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
