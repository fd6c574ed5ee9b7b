#include "toolkit/win/GroupBox.h"

namespace tk {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle((ControlStyle() | csAcceptsControls | csSetCaption | csParentBackground) &
                  ~(csClickEvents | csCaptureMouse));
  width_ = 185;
  height_ = 105;
  SetParentColor(true);
}

int TCustomGroupBox::CaptionHeight() {
  Canvas().Font().Assign(Font());
  return Canvas().TextHeight("0");
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) const {
  rect.top += const_cast<TCustomGroupBox*>(this)->CaptionHeight();
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  const int textHeight = canvas.TextHeight("0");
  RECT frame{0, textHeight / 2 - 1, Width(), Height()};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  const std::string caption = Text();
  if (caption.empty()) return;
  RECT text{0, 0, 0, 0};
  canvas.DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE);
  OffsetRect(&text, 8, 0);
  // The caption interrupts the frame: its own background behind it.
  RECT gap{text.left - 2, 0, text.right + 2, textHeight};
  canvas.Brush().SetColor(Color());
  canvas.FillRect(gap);
  canvas.Brush().SetStyle(bsClear);
  if (Enabled()) {
    canvas.DrawText(caption, text, DT_SINGLELINE | DT_LEFT);
  } else {
    canvas.Font().SetColor(clBtnHighlight);
    RECT shadow = text;
    OffsetRect(&shadow, 1, 1);
    canvas.DrawText(caption, shadow, DT_SINGLELINE | DT_LEFT);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(caption, text, DT_SINGLELINE | DT_LEFT);
  }
}

void TCustomGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(message);
      Invalidate();
      return;
    default: break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace tk
