#include "sSpeedButton.h"

#include <windowsx.h>

#include <algorithm>

#include "sControlKinds.h"
#include "sHintSuppression.h"
#include "sSkinQueries.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/ImgList.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/WinControl.h"

namespace skin {

TsSpeedButton* MenuButton = nullptr;
bool MenuShowing = false;

// The answers of the speed button to the skin command.
struct TsSpeedButtonCommands {
  static TsSpeedButton* Of(TsCommonData& d) { return dynamic_cast<TsSpeedButton*>(SkinDataOwner(d)); }

  static const TsSkinCommandTable& Table() {
    static const TsSkinCommandTable table =
        TsSkinCommandTable(TsSkinCommandTable::Standard())
            .Override(SCMD_SKIN_LOADED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsSpeedButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        // The image list is drawn directly while skinned.
                        if (b->ImagesHoldImages()) b->Glyph().Clear();
                        standard(d, m);
                        if (d.IsSkinned()) b->SetControlStyle(b->ControlStyle() | tk::csOpaque);
                        return true;
                      })
            .Override(SCMD_SKIN_REMOVED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsSpeedButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam) || b->IsDestroying()) return standard(d, m);
                        standard(d, m);
                        b->RebuildUnskinnedGlyph();
                        b->Invalidate();
                        b->SetControlStyle(b->ControlStyle() & ~tk::csOpaque);
                        return true;
                      })
            .Override(SCMD_REFRESH,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsSpeedButton* b = Of(d);
                        if (!b || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        standard(d, m);
                        if (b->Visible()) b->Invalidate();
                        return true;
                      })
            .Extend(SCMD_SET_PAINT_NOW,
                    [](TsCommonData& d, tk::TMessage&) {
                      TsSpeedButton* b = Of(d);
                      if (b && b->Usable() && d.paintNow) b->PrepareCache();
                    })
            .Override(SCMD_IS_DEFERRED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsSpeedButton* b = Of(d);
                        if (!b || !b->Usable()) return standard(d, m);
                        if (d.IsPaintDeferred()) m.LParam = m.Result = 1;
                        return true;
                      })
            .Set(SCMD_REPAINT_VIA_PARENT,
                 [](TsCommonData& d, tk::TMessage&) {
                   TsSpeedButton* b = Of(d);
                   if (!b || !b->Usable()) return false;
                   b->RepaintThroughParent();
                   return true;
                 })
            .Set(SCMD_STOP_FADING, [](TsCommonData& d, tk::TMessage&) {
              TsSpeedButton* b = Of(d);
              if (!b || !b->Usable()) return false;
              b->StopStateAnimation();
              return true;
            });
    return table;
  }
};

TsSpeedButton::TsSpeedButton(tk::TComponent* owner) : TSpeedButton(owner), skinData_(this, true) {
  skinData_.controlKind = kKindSpeedButton;
  skinData_.SetCommandTable(TsSpeedButtonCommands::Table());
  auto previous = Glyph().OnChange;
  Glyph().OnChange = [this, previous](tk::TBitmap& glyph) {
    if (previous) previous(glyph);
    if (!IsLoading() && !IsDestroying() && !IsReading()) skinData_.InvalidateCache();
  };
}

TsSpeedButton::~TsSpeedButton() {
  StopStateAnimation();
  if (MenuButton == this) MenuButton = nullptr;
  BeforeDestruction();
}

void TsSpeedButton::AfterConstruction() {
  TSpeedButton::AfterConstruction();
  skinData_.FinishLoading();
  if (skinData_.IsSkinned()) SetControlStyle(ControlStyle() | tk::csOpaque);
}

void TsSpeedButton::Loaded() {
  TSpeedButton::Loaded();
  skinData_.FinishLoading();
  if (skinData_.IsSkinned()) SetControlStyle(ControlStyle() | tk::csOpaque);
}

bool TsSpeedButton::Usable() const { return skinData_.IsSkinned(true); }

// --- properties -----------------------------------------------------------------

void TsSpeedButton::LookChanged() {
  if (Visible()) skinData_.cacheStale = true;
  RepaintThroughParent();
}

void TsSpeedButton::SetAlignment(tk::TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  LookChanged();
}

