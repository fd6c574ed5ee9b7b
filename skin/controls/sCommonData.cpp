#include "sCommonData.h"

#include <windows.h>
#include <uxtheme.h>

#include "sControlKinds.h"
#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sPaintGlobals.h"
#include "toolkit/core/TextCase.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

bool ManagerHoldsSections(const TsSkinManager* m) { return m && !m->Tables().gd.empty(); }

}  // namespace

tk::TObject* SkinDataOwner(const TsCommonData& data) { return data.OwnerObject(); }

TsCommonData* SkinDataOf(tk::TControl* control) {
  auto* skinned = dynamic_cast<TsSkinnedControl*>(control);
  return skinned ? &skinned->SkinData() : nullptr;
}

TsCommonData::TsCommonData(tk::TObject* owner, bool withCache)
    : ownerObject_(owner),
      ownerControl_(dynamic_cast<tk::TControl*>(owner)),
      commands_(&TsSkinCommandTable::Standard()) {
  if (withCache) cache_ = std::make_unique<tk::Bitmap>(0, 0);
}

TsCommonData::~TsCommonData() {
  sectionIndex = borderMaskIndex = patternIndex = hotPatternIndex = -1;
  cacheCanvas_.reset();
  cache_.reset();
  ownerObject_ = nullptr;
  ownerControl_ = nullptr;
  customManager_ = nullptr;
}

void TsCommonData::Assign(const tk::TPersistent& source) {
  const auto* other = dynamic_cast<const TsCommonData*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  SetCustomColor(other->customColor_);
  SetCustomFont(other->customFont_);
  SetSkinManager(other->customManager_);
  SetSkinSection(other->skinSection_);
}

// --- owner -----------------------------------------------------------------

tk::TWinControl* TsCommonData::WindowedOwner() const { return dynamic_cast<tk::TWinControl*>(ownerControl_); }

bool TsCommonData::OwnerDestroying() const {
  auto* component = dynamic_cast<tk::TComponent*>(ownerObject_);
  return component && component->IsDestroying();
}

bool TsCommonData::OwnerIsEdit() const {
  return dynamic_cast<tk::TCustomEdit*>(ownerControl_) != nullptr || controlKind == kKindEditLike;
}

void TsCommonData::ApplySectionColorsToEdit() {
  const TsGeneralData* s = Section();
  if (!s || !ownerControl_) return;
  if (!customColor_ && ownerControl_->Color() != s->Color) ownerControl_->SetColor(s->Color);
  if (!customFont_ && ownerControl_->Font().Color() != s->FontColor[0]) ownerControl_->Font().SetColor(s->FontColor[0]);
}

tk::TCanvas& TsCommonData::CacheCanvas() {
  if (!cache_) cache_ = std::make_unique<tk::Bitmap>(0, 0);
  if (!cacheCanvas_) cacheCanvas_ = std::make_unique<tk::TBitmapCanvas>(*cache_);
  if (ownerControl_) cacheCanvas_->Font().Assign(ownerControl_->Font());
  return *cacheCanvas_;
}

// --- published properties ----------------------------------------------------

void TsCommonData::SetSkinSection(std::string_view value) {
  if (value == skinSection_) return;
  skinSection_ = value.empty() ? std::string("UNKNOWN") : tk::UpperCase(value);
  TsSkinManager* m = ActiveManager();
  if (!ManagerHoldsSections(m))
    sectionIndex = -1;
  else
    ResolveSectionIndexes();
  if (ownerControl_ && ownerControl_->Parent() && !OwnerDestroying()) {
    const bool usable = ManagerHoldsSections(m) && m->Tables().IsValidSkinIndex(sectionIndex);
    DeliverToOwner(usable ? SCMD_REFRESH : SCMD_SKIN_REMOVED, reinterpret_cast<LPARAM>(m));
  }
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  if (manager == customManager_) return;
  customManager_ = manager == DefaultManager ? nullptr : manager;
  if (ownerControl_ && ownerControl_->IsLoading()) return;
  TsSkinManager* m = ActiveManager();
  if (ManagerHoldsSections(m))
    ResolveSectionIndexes();
  else
    sectionIndex = -1;
  tk::TWinControl* parent = ownerControl_ ? ownerControl_->Parent() : nullptr;
  if (!parent || parent->IsDestroying()) return;
  const bool usable = ManagerHoldsSections(m) && m->Tables().IsValidSkinIndex(sectionIndex);
  try {
    DeliverToOwner(usable ? SCMD_REFRESH : SCMD_SKIN_REMOVED, reinterpret_cast<LPARAM>(m));
  } catch (...) {
    // The new manager is recorded; the owner repaints at the next refresh.
  }
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (OwnerIsEdit() && IsSkinned() && ownerControl_ && !ownerControl_->IsLoading()) ApplySectionColorsToEdit();
  InvalidateCache();
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  InvalidateCache();
}

