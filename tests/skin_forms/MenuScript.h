#pragma once
// Driving an open menu in a test: the menu runs its own message loop, so
// the test's steps run from a timer that loop dispatches.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/win/GdiObjects.h"

namespace menuscript {

// The popup menu window on the screen, or none.
inline HWND ShownPopup() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// True when the popup window took a region (the skin's shape).
inline bool HasRegion(HWND window) {
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  return window && GetWindowRgn(window, region.Get()) != ERROR;
}

// Steps run one after another from a timer, which the menu's own loop
// dispatches while a menu is open (the test's code cannot run otherwise):
// each step is tried on every tick until it answers true. A step that does
// not come true within five seconds fails the script, which then closes
// whatever menu is open.
class MenuScript {
public:
  using Step = std::function<bool()>;
  explicit MenuScript(std::vector<std::pair<std::string, Step>> steps) : steps_(std::move(steps)) {
    script_ = this;
    started_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, 30, &MenuScript::Tick);
  }
  ~MenuScript() {
    KillTimer(nullptr, timer_);
    script_ = nullptr;
  }
  bool Finished() const { return next_ >= steps_.size() || !failed_.empty(); }
  // The step that did not come true, or empty.
  const std::string& Failed() const { return failed_; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuScript* s = script_;
    if (!s || s->Finished() || s->running_) return;
    s->running_ = true;
    if (s->steps_[s->next_].second()) {
      ++s->next_;
      s->started_ = GetTickCount();
    } else if (GetTickCount() - s->started_ > 5000) {
      s->failed_ = s->steps_[s->next_].first;
      if (ShownPopup()) EndMenu();
    }
    s->running_ = false;
  }
  static inline MenuScript* script_ = nullptr;
  std::vector<std::pair<std::string, Step>> steps_;
  std::size_t next_ = 0;
  DWORD started_ = 0;
  UINT_PTR timer_ = 0;
  bool running_ = false;
  std::string failed_;
};

}  // namespace menuscript
