#include "sLabel.h"

namespace skin {

void TsLabel::SetUseSkinColor(bool value) {
  if (useSkinColor_ == value) return;
  useSkinColor_ = value;
  Invalidate();
}

}  // namespace skin
