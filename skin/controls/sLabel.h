#pragma once
// TsLabel: the skinned label whose use of the skin's font colour can be
// switched off (UseSkinColor).

#include "sCustomLabel.h"

namespace skin {

class TsLabel : public TsCustomLabel {
  TK_CLASS(TsLabel)
public:
  explicit TsLabel(tk::TComponent* owner) : TsCustomLabel(owner) {}
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);

protected:
  bool FollowsSkinColor() const override { return useSkinColor_; }

private:
  bool useSkinColor_ = true;
};

}  // namespace skin
