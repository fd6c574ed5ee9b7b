#pragma once
// A control without a window: it paints on its parent's context (the parent
// delivers WM_PAINT with WParam = that context, origin at the control's
// top-left corner and clipped to it) and receives the mouse through its
// parent.

#include "toolkit/win/Control.h"
#include "toolkit/win/ControlCanvas.h"

namespace tk {

class TGraphicControl : public TControl {
  TK_CLASS(TGraphicControl)
public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  TCanvas& Canvas() { return canvas_; }

protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

private:
  TControlCanvas canvas_;
};


}  // namespace tk
