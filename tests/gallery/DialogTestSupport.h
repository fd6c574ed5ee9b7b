#pragma once
// What the dialog tests share: running steps while a modal dialog's own
// loop runs, finding the dialog that is up and its wrapper, the screen's
// picture of a window and pixel comparisons.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace skin {
class TvxDialogWnd;
}

namespace dialogfix {

using namespace std::chrono_literals;

// Runs steps one after another from a thread timer while a modal loop runs;
// a step returns true when it is done. When the steps take too long every
// dialog of the thread is closed, so the test fails instead of hanging.
class ModalSteps {
public:
  using Step = std::function<bool()>;
  explicit ModalSteps(std::vector<Step> steps) : steps_(std::move(steps)) {
    current_ = this;
    started_ = std::chrono::steady_clock::now();
    timer_ = SetTimer(nullptr, 0, 40, &ModalSteps::Tick);
  }
  ~ModalSteps() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool AllDone() const { return next_ == steps_.size(); }
  bool TimedOut() const { return timedOut_; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalSteps* self = current_;
    if (!self || self->running_) return;
    self->running_ = true;
    self->Run();
    self->running_ = false;
  }
  void Run();

  static inline ModalSteps* current_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  UINT_PTR timer_ = 0;
  bool running_ = false;
  bool timedOut_ = false;
  std::chrono::steady_clock::time_point started_;
};

// The top-level dialog of the thread that is shown, or none.
HWND VisibleDialog();
// The wrapper the dialog skinning put on the dialog, or none.
skin::TvxDialogWnd* SkinnedDialog(HWND dialog);
// The dialog is up, adopted and painted from its cache.
bool DialogShownSkinned(HWND& dialog);
// A visible descendant of that window class, or none.
HWND DescendantOfClass(HWND parent, const wchar_t* cls);
POINT CentreOnScreen(HWND w);
// The window's area of the screen, 24-bit.
tk::Bitmap CaptureWindow(HWND w);
COLORREF Pixel(const tk::Bitmap& b, int x, int y);
// Pixels of the rectangle that differ between two bitmaps, leaving out
// those outside the window's region (none: all count).
int Differing(const tk::Bitmap& a, const tk::Bitmap& b, const RECT& r, HWND shaped = nullptr);

}  // namespace dialogfix
