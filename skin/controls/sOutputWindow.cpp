#include "sOutputWindow.h"

#include "toolkit/win/Application.h"

namespace skin {

TOutputWindow::TOutputWindow(tk::TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(0x800080);
  SetText("vxOutputWindow");
}

void TOutputWindow::CreateParams(tk::TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (Parent()) return;
  params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
  params.WndParent = tk::Application().Handle();
  if (Topmost) params.ExStyle |= WS_EX_TOPMOST;
}

void TOutputWindow::WndProc(tk::TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

}  // namespace skin