void TsCommonData::DeliverToOwner(WORD subCommand, LPARAM lParam) {
  if (!ownerControl_) return;
  tk::TMessage m{SM_VEXACMD, SkinCommandWParam(subCommand), lParam, 0};
  ownerControl_->Deliver(m);
}

// --- questions -------------------------------------------------------------------

TsSkinManager* TsCommonData::ActiveManager() const { return customManager_ ? customManager_ : DefaultManager; }

bool TsCommonData::IsOwnManager(LPARAM lParam) const {
  return reinterpret_cast<TsSkinManager*>(lParam) == ActiveManager();
}

const TsSkinTables* TsCommonData::PaintTables() const {
  const TsSkinManager* m = ActiveManager();
  return m ? &m->Tables() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinTables* t = PaintTables();
  return t && t->IsValidSkinIndex(sectionIndex) ? &t->gd[static_cast<std::size_t>(sectionIndex)] : nullptr;
}

bool TsCommonData::IsSkinned(bool requireReady) const {
  if (OwnerDestroying()) return false;
  const TsSkinManager* m = ActiveManager();
  if (!m || m->IsDestroying()) return false;
  if (requireReady && !m->Tables().SkinData.Active) return false;
  return m->Tables().IsValidSkinIndex(sectionIndex);
}

bool TsCommonData::IsHot() const {
  if (!ownerControl_ || OwnerDestroying() || !ownerControl_->Enabled() || ownerControl_->IsDesigning()) return false;
  if (hasFocus) return true;
  if (const tk::TWinControl* windowed = WindowedOwner(); windowed && windowed->Focused()) return true;
  return mouseInside && !IsNoHoverKind(controlKind);
}

bool TsCommonData::IsSectionTransparent() const {
  const TsGeneralData* s = Section();
  return s && s->Transparency > 0;
}

bool TsCommonData::IsPaintDeferred() const {
  const TsSkinManager* m = ActiveManager();
  if (!m || !m->Tables().SkinData.Active) return true;
  if (deferPaint) return true;
  if (!ownerControl_ || OwnerDestroying()) return false;
  if (!ownerControl_->Parent()) return true;
  return QuerySkinFlag(ownerControl_->Parent(), SCMD_IS_DEFERRED);
}

bool TsCommonData::DependsOnParentBackground() {
  if (paintNow || !IsSkinned(false) || !ownerControl_) return true;
  if ((ownerControl_->ControlState() & tk::csCreating) != 0 || !ownerControl_->Visible()) return true;
  const TsGeneralData* s = Section();
  if (!s) return false;
  bool r = !ownerControl_->Enabled() || s->Transparency > 0;
  tk::TWinControl* parent = ownerControl_->Parent();
  if (r && parent && parent->HandleAllocated()) r = QuerySkinFlag(parent, SCMD_IS_BG_VARIED);
  return r;
}

// --- section handling ----------------------------------------------------------

void TsCommonData::ResolveSectionIndexes() {
  cacheStale = true;
  const TsSkinManager* m = ActiveManager();
  sectionIndex = m ? m->Tables().IndexOfSection(skinSection_) : -1;
  if (sectionIndex < 0) {
    // An index into masks of whatever skin is loaded now would draw the
    // wrong image; without a section there is no border either.
    patternIndex = hotPatternIndex = borderMaskIndex = -1;
    return;
  }
  const TsSkinTables& t = m->Tables();
  borderMaskIndex = t.IndexOfMask(sectionIndex, skinSection_, "BORDERSMASK");
  patternIndex = t.IndexOfTextureMask(sectionIndex, skinSection_, "PATTERN");
  hotPatternIndex = t.IndexOfTextureMask(sectionIndex, skinSection_, "HOTPATTERN");
}

