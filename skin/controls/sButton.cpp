#include "sButton.h"

#include <windowsx.h>

#include <memory>

#include "sControlKinds.h"
#include "sFadeTimer.h"
#include "sHintSuppression.h"
#include "sSkinQueries.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sFocusRect.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintWin.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

RECT ButtonCaptionRect(int width, int height, SIZE text, bool pressed) {
  // Integer division rounds toward zero, as the centring always did.
  const int dx = (width - text.cx) / 2;
  const int dy = (height - text.cy) / 2;
  RECT r{dx - 1, dy, width - dx + 2, height - dy};
  if (pressed) ::OffsetRect(&r, 1, 1);
  return r;
}

// The answers of the push button to the skin command.
struct TsButtonCommands {
  static TsButton* Of(TsCommonData& d) { return dynamic_cast<TsButton*>(SkinDataOwner(d)); }

  static const TsSkinCommandTable& Table() {
    static const TsSkinCommandTable table =
        TsSkinCommandTable(TsSkinCommandTable::Standard())
            .Override(SCMD_SKIN_LOADED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        b->StopStateFade();
                        b->regionChanged_ = true;
                        standard(d, m);
                        return true;
                      })
            .Override(SCMD_SKIN_REMOVED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        b->StopStateFade();
                        standard(d, m);
                        b->RemoveWindowRegion();
                        b->Invalidate();
                        return true;
                      })
            .Override(SCMD_REFRESH,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        b->StopStateFade();
                        standard(d, m);
                        b->regionChanged_ = true;
                        b->Invalidate();
                        return true;
                      })
            // The blend of the last step is a level off the new look in
            // bright pixels: the cache itself is shown when a fade ends.
            .Set(SCMD_STOP_FADING,
                 [](TsCommonData& d, tk::TMessage&) {
                   TsButton* b = Of(d);
                   if (!b) return true;
                   const bool faded = b->fadeTimer_ != nullptr;
                   b->StopStateFade();
                   if (faded && b->Usable()) b->Invalidate();
                   return true;
                 })
            // The fader asks for the new look; the message goes on unanswered.
            .Set(SCMD_PREPARE_CACHE,
                 [](TsCommonData& d, tk::TMessage&) {
                   if (TsButton* b = Of(d)) b->PrepareCache();
                   return false;
                 })
            // A region built for the new look waits no longer: the window
            // keeps the one it has while frames are drawn; the fader copies
            // the frame itself (result 0).
            .Set(SCMD_FADE_FRAME,
                 [](TsCommonData& d, tk::TMessage&) {
                   if (TsButton* b = Of(d)) b->ReleasePendingRegion();
                   return false;
                 })
            .Set(SCMD_PARENT_PAINTED,
                 [](TsCommonData& d, tk::TMessage&) {
                   TsButton* b = Of(d);
                   if (!b || !b->Usable()) return false;
                   if (d.IsPaintDeferred()) {
                     d.deferPaint = false;
                     b->Invalidate();
                   }
                   return true;
                 })
            .Extend(SCMD_SET_PAINT_NOW, [](TsCommonData& d, tk::TMessage&) {
              TsButton* b = Of(d);
              if (b && b->Usable() && d.paintNow) b->PrepareCache();
            });
    return table;
  }
};

TsButton::TsButton(tk::TComponent* owner) : TButton(owner), skinData_(this, true) {
  // Transparent parts show the parent.
  SetControlStyle(ControlStyle() & ~tk::csOpaque);
  skinData_.controlKind = kKindButton;
  skinData_.SetCommandTable(TsButtonCommands::Table());
  SetWordWrap(true);
}

TsButton::~TsButton() { BeforeDestruction(); }

void TsButton::BeforeDestruction() {
  if (!IsDestroying()) StopStateFade();
  ReleasePendingRegion();
  TButton::BeforeDestruction();
}

void TsButton::AfterConstruction() {
  TButton::AfterConstruction();
  skinData_.CacheCanvas();
  skinData_.FinishLoading();
}

void TsButton::Loaded() {
  TButton::Loaded();
  skinData_.CacheCanvas();
  skinData_.FinishLoading();
}

void TsButton::ActionChange(tk::TBasicAction* sender, bool checkDefaults) {
  TButton::ActionChange(sender, checkDefaults);
  if (auto* action = dynamic_cast<tk::TAction*>(sender)) SetEnabled(action->Enabled());
}

