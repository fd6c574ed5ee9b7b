#pragma once
// TvxCheckBoxWnd: a check box or radio button painted whole from the skin:
// the section's background, the skin's check or radio glyph for the check
// state, the caption beside it in the section's colours, a focus rectangle
// while focused, and the disabled look.

#include "vxPaintedButtonWnd.h"

namespace skin {

class TvxCheckBoxWnd : public TvxPaintedButtonWnd {
public:
  using TvxPaintedButtonWnd::TvxPaintedButtonWnd;

  // The GLOBALINFO glyph for a button style and check state
  // (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
  static const char* GlyphName(LONG_PTR style, LRESULT check);
  // 2 while pushed, 1 when focused or hovered, else 0.
  int ButtonState() const;

protected:
  void PaintContent(tk::Bitmap& cache) override;
};

}  // namespace skin
