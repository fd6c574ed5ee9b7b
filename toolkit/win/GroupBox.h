#pragma once
// A framed group with a caption: a container painted by the toolkit (an
// etched frame, the caption on the frame's top edge). It takes no focus
// itself; Tab passes into its children in their tab order.

#include "toolkit/win/CustomControl.h"

namespace tk {

class TCustomGroupBox : public TCustomControl {
  TK_CLASS(TCustomGroupBox)
public:
  explicit TCustomGroupBox(TComponent* owner);

protected:
  void Paint() override;
  void AdjustClientRect(RECT& rect) const override;
  void WndProc(TMessage& message) override;
  // Height of the caption line in the group box's font.
  int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
  TK_CLASS(TGroupBox)
public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

}  // namespace tk
