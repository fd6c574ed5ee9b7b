#include "WindowTestSupport.h"

#include <winternl.h>

#include <vector>

#include "toolkit/win/Application.h"
#include "toolkit/win/Control.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Unicode.h"
#include "toolkit/win/WinControl.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    tk::Application().ProcessMessages();
    if (condition()) return true;
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= std::chrono::milliseconds(0)) return false;
    const auto wait = std::min<std::chrono::milliseconds>(std::chrono::duration_cast<std::chrono::milliseconds>(left),
                                                          std::chrono::milliseconds(20));
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait.count()), QS_ALLINPUT);
  }
}

void PumpPending() {
  // Input injected a moment ago may still be on its way through the server.
  PumpUntil([] { return false; }, std::chrono::milliseconds(60));
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return PumpUntil([&] { return GetForegroundWindow() == window || GetActiveWindow() == window; });
}

tk::TForm* ShowTestForm(int clientWidth, int clientHeight) {
  tk::Application().Initialize();
  auto* form = tk::Create<tk::TForm>(nullptr);
  form->SetClientSize(clientWidth, clientHeight);
  form->SetPosition(tk::poScreenCenter);
  form->Show();
  if (BringToFront(form->Handle())) return form;
  tk::TComponent::Free(form);
  return nullptr;
}

namespace {
void SendKeyboard(WORD key, DWORD flags, WORD scan = 0) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = scan ? scan : static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

void SendMouse(DWORD flags, POINT screen = POINT{0, 0}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65535 + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535 + height / 2) / (height - 1));
  }
  SendInput(1, &input, sizeof(INPUT));
}
}  // namespace

void KeyDown(WORD key) { SendKeyboard(key, 0); }
void KeyUp(WORD key) { SendKeyboard(key, KEYEVENTF_KEYUP); }

void PressKey(WORD key) {
  KeyDown(key);
  KeyUp(key);
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<WORD> order(keys);
  for (WORD key : order) KeyDown(key);
  for (auto it = order.rbegin(); it != order.rend(); ++it) KeyUp(*it);
}

void TypeText(const std::wstring& text) {
  for (wchar_t ch : text) {
    // Digits, letters and the point as their own keys, like a keyboard; the
    // rest as Unicode characters.
    const SHORT mapped = VkKeyScanW(ch);
    if (mapped != -1 && !(mapped & 0x0600) && ch < 0x80) {
      const WORD key = static_cast<WORD>(mapped & 0xFF);
      const bool shift = (mapped & 0x0100) != 0;
      if (shift) KeyDown(VK_SHIFT);
      PressKey(key);
      if (shift) KeyUp(VK_SHIFT);
    } else {
      SendKeyboard(0, KEYEVENTF_UNICODE, ch);
      SendKeyboard(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, ch);
    }
  }
}

void MoveMouseTo(POINT screen) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen); }
void LeftButtonDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void LeftButtonUp() { SendMouse(MOUSEEVENTF_LEFTUP); }
void RightButtonDown() { SendMouse(MOUSEEVENTF_RIGHTDOWN); }
void RightButtonUp() { SendMouse(MOUSEEVENTF_RIGHTUP); }

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  LeftButtonDown();
  LeftButtonUp();
}

POINT ScreenPointOf(const tk::TControl& control, int x, int y) { return control.ClientToScreen(POINT{x, y}); }

POINT CentreOf(const tk::TControl& control) {
  return ScreenPointOf(control, control.Width() / 2, control.Height() / 2);
}

void ClickControl(const tk::TControl& control) { ClickAt(CentreOf(control)); }

bool TypeOver(const tk::TWinControl& edit, const std::wstring& text) {
  ClickControl(edit);
  if (!PumpUntil([&] { return edit.Focused(); })) return false;
  PressKey(VK_HOME);
  PressChord({VK_SHIFT, VK_END});
  PressKey(VK_DELETE);
  TypeText(text);
  return PumpUntil([&] { return tk::Utf8ToWide(edit.Text()) == text; });
}

HWND FocusWindow() { return GetFocus(); }

std::set<HWND> ThreadWindows() {
  std::set<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) {
        reinterpret_cast<std::set<HWND>*>(list)->insert(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Wine 8 has GetGuiResources only as a stub (0, ERROR_CALL_NOT_IMPLEMENTED);
// there the count is read where the system keeps it, the process's GDI
// handle table (PEB GdiSharedHandleTable: 16384 cells of 24 bytes, a cell in
// use has a non-zero type byte at offset 14).
DWORD UserObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (reported != 0) return reported;
  // Handles are 0x20 + 2 x slot; the upper word (a generation) may be left 0.
  DWORD count = 0;
  for (UINT_PTR slot = 0; slot < 0x7FE8; ++slot) {
    const auto h = reinterpret_cast<HANDLE>(0x20 + 2 * slot);
    if (IsWindow(static_cast<HWND>(h)) || IsMenu(static_cast<HMENU>(h))) ++count;
  }
  return count;
}

DWORD GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  const auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
  if (!table) return 0;
  DWORD count = 0;
  for (int cell = 0; cell < 16384; ++cell)
    if (table[cell * 24 + 14] != 0) ++count;
  return count;
}

}  // namespace testing_support
