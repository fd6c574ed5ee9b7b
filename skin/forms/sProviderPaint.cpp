// Putting the skinned window on the screen: the four frame strips copied
// from the cache at every non-client paint, the client background with the
// windowless children over it, the window region, and printing the whole
// window into a context.
#include "sFrameRegion.h"
#include "sWindowRegion.h"
#include "sMDIForm.h"
#include "sSkinProvider.h"
#include "skin/controls/sContainerPaint.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/GraphicControl.h"

namespace skin {

namespace {

void CopyFromCache(HDC dc, HDC cache, const RECT& r) {
  if (r.right > r.left && r.bottom > r.top)
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, cache, r.left, r.top, SRCCOPY);
}

}  // namespace

void TsSkinProvider::RepaintFrame() {
  const HWND h = FormHandle();
  if (h) SendMessageW(h, WM_NCPAINT, 1, 0);
}

void TsSkinProvider::RefreshFrame() {
  const HWND h = FormHandle();
  if (!h) return;
  skinData_->cacheStale = true;
  captionInvalid_ = true;
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TsSkinProvider::RefreshAfterSkinChange() {
  regionChanged_ = true;
  skinData_->cacheStale = true;
}

void TsSkinProvider::UpdateFrameForTransition() {
  if (!form_ || FormCreating() || !Skinned()) return;
  if (skinData_->cacheStale) RegenerateCache();
  UpdateRegion(false);
  // Set without a redraw: no frame paint follows to end the setting, and
  // the next one must be free to shape the window again.
  settingRegion_ = false;
}

// --- The frame ----------------------------------------------------------------------

bool TsSkinProvider::FramePaintAllowed() const {
  if (showAnimating_ || !FormVisible() || form_->IsLoading() || FormCreating() || form_->IsDestroying()) return false;
  if (HiddenBehindMaximizedSibling()) return false;
  return !skinData_->IsPaintDeferred();
}

void TsSkinProvider::HandleNcPaint(tk::TMessage& m) {
  m.Result = 0;
  if (!FramePaintAllowed()) {
    if (skinData_->IsPaintDeferred()) skinData_->deferPaint = true;
    return;
  }
  const TsFrameMetrics fm = Metrics();
  const DWORD style = static_cast<DWORD>(GetWindowLongW(FormHandle(), GWL_STYLE));
  if (regionChanged_ && !settingRegion_ && (fm.framed || (style & WS_THICKFRAME))) UpdateRegion(true);
  // A child maximized or restored changed the menu line since the cache was made.
  if (mdiForm_ && ChildButtonsShown() != childButtonsInCache_) skinData_->cacheStale = true;
  if (skinData_->cacheStale) {
    const tk::Bitmap* cache = skinData_->Cache();
    if (!CanUseCaptionFastPath(fm) || !cache || cache->Height() != fm.height) redrawChildren_ = !firstPaintDone_;
    RegenerateCache();
  }
  const tk::Bitmap* cache = skinData_->Cache();
  if (cache && !cache->Empty()) {
    tk::TWindowDC dc(FormHandle(), tk::TWindowDC::Whole);
    CopyFrameStrips(dc.Get(), fm);
  }
  settingRegion_ = false;
  if (mdiForm_) mdiForm_->FramePainted();
}

void TsSkinProvider::CopyFrameStrips(HDC dc, const TsFrameMetrics& fm) {
  const tk::Bitmap& cache = *skinData_->Cache();
  const tk::TBitmapSource source(cache);
  const HDC from = source.Handle();
  const int w = cache.Width(), h = cache.Height();
  const int eb = fm.extraBorder;
  if (!fm.framed) {
    // A frameless sizing window: thin strips along its edges.
    const int s = eb + 3;
    CopyFromCache(dc, from, {0, 0, w, s});
    CopyFromCache(dc, from, {0, h - s, w, h});
    CopyFromCache(dc, from, {0, s, s, h - s});
    CopyFromCache(dc, from, {w - s, s, w, h - s});
    return;
  }
  int c = fm.frameHeight + fm.captionHeight + fm.menuRows * fm.menuHeight;
  if (fm.minimized) c += 1;
  CopyFromCache(dc, from, {0, 0, w, fm.topStrip});
  CopyFromCache(dc, from, {0, c + eb, fm.frameWidth + eb, h});
  CopyFromCache(dc, from, {fm.frameHeight + eb, h - fm.bottomStrip, w, h});
  CopyFromCache(dc, from, {w - fm.frameWidth - eb, c + eb, w, h});
}

// --- The client area ----------------------------------------------------------------

void TsSkinProvider::HandlePaint(tk::TMessage& m) {
  const HWND h = FormHandle();
  m.Result = 0;
  if (!FormVisible() || FormCreating()) {
    if (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) {
      OldWndProc(m);
    } else {
      // Nothing to show yet; the area must not be asked for again and again.
      ValidateRect(h, nullptr);
    }
    return;
  }
  {
    tk::TPaintDC paint(h);
    skinData_->deferPaint = skinData_->IsPaintDeferred();
    if (!showAnimating_ && !skinData_->deferPaint && !form_->IsDestroying() && !HiddenBehindMaximizedSibling()) {
      if (skinData_->paintingChild) {
        PaintOneGraphicChild(paint.Get(), Metrics(), skinData_->paintingChild);
      } else {
        if (skinData_->cacheStale) RegenerateCache();
        const tk::Bitmap* cache = skinData_->Cache();
        if (cache && !cache->Empty()) PaintClientArea(paint.Get(), Metrics(), paint.Area());
      }
      NotifyChildrenParentPainted(form_);
      // Wrapped windows inside other windows wait for the form's picture too.
      BroadcastToAdapted(SM_VEXACMD, SkinCommandWParam(SCMD_PARENT_PAINTED), 0);
    }
    redrawChildren_ = false;
  }
  MaximizeIfPending();
}

void TsSkinProvider::PaintClientArea(HDC dc, const TsFrameMetrics& fm, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  // The form's background around the children that paint over it, then the
  // windowless children over the cached background, each in one copy.
  if (!IsMDIParent()) {
    const RECT source{fm.clientOffsetX + area.left, fm.clientOffsetY + area.top, fm.clientOffsetX + area.right,
                      fm.clientOffsetY + area.bottom};
    PaintFromCacheExcludingChildren(form_, *skinData_, source, 0, 0, false, dc, area);
  }
  PaintGraphicChildren(dc, form_, 0, 0);
}

void TsSkinProvider::PaintOneGraphicChild(HDC dc, const TsFrameMetrics& fm, tk::TControl* child) {
  if (!child || !child->Visible() || child->Parent() != form_ || child->Width() <= 0 || child->Height() <= 0) return;
  if (dynamic_cast<tk::TWinControl*>(child)) return;
  const int w = child->Width(), h = child->Height();
  tk::Bitmap picture(w, h, tk::PixelFormat::pf24bit);
  const bool opaque = (child->ControlStyle() & tk::csOpaque) != 0;
  if (!opaque)
    CopyBitmapRect(picture, 0, 0, *skinData_->Cache(),
                   {fm.clientOffsetX + child->Left(), fm.clientOffsetY + child->Top(),
                    fm.clientOffsetX + child->Left() + w, fm.clientOffsetY + child->Top() + h});
  tk::TMemoryDC memory(dc);
  tk::TSelection selected(memory.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
  child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
  BitBlt(dc, child->Left(), child->Top(), w, h, memory.Get(), 0, 0, SRCCOPY);
}

// --- The region --------------------------------------------------------------------------

bool TsSkinProvider::FormKeepsItsRegion() {
  const HWND h = FormHandle();
  return h && SendMessageW(h, tk::SM_REGION_QUERY, tk::SM_REGION_KEEP, 0) == static_cast<LRESULT>(tk::SM_REGION_KEEP);
}

void TsSkinProvider::UpdateRegion(bool redraw) {
  const HWND h = FormHandle();
  const TsSkinTables* skin = Skin();
  if (!h || !skin) return;
  const TsFrameMetrics fm = Metrics();
  const int title = TitleSectionIndex();
  const int titleMask = title >= 0 ? skin->IndexOfMask(title, TitleSectionName(), "BORDERSMASK") : -1;
  regionRects_ = FrameRegionCuts(*skin, skinData_->borderMaskIndex, titleMask, fm.width, fm.height);
  regionChanged_ = false;
  if (!fm.framed || regionLocked_) return;
  if (!firstPaintDone_ && FormKeepsItsRegion()) return;
  settingRegion_ = true;
  if (SetWindowRegionWithout(h, fm.width, fm.height, regionRects_, redraw) != TRegionChange::Applied) settingRegion_ = false;
}

// --- Printing -----------------------------------------------------------------------------

void TsSkinProvider::HandlePrint(tk::TMessage& m) {
  const HDC dc = reinterpret_cast<HDC>(m.WParam);
  // A form whose redrawing is switched off (a transition pictures it) has
  // lost its visible style but is still shown.
  if (!dc || !form_->Visible() || form_->IsLoading() || FormCreating() || form_->IsDestroying() ||
      skinData_->IsPaintDeferred()) {
    OldWndProc(m);
    return;
  }
  if (skinData_->cacheStale) RegenerateCache();
  const tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  const TsFrameMetrics fm = Metrics();
  {
    tk::TSavedDC saved(dc);
    CopyFrameStrips(dc, fm);
  }
  tk::TSavedDC saved(dc);
  POINT origin;
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x + fm.clientOffsetX, origin.y + fm.clientOffsetY, nullptr);
  IntersectClipRect(dc, 0, 0, fm.clientWidth, fm.clientHeight);
  PaintClientArea(dc, fm, {0, 0, fm.clientWidth, fm.clientHeight});
  if (const HWND client = mdiForm_ ? mdiForm_->ClientWindow() : nullptr) {
    // The MDI client window at its place in the client area.
    RECT r{};
    GetWindowRect(client, &r);
    MapWindowPoints(HWND_DESKTOP, FormHandle(), reinterpret_cast<POINT*>(&r), 2);
    const tk::TSavedDC clientSaved(dc);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    SendMessageW(client, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
  }
  m.Result = 0;
}

}  // namespace skin
