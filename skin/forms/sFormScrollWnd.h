#pragma once
// TvxFormScrollWnd: the skinned scroll bars of a skinned form's own window
// (a form that scrolls its client area). The form's skin provider owns it
// and lends it the form's skin data; the bars lie in the band between the
// provider's frame strips and the client area.
//
// The wrapper sits in the form's WindowProc chain above the provider: the
// provider keeps answering the skin command for the form (the cache, its
// client offsets, the background), and after each frame paint of the
// provider the bars are painted over their band.

#include "skin/controls/adapters/vxScrollWnd.h"

namespace tk {
class TCustomForm;
}

namespace skin {

class TvxFormScrollWnd : public TvxScrollWnd {
public:
  TvxFormScrollWnd(tk::TCustomForm& form, TsSkinManager* manager, TsCommonData* formSkinData);

  // The height of the shown horizontal bar and the width of the shown
  // vertical one (0 for a hidden bar).
  int HorzBarHeight() const;
  int VertBarWidth() const;

protected:
  tk::TControl* ControlToHook() const override;
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;

private:
  tk::TCustomForm& form_;
};

// The form's window shows a scroll bar of its own (its style holds one).
bool FormHasScrollBars(HWND form);

}  // namespace skin
