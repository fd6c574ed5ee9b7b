#pragma once
// TsCommonData: the skin data that every skinned control, form skinning
// component and adapted window owns. It records the section the owner is
// painted with and that section's indexes in the active skin, the owner's
// state flags (hot, focused, painting deferred, cache stale), and a cached
// 24-bit image of the owner in its current state. Owners never paint
// straight from the skin: they rebuild the cache when it is stale and copy
// it to the screen (PaintRequest).
//
// A control class:
//   - creates one in its constructor (TsCommonData(this, true)), sets
//     controlKind, and calls FinishLoading after construction and again
//     after it was loaded from a stored layout;
//   - passes every message of its window procedure to HandleCommonMessage
//     first; true means a skin command was answered and the message is done;
//   - answers the sub-commands it handles itself through its own command
//     table (sSkinCommandTable.h, SetCommandTable);
//   - paints with PaintRequest (or its steps) while IsSkinned(), and as the
//     plain toolkit control otherwise;
//   - calls InvalidateCache from every setter that changes its look.
//
// Everything runs on the user-interface thread.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "sSkinCommandTable.h"
#include "skin/paint/sSkinPaintData.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/Persistent.h"

namespace tk {
class TCanvas;
class TBitmapCanvas;
class TControl;
class TWinControl;
}  // namespace tk

namespace skin {

class TsSkinManager;
struct TsGeneralData;

// How the disabled look is made (both may apply; greying comes first).
enum TsDisabledKindFlag : unsigned { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = unsigned;

// How one paint request rebuilds and shows the cache (PaintRequest).
struct TsCachePaint {
  int state = 0;  // 0 normal, 1 hot, 2 pressed...
  TsDisabledKind disabledKind = dkBlended;
  bool fillCentre = true;     // the border mask's centre piece is drawn
  bool parentCorners = true;  // the mask's clear corner pixels show the parent
  // Push buttons, speed buttons and group boxes rebuild their cache when
  // paintNow is switched on, and not again at the paint.
  bool keepCacheWhilePaintNow = false;
  // The corners are filled from the parent's background at every paint.
  bool fillCorners = true;
  // The owner's content (caption, glyph) over the painted section, before
  // the disabled look.
  std::function<void(tk::Bitmap& cache)> paintContent;
};

class TsCommonData : public tk::TPersistent, public TsSkinPaintData {
  TK_CLASS(TsCommonData)
public:
  // owner: the control (or other object) painted; withCache: create the
  // cache bitmap (0 x 0) now.
  TsCommonData(tk::TObject* owner, bool withCache);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;
  // Takes the published properties of another TsCommonData.
  void Assign(const tk::TPersistent& source) override;

  // --- Published properties ------------------------------------------
  // Stored upper-cased; "UNKNOWN" when set to an empty text.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(std::string_view value);
  // The manager chosen for this owner, or the default manager.
  TsSkinManager* SkinManager() const { return ActiveManager(); }
  void SetSkinManager(TsSkinManager* manager);
  bool HasCustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const override { return customFont_; }
  void SetCustomFont(bool value);

  // --- State ----------------------------------------------------------
  bool deferPaint = false;   // painting is suspended (skin being applied, parent not ready)
  int borderMaskIndex = -1;  // the section's BORDERSMASK in the manager's masks
  int sectionIndex = -1;     // -1: not skinned
  int patternIndex = -1;     // PATTERN texture
  int hotPatternIndex = -1;  // HOTPATTERN texture
  tk::TControl* paintingChild = nullptr;  // graphic child repainting through this container
  bool paintNow = false;      // rebuild the cache at once when asked
  bool cacheStale = true;     // the cache must be rebuilt before the next paint
  bool partlyClipped = true;  // the owner lies partly outside its parent's client area
  int controlKind = 0;        // sControlKinds.h
  bool hasFocus = false;
  bool mouseInside = false;

  tk::TControl* OwnerControl() const { return ownerControl_; }
  tk::TObject* OwnerObject() const { return ownerObject_; }
  TsSkinManager* CustomManager() const { return customManager_; }
  // The cache (none when it was never created).
  tk::Bitmap* Cache() const { return cache_.get(); }
  // A canvas on the cache with the owner's font, kept bound across the
  // resizes of EnsureCacheBitmap and the skin removal.
  tk::TCanvas& CacheCanvas();

