#pragma once
// A window the toolkit did not create - a dialog ("#32770"), a popup menu
// ("#32768"), a message box, a standard child window such as a list box or
// an edit - brought onto the same message path as the toolkit's controls:
// its messages arrive as TMessage records in WindowProc, a hook chain whose
// base is WndProc, so a layer that paints windows writes each routine once
// for both kinds.
//
// Built on SetWindowSubclass: several subclasses (several layers, or a layer
// and the system) can sit on one window and each detaches only itself, in
// any order. The subclass detaches when its window is destroyed (WM_NCDESTROY
// has passed through it) or when the object is destroyed, whichever comes
// first; after that it receives nothing.
//
// Failures never reach the system or a message box: an exception from a
// paint message is recorded once (ErrorRecord.h) and the window's own
// procedure paints it plainly when the subclass had not passed the message
// on; any other is recorded and the message passed on likewise.

#include <windows.h>

#include "toolkit/win/WndProcChain.h"

namespace tk {

class TWindowSubclass {
public:
  explicit TWindowSubclass(HWND window);
  virtual ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  HWND Handle() const { return handle_; }
  bool Attached() const { return attached_; }
  // Gives the window back now.
  void Detach();

  TWndProcChain WindowProc;

protected:
  // The subclass's own handling; the default passes everything on.
  virtual void WndProc(TMessage& message) { DefaultHandler(message); }
  // The window's procedure below this subclass. Only valid while a message
  // of the window is being handled.
  void DefaultHandler(TMessage& message);
  // The window was destroyed; the subclass has let go of it.
  virtual void WindowDestroyed() {}

private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  LRESULT Dispatch(TMessage& message);

  HWND handle_;
  bool attached_ = false;
  bool passedOn_ = false;  // the current message reached the window's own procedure
};

}  // namespace tk
