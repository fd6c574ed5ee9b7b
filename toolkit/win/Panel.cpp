#include "toolkit/win/Panel.h"

namespace tk {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle((ControlStyle() | csAcceptsControls | csSetCaption) & ~csCaptureMouse);
  width_ = 185;
  height_ = 41;
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Invalidate();
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r{0, 0, Width(), Height()};
  if (bevelOuter_ != bvNone) DrawEdge(canvas.Handle(), &r, bevelOuter_ == bvRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
  const std::string caption = Text();
  if (caption.empty()) return;
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace tk
