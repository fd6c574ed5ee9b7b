#pragma once
// Which window has the keyboard focus, asked of the window system once per
// paint. A control's look depends on the focus (a focused control is drawn
// hot), and one paint asks for it many times over (frame, background,
// content, each nested control); under Wine every GetFocus is a round trip
// to the server. Painting does not move the focus, so inside a paint the
// first answer holds; a focus message that arrives all the same (painting
// code that sets the focus) makes the next question go to the system again.

#include <windows.h>

namespace tk {

// While one exists on this thread (paint messages nest), FocusedWindow()
// remembers its first answer.
class TPaintFocusScope {
public:
  TPaintFocusScope();
  ~TPaintFocusScope();
  TPaintFocusScope(const TPaintFocusScope&) = delete;
  TPaintFocusScope& operator=(const TPaintFocusScope&) = delete;
};

// GetFocus(), or inside a paint the answer it gave there first.
HWND FocusedWindow();

// The focus moved (WM_SETFOCUS, WM_KILLFOCUS, activation): forget the answer.
void FocusMayHaveMoved();

}  // namespace tk
