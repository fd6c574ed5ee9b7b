#include "toolkit/win/Button.h"

#include "toolkit/win/Form.h"

namespace tk {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle((ControlStyle() | csSetCaption | csOpaque) & ~(csClickEvents | csCaptureMouse | csDoubleClicks));
  width_ = 75;
  height_ = 25;
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  if (!HandleAllocated()) return;
  // The focused button keeps Enter; otherwise the default one takes it.
  TCustomForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (!dynamic_cast<TButton*>(focused)) SetButtonStyle(value);
}

void TButton::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, L"BUTTON");
  params.Style |= (active_ || default_) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (wordWrap_) params.Style |= BS_MULTILINE;
}

void TButton::SetButtonStyle(bool isDefault) {
  active_ = isDefault;
  if (!HandleAllocated()) return;
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  const LONG wanted = (style & ~0xF) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  if (style != wanted) SendMessageW(handle_, BM_SETSTYLE, wanted & 0xF, TRUE);
}

void TButton::Click() {
  if (modalResult_ != mrNone) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && active_) || (message.WParam == VK_ESCAPE && cancel_)) && Enabled() &&
          Showing()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(message.WParam), Text()) && Enabled() && Showing()) {
        if (CanFocus()) SetFocus();
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
      SetButtonStyle(dynamic_cast<TButton*>(focused) ? focused == this : default_);
      return;
    }
    default: break;
  }
  TWinControl::WndProc(message);
}

}  // namespace tk
