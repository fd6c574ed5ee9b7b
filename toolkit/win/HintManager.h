#pragma once
// Hints: when the mouse rests on a control whose hint is shown, the system
// tooltip control shows the control's Hint below the pointer; it goes away
// when the mouse leaves, a button or key is pressed, or after a while.

#include <windows.h>

#include <string>

#include "toolkit/win/Messages.h"

namespace tk {

class TControl;

class THintManager {
public:
  THintManager() = default;
  ~THintManager();
  THintManager(const THintManager&) = delete;
  THintManager& operator=(const THintManager&) = delete;

  // The application window owns the tooltip and receives the timers.
  void Attach(HWND applicationWindow) { owner_ = applicationWindow; }

  // Hints show at all, after the mouse rested this long, for this long
  // (milliseconds).
  bool Enabled = true;
  int Pause = 500;
  int HidePause = 2500;

  void MouseControlChanged(TControl* control);
  void Cancel();
  // A timer of the application window (the ids below); true when it was ours.
  bool HandleTimer(UINT_PTR id);
  void ControlGone(const TControl* control);

  HWND TooltipWindow() const { return tooltip_; }
  bool Showing() const { return showing_; }
  const std::wstring& ShownText() const { return text_; }

  static constexpr UINT_PTR kShowTimer = TIMER_HINT_SHOW;
  static constexpr UINT_PTR kHideTimer = TIMER_HINT_HIDE;

private:
  void EnsureTooltip();
  void ShowFor(TControl* control);

  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  TControl* pending_ = nullptr;
  bool showing_ = false;
  std::wstring text_;
};

}  // namespace tk
