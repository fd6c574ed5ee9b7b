#include "vxMainWnd.h"

#include <uxtheme.h>

#include "vxWindowSkinData.h"
#include "skin/controls/sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sParentBlend.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"
#include "toolkit/win/WinControl.h"
#include "toolkit/win/WindowSubclass.h"

namespace skin {

bool DialogModeWrapping = false;

// A window of no toolkit control: its messages come through a subclass.
class TvxRawSubclass : public tk::TWindowSubclass {
public:
  TvxRawSubclass(HWND window, TvxMainWnd& wrapper) : TWindowSubclass(window), wrapper_(wrapper) {}

protected:
  void WndProc(tk::TMessage& m) override {
    if (wrapper_.done_) {
      DefaultHandler(m);
      return;
    }
    const std::function<void(tk::TMessage&)> previous = [this](tk::TMessage& mm) { DefaultHandler(mm); };
    wrapper_.Dispatch(m, previous);
  }

private:
  TvxMainWnd& wrapper_;
};

TvxMainWnd::TvxMainWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager,
                       TsCommonData* skinData)
    : handle_(window), manager_(manager), skinData_(skinData), dlgMode_(DialogModeWrapping), recalcFrame_(recalcFrame) {
  if (section != "DIALOG") SetWindowTheme(window, L" ", L" ");
  if (!skinData_) {
    ownSkinData_ = std::make_unique<TvxWindowSkinData>(window);
    skinData_ = ownSkinData_.get();
  }
  if (skinData_->SkinSection().empty()) skinData_->SetSkinSection(section);
}

TvxMainWnd::~TvxMainWnd() { Unsubclass(); }

TvxMainWnd* TvxMainWnd::Of(HWND window) {
  return window ? static_cast<TvxMainWnd*>(GetPropW(window, kWrapperProperty)) : nullptr;
}

void TvxMainWnd::Attach() {
  SaveState();
  ReadCaption();
  ReadGeometry();
  SetPropW(handle_, kWrapperProperty, this);
  control_ = ControlToHook();
  auto* windowed = dynamic_cast<tk::TWinControl*>(control_);
  if (windowed && windowed->HandleAllocated() && windowed->Handle() == handle_) {
    hook_ = control_->WindowProc.Install([this](tk::TMessage& m, const tk::TWndNext& next) {
      const std::function<void(tk::TMessage&)> previous = [&next](tk::TMessage& mm) { next(mm); };
      Dispatch(m, previous);
    });
  } else {
    control_ = nullptr;
    raw_ = std::make_unique<TvxRawSubclass>(handle_, *this);
  }
  if (recalcFrame_)
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TvxMainWnd::Unsubclass() {
  if (done_) return;
  done_ = true;
  if (IsWindow(handle_)) {
    SetWindowTheme(handle_, nullptr, nullptr);
    RemovePropW(handle_, kWrapperProperty);
  }
  if (control_ && hook_) control_->WindowProc.Remove(hook_);
  hook_ = 0;
  if (raw_) raw_->Detach();
  RestoreState();
}

void TvxMainWnd::Dispatch(tk::TMessage& m, const std::function<void(tk::TMessage&)>& previous) {
  const auto* saved = previous_;
  previous_ = &previous;
  try {
    WndProc(m);
  } catch (...) {
    previous_ = saved;
    throw;
  }
  previous_ = saved;
}

void TvxMainWnd::CallPrevious(tk::TMessage& m) {
  if (previous_) (*previous_)(m);
  else m.Result = 0;
}

LRESULT TvxMainWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) {
  tk::TMessage m{msg, wParam, lParam, 0};
  CallPrevious(m);
  return m.Result;
}

void TvxMainWnd::ReadCaption() {
  const int length = GetWindowTextLengthW(handle_);
  caption_.assign(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int got = GetWindowTextW(handle_, caption_.data(), length + 1);
  caption_.resize(static_cast<std::size_t>(got > 0 ? got : 0));
}

void TvxMainWnd::ReadGeometry() {
  GetWindowRect(handle_, &windowRect);
  width = windowRect.right - windowRect.left;
  height = windowRect.bottom - windowRect.top;
  parentHandle = GetParent(handle_);
  offsetInParent = {windowRect.left, windowRect.top};
  if (parentHandle) {
    GetWindowRect(parentHandle, &parentRect);
    ScreenToClient(parentHandle, &offsetInParent);
  }
}

bool TvxMainWnd::Skinned() const {
  return manager_ && manager_->Active() && manager_->SkinData().Active && skinData_ && skinData_->IsSkinned(false);
}

void TvxMainWnd::HandleMouseMove() {
  TsSkinManager* m = DefaultManager;
  if (!m || m->IsDesigning() || !IsEnabled()) return;
  if (m->HoveredControl() != handle_) m->SetHoveredControl(handle_);
}

void TvxMainWnd::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      Unsubclass();
      CallPrevious(m);
      return;
    case WM_UPDATEUISTATE:
      return;
    case WM_SETTEXT:
      CallPrevious(m);
      ReadCaption();
      return;
    case WM_MOUSEMOVE:
      HandleMouseMove();
      break;
    case WM_PRINT:
      m.Result = SendMessageW(handle_, WM_PAINT, m.WParam, 0);
      return;
    default:
      break;
  }
  if (m.Msg == SM_VEXACMD && skinData_ && manager_ && HandleSkinCommand(m)) return;
  CallPrevious(m);
}