void TsCommonData::ApplyDefaultSection() {
  if (!skinSection_.empty()) {
    ResolveSectionIndexes();
    return;
  }
  std::string section = DefaultSectionOfKind(controlKind);
  if (section.empty() && ownerObject_) section = ownerObject_->ClassName();
  SetSkinSection(section);
}

void TsCommonData::FinishLoading() {
  ApplyDefaultSection();
  if (ownerControl_ && !IsSkinned(false) && IsAppThemed())
    ownerControl_->SetControlStyle(ownerControl_->ControlStyle() & ~tk::csParentBackground);
  if (!IsSkinned(false) || !ownerControl_ || !ownerControl_->Parent() || ownerControl_->IsLoading()) return;
  if (WindowedOwner()) NotifyFormControlRefreshed(ownerControl_);
  if (OwnerIsEdit()) ApplySectionColorsToEdit();
}

// --- cache ---------------------------------------------------------------------------

void TsCommonData::InvalidateCache() {
  if (!ownerControl_ || OwnerDestroying() || ownerControl_->IsLoading()) return;
  cacheStale = true;
  if (IsReadyForSkinPaint(ownerControl_)) ownerControl_->Invalidate();
}

void TsCommonData::ResizeCache(int width, int height) {
  if (!cache_) cache_ = std::make_unique<tk::Bitmap>(0, 0);
  if (cache_->Format() != tk::PixelFormat::pf24bit) cache_->SetFormat(tk::PixelFormat::pf24bit);
  if (cache_->Width() == width && cache_->Height() == height) return;
  // Resizing replaces the bitmap's memory: the canvas lets go of it first.
  if (cacheCanvas_) cacheCanvas_->Unbind();
  cache_->SetSize(width, height);
  if (cacheCanvas_) cacheCanvas_->Rebind();
}

void TsCommonData::EnsureCacheBitmap() {
  const TRect b = OwnerBounds();
  ResizeCache(b.Width() > 0 ? b.Width() : 0, b.Height() > 0 ? b.Height() : 0);
}

CacheInfo TsCommonData::GetParentCacheInfo() const {
  return CacheInfoOf(ownerControl_ ? ownerControl_->Parent() : nullptr);
}

void TsCommonData::DeliverUpdateCommand(WORD subCommand) { DeliverToOwner(subCommand, 0); }

void TsCommonData::BeginUpdate() {
  deferPaint = true;
  DeliverUpdateCommand(SCMD_BEGIN_UPDATE);
}

void TsCommonData::EndUpdate() {
  deferPaint = false;
  DeliverUpdateCommand(SCMD_END_UPDATE);
}

// --- TsSkinPaintData -------------------------------------------------------------

TColor TsCommonData::CustomColor() const {
  if (!customColor_ || !ownerControl_) return clFuchsia;
  return static_cast<TColor>(tk::ColorToRGB(ownerControl_->Color()));
}

const tk::TFont* TsCommonData::OwnerFont() const { return ownerControl_ ? &ownerControl_->Font() : nullptr; }

TColor TsCommonData::OwnerFontColor() const {
  return ownerControl_ ? static_cast<TColor>(tk::ColorToRGB(ownerControl_->Font().Color())) : clBlack;
}

TRect TsCommonData::OwnerBounds() const {
  if (!ownerControl_) return {};
  const tk::TControl& c = *ownerControl_;
  return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

bool TsCommonData::HasParent() const { return ownerControl_ && ownerControl_->Parent(); }

TColor TsCommonData::ParentColor() const {
  if (!HasParent()) return clFuchsia;
  return static_cast<TColor>(tk::ColorToRGB(ownerControl_->Parent()->Color()));
}

bool TsCommonData::ParentVariesBackground() {
  return HasParent() && QuerySkinFlag(ownerControl_->Parent(), SCMD_IS_BG_VARIED);
}

TColor TsCommonData::ParentBackgroundColor() {
  return HasParent() ? GetBackgroundColorOf(ownerControl_->Parent()) : clFuchsia;
}

}  // namespace skin
