#pragma once
// A windowed control of the toolkit's own window class that paints itself:
// Paint() draws on Canvas(), which is attached to the paint context; graphic
// children are painted over it afterwards.

#include "toolkit/win/ControlCanvas.h"
#include "toolkit/win/WinControl.h"

namespace tk {

class TCustomControl : public TWinControl {
  TK_CLASS(TCustomControl)
public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  TCanvas& Canvas() { return canvas_; }

protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

private:
  TControlCanvas canvas_;
};

}  // namespace tk