bool TvxMainWnd::HandleSkinCommand(tk::TMessage& m) {
  TsCommonData& d = *skinData_;
  switch (SkinSubCommand(m.WParam)) {
    case SCMD_SKIN_LOADED:
      if (d.IsOwnManager(m.LParam)) {
        d.ResolveSectionIndexes();
        d.cacheStale = true;
        // The new skin's colours, at the next paint.
        firstColorsApplied_ = false;
      }
      return false;
    case SCMD_SKIN_REMOVED:
      if (d.IsOwnManager(m.LParam)) {
        RestoreState();
        firstColorsApplied_ = false;
      }
      return false;
    case SCMD_REFRESH:
      if (!d.IsOwnManager(m.LParam)) return false;
      d.ResolveSectionIndexes();
      d.cacheStale = true;
      firstColorsApplied_ = false;
      SendMessageW(handle_, WM_PAINT, 0, 0);
      return true;
    case SCMD_GET_CACHE:
      PrepareCache();
      CacheInfoReply = {d.Cache(), 0, 0, d.Cache() && !d.Cache()->Empty() && !d.cacheStale};
      return true;
    case SCMD_PARENT_PAINTED:
      if (d.deferPaint) {
        d.deferPaint = false;
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      }
      return true;
    case SCMD_IS_SKINNED:
      m.LParam = m.Result = 1;
      return true;
    case SCMD_IS_DEFERRED:
      m.LParam = m.Result = (d.cacheStale || d.IsPaintDeferred()) ? 1 : 0;
      return true;
    case SCMD_IS_BG_VARIED:
    case SCMD_GET_BG_COLOR:
      return d.OwnerControl() && d.HandleSkinCommand(m);
    case SCMD_PREPARE_CACHE:
      d.cacheStale = true;
      PrepareCache();
      return true;
    case SCMD_GET_APPLICATION:
      m.Result = reinterpret_cast<LRESULT>(&tk::Application());
      return true;
    case SCMD_MOUSE_ENTERED:
    case SCMD_MOUSE_LEFT:
      hovered_ = SkinSubCommand(m.WParam) == SCMD_MOUSE_ENTERED;
      return HoverChanged();
    default:
      return false;
  }
}

tk::Bitmap* TvxMainWnd::CacheToRebuild() {
  TsCommonData& d = *skinData_;
  if (!d.cacheStale) return nullptr;
  ReadGeometry();
  d.EnsureCacheBitmap();
  tk::Bitmap* cache = d.Cache();
  return cache && !cache->Empty() ? cache : nullptr;
}

void TvxMainWnd::SelectWindowFont() {
  // The canvas selects its own font whenever it draws text: it takes the
  // window's font as its own.
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof(lf), &lf)) return;
  SelectLogFont(lf);
}


void TvxMainWnd::SelectLogFont(const LOGFONTW& lf) {
  tk::TFont& f = skinData_->CacheCanvas().Font();
  f.SetName(tk::WideToUtf8(lf.lfFaceName));
  f.SetHeight(lf.lfHeight);
  f.SetCharset(lf.lfCharSet);
  f.SetStyle(lf.lfWeight >= FW_BOLD ? tk::fsBold : 0u);
}

void TvxMainWnd::HandlePaintMessage(tk::TMessage& m, const std::function<void(HDC dc, bool own)>& paint) {
  if (m.WParam) {
    paint(reinterpret_cast<HDC>(m.WParam), false);
  } else {
    tk::TPaintDC dc(handle_);
    paint(dc.Get(), true);
  }
  m.Result = 0;
}

void TvxMainWnd::PaintNow(const std::function<void(HDC dc)>& paint) {
  const tk::TWindowDC dc(handle_);
  if (dc) paint(dc.Get());
}

bool TvxMainWnd::SuppressPlatformPaint(tk::TMessage& m) {
  if (m.Msg != WM_ERASEBKGND && m.Msg != WM_NCPAINT) return false;
  m.Result = m.Msg == WM_ERASEBKGND ? 1 : 0;
  return true;
}

void TvxMainWnd::PrepareCache() {
  TsCommonData& d = *skinData_;
  tk::Bitmap* cache = CacheToRebuild();
  if (!cache) return;
  const TColor border = manager_ ? manager_->SkinData().BorderColor : clFuchsia;
  if (dlgMode_ && PaintsFrameOnly() && border != clFuchsia) {
    FillRectBitmap(*cache, {0, 0, cache->Width(), cache->Height()}, static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
    const int w = cache->Width(), h = cache->Height();
    for (const TRect& side : {TRect{0, 0, w, 1}, TRect{0, h - 1, w, h}, TRect{0, 0, 1, h}, TRect{w - 1, 0, w, h}})
      FillRectBitmap(*cache, side, border);
  } else {
    // A window without a parent (the drop-down list of a combo box) gets
    // the section over no background rather than no picture at all.
    const TsPaintColorsReset reset;
    const TRect b = d.OwnerBounds();
    const CacheInfo parent = d.HasParent() ? d.ParentCacheInfo() : CacheInfo{};
    PaintSection(d, parent, true, true, cache, {b.Left, b.Top}, {0, 0, cache->Width(), cache->Height()}, PaintState());
    if (d.OwnerControl() && !d.OwnerControl()->Enabled()) d.ApplyDisabledLook(dkBlended, d.ParentCacheInfo());
  }
  d.cacheStale = false;
}

void TvxMainWnd::FillCorners() {
  if (!skinData_) return;
  // A dialog's child takes its corners from the dialog's picture only: the
  // dialog's colour would not match a textured background.
  if (dlgMode_ && !skinData_->ParentCacheInfo().Usable()) return;
  const TsPaintColorsReset reset;
  FillTransparentCorners(*skinData_, PaintState());
}

}  // namespace skin
