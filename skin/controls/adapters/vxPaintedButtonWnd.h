#pragma once
// What the wrappers of BUTTON-class windows that they paint whole (push
// buttons, check boxes, radio buttons) share: every paint rebuilds the
// cache (section over the parent's background, the button's own content,
// the disabled look blended with the parent) and copies it; the state
// changes the system button makes are passed on with drawing switched off
// and then painted; background and frame painting of the system is
// suppressed.

#include "vxMainWnd.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TvxPaintedButtonWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;

protected:
  void WndProc(tk::TMessage& m) override;
  // Caption, glyph, focus rectangle into the freshly painted cache.
  virtual void PaintContent(tk::Bitmap& cache) = 0;
  bool HoverChanged() override;
  void Paint(HDC dc);
  void Repaint();
};

}  // namespace skin
