#pragma once
// What screen readers see of the toolkit's windows (IAccessible, asked for
// with WM_GETOBJECT). A windowed control answers with the system's own
// accessible object of its window, changed in two ways:
//   - its name is the control's AccessibleName when one is set (an edit
//     whose label is a windowless control has no label window the system
//     could name it by);
//   - after the system's children (its child windows) it lists its
//     windowless children - speed buttons, labels - which have no window of
//     their own: each with its name (AccessibleName, else the hint, else the
//     caption), its role (a push button for a speed button, static text for
//     a label), its place, its state and, for buttons, a default action
//     that clicks it.
// A control without an own name and without windowless children keeps the
// system's object untouched.

#include <windows.h>

namespace tk {

class TWinControl;

// The answer to WM_GETOBJECT; false when the system's own answer fits.
bool AnswerAccessibleObject(TWinControl& control, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tk
