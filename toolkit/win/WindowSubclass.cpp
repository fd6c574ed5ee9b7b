#include "toolkit/win/WindowSubclass.h"

#include <commctrl.h>

#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/MouseTracker.h"

namespace tk {

TWindowSubclass::TWindowSubclass(HWND window)
    : WindowProc([this](TMessage& message) { WndProc(message); }), handle_(window) {
  attached_ = window && SetWindowSubclass(window, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                                          reinterpret_cast<DWORD_PTR>(this));
}

TWindowSubclass::~TWindowSubclass() { Detach(); }

void TWindowSubclass::Detach() {
  if (!attached_) return;
  attached_ = false;
  if (IsWindow(handle_)) RemoveWindowSubclass(handle_, SubclassProc, reinterpret_cast<UINT_PTR>(this));
}

void TWindowSubclass::DefaultHandler(TMessage& message) {
  passedOn_ = true;
  message.Result = DefSubclassProc(handle_, message.Msg, message.WParam, message.LParam);
}

LRESULT TWindowSubclass::Dispatch(TMessage& message) {
  const bool outerPassedOn = passedOn_;
  passedOn_ = false;
  MouseTracker().Observe(handle_, message.Msg);
  try {
    WindowProc(message);
  } catch (...) {
    RecordedErrors().RecordCurrent(this, IsPaintMessage(message.Msg) ? "painting a foreign window"
                                                                      : "handling a foreign window's message");
    if (!passedOn_) DefaultHandler(message);
  }
  passedOn_ = outerPassedOn;
  return message.Result;
}

LRESULT CALLBACK TWindowSubclass::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
  auto* self = reinterpret_cast<TWindowSubclass*>(data);
  TMessage message{msg, wParam, lParam, 0};
  const LRESULT result = self->Dispatch(message);
  if (msg == WM_NCDESTROY && self->attached_) {
    self->attached_ = false;
    RemoveWindowSubclass(window, SubclassProc, reinterpret_cast<UINT_PTR>(self));
    self->WindowDestroyed();
  }
  return result;
}

}  // namespace tk
