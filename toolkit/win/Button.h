#pragma once
// The push button: a window of the system BUTTON class. The system paints it
// and reports its clicks (BN_CLICKED, reflected back as CN_COMMAND); the
// toolkit adds the form's default and cancel buttons (Enter and Esc arrive as
// CM_DIALOGKEY), ModalResult and multi-line captions.
//
// The space key reaches a focused button as WM_KEYDOWN / WM_KEYUP through
// its window procedure like any other key, so a subclass can take over the
// press; the system button itself pushes on BM_SETSTATE (0xF3).

#include "toolkit/win/WinControl.h"

namespace tk {

class TButton : public TWinControl {
  TK_CLASS(TButton)
public:
  explicit TButton(TComponent* owner);

  // Enter clicks the default button unless the focus is on another push
  // button: the user who tabbed to a button means that one.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Esc clicks the cancel button.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // Sets the form's ModalResult (when this button has one), then OnClick or
  // the linked action.
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Shows the button as the one Enter would click.
  void SetButtonStyle(bool isDefault);
  bool ActiveDefault() const { return active_; }

private:
  bool default_ = false;
  bool cancel_ = false;
  bool wordWrap_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

}  // namespace tk
