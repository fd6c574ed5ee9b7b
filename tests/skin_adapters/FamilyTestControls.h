#pragma once
// Controls the toolkit does not have, as the adapter meets them in other
// programs: a grid that offers its colours, trees of the virtual-tree
// family and a rich view known by their class names, and a grid known by
// its published "OptionsEh". Each is a self-painting window with both
// scroll bars.

#include "skin/controls/adapters/vxGridWnd.h"
#include "toolkit/win/CustomControl.h"

namespace adaptfix {

class TScrollingTestControl : public tk::TCustomControl {
  TK_CLASS(TScrollingTestControl)
public:
  using TCustomControl::TCustomControl;

protected:
  void CreateParams(tk::TCreateParams& params) override;
};

class TTestGrid : public TScrollingTestControl, public skin::TvxSkinnableGrid {
  TK_CLASS(TTestGrid)
public:
  using TScrollingTestControl::TScrollingTestControl;
  skin::TvxGridLook GridLook() const override { return look; }
  void SetGridLook(const skin::TvxGridLook& value) override;
  // The fields this grid has, and their values.
  skin::TvxGridLook look;
};

class TVirtualStringTree : public TScrollingTestControl {
  TK_CLASS(TVirtualStringTree)
public:
  using TScrollingTestControl::TScrollingTestControl;
};

class TRichView : public TScrollingTestControl {
  TK_CLASS(TRichView)
public:
  using TScrollingTestControl::TScrollingTestControl;
};

// Registered with a published "OptionsEh".
class TTestGridEh : public TScrollingTestControl {
  TK_CLASS(TTestGridEh)
public:
  using TScrollingTestControl::TScrollingTestControl;
  void SetOptionsEh(int value) { optionsEh = value; }
  int optionsEh = 0;
  static void Register();
};

}  // namespace adaptfix
