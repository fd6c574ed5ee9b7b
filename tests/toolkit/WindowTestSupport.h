#pragma once
// Driving real windows from a test: real input through SendInput (the same
// path as a keyboard and mouse), and pumping the toolkit's message loop until
// the window shows the expected result - never a fixed sleep.

#include <windows.h>

#include <chrono>
#include <functional>
#include <set>
#include <string>

namespace tk {
class TControl;
class TForm;
class TWinControl;
}  // namespace tk

namespace testing_support {

// Handles messages (through the application's loop, with its keyboard
// handling) until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Handles whatever is pending now, and what that causes, for a short while.
void PumpPending();

// Makes the window the foreground window with the keyboard focus.
bool BringToFront(HWND window);
// A form of that client size in the middle of the screen, shown and brought
// to the front (the application initialised first); nullptr when it could
// not be brought to the front. Free it with TComponent::Free.
tk::TForm* ShowTestForm(int clientWidth, int clientHeight);

void KeyDown(WORD key);
void KeyUp(WORD key);
void PressKey(WORD key);
// Keys pressed together: the modifiers first, released in reverse order.
void PressChord(std::initializer_list<WORD> keys);
// Types text as the keyboard would deliver those characters.
void TypeText(const std::wstring& text);

// The mouse, in screen coordinates.
void MoveMouseTo(POINT screen);
void LeftButtonDown();
void LeftButtonUp();
void RightButtonDown();
void RightButtonUp();
void ClickAt(POINT screen);
// The screen point at (x, y) of a control's client area.
POINT ScreenPointOf(const tk::TControl& control, int x, int y);
POINT CentreOf(const tk::TControl& control);
void ClickControl(const tk::TControl& control);

// Clicks into an edit and types over whatever it holds, as a user would
// (Home, Shift+End, Delete, then the keys); true once the edit shows the text.
bool TypeOver(const tk::TWinControl& edit, const std::wstring& text);

// The window that has the keyboard focus.
HWND FocusWindow();

// The process's live GDI objects (GetGuiResources, or where Wine keeps
// them), and this thread's windows, for tests that look for leaks.
DWORD GdiObjectCount();
// The process's live windows and menus (GetGuiResources, or by asking for
// every slot of the window system's handle table, which Wine answers for a
// handle given by its slot alone).
DWORD UserObjectCount();
std::set<HWND> ThreadWindows();

}  // namespace testing_support
