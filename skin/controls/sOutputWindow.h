#pragma once
// TOutputWindow: the overlay a form transition draws its frames on. Hidden
// when made, coloured 0x800080, text "vxOutputWindow"; without a parent it
// is a pop-up owned by the application's hidden window, topmost when the
// form it covers is. It never erases its background and takes no action on
// skin commands: the transition draws straight onto its window.

#include "toolkit/win/CustomControl.h"

namespace skin {

class TOutputWindow : public tk::TCustomControl {
  TK_CLASS(TOutputWindow)
public:
  explicit TOutputWindow(tk::TComponent* owner);
  bool Topmost = false;

protected:
  void CreateParams(tk::TCreateParams& params) override;
  void WndProc(tk::TMessage& message) override;
};

}  // namespace skin
