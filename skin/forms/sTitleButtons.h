#pragma once
// The parts of a skinned title bar that a form's skin provider publishes:
// its own title icon, and the user's buttons beside the system ones. Each
// caption button, system or user, keeps its state, its image and its place
// in a TsCaptionButton.

#include <string>
#include <string_view>

#include "skin/data/sSkinTypes.h"
#include "toolkit/win/Control.h"
#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/Persistent.h"

namespace skin {

// One caption button of a skinned frame. Rect is in window coordinates (the
// window's top-left corner is the origin).
struct TsCaptionButton {
  int State = 0;        // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;  // a mask of the skin, -1 none
  TRect Rect;
};

// Caption buttons are known by ids that are also the hit-test codes the
// provider answers.
enum : int {
  kButtonMinimize = HTMINBUTTON,  // 8
  kButtonMaximize = HTMAXBUTTON,  // 9
  kButtonClose = HTCLOSE,         // 20
  kButtonHelp = HTHELP,           // 21
  HTCHILDCLOSE = 101,             // the maximized MDI child's buttons on the parent's menu line
  HTCHILDMAX = 102,
  HTCHILDMIN = 103,
  HTUDBTN = 1000,                 // + index of a user title button
};

// The provider's own title icon; an empty glyph means the program's icon.
class TsTitleIcon : public tk::TPersistent {
  TK_CLASS(TsTitleIcon)
public:
  tk::TBitmap& Glyph() { return glyph_; }
  const tk::TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const tk::TBitmap& glyph) { glyph_.Assign(glyph); }
  // 0: derived from the title bar's height.
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  void Assign(const tk::TPersistent& source) override;

private:
  tk::TBitmap glyph_;
  int width_ = 0;
  int height_ = 0;
};

class TsTitleButton : public tk::TCollectionItem {
  TK_CLASS(TsTitleButton)
public:
  explicit TsTitleButton(tk::TCollection& collection) : TCollectionItem(collection) {}

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  tk::TBitmap& Glyph() { return glyph_; }
  const tk::TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const tk::TBitmap& glyph);
  // The class name while none was given.
  std::string Name() const { return name_.empty() ? std::string(ClassName()) : name_; }
  void SetName(std::string_view name);
  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool value);
  tk::TMouseEvent OnMouseDown;
  tk::TMouseEvent OnMouseUp;

  std::string DisplayName() const override { return Name(); }
  void Assign(const tk::TPersistent& source) override;

  // Its place and state in the title bar.
  TsCaptionButton BtnData;

private:
  bool enabled_ = true;
  tk::TBitmap glyph_;
  std::string name_;
  bool useSkinData_ = true;
};

class TsTitleButtons : public tk::TCollection {
  TK_CLASS(TsTitleButtons)
public:
  explicit TsTitleButtons(tk::TPersistent* owner);
  TsTitleButton* Button(int index) const { return Item<TsTitleButton>(index); }
};

}  // namespace skin
