#pragma once
// TvxCheckBoxWnd: a check box or radio button painted whole from the skin:
// the section's background, the skin's check or radio glyph for the check
// state, the caption beside it in the section's colours, a focus rectangle
// while focused, and the disabled look.

#include "vxMainWnd.h"

namespace skin {

class TvxCheckBoxWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;

  // The GLOBALINFO glyph for a button style and check state
  // (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
  static const char* GlyphName(LONG_PTR style, LRESULT check);
  // 2 while pushed, 1 when focused or hovered, else 0.
  int ButtonState() const;

protected:
  void WndProc(tk::TMessage& m) override;
  int PaintState() const override { return 0; }

private:
  void Paint(HDC dc);
  void PaintContent(tk::Bitmap& cache);
  void Repaint();
  bool HoverChanged() override {
    if (!Skinned()) return false;
    Repaint();
    return true;
  }
};

}  // namespace skin