  // --- The skin command ------------------------------------------------
  const TsSkinCommandTable& CommandTable() const { return *commands_; }
  // The table must outlive this object (classes keep theirs in a static).
  void SetCommandTable(const TsSkinCommandTable& table) { commands_ = &table; }
  // lParam of a broadcast names the manager this owner follows.
  bool IsOwnManager(LPARAM lParam) const;
  // The answer of the command table; true when the sub-command was answered.
  bool HandleSkinCommand(tk::TMessage& message);
  // Skin commands go to HandleSkinCommand (true when answered: the message
  // is done); ordinary window messages get the standard reactions and
  // false, so the window procedure carries on with them.
  bool HandleCommonMessage(tk::TMessage& message);

  // --- Questions -------------------------------------------------------
  TsSkinManager* ActiveManager() const;
  // The section is valid in the active manager's skin; requireReady: and
  // the skin is applied (not being loaded).
  bool IsSkinned(bool requireReady = false) const;
  // Drawn in the hot (highlighted) state.
  bool IsHot() const;
  bool IsSectionTransparent() const;
  // The owner must not paint now.
  bool IsPaintDeferred() const;
  // The owner's look changes when it moves over its parent.
  bool DependsOnParentBackground() override;
  // The resolved section, or none.
  const TsGeneralData* Section() const;

  // --- Section handling ---------------------------------------------------
  void ResolveSectionIndexes();
  void ApplyDefaultSection();
  void FinishLoading();

  // --- Cache --------------------------------------------------------------
  // Marks the cache stale and invalidates the owner when it is ready to paint.
  void InvalidateCache();
  void EnsureCacheBitmap();
  CacheInfo GetParentCacheInfo() const;
  void SetDeferPaint(bool value) { deferPaint = value; }
  void BeginUpdate();
  void EndUpdate();

  // The cache life cycle of one paint request: nothing while deferred
  // (false); otherwise the clipping flags are renewed, the cache rebuilt
  // when stale, the corners filled, and the cache copied to dc at (0, 0).
  bool PaintRequest(HDC dc, const TsCachePaint& how);
  // Its steps, for classes that paint in their own order.
  bool UpdateDeferPaint();  // deferPaint := IsPaintDeferred; returns it
  void UpdateClipping();    // cacheStale and partlyClipped
  void RebuildCache(const TsCachePaint& how);
  void ApplyDisabledLook(TsDisabledKind kind, const CacheInfo& parentCache);
  void CopyCacheTo(HDC dc, int x = 0, int y = 0) const;

  // --- TsSkinPaintData ----------------------------------------------------
  const TsSkinTables* PaintTables() const override;
  int SectionIndex() const override { return sectionIndex; }
  int BorderMaskIndex() const override { return borderMaskIndex; }
  int PatternIndex() const override { return patternIndex; }
  int HotPatternIndex() const override { return hotPatternIndex; }
  TColor CustomColor() const override;
  const tk::TFont* OwnerFont() const override;
  TColor OwnerFontColor() const override;
  tk::Bitmap* CacheBitmap() override { return cache_.get(); }
  TRect OwnerBounds() const override;
  bool HasParent() const override;
  TColor ParentColor() const override;
  CacheInfo ParentCacheInfo() override { return GetParentCacheInfo(); }
  bool ParentVariesBackground() override;
  TColor ParentBackgroundColor() override;

protected:
  friend class TsStandardSkinCommands;

  // Where BeginUpdate and EndUpdate deliver their sub-command: the owner
  // control (a form skinning component sends it to its form instead).
  virtual void DeliverUpdateCommand(WORD subCommand);
  // The owner is an edit whose colours follow the section.
  bool OwnerIsEdit() const;
  // Unless CustomColor / CustomFont: the edit takes the section's colour and
  // font colour (only where they differ).
  void ApplySectionColorsToEdit();
  tk::TWinControl* WindowedOwner() const;
  bool OwnerDestroying() const;

private:
  void ReactToMouseEnter(const tk::TMessage& message);
  void ReactToResize();
  void ResizeCache(int width, int height);
  void DeliverToOwner(WORD subCommand, LPARAM lParam);

  tk::TObject* ownerObject_;
  tk::TControl* ownerControl_;
  TsSkinManager* customManager_ = nullptr;
  std::string skinSection_;
  bool customColor_ = false;
  bool customFont_ = false;
  std::unique_ptr<tk::Bitmap> cache_;
  std::unique_ptr<tk::TBitmapCanvas> cacheCanvas_;
  const TsSkinCommandTable* commands_;
};

// What a skinned control class shows of itself: its skin data (published
// as SkinData).
class TsSkinnedControl {
public:
  virtual TsCommonData& SkinData() = 0;

protected:
  ~TsSkinnedControl() = default;
};

// The skin data of a control whose class keeps one, or none.
TsCommonData* SkinDataOf(tk::TControl* control);

}  // namespace skin
