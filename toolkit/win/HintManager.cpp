#include "toolkit/win/HintManager.h"

#include <commctrl.h>

#include "toolkit/win/Control.h"
#include "toolkit/win/Unicode.h"

namespace tk {

namespace {
// The tool record size every version of the tooltip control accepts.
TOOLINFOW ToolInfo(HWND owner) {
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  info.hwnd = owner;
  info.uId = 1;
  return info;
}

// A hint "short|long" shows its short part.
std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }
}  // namespace

THintManager::~THintManager() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void THintManager::EnsureTooltip() {
  if (tooltip_ && IsWindow(tooltip_)) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!tooltip_) return;
  TOOLINFOW info = ToolInfo(owner_);
  info.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void THintManager::MouseControlChanged(TControl* control) {
  Cancel();
  if (!control || !owner_ || !Enabled || !control->EffectiveShowHint()) return;
  if (ShortHint(control->Hint()).empty()) return;
  pending_ = control;
  SetTimer(owner_, kShowTimer, static_cast<UINT>(Pause), nullptr);
}

bool THintManager::HandleTimer(UINT_PTR id) {
  if (id == kShowTimer) {
    KillTimer(owner_, kShowTimer);
    TControl* control = pending_;
    if (control && TMouseRecord::Current() == control) ShowFor(control);
    return true;
  }
  if (id == kHideTimer) {
    Cancel();
    return true;
  }
  return false;
}

void THintManager::ShowFor(TControl* control) {
  EnsureTooltip();
  if (!tooltip_) return;
  text_ = Utf8ToWide(ShortHint(control->Hint()));
  TOOLINFOW info = ToolInfo(owner_);
  info.lpszText = text_.data();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  // Below the pointer when it is over the control, else below the control.
  POINT at;
  GetCursorPos(&at);
  const POINT origin = control->ClientToScreen(POINT{0, 0});
  const RECT bounds{origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height()};
  if (!PtInRect(&bounds, at)) at = POINT{bounds.left, bounds.bottom};
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4));
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  showing_ = true;
  SetTimer(owner_, kHideTimer, static_cast<UINT>(HidePause), nullptr);
}

void THintManager::Cancel() {
  if (owner_) {
    KillTimer(owner_, kShowTimer);
    KillTimer(owner_, kHideTimer);
  }
  pending_ = nullptr;
  if (showing_ && tooltip_) {
    TOOLINFOW info = ToolInfo(owner_);
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
  }
  showing_ = false;
}

void THintManager::ControlGone(const TControl* control) {
  if (pending_ == control) Cancel();
}

}  // namespace tk
