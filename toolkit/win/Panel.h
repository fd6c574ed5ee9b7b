#pragma once
// A panel: a plain container with its caption centred on it and a raised
// edge. Its background is erased in its colour; what it paints itself (the
// edge and the caption) lies over that, so whoever erases its background
// differently keeps the rest.

#include "toolkit/win/CustomControl.h"

namespace tk {

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
  TK_CLASS(TCustomPanel)
public:
  explicit TCustomPanel(TComponent* owner);

  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);

protected:
  void Paint() override;

private:
  TPanelBevel bevelOuter_ = bvRaised;
};

class TPanel : public TCustomPanel {
  TK_CLASS(TPanel)
public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace tk