void TsButton::SetDisabledKind(TsDisabledKind kind) {
  if (disabledKind_ == kind) return;
  disabledKind_ = kind;
  skinData_.InvalidateCache();
}

void TsButton::SetDown(bool value) {
  if (Down() == value) return;
  downLatched_ = value;
  pressed_ = value;
  regionChanged_ = true;
  skinData_.cacheStale = true;
  Repaint();
}

bool TsButton::Usable() const { return IsReadyForSkinPaint(this) && skinData_.IsSkinned(true); }

bool TsButton::Hot() const { return skinData_.IsHot() || defaultActive_ || (IsDesigning() && Default()); }

int TsButton::ButtonState() const {
  // Dragged out with the button held: drawn unpressed.
  const bool leftHeldHere = (ControlState() & tk::csLButtonDown) != 0;
  if (Down() && (skinData_.mouseInside || !leftHeldHere)) return 2;
  return Hot() ? 1 : 0;
}

int TsButton::MaxTextWidth() const { return Text().empty() ? 0 : Width() - 2; }

SIZE TsButton::TextSize() {
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  RECT r{0, 0, MaxTextWidth(), 0};
  canvas.DrawText(Text(), r, DT_CALCRECT | DT_EXPANDTABS | DT_CENTER | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TsButton::CaptionRect() { return ButtonCaptionRect(Width(), Height(), TextSize(), ButtonState() == 2); }

void TsButton::DrawCaption() {
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  canvas.Brush().SetStyle(tk::bsClear);
  RECT r = CaptionRect();
  const UINT flags = DrawTextBiDiModeFlags(DT_EXPANDTABS | DT_CENTER | (WordWrap() ? DT_WORDBREAK : 0));
  WriteSkinText(canvas, Text(), true, Hot() || downLatched_, skinData_, flags, r);
  const TsGeneralData* section = skinData_.Section();
  if (!Enabled() || !Focused() || Text().empty() || !section || !section->ShowFocus) return;
  InflateRect(&r, focusMargin_, focusMargin_);
  skinData_.Cache()->Sync();
  DrawSkinFocusRect(*skinData_.Cache(), TRect{r.left, r.top, r.right, r.bottom});
}

void TsButton::PrepareCache() {
  TsPaintColorsReset resetColors;
  CacheInfo parentCache = skinData_.GetParentCacheInfo();
  skinData_.EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_.Cache();
  if (!cache || cache->Empty()) return;
  BackgroundColorReply = clFuchsia;
  if (!parentCache.ready && Parent()) MaskBackgroundColor = BackgroundColorReply = skinData_.ParentColor();
  if (parentCache.ready && Parent() && !skinData_.DependsOnParentBackground() && BackgroundColorReply == clFuchsia)
    BackgroundColorReply = GetBackgroundColorOf(Parent());
  const int state = ButtonState();
  PaintSectionBackground(skinData_, parentCache, state, *cache, {Left(), Top()}, {0, 0, Width(), Height()});
  if (regionChanged_) {
    ReleasePendingRegion();
    pendingRegion_ = CreateRectRgn(0, 0, Width(), Height());
  }
  const TsSkinTables* tables = skinData_.PaintTables();
  if (tables && tables->IsValidImgIndex(skinData_.borderMaskIndex))
    DrawBorderMaskCutRegion(*cache, pendingRegion_, state, tables->ma[static_cast<std::size_t>(skinData_.borderMaskIndex)]);
  DrawCaption();
  cache->Sync();
  if (!Enabled()) {
    BackgroundColorReply = clFuchsia;
    skinData_.ApplyDisabledLook(disabledKind_, skinData_.GetParentCacheInfo());
  }
  skinData_.cacheStale = false;
}

void TsButton::PaintHandler(HDC given) {
  std::unique_ptr<tk::TPaintDC> paint;
  HDC dc = given;
  if (!dc) {
    paint = std::make_unique<tk::TPaintDC>(handle_);
    dc = paint->Get();
  }
  tk::TSavedDC saved(dc);
  if (skinData_.UpdateDeferPaint()) return;
  // The fader draws the frames.
  if (FadeRunning()) return;
  skinData_.UpdateClipping();
  if (skinData_.cacheStale && !skinData_.paintNow) PrepareCache();
  if (regionChanged_) {
    FillTransparentCorners(skinData_, ButtonState());
    // Without a region waiting the window keeps the one it has.
    if (!IsDesigning() && !(ControlState() & tk::csAligning) && pendingRegion_) {
      SetWindowRgn(handle_, pendingRegion_, FALSE);  // the window system owns it now
      pendingRegion_ = nullptr;
      regionChanged_ = false;
    }
  }
  skinData_.CopyCacheTo(dc);
}

void TsButton::ReleasePendingRegion() {
  if (pendingRegion_) DeleteObject(pendingRegion_);
  pendingRegion_ = nullptr;
}

void TsButton::RemoveWindowRegion() {
  ReleasePendingRegion();
  regionChanged_ = true;
  if (HandleAllocated()) SetWindowRgn(handle_, nullptr, TRUE);
}

// --- fades ------------------------------------------------------------------

bool TsButton::FadeRunning() const { return fadeTimer_ && fadeTimer_->Enabled(); }

void TsButton::StartStateFade(bool fast, bool animate) { StartFade(fadeTimer_, skinData_, fast, animate); }

void TsButton::StopStateFade() { StopFade(fadeTimer_); }

void TsButton::StepRunningFade() { fadeTimer_->FadeStep(); }

void TsButton::CutFadeShort() {
  if (!FadeRunning() || fadeTimer_->FadeLevel >= fadeTimer_->Iterations) return;
  fadeTimer_->SetEnabled(false);
  skinData_.cacheStale = true;
  Repaint();
}

// --- window procedure -----------------------------------------------------------

void TsButton::WndProc(tk::TMessage& message) {
  if (message.Msg == SM_VEXACMD) {
    if (!skinData_.HandleSkinCommand(message)) TButton::WndProc(message);
    return;
  }
  if (message.Msg == WM_KILLFOCUS && IsDestroying()) return;
  if (!Usable()) {
    TButton::WndProc(message);
    return;
  }
  if (HandleSkinned(message)) return;
  skinData_.HandleCommonMessage(message);
  TButton::WndProc(message);
  AfterToolkit(message);
}

bool TsButton::HandleSkinned(tk::TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE: {
      const TsGeneralData* s = skinData_.Section();
      if (s && (s->Transparency > 0 || (s->HotTransparency > 0 && skinData_.IsHot()))) {
        skinData_.cacheStale = true;
        Invalidate();
      }
      return false;
    }
    case WM_SIZE: regionChanged_ = true; return false;
    case WM_SETFOCUS:
    case tk::CM_ENTER: HandleFocusGained(message); return true;
    case WM_KILLFOCUS:
    case tk::CM_EXIT: HandleFocusLost(message); return true;
    case WM_ENABLE:
    case BM_SETSTATE:
    case tk::CN_DRAWITEM:
    case tk::CN_CTLCOLORBTN:
    case WM_ERASEBKGND:
    case WM_UPDATEUISTATE: message.Result = 0; return true;
    case WM_PAINT:
    case WM_PRINTCLIENT: PaintHandler(reinterpret_cast<HDC>(message.WParam)); message.Result = 0; return true;
    case WM_WINDOWPOSCHANGED: {
      // Installing the region reports a change that neither moves nor sizes.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (pos && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return false;
      regionChanged_ = true;
      skinData_.cacheStale = true;
      return false;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: return HandleSpaceKey(message);
    case tk::CM_FOCUSCHANGED: HandleFocusChanged(message); return true;
    case tk::CM_TEXTCHANGED:
      skinData_.cacheStale = true;
      Invalidate();
      return true;
    case tk::CM_MOUSEENTER:
    case tk::CM_MOUSELEAVE: {
      if (!Enabled() || IsDesigning()) return false;
      const bool enter = message.Msg == tk::CM_MOUSEENTER;
      if (enter && OnMouseEnter) OnMouseEnter(this);
      if (!enter && OnMouseLeave) OnMouseLeave(this);
      skinData_.mouseInside = enter;
      StartStateFade(false, IsAnimated(animatEvents_, enter ? aeMouseEnter : aeMouseLeave));
      return false;
    }
    case tk::CM_UIACTIVATE: skinData_.deferPaint = false; return false;
    default: return HandleMouseButton(message);
  }
}

void TsButton::AfterToolkit(const tk::TMessage& message) {
  switch (message.Msg) {
    case tk::CM_FONTCHANGED:
      skinData_.deferPaint = false;
      skinData_.InvalidateCache();
      break;
    case tk::CM_BIDIMODECHANGED: skinData_.InvalidateCache(); break;
    case tk::CM_ENABLEDCHANGED:
      if (!Visible()) break;
      skinData_.deferPaint = false;
      skinData_.InvalidateCache();
      break;
    case tk::CM_VISIBLECHANGED:
      skinData_.cacheStale = true;
      Invalidate();
      break;
    default: break;
  }
}

bool TsButton::HandleMouseButton(tk::TMessage& message) {
  bool down = false;
  bool left = false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: down = left = true; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: down = true; break;
    case WM_LBUTTONUP: left = true; break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: break;
    default: return false;
  }
  if (!Enabled() || IsDesigning()) return false;
  if (down) {
    if (left) SuppressHints();
    mouseCaptured_ = true;
    if (left && !Down()) {
      pressed_ = true;
      regionChanged_ = true;
      skinData_.deferPaint = skinData_.IsPaintDeferred();
      StartStateFade(true, IsAnimated(animatEvents_, aeMouseDown));
    }
    return false;
  }
  if (left) RestoreHints();
  // A release whose press began elsewhere is not this button's.
  if (!mouseCaptured_ || IsDestroying()) {
    message.Result = 0;
    return true;
  }
  mouseCaptured_ = false;
  if (!left) return false;
  // A click shows its release at once.
  CutFadeShort();
  pressed_ = false;
  const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const RECT client = ClientRect();
  std::weak_ptr<bool> alive = Alive();
  if (PtInRect(&client, p)) Click();
  // The click may have freed the button.
  if (alive.expired() || IsDestroying()) return true;
  regionChanged_ = true;
  try {
    StartStateFade(true, IsAnimated(animatEvents_, aeMouseUp));
  } catch (...) {
    // The click has happened; the look follows at the next paint.
  }
  return false;
}

bool TsButton::HandleSpaceKey(tk::TMessage& message) {
  if (message.WParam != VK_SPACE) return false;
  if (message.Msg == WM_KEYDOWN) {
    const bool repeat = (message.LParam & (1 << 30)) != 0;
    if (repeat || !Enabled() || !Focused()) return false;
    StopStateFade();
    pressed_ = true;
    regionChanged_ = true;
    skinData_.cacheStale = true;
    Repaint();
    return false;
  }
  if (!Down()) return false;
  pressed_ = false;
  regionChanged_ = true;
  skinData_.cacheStale = true;
  Repaint();
  std::weak_ptr<bool> alive = Alive();
  Click();
  return alive.expired();
}

void TsButton::HandleFocusGained(tk::TMessage& message) {
  if (IsDesigning() || !Visible()) {
    TButton::WndProc(message);
    return;
  }
  if (!Enabled()) return;
  // The system button would draw its own focus look straight on the screen.
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  TButton::WndProc(message);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  if (FadeRunning())
    StepRunningFade();
  else
    skinData_.InvalidateCache();
}

void TsButton::HandleFocusLost(tk::TMessage& message) {
  if (IsDesigning() || !Visible()) {
    TButton::WndProc(message);
    return;
  }
  pressed_ = false;
  if (!Enabled()) {
    TButton::WndProc(message);
    return;
  }
  StopStateFade();
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  TButton::WndProc(message);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  skinData_.hasFocus = false;
  regionChanged_ = true;
  skinData_.InvalidateCache();
}

void TsButton::HandleFocusChanged(const tk::TMessage& message) {
  if (Visible() && skinData_.IsSkinned() && Default()) {
    auto* focused = reinterpret_cast<tk::TWinControl*>(message.LParam);
    const bool active = dynamic_cast<TsButton*>(focused) ? focused == this : true;
    if (active != defaultActive_) {
      defaultActive_ = active;
      skinData_.InvalidateCache();
    }
  }
  tk::TMessage copy = message;
  TButton::WndProc(copy);
  if (IsDesigning() && defaultActive_) {
    defaultActive_ = false;
    skinData_.InvalidateCache();
  }
}

}  // namespace skin