void TsSpeedButton::SetBlend(int value) {
  value = std::clamp(value, 0, 100);
  if (blend_ == value) return;
  blend_ = value;
  LookChanged();
}

void TsSpeedButton::SetButtonStyle(TsButtonStyle style) {
  if (buttonStyle_ == style) return;
  // A stored width already holds the arrow part.
  if (!IsLoading() && !IsReading()) {
    if (style == tbsDropDown) SetWidth(Width() + kDropDownWidth);
    else if (buttonStyle_ == tbsDropDown) SetWidth(Width() - kDropDownWidth);
  }
  buttonStyle_ = style;
  LookChanged();
}

void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKind kind) {
  if (disabledGlyphKind_ == kind) return;
  disabledGlyphKind_ = kind;
  if (!skinData_.IsSkinned()) RebuildUnskinnedGlyph();
  LookChanged();
}

void TsSpeedButton::SetDisabledKind(TsDisabledKind kind) {
  if (disabledKind_ == kind) return;
  disabledKind_ = kind;
  LookChanged();
}

void TsSpeedButton::SetDropdownMenu(tk::TPopupMenu* menu) {
  if (dropdownMenu_ == menu) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
  LookChanged();
}

void TsSpeedButton::SetDrawOverBorder(bool value) {
  if (drawOverBorder_ == value) return;
  drawOverBorder_ = value;
  LookChanged();
}

void TsSpeedButton::SetGrayed(bool value) {
  if (grayed_ == value) return;
  grayed_ = value;
  LookChanged();
}

void TsSpeedButton::SetImageIndex(int index) {
  if (imageIndex_ == index) return;
  imageIndex_ = index;
  RebuildUnskinnedGlyph();
  LookChanged();
}

void TsSpeedButton::SetImages(tk::TCustomImageList* images) {
  if (images_ == images) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
  RebuildUnskinnedGlyph();
  LookChanged();
}

void TsSpeedButton::SetShowCaption(bool value) {
  if (showCaption_ == value) return;
  showCaption_ = value;
  LookChanged();
}

void TsSpeedButton::SetTextAlignment(tk::TAlignment value) {
  if (textAlignment_ == value) return;
  textAlignment_ = value;
  RepaintThroughParent();
}

void TsSpeedButton::SetTextOffset(int value) {
  if (textOffset_ == value) return;
  textOffset_ = value;
  LookChanged();
}

