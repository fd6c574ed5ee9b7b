#pragma once
// TsMaskEdit: the toolkit's masked edit painted with the section "EDIT".
// Its border always comes from the skin (drawn in the frame the system
// edit keeps around its client area). While it is neither focused nor under
// the mouse its whole face is its cached image; while it is active the
// system edit paints its own client area - caret, selection, typing, the
// clipboard, undo and input methods stay the system's - and only the border
// comes from the cache. It owns a bound label (inactive by default).
//
// Without a manager, a skin or its section it is the plain toolkit edit.

#include <memory>

#include "sBoundLabel.h"
#include "sCommonData.h"
#include "toolkit/win/Edit.h"

namespace skin {

class TsMaskEdit : public tk::TMaskEdit, public TsSkinnedControl {
  TK_CLASS(TsMaskEdit)
public:
  explicit TsMaskEdit(tk::TComponent* owner);
  ~TsMaskEdit() override;
  void AfterConstruction() override;
  void Loaded() override;

  TsCommonData& SkinData() override { return skinData_; }
  TsBoundLabel& BoundLabel() { return *boundLabel_; }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind kind);

  // Hot or focused: the system edit paints the client area.
  virtual bool IsActiveLook() const { return skinData_.IsHot(); }
  // The width of the border the edit keeps around its text.
  int EditBorderWidth() const;
  void PrepareCache();
  // The border strips from the cache (none given: the window's own context).
  virtual void PaintBorder(HDC dc);
  virtual void PaintText();
  // The whole cache on the window (none given: painted in answer to WM_PAINT).
  virtual void PaintWhole(HDC dc);

protected:
  void WndProc(tk::TMessage& message) override;
  void Change() override;

private:
  friend struct TsMaskEditCommands;
  bool Usable() const;
  bool HandleSkinned(tk::TMessage& message);
  void AfterToolkit(const tk::TMessage& message);
  void FollowWithLabel(const tk::TMessage& message);
  void PrintTo(HDC dc);
  // The whole window, frame included, painted again.
  void RedrawWhole();

  TsCommonData skinData_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
  TsDisabledKind disabledKind_ = dkBlended;
};

// The four border strips of width b copied from the cache to the same places
// of dc: left, top, right and bottom.
void CopyBorderStrips(HDC dc, const tk::Bitmap& cache, int b);

}  // namespace skin
