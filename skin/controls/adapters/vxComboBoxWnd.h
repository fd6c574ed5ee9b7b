#pragma once
// TvxComboBoxWnd: a combo box painted by the platform inside a skinned
// frame ring (3 pixels of the cached section) with a skinned drop-down
// button (COMBOBTN, the COMBOBOX section's arrow glyph); its drop-down list
// is wrapped at its first colour question (TvxComboListWnd: frame, bars and
// the list section's colours).

#include <memory>

#include "vxEditWnd.h"

namespace skin {

class TvxComboListWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;

protected:
  bool HandleSkinCommand(tk::TMessage& m) override;
};

class TvxComboBoxWnd : public TvxEditWnd {
public:
  using TvxEditWnd::TvxEditWnd;
  ~TvxComboBoxWnd() override;

  // The wrapper of the drop-down list, once it was asked for its colours.
  TvxComboListWnd* ListWrapper() const { return list_.get(); }
  // 2 while the list is dropped, 1 while hovered or focused, else 0.
  int ButtonState() const;

protected:
  void WndProc(tk::TMessage& m) override;
  int FrameWidth() const override { return 3; }

private:
  void PaintFrameAndButton(HDC dc);
  void AnswerListColor(tk::TMessage& m);
  void Repaint();
  bool HoverChanged() override {
    if (!Skinned()) return false;
    Repaint();
    return true;
  }

  std::unique_ptr<TvxComboListWnd> list_;
  HBRUSH listBrush_ = nullptr;
};

}  // namespace skin