void TsSpeedButton::Notification(tk::TComponent* component, tk::TOperation operation) {
  TSpeedButton::Notification(component, operation);
  if (operation != tk::opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TsSpeedButton::ActionChange(tk::TBasicAction* sender, bool checkDefaults) {
  TSpeedButton::ActionChange(sender, checkDefaults);
  skinData_.InvalidateCache();
}

bool TsSpeedButton::ImagesHoldImages() const { return images_ && images_->Count() > 0; }

void TsSpeedButton::RebuildUnskinnedGlyph() {
  if (skinData_.IsSkinned() || (IsLoading() && IsDesigning())) return;
  if (!images_ || imageIndex_ < 0 || imageIndex_ >= images_->Count()) return;
  tk::TBitmap glyph;
  glyph.SetImage(UnskinnedGlyphFromList(*images_, imageIndex_, disabledGlyphKind_,
                                        static_cast<TColor>(tk::ColorToRGB(tk::clBtnFace))));
  glyph.SetTransparentColor(images_->TransparentColor());
  // Painting may call this: the new glyph asks for no repaint of its own.
  auto onChange = std::move(Glyph().OnChange);
  Glyph().OnChange = nullptr;
  SetGlyph(glyph);
  Glyph().OnChange = std::move(onChange);
  SetNumGlyphs(2);
}

// --- metrics ----------------------------------------------------------------------

int TsSpeedButton::CurrentState() const {
  if (state_ == tk::bsDown || state_ == tk::bsExclusive) return 2;
  return skinData_.IsHot() ? 1 : 0;
}

int TsSpeedButton::GlyphWidth() const {
  if (!Glyph().Empty()) return Glyph().Width() / std::max(1, NumGlyphs());
  return images_ && imageIndex_ >= 0 ? images_->Width() : 0;
}

int TsSpeedButton::GlyphHeight() const {
  if (!Glyph().Empty()) return Glyph().Height();
  return images_ && imageIndex_ >= 0 ? images_->Height() : 0;
}

TsGlyphCaptionLayout TsSpeedButton::GlyphCaptionLayout() {
  TsGlyphCaptionLayout l;
  l.width = Width();
  l.height = Height();
  l.dropDownWidth = DropDownWidth();
  l.margin = Margin();
  l.spacing = Spacing();
  l.layout = TSpeedButton::Layout();
  l.alignment = alignment_;
  l.textOffset = textOffset_;
  l.showCaption = showCaption_;
  l.hasCaption = !Text().empty();
  l.glyph = SIZE{GlyphWidth(), GlyphHeight()};
  l.pressed = CurrentState() == 2;
  return l;
}

int TsSpeedButton::MaxTextWidth() const {
  TsGlyphCaptionLayout l = const_cast<TsSpeedButton*>(this)->GlyphCaptionLayout();
  return l.MaxTextWidth();
}

SIZE TsSpeedButton::TextSize() {
  // A caption that is not drawn takes no room.
  if (!showCaption_ || Text().empty()) return SIZE{0, 0};
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  RECT r{0, 0, MaxTextWidth(), 0};
  canvas.DrawText(Text(), r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TsSpeedButton::GlyphRect() {
  TsGlyphCaptionLayout l = GlyphCaptionLayout();
  l.text = TextSize();
  return l.GlyphRect();
}

RECT TsSpeedButton::CaptionRect() {
  TsGlyphCaptionLayout l = GlyphCaptionLayout();
  l.text = TextSize();
  return l.CaptionRect();
}

// --- the cache ----------------------------------------------------------------------

void TsSpeedButton::DrawCaptionText(RECT& r, UINT flags) {
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  // The alignment was mirrored by DrawCaption; only the reading order is added here.
  const UINT reading = UseRightToLeftReading() ? DT_RTLREADING : 0;
  WriteSkinText(canvas, Text(), true, CurrentState() != 0, skinData_, (flags | reading) & ~DT_SINGLELINE, r);
}

void TsSpeedButton::DrawCaption() {
  if (!showCaption_) return;
  skinData_.CacheCanvas().Brush().SetStyle(tk::bsClear);
  RECT r = CaptionRect();
  UINT flags = textAlignment_ == tk::taLeftJustify ? DT_LEFT : textAlignment_ == tk::taRightJustify ? DT_RIGHT : DT_CENTER;
  flags = DrawTextBiDiModeFlags(flags | DT_VCENTER | DT_EXPANDTABS) | DT_WORDBREAK | DT_EXPANDTABS;
  DrawCaptionText(r, flags);
}

void TsSpeedButton::DrawGlyph() {
  if (!skinData_.IsSkinned()) RebuildUnskinnedGlyph();
  tk::Bitmap* cache = skinData_.Cache();
  if (!cache) return;
  cache->Sync();
  TsGlyphLook look;
  look.blend = blend_;
  look.state = CurrentState();
  look.disabledKind = disabledGlyphKind_;
  look.grayed = grayed_;
  look.enabled = Enabled();
  look.hot = skinData_.IsHot();
  const RECT at = GlyphRect();
  if (!Glyph().Empty())
    DrawButtonGlyph(Glyph().Image(), NumGlyphs(), *cache, at, look);
  else if (images_)
    DrawImageListGlyph(*images_, imageIndex_, *cache, at, look);
}

void TsSpeedButton::PaintBackgroundOnly(const CacheInfo& parentCache) {
  tk::Bitmap& cache = *skinData_.Cache();
  if (parentCache.Usable())
    CopyBitmapRect(cache, 0, 0, *parentCache.bitmap,
                   {parentCache.offsetX + Left(), parentCache.offsetY + Top(), parentCache.offsetX + Left() + Width(),
                    parentCache.offsetY + Top() + Height()});
  else
    FillRectBitmap(cache, {0, 0, Width(), Height()}, skinData_.ParentColor());
}

void TsSpeedButton::PaintDivider(const CacheInfo& parentCache) {
  const TsSkinTables* tables = skinData_.PaintTables();
  if (!tables) return;
  const int section = tables->IndexOfSection("DIVIDER");
  if (section < 0) return;
  const int mask = tables->IndexOfMask(section, "DIVIDER", "BORDERSMASK");
  if (!tables->IsValidImgIndex(mask)) return;
  const auto [w, h] = tables->MaskFrameSize(mask);
  (void)h;
  DrawBorderMask(*skinData_.Cache(), {(Width() - w) / 2, 1, (Width() + w) / 2, Height() - 2}, true, false, 0,
                 tables->ma[static_cast<std::size_t>(mask)], parentCache.MovedBy(Left(), Top()));
}

void TsSpeedButton::PaintArrowPart() {
  const bool menuDown = dropdownMenu_ && menuOpen_;
  const int state = menuDown || Down() || state_ == tk::bsDown || state_ == tk::bsExclusive ? 2 : skinData_.IsHot() ? 1 : 0;
  const CacheInfo parentCache = skinData_.GetParentCacheInfo();
  tk::Bitmap& cache = *skinData_.Cache();
  const TRect part{Width() - kDropDownWidth, 0, Width(), Height()};
  const TPoint position{Left() + Width() - kDropDownWidth, Top()};
  const TsSkinTables* tables = skinData_.PaintTables();
  if (drawOverBorder_) {
    PaintSection(skinData_, parentCache, true, false, &cache, position, part, state);
  } else {
    PaintSectionBackground(skinData_, parentCache, state, cache, position, part);
    if (tables && tables->IsValidImgIndex(skinData_.borderMaskIndex))
      DrawBorderMask(cache, part, true, false, state, tables->ma[static_cast<std::size_t>(skinData_.borderMaskIndex)],
                     parentCache.MovedBy(Left(), Top()));
  }
  if (!tables || !tables->IsValidImgIndex(tables->ConstData.ArrowScrollBottom)) return;
  const TsMaskData& arrow = tables->ma[static_cast<std::size_t>(tables->ConstData.ArrowScrollBottom)];
  const int frameWidth = arrow.R.Width() / std::max(1, arrow.ImageCount);
  const int frameHeight = arrow.R.Height() / (arrow.MaskType + 1);
  MaskBackgroundColor = clFuchsia;
  cache.Sync();
  DrawMaskGlyph(cache, {(kDropDownWidth - frameWidth) / 2 + Width() - kDropDownWidth + 1, (Height() - frameHeight) / 2},
                state, arrow, 1);
}

void TsSpeedButton::PrepareCache() {
  skinData_.EnsureCacheBitmap();
  CacheInfo parentCache = skinData_.GetParentCacheInfo();
  // A parent whose cache is not built yet: this cache stays stale.
  if (parentCache.ready && parentCache.bitmap && parentCache.bitmap->Width() == 0) return;
  tk::Bitmap* cache = skinData_.Cache();
  if (!cache || cache->Empty()) return;
  TsPaintColorsReset resetColors;
  if (buttonStyle_ == tbsSeparator || buttonStyle_ == tbsDivider) {
    PaintBackgroundOnly(parentCache);
    if (buttonStyle_ == tbsDivider) PaintDivider(parentCache);
    skinData_.cacheStale = false;
    return;
  }
  BackgroundColorReply = parentCache.ready ? clFuchsia : skinData_.ParentColor();
  const TRect main{0, 0, Width() - DropDownWidth(), Height()};
  const TPoint position{Left(), Top()};
  const int state = CurrentState();
  if (drawOverBorder_) {
    PaintSection(skinData_, parentCache, true, false, cache, position, main, state);
    DrawCaption();
    DrawGlyph();
  } else {
    PaintSectionBackground(skinData_, parentCache, state, *cache, position, main);
    DrawCaption();
    DrawGlyph();
    const TsSkinTables* tables = skinData_.PaintTables();
    if (tables && tables->IsValidImgIndex(skinData_.borderMaskIndex)) {
      cache->Sync();
      DrawBorderMask(*cache, main, true, false, state, tables->ma[static_cast<std::size_t>(skinData_.borderMaskIndex)],
                     parentCache.MovedBy(Left(), Top()));
    }
  }
  if (buttonStyle_ == tbsDropDown) PaintArrowPart();
  MaskBackgroundColor = clFuchsia;
  cache->Sync();
  if (!Enabled()) {
    skinData_.ApplyDisabledLook(disabledKind_, skinData_.GetParentCacheInfo());
    BackgroundColorReply = clFuchsia;
  }
  if (OnPaint) OnPaint(this, *cache);
  skinData_.cacheStale = false;
}

// --- painting ---------------------------------------------------------------------------

void TsSpeedButton::Paint() {
  TsSkinManager* manager = skinData_.ActiveManager();
  if (manager && manager->Active() && skinData_.sectionIndex < 0) skinData_.ResolveSectionIndexes();
  if (!skinData_.IsSkinned(true) || (!Visible() && !IsDesigning())) {
    if (Glyph().Empty() && ImagesHoldImages()) RebuildUnskinnedGlyph();
    TSpeedButton::Paint();
    return;
  }
  PaintSkinned();
}

void TsSpeedButton::PaintSkinned() {
  if (Width() <= 0 || Height() <= 0 || skinData_.IsPaintDeferred()) return;
  // While a fade runs its frame is the look.
  if (FadeFrameReady()) {
    const tk::TBitmapSource frame(animTimer_->TmpBmp);
    BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), frame.Handle(), 0, 0, SRCCOPY);
    return;
  }
  bool stale = skinData_.cacheStale || skinData_.partlyClipped || Down() != lastDown_;
  lastDown_ = Down();
  skinData_.partlyClipped = skinData_.DependsOnParentBackground();
  if (!stale && (NumGlyphs() != lastNumGlyphs_ || Spacing() != lastSpacing_)) stale = true;
  if (stale) {
    lastNumGlyphs_ = NumGlyphs();
    lastSpacing_ = Spacing();
  }
  skinData_.cacheStale = stale;
  if (stale && !skinData_.paintNow) PrepareCache();
  FillTransparentCorners(skinData_, 0);
  skinData_.CopyCacheTo(Canvas().Handle());
}

void TsSpeedButton::RepaintThroughParent() {
  if ((ControlState() & tk::csCreating) || IsLoading() || IsDestroying() || !Visible()) return;
  tk::TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated()) return;
  SendSkinCommand(parent->Handle(), SCMD_SET_PAINTING_CHILD, reinterpret_cast<LPARAM>(this));
  Repaint();
  SendSkinCommand(parent->Handle(), SCMD_SET_PAINTING_CHILD, 0);
}

// --- state changes ---------------------------------------------------------------------------

bool TsSpeedButton::FadeRunning() const { return animTimer_ != nullptr; }

bool TsSpeedButton::FadeFrameReady() const { return animTimer_ && animTimer_->TmpBmp.Width() == Width(); }

void TsSpeedButton::StateChanged(bool fast, bool animate) {
  try {
    const TsGeneralData* section = skinData_.Section();
    if (animate && !SkinLoading && skinData_.IsSkinned() && section && section->FadingEnabled && !skinData_.cacheStale) {
      skinData_.cacheStale = true;
      StartAnimation(*this, fast);
      return;
    }
    skinData_.cacheStale = true;
    StopStateAnimation();
    RepaintThroughParent();
  } catch (...) {
    // The button repaints at its next paint.
  }
}

void TsSpeedButton::StopStateAnimation() {
  if (animTimer_) StopAnimation(*this);
}

// --- window procedure ---------------------------------------------------------------------

void TsSpeedButton::WndProc(tk::TMessage& message) {
  if (message.Msg == SM_VEXACMD) {
    if (!skinData_.HandleSkinCommand(message)) TSpeedButton::WndProc(message);
    return;
  }
  if (HandleMouse(message)) return;
  if (!Usable()) {
    const bool react = Enabled() && !IsDesigning();
    if (react && message.Msg == tk::CM_MOUSEENTER && OnMouseEnter) OnMouseEnter(this);
    if (react && message.Msg == tk::CM_MOUSELEAVE && OnMouseLeave) OnMouseLeave(this);
    TSpeedButton::WndProc(message);
    return;
  }
  if (HandleSkinned(message)) return;
  skinData_.HandleCommonMessage(message);
  TSpeedButton::WndProc(message);
  if (message.Msg == tk::CM_VISIBLECHANGED) Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  if (message.Msg == tk::CM_ENABLEDCHANGED && Visible()) {
    skinData_.cacheStale = true;
    RepaintThroughParent();
  }
}

bool TsSpeedButton::HandleSkinned(tk::TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      if (Visible()) skinData_.cacheStale = true;
      return false;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case tk::CM_TEXTCHANGED:
    case tk::CM_BIDIMODECHANGED:
      if (showCaption_) skinData_.InvalidateCache();
      return false;
    case tk::CM_MOUSEENTER: HandleMouseEnter(); return false;
    case tk::CM_MOUSELEAVE: HandleMouseLeave(); return false;
    case WM_MOUSELEAVE:
      // A menu of ours opened over the button: the mouse left it even though
      // the window system did not say so. Told more than once, it leaves
      // once.
      if (MouseInControl())
        tk::TMouseRecord::MoveTo(nullptr);
      else if (skinData_.mouseInside)
        HandleMouseLeave();
      return true;
    default: return false;
  }
}

