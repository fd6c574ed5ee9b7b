#pragma once
// TsEditLabel: the label a bound label shows beside its edit. When it goes
// (freed by its owner, say), its bound label becomes inactive.

#include "sLabel.h"

namespace skin {

class TsBoundLabel;

class TsEditLabel : public TsLabel {
  TK_CLASS(TsEditLabel)
public:
  TsEditLabel(tk::TComponent* owner, TsBoundLabel* boundLabel);
  ~TsEditLabel() override;
  TsBoundLabel* BoundLabel() const { return boundLabel_; }
  // The bound label lets go of it first (it frees the label itself).
  void ForgetBoundLabel() { boundLabel_ = nullptr; }

private:
  TsBoundLabel* boundLabel_;
};

}  // namespace skin
