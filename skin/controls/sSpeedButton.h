#pragma once
// TsSpeedButton: the toolkit's speed button (windowless) painted from the
// skin section "SPEEDBUTTON". Its cache is built over the part of its
// parent's cache that lies under it. It adds image-list glyphs, glyph
// blending and greying, caption alignment and offset, a drop-down style
// with an arrow part and a popup menu, separator and divider styles, and
// cross-fades between its states.
//
// Without a manager, a skin or its section it paints as the toolkit's speed
// button, an image-list glyph turned into the toolkit's two-frame glyph.

#include <memory>

#include "sAnimTimer.h"
#include "sAnimatEvents.h"
#include "sButtonGlyph.h"
#include "sCommonData.h"
#include "sSpeedButtonLayout.h"
#include "toolkit/win/SpeedButton.h"

namespace tk {
class TCustomImageList;
class TPopupMenu;
}  // namespace tk

namespace skin {

enum TsButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// The width of the arrow part of the drop-down style.
constexpr int kDropDownWidth = 16;

class TsSpeedButton;
// The speed button whose drop-down menu is open, or none.
extern TsSpeedButton* MenuButton;
// A drop-down menu is being shown.
extern bool MenuShowing;

class TsSpeedButton : public tk::TSpeedButton, public TsSkinnedControl, public TsAnimatedControl {
  TK_CLASS(TsSpeedButton)
public:
  explicit TsSpeedButton(tk::TComponent* owner);
  ~TsSpeedButton() override;
  void AfterConstruction() override;
  void Loaded() override;

  // --- Published ----------------------------------------------------------
  TsCommonData& SkinData() override { return skinData_; }
  TvxAnimatEvents AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(TvxAnimatEvents events) { animatEvents_ = events; }
  tk::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(tk::TAlignment value);
  // Percent of the background showing through the normal glyph (0..100).
  int Blend() const { return blend_; }
  void SetBlend(int value);
  TsButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TsButtonStyle style);
  TsDisabledGlyphKind DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind kind);
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);
  tk::TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(tk::TPopupMenu* menu);
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value);
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  tk::TCustomImageList* Images() const { return images_; }
  void SetImages(tk::TCustomImageList* images);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  tk::TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(tk::TAlignment value);
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value);
  tk::TNotifyEvent OnMouseEnter;
  tk::TNotifyEvent OnMouseLeave;
  // After each cache rebuild, with the cache: application code may draw over it.
  std::function<void(tk::TObject* sender, tk::Bitmap& cache)> OnPaint;

  // --- Look -----------------------------------------------------------------
  // 0 normal, 1 hot, 2 pressed or latched.
  virtual int CurrentState() const;
  int DropDownWidth() const { return buttonStyle_ == tbsDropDown ? kDropDownWidth : 0; }
  int MarginOffset() const { return Margin() < 0 ? 0 : Margin() + 3; }
  int MaxTextWidth() const;
  virtual SIZE TextSize();
  virtual int GlyphWidth() const;
  virtual int GlyphHeight() const;
  virtual RECT CaptionRect();
  virtual RECT GlyphRect();
  void PrepareCache() override;
  TsAnimTimer*& AnimTimerSlot() override { return animTimer_; }
  // A state change: a fade when animated and the section fades, otherwise
  // the new look at once through the parent.
  void StateChanged(bool fast, bool animate);
  // Repaints the button with its parent told which child paints.
  void RepaintThroughParent();
  bool FadeRunning() const;
  // A fade's frame of the button's width is there to be shown.
  bool FadeFrameReady() const;

protected:
  void Paint() override;
  void WndProc(tk::TMessage& message) override;
  void Notification(tk::TComponent* component, tk::TOperation operation) override;
  void ActionChange(tk::TBasicAction* sender, bool checkDefaults) override;
  virtual void DrawCaptionText(RECT& r, UINT flags);
  virtual void DrawCaption();
  virtual void DrawGlyph();

private:
  friend struct TsSpeedButtonCommands;
  TsGlyphCaptionLayout GlyphCaptionLayout();
  bool Usable() const;
  bool HandleSkinned(tk::TMessage& message);
  void HandleMouseEnter();
  void HandleMouseLeave();
  bool HandleMouse(tk::TMessage& message);
  void ShowDropdownMenu();
  void PaintSkinned();
  void PaintBackgroundOnly(const CacheInfo& parentCache);
  void PaintDivider(const CacheInfo& parentCache);
  void PaintArrowPart();
  // Repaints after a property that changes the look was set.
  void LookChanged();
  // The unskinned glyph from the image list, when one is due.
  void RebuildUnskinnedGlyph();
  bool ImagesHoldImages() const;
  void StopStateAnimation();

  TsCommonData skinData_;
  TvxAnimatEvents animatEvents_ = aeGlobalDef;
  tk::TAlignment alignment_ = tk::taCenter;
  int blend_ = 0;
  TsButtonStyle buttonStyle_ = tbsButton;
  TsDisabledGlyphKind disabledGlyphKind_ = dgBlended;
  TsDisabledKind disabledKind_ = dkBlended;
  tk::TPopupMenu* dropdownMenu_ = nullptr;
  bool drawOverBorder_ = true;
  bool grayed_ = false;
  int imageIndex_ = -1;
  tk::TCustomImageList* images_ = nullptr;
  bool showCaption_ = true;
  tk::TAlignment textAlignment_ = tk::taCenter;
  int textOffset_ = 0;

  TsAnimTimer* animTimer_ = nullptr;
  bool menuOpen_ = false;
  bool lastDown_ = false;
  int lastNumGlyphs_ = 1;
  int lastSpacing_ = 4;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