void TsSpeedButton::HandleMouseEnter() {
  if (!Enabled() || IsDesigning()) return;
  if (OnMouseEnter) OnMouseEnter(this);
  if (skinData_.mouseInside) return;
  skinData_.mouseInside = true;
  StateChanged(false, IsAnimated(animatEvents_, aeMouseEnter));
}

void TsSpeedButton::HandleMouseLeave() {
  if (!Enabled()) return;
  if (OnMouseLeave) OnMouseLeave(this);
  skinData_.mouseInside = false;
  if (state_ == tk::bsDown) state_ = tk::bsUp;
  StateChanged(false, IsAnimated(animatEvents_, aeMouseLeave));
}

bool TsSpeedButton::HandleMouse(tk::TMessage& message) {
  bool down = false, left = false, up = false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: down = left = true; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: down = true; break;
    case WM_LBUTTONUP: up = left = true; break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: up = true; break;
    default: return false;
  }
  std::weak_ptr<bool> alive = alive_;
  if (down) {
    SuppressHints();
    const bool onArrow = GET_X_LPARAM(message.LParam) > Width() - kDropDownWidth;
    if (left && Enabled() && buttonStyle_ == tbsDropDown && dropdownMenu_ && (onArrow || !OnClick)) {
      ShowDropdownMenu();
      return true;
    }
    TSpeedButton::WndProc(message);
    if (!alive.expired() && left && !IsDesigning() && Usable()) StateChanged(true, IsAnimated(animatEvents_, aeMouseDown));
    return true;
  }
  (void)up;
  RestoreHints();
  // The release shows at once.
  if (left && FadeFrameReady()) {
    StopStateAnimation();
    PrepareCache();
    RepaintThroughParent();
  }
  if (left && Enabled() && buttonStyle_ == tbsDropDown) {
    menuOpen_ = false;
    if (MenuButton == this) MenuButton = nullptr;
  }
  TSpeedButton::WndProc(message);
  if (alive.expired() || !left) return true;
  if (IsDesigning() || IsDestroying()) {
    message.Result = 1;
    return true;
  }
  if (Usable()) StateChanged(true, IsAnimated(animatEvents_, aeMouseUp));
  return true;
}

void TsSpeedButton::ShowDropdownMenu() {
  MenuButton = this;
  StopStateAnimation();
  if (MenuShowing) return;
  MenuShowing = true;
  menuOpen_ = true;
  skinData_.cacheStale = true;
  const bool withoutClick = !OnClick;
  if (withoutClick) state_ = tk::bsDown;
  RepaintThroughParent();
  const POINT at = ClientToScreen(POINT{0, Height() + 1});
  std::weak_ptr<bool> alive = alive_;
  try {
    dropdownMenu_->Popup(at.x, at.y);
  } catch (...) {
    MenuShowing = false;
    if (!alive.expired()) MenuButton = nullptr, menuOpen_ = false;
    throw;
  }
  MenuShowing = false;
  if (alive.expired()) return;
  menuOpen_ = false;
  MenuButton = nullptr;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT topLeft = ClientToScreen(POINT{0, 0});
  const RECT onScreen{topLeft.x, topLeft.y, topLeft.x + Width(), topLeft.y + Height()};
  if (!PtInRect(&onScreen, cursor)) Perform(tk::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  if (withoutClick) state_ = tk::bsUp;
  skinData_.cacheStale = true;
  RepaintThroughParent();
}

}  // namespace skin
