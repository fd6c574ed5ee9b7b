#pragma once
// TvxBtnWnd: a push button of the system class painted whole from the skin
// (BUTTON): pressed while pushed, hot while focused, hovered or the default
// button, the caption centred in the section's colours and moved by a
// pixel while pushed, a focus rectangle where the section shows focus, and
// the disabled look.

#include "vxPaintedButtonWnd.h"

namespace skin {

class TvxBtnWnd : public TvxPaintedButtonWnd {
public:
  using TvxPaintedButtonWnd::TvxPaintedButtonWnd;

  // 2 while pushed, 0 while disabled, 1 when focused, hovered or the
  // default button, else 0.
  int ButtonState() const;

protected:
  void WndProc(tk::TMessage& m) override;
  void PaintContent(tk::Bitmap& cache) override;
  int PaintState() const override { return ButtonState(); }
  // The focus rectangle of a focused button whose section shows focus.
  void PaintFocus(tk::Bitmap& cache);
};

}  // namespace skin
