#include "vxEditWnd.h"

#include "skin/controls/sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/WinControl.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

// --- TvxBaseWnd ---------------------------------------------------------------

void TvxBaseWnd::RepaintFrame() {
  if (IsWindowVisible(handle_)) SendMessageW(handle_, WM_NCPAINT, 1, 0);
}

bool TvxBaseWnd::HandleSkinCommand(tk::TMessage& m) {
  const WORD sub = SkinSubCommand(m.WParam);
  if (sub == SCMD_PREPARE_CACHE) {
    skinData_->cacheStale = true;
    PrepareCache();
    return true;
  }
  const bool answered = TvxScrollWnd::HandleSkinCommand(m);
  if (sub == SCMD_REFRESH && answered) RepaintFrame();
  return answered;
}

void TvxBaseWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxScrollWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case tk::SM_SCROLLWND_IGNORED:
      return;
    case WM_SIZE:
      skinData_->cacheStale = true;
      break;
    case WM_ENABLE:
    case tk::CM_ENABLEDCHANGED:
      TvxScrollWnd::WndProc(m);
      skinData_->cacheStale = true;
      RepaintFrame();
      return;
    default:
      break;
  }
  TvxScrollWnd::WndProc(m);
}

// --- TvxEditWnd -------------------------------------------------------------------

void TvxEditWnd::SaveState() {
  if (tk::TControl* c = skinData_->OwnerControl()) {
    savedColor_ = c->Color();
    savedFontColor_ = c->Font().Color();
    stateSaved_ = true;
  }
}

void TvxEditWnd::RestoreState() {
  tk::TControl* c = skinData_->OwnerControl();
  if (!stateSaved_ || !c || c->IsDestroying()) return;
  c->SetColor(savedColor_);
  c->Font().SetColor(savedFontColor_);
  firstColorsApplied_ = false;
}

void TvxEditWnd::SetColors() {
  const TsGeneralData* s = skinData_->Section();
  if (tk::TControl* c = skinData_->OwnerControl()) {
    if (s && !skinData_->HasCustomColor()) {
      TColor wanted = s->Color;
      if (s->Transparency > 0) wanted = c->Parent() ? GetBackgroundColorOf(c->Parent()) : s->Color;
      if (c->Color() != wanted) c->SetColor(wanted);
    }
    if (s && !skinData_->CustomFont() && c->Font().Color() != s->FontColor[0]) c->Font().SetColor(s->FontColor[0]);
  } else {
    ownColor_ = (dlgMode_ || !s) ? static_cast<TColor>(GetSysColor(COLOR_WINDOW)) : s->Color;
  }
  skinData_->cacheStale = true;
}

void TvxEditWnd::EnsureColors() {
  if (firstColorsApplied_) return;
  firstColorsApplied_ = true;
  SetColors();
}

bool TvxEditWnd::ChangesScrolling(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case tk::CN_BASE + WM_KEYDOWN:
    case tk::CN_BASE + WM_KEYUP:
    case EM_REPLACESEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETTOPINDEX:
      return true;
    default:
      return false;
  }
}

void TvxEditWnd::CopyRing(HDC dc, const tk::Bitmap& cache, int ring) {
  const int w = cache.Width(), h = cache.Height();
  const tk::TBitmapSource source(cache);
  BitBlt(dc, 0, 0, w, ring, source.Handle(), 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - ring, w, ring, source.Handle(), 0, h - ring, SRCCOPY);
  BitBlt(dc, 0, ring, ring, h - 2 * ring, source.Handle(), 0, ring, SRCCOPY);
  BitBlt(dc, w - ring, ring, ring, h - 2 * ring, source.Handle(), w - ring, ring, SRCCOPY);
}

void TvxEditWnd::HandleNcPaint(tk::TMessage& m) {
  if (!IsWindowVisible(handle_)) return;
  if (skinData_->IsPaintDeferred()) {
    skinData_->deferPaint = true;
    return;
  }
  EnsureColors();
  PrepareCache();
  FillCorners();
  const tk::Bitmap* cache = skinData_->Cache();
  const tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
  if (cache && !cache->Empty() && dc) CopyRing(dc.Get(), *cache, FrameWidth());
  PaintBars(dc.Get());
  m.Result = 0;
}

void TvxEditWnd::HandlePrint(tk::TMessage& m) {
  const HDC dc = reinterpret_cast<HDC>(m.WParam);
  EnsureColors();
  PrepareCache();
  if (const tk::Bitmap* cache = skinData_->Cache(); cache && !cache->Empty()) {
    const tk::TBitmapSource source(*cache);
    BitBlt(dc, 0, 0, cache->Width(), cache->Height(), source.Handle(), 0, 0, SRCCOPY);
  }
  PaintBars(dc);
  RECT client{};
  GetClientRect(handle_, &client);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, edgeLeft + (leftScrollBar && VertBar().shown ? VertBar().Thickness() : 0), edgeTop, nullptr);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  SendMessageW(handle_, WM_ERASEBKGND, m.WParam, 0);
  SendMessageW(handle_, WM_PAINT, m.WParam, 0);
  SendMessageW(handle_, WM_PRINTCLIENT, m.WParam, PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(dc, saved);
}

void TvxEditWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxBaseWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      HandleNcPaint(m);
      return;
    case WM_PRINT:
      HandlePrint(m);
      return;
    case WM_PAINT:
      if (skinData_->IsPaintDeferred()) {
        ValidateRect(handle_, nullptr);
        return;
      }
      EnsureColors();
      break;
    case WM_ERASEBKGND:
      if (skinData_->IsPaintDeferred()) return;
      EnsureColors();
      break;
    case WM_SIZE:
      TvxBaseWnd::WndProc(m);
      RepaintFrame();
      return;
    default:
      if (ChangesScrolling(m.Msg)) {
        TvxBaseWnd::WndProc(m);
        if (!suspendPainting) UpdateScrollInfo();
        return;
      }
      break;
  }
  TvxBaseWnd::WndProc(m);
}

}  // namespace skin
