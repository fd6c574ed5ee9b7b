#pragma once
// Whether a window hides the underlines of its keyboard accelerators now.
// The user's setting to always show them wins; otherwise the window's user
// interface state decides, which the window system clears once the keyboard
// is used (Alt shows the menu line's accelerators).

#include <windows.h>

namespace skin {

bool AcceleratorsHidden(HWND window);

// How a window's user-interface state is read: WM_QUERYUISTATE unless
// replaced (Wine keeps no such state and always answers 0, so tests put in
// the answer Windows would give); nullptr restores the window system's.
using TUIStateQuery = LRESULT (*)(HWND window);
void SetUIStateQuery(TUIStateQuery query);

}  // namespace skin
