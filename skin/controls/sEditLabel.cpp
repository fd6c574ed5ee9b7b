#include "sEditLabel.h"

#include "sBoundLabel.h"

namespace skin {

TsEditLabel::TsEditLabel(tk::TComponent* owner, TsBoundLabel* boundLabel) : TsLabel(owner), boundLabel_(boundLabel) {}

TsEditLabel::~TsEditLabel() {
  if (boundLabel_) boundLabel_->LabelGone(this);
  BeforeDestruction();
}

}  // namespace skin
